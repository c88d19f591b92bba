#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pequenia {

// What one request may hold before any route sees it.
struct RequestLimits {
    std::size_t maxLine = 8192;           // request line and each header line
    std::size_t maxHeaders = 100;         // header lines, chunk trailers included
    std::size_t maxHeadBytes = 64 * 1024; // the whole head
    std::size_t maxBody = 16u << 20;      // the body once chunks are joined
};

// Reads one HTTP/1.x request from bytes as they arrive and refuses it as soon
// as it passes a limit, so a hostile client never makes the service hold more
// than the limits allow. The request it hands on always has a plain
// Content-Length body: chunks are joined here, and what the routes need not
// understand (compressed bodies, several ranges) is refused or dropped.
class RequestReader {
public:
    enum class State { Head, Body, Done, Failed };

    explicit RequestReader(const RequestLimits& limits = {});

    // Takes bytes of the connection; returns how many belong to this request
    // (the rest start the next one). Stops at Done or Failed.
    std::size_t feed(std::string_view bytes);

    State state() const { return m_state; }
    // Any byte of this request arrived.
    bool started() const { return m_started; }
    // The HTTP status of a refusal (400, 413, 415, 431, 501) once Failed.
    int status() const { return m_status; }
    // The client waits for "100 Continue" before sending the body.
    bool wantsContinue() const { return m_state == State::Body && m_expectContinue; }
    // The client may send another request on this connection.
    bool keepAlive() const { return m_keepAlive; }
    // The request line and headers as handed on, ending in the blank line.
    const std::string& head() const { return m_head; }
    std::string& body() { return m_body; }
    // Bytes held for this request.
    std::size_t held() const { return m_head.size() + m_body.size() + m_line.size(); }

private:
    enum class Part { Line, Data, DataEnd, ChunkSize, Trailer };

    void fail(int status);
    void onHeadLine(std::string_view line);
    void onHeader(std::string_view name, std::string_view value);
    void endHead();
    void onChunkLine(std::string_view line);

    RequestLimits m_limits;
    State m_state = State::Head;
    Part m_part = Part::Line;
    int m_status = 0;
    bool m_started = false;
    bool m_haveRequestLine = false;
    bool m_http10 = false;
    bool m_keepAlive = true;
    bool m_expectContinue = false;
    bool m_chunked = false;
    bool m_haveLength = false;
    std::size_t m_length = 0;
    std::size_t m_left = 0;
    std::size_t m_headers = 0;
    std::size_t m_headBytes = 0;
    std::string m_line;
    std::string m_head;
    std::string m_body;
};

} // namespace pequenia
