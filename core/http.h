#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace vorn {

class MultipartForm;

// The program's one HTTP client: one libcurl handle for the whole run, so
// connections and cookies are kept between requests. Every call either
// returns the whole body of a 2xx reply or throws Error with a message for
// the author.
class Http {
public:
    static constexpr long kDefaultLimitMs = 5000;
    // The largest reply body taken: far above any picture, sound or program
    // file of the service, far below what would exhaust memory.
    static constexpr std::size_t kDefaultReplyLimit = std::size_t{64} << 20;

    Http();
    ~Http();
    Http(const Http&) = delete;
    Http& operator=(const Http&) = delete;

    std::string get(const std::string& address);
    std::string post(const std::string& address, const MultipartForm& form);

    // The connect limit bounds the time to connect; the read limit is a limit
    // on silence (no byte for that long), so a large transfer still finishes.
    // Both apply from the first request on.
    void setLimits(long connectMs, long readMs);
    long connectLimitMs() const { return m_connectMs; }
    long readLimitMs() const { return m_readMs; }

    // A reply body longer than this fails like any transport failure, both
    // when its announced length is larger and when more bytes arrive.
    void setReplyLimit(std::size_t bytes);
    std::size_t replyLimit() const { return m_replyLimit; }

    // The settings before every download: no user name or password, no
    // authentication scheme, the standard limits.
    void applyDownloadSettings();

    // Status code of the last reply (0 when none arrived).
    long lastStatus() const { return m_lastStatus; }

private:
    struct Handle;
    std::string perform(const std::string& address);

    std::unique_ptr<Handle> m_handle;
    long m_connectMs = kDefaultLimitMs;
    long m_readMs = kDefaultLimitMs;
    long m_lastStatus = 0;
    std::size_t m_replyLimit = kDefaultReplyLimit;
};

} // namespace vorn
