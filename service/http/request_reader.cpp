#include "http/request_reader.h"

#include <algorithm>
#include <cctype>

namespace pequenia {

namespace {

// A chunk size line is a hex number and perhaps extensions; nobody needs a
// long one.
constexpr std::size_t kMaxChunkLine = 1024;

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool isTokenChar(unsigned char c) {
    return std::isalnum(c) ||
           std::string_view("!#$%&'*+-.^_`|~").find(static_cast<char>(c)) != std::string_view::npos;
}

bool hasToken(const std::string& list, std::string_view token) {
    std::size_t start = 0;
    while (start <= list.size()) {
        const auto comma = std::min(list.find(',', start), list.size());
        if (trim(std::string_view(list).substr(start, comma - start)) == token) return true;
        start = comma + 1;
    }
    return false;
}

} // namespace

RequestReader::RequestReader(const RequestLimits& limits)
    : m_limits(limits) {}

void RequestReader::fail(int status) {
    m_state = State::Failed;
    m_status = status;
    m_line.clear();
    m_line.shrink_to_fit();
    m_body.clear();
    m_body.shrink_to_fit();
}

std::size_t RequestReader::feed(std::string_view in) {
    std::size_t used = 0;
    if (!in.empty()) m_started = true;
    while (used < in.size() && (m_state == State::Head || m_state == State::Body)) {
        if (m_part == Part::Data) {
            const std::size_t n = std::min(m_left, in.size() - used);
            m_body.append(in.data() + used, n);
            used += n;
            m_left -= n;
            if (m_left > 0) break;
            if (m_chunked)
                m_part = Part::DataEnd;
            else
                m_state = State::Done;
            continue;
        }
        const std::size_t limit =
            m_part == Part::ChunkSize || m_part == Part::DataEnd ? kMaxChunkLine : m_limits.maxLine;
        const std::size_t nl = in.find('\n', used);
        const std::size_t end = nl == std::string_view::npos ? in.size() : nl;
        // A line is refused at its limit, never held whole.
        if (m_line.size() + (end - used) > limit) {
            if (m_part == Part::ChunkSize || m_part == Part::DataEnd)
                fail(400);
            else
                fail(m_haveRequestLine ? 431 : 414);
            return used;
        }
        m_line.append(in.data() + used, end - used);
        if (nl == std::string_view::npos) return in.size();
        used = nl + 1;
        std::string line = std::move(m_line);
        m_line.clear();
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (m_part == Part::ChunkSize || m_part == Part::DataEnd)
            onChunkLine(line);
        else
            onHeadLine(line);
    }
    return used;
}

void RequestReader::onHeadLine(std::string_view line) {
    m_headBytes += line.size() + 2;
    if (m_headBytes > m_limits.maxHeadBytes) return fail(431);
    if (!m_haveRequestLine) {
        // Blank lines before a request are allowed and skipped.
        if (line.empty()) return;
        const auto sp1 = line.find(' ');
        const auto sp2 = line.rfind(' ');
        if (sp1 == std::string_view::npos || sp1 == sp2 || sp1 == 0) return fail(400);
        const std::string_view version = line.substr(sp2 + 1);
        if (version != "HTTP/1.1" && version != "HTTP/1.0") return fail(400);
        m_http10 = version == "HTTP/1.0";
        m_keepAlive = !m_http10;
        m_haveRequestLine = true;
        m_head.append(line).append("\r\n");
        return;
    }
    if (line.empty()) {
        if (m_part == Part::Trailer) {
            m_state = State::Done;
            return;
        }
        return endHead();
    }
    if (++m_headers > m_limits.maxHeaders) return fail(431);
    if (m_part == Part::Trailer) return; // trailers are counted, not kept
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) return fail(400);
    const std::string_view name = line.substr(0, colon);
    if (!std::all_of(name.begin(), name.end(),
                     [](char c) { return isTokenChar(static_cast<unsigned char>(c)); }))
        return fail(400);
    onHeader(name, line.substr(colon + 1));
}

void RequestReader::onHeader(std::string_view name, std::string_view rawValue) {
    const std::string key = lower(name);
    const std::string_view value = trim(rawValue);
    if (key == "content-length") {
        if (value.empty() || value.size() > 12 ||
            !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return fail(400);
        const std::size_t n = std::stoull(std::string(value));
        // Two different lengths are a request smuggled past a proxy.
        if (m_haveLength && n != m_length) return fail(400);
        if (n > m_limits.maxBody) return fail(413);
        m_haveLength = true;
        m_length = n;
        return;
    }
    if (key == "transfer-encoding") {
        if (lower(value) != "chunked") return fail(501);
        m_chunked = true;
        return;
    }
    if (key == "content-encoding") {
        // A compressed body could unfold far past the limit; no client of
        // the service compresses what it sends.
        const std::string v = lower(value);
        if (!v.empty() && v != "identity") return fail(415);
        return;
    }
    if (key == "expect") {
        m_expectContinue = lower(value) == "100-continue";
        return;
    }
    if (key == "range" && value.find(',') != std::string_view::npos) {
        // Several ranges would repeat the file in one reply; without the
        // header the file comes once, as a plain reply.
        return;
    }
    if (key == "connection") {
        const std::string v = lower(value);
        if (hasToken(v, "close"))
            m_keepAlive = false;
        else if (hasToken(v, "keep-alive") && m_http10)
            m_keepAlive = true;
    }
    m_head.append(name).append(": ").append(value).append("\r\n");
}

void RequestReader::endHead() {
    if (m_chunked && m_haveLength) return fail(400);
    if (m_chunked) {
        m_part = Part::ChunkSize;
        m_state = State::Body;
        return;
    }
    if (m_haveLength && m_length > 0) {
        m_head.append("Content-Length: ").append(std::to_string(m_length)).append("\r\n\r\n");
        m_body.reserve(std::min<std::size_t>(m_length, 64 * 1024));
        m_left = m_length;
        m_part = Part::Data;
        m_state = State::Body;
        return;
    }
    m_head.append("\r\n");
    m_state = State::Done;
}

void RequestReader::onChunkLine(std::string_view line) {
    if (m_part == Part::DataEnd) {
        if (!line.empty()) return fail(400);
        m_part = Part::ChunkSize;
        return;
    }
    const std::string_view digits = trim(line.substr(0, line.find(';')));
    if (digits.empty() || digits.size() > 8) {
        // Eight hex digits already pass any limit the service sets.
        return fail(digits.empty() ? 400 : 413);
    }
    std::size_t size = 0;
    for (char c : digits) {
        const int v = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                      : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                      : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                                                                  : -1;
        if (v < 0) return fail(400);
        size = size * 16 + static_cast<std::size_t>(v);
    }
    if (size > m_limits.maxBody - m_body.size()) return fail(413);
    if (size == 0) {
        m_head.append("Content-Length: ").append(std::to_string(m_body.size())).append("\r\n\r\n");
        m_part = Part::Trailer;
        m_state = State::Head; // trailer lines end like a head
        return;
    }
    m_left = size;
    m_part = Part::Data;
}

} // namespace pequenia
