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

    // deadlineMs bounds the whole request, however steadily its bytes come
    // (0: no bound beyond the limits below, for transfers of any size).
    std::string get(const std::string& address, long deadlineMs = 0);
    std::string post(const std::string& address, const MultipartForm& form);

    // The connect limit bounds the time to connect; the read limit is a limit
    // on silence (no byte for that long), so a large transfer still finishes.
    // Both apply from the first request on.
    void setLimits(long connectMs, long readMs);
    long connectLimitMs() const { return m_connectMs; }
    long readLimitMs() const { return m_readMs; }

    // A transfer must move at least windowBytes in every windowMs (requests
    // and replies alike, headers included): a slow but honest picture still
    // arrives, a server that drips a byte now and then does not hold the
    // windows. By default 4 KiB in 10 s.
    static constexpr long kDefaultWindowMs = 10000;
    static constexpr long long kDefaultWindowBytes = 4096;
    void setLeastSpeed(long windowMs, long long windowBytes);

    // A reply body longer than this fails like any transport failure, both
    // when its announced length is larger and when more bytes arrive.
    void setReplyLimit(std::size_t bytes);

    // The settings before every download: no user name or password, no
    // authentication scheme, the standard limits.
    void applyDownloadSettings();

    // Status code of the last reply (0 when none arrived).
    long lastStatus() const { return m_lastStatus; }

private:
    struct Handle;
    std::string perform(const std::string& address, long deadlineMs);

    std::unique_ptr<Handle> m_handle;
    long m_connectMs = kDefaultLimitMs;
    long m_readMs = kDefaultLimitMs;
    long m_windowMs = kDefaultWindowMs;
    long long m_windowBytes = kDefaultWindowBytes;
    long m_lastStatus = 0;
    std::size_t m_replyLimit = kDefaultReplyLimit;
};

} // namespace vorn
