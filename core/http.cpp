#include "http.h"

#include "error.h"
#include "multipart.h"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <limits>
#include <mutex>

namespace vorn {
namespace {

struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using Slist = std::unique_ptr<curl_slist, SlistDeleter>;

Slist makeHeaders(std::initializer_list<const char*> lines) {
    curl_slist* list = nullptr;
    for (const char* line : lines) {
        curl_slist* grown = curl_slist_append(list, line);
        if (!grown) {
            curl_slist_free_all(list);
            throw Error("Memória insuficiente para a requisição");
        }
        list = grown;
    }
    return Slist(list);
}

// Where a reply body goes, and how much of it may come.
struct Sink {
    std::string* body = nullptr;
    std::size_t limit = 0;
    bool tooLarge = false;
};

// Called from inside libcurl's C code, so nothing may be thrown from here: a
// short count makes curl stop the transfer with a write error instead.
std::size_t collect(char* data, std::size_t size, std::size_t count, void* target) {
    auto* sink = static_cast<Sink*>(target);
    const std::size_t bytes = size * count;
    if (bytes > sink->limit - sink->body->size()) {
        sink->tooLarge = true;
        return 0;
    }
    try {
        sink->body->append(data, bytes);
    } catch (...) {
        sink->tooLarge = true;
        return 0;
    }
    return bytes;
}

void globalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Silence on the connection, measured from the last byte that moved in
// either direction; curl's own low-speed check averages over whole seconds
// and can cut off a slow but steady reply.
// The same callback also measures the pace: at the end of every window the
// bytes moved in it must reach the least the window asks for.
struct Silence {
    using Clock = std::chrono::steady_clock;
    long limitMs = 0;
    curl_off_t lastDown = -1;
    curl_off_t lastUp = -1;
    Clock::time_point lastMove;
    bool expired = false;
    long windowMs = 0;
    curl_off_t windowBytes = 0;
    Clock::time_point windowStart;
    curl_off_t movedAtWindowStart = 0;
    bool tooSlow = false;
};

long long elapsedMs(Silence::Clock::time_point from, Silence::Clock::time_point to) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

int onProgress(void* data, curl_off_t, curl_off_t down, curl_off_t, curl_off_t up) {
    auto* silence = static_cast<Silence*>(data);
    const auto now = Silence::Clock::now();
    if (silence->windowMs > 0 && elapsedMs(silence->windowStart, now) >= silence->windowMs) {
        const curl_off_t moved = std::max<curl_off_t>(down, 0) + std::max<curl_off_t>(up, 0);
        if (moved - silence->movedAtWindowStart < silence->windowBytes) {
            silence->tooSlow = true;
            return 1;
        }
        silence->windowStart = now;
        silence->movedAtWindowStart = moved;
    }
    if (down != silence->lastDown || up != silence->lastUp) {
        silence->lastDown = down;
        silence->lastUp = up;
        silence->lastMove = now;
        return 0;
    }
    if (silence->limitMs > 0 && elapsedMs(silence->lastMove, now) >= silence->limitMs) {
        silence->expired = true;
        return 1;
    }
    return 0;
}

} // namespace

struct Http::Handle {
    CURL* curl = nullptr;
    char error[CURL_ERROR_SIZE] = {};
    Slist headers;
    Silence silence;
    Handle() {
        globalInit();
        curl = curl_easy_init();
        if (!curl) throw Error("Não foi possível iniciar o cliente HTTP");
    }
    ~Handle() { curl_easy_cleanup(curl); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
};

Http::Http()
    : m_handle(std::make_unique<Handle>()) {
    CURL* c = m_handle->curl;
    m_handle->headers = makeHeaders({"Accept: text/html, */*", "Expect:"});
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, m_handle->error);
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    curl_easy_setopt(c, CURLOPT_COOKIEFILE, ""); // cookies in memory, for this run only
    curl_easy_setopt(c, CURLOPT_PROXY, "");      // never a proxy, whatever the environment says
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &m_handle->silence);
    applyDownloadSettings();
    setReplyLimit(kDefaultReplyLimit);
}

Http::~Http() = default;

void Http::setReplyLimit(std::size_t bytes) {
    m_replyLimit = bytes;
    constexpr auto most = static_cast<std::size_t>(std::numeric_limits<curl_off_t>::max());
    curl_easy_setopt(m_handle->curl, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(std::min(bytes, most)));
}

void Http::setLimits(long connectMs, long readMs) {
    m_connectMs = connectMs;
    m_readMs = readMs;
    curl_easy_setopt(m_handle->curl, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
    m_handle->silence.limitMs = readMs;
}

void Http::setLeastSpeed(long windowMs, long long windowBytes) {
    m_windowMs = windowMs;
    m_windowBytes = windowBytes;
}

void Http::applyDownloadSettings() {
    CURL* c = m_handle->curl;
    curl_easy_setopt(c, CURLOPT_USERPWD, nullptr);
    curl_easy_setopt(c, CURLOPT_HTTPAUTH, CURLAUTH_NONE);
    setLimits(kDefaultLimitMs, kDefaultLimitMs);
}

std::string Http::perform(const std::string& address, long deadlineMs) {
    CURL* c = m_handle->curl;
    std::string body;
    Sink sink{&body, m_replyLimit, false};
    m_handle->error[0] = '\0';
    m_lastStatus = 0;
    const auto now = Silence::Clock::now();
    Silence& silence = m_handle->silence;
    silence = Silence{};
    silence.limitMs = m_readMs;
    silence.lastMove = silence.windowStart = now;
    silence.windowMs = m_windowMs;
    silence.windowBytes = static_cast<curl_off_t>(m_windowBytes);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, std::max(deadlineMs, 0L));
    curl_easy_setopt(c, CURLOPT_URL, address.c_str());
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, m_handle->headers.get());
    const CURLcode rc = curl_easy_perform(c);
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &m_lastStatus);
    if (rc != CURLE_OK) {
        std::string detail = m_handle->error[0] ? m_handle->error : curl_easy_strerror(rc);
        if (sink.tooLarge || rc == CURLE_FILESIZE_EXCEEDED)
            throw Error("A resposta do servidor passa do tamanho aceito (" +
                        std::to_string(m_replyLimit) + " bytes)");
        if (silence.tooSlow)
            throw Error("O servidor mandou a resposta devagar demais (menos de " +
                        std::to_string(m_windowBytes) + " bytes em " +
                        std::to_string(m_windowMs / 1000) + " s)");
        if (rc == CURLE_OPERATION_TIMEDOUT || silence.expired)
            throw Error("O servidor não respondeu a tempo (" + detail + ")");
        throw Error("Falha na comunicação com o servidor (" + detail + ")");
    }
    if (m_lastStatus < 200 || m_lastStatus > 299)
        throw Error("O servidor recusou o pedido: HTTP " + std::to_string(m_lastStatus));
    return body;
}

std::string Http::get(const std::string& address, long deadlineMs) {
    curl_easy_setopt(m_handle->curl, CURLOPT_HTTPGET, 1L);
    return perform(address, deadlineMs);
}

std::string Http::post(const std::string& address, const MultipartForm& form) {
    const auto encoded = form.encode();
    CURL* c = m_handle->curl;
    const std::string typeHeader = "Content-Type: " + encoded.contentType;
    Slist headers = makeHeaders({"Accept: text/html, */*", "Expect:", typeHeader.c_str()});
    curl_easy_setopt(c, CURLOPT_POST, 1L);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, encoded.body.data());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(encoded.body.size()));
    std::swap(headers, m_handle->headers);
    struct Restore {
        Handle& h;
        Slist& saved;
        ~Restore() {
            std::swap(saved, h.headers);
            curl_easy_setopt(h.curl, CURLOPT_POSTFIELDS, nullptr);
            curl_easy_setopt(h.curl, CURLOPT_HTTPGET, 1L);
        }
    } restore{*m_handle, headers};
    return perform(address, 0);
}

} // namespace vorn
