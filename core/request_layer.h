#pragma once

#include "http.h"

#include <functional>
#include <string>
#include <string_view>

namespace vorn {

struct Session;

// Colours of the connection light.
enum class Light {
    Idle,    // maroon: nothing under way
    Request, // lime: a request is under way
    Upload,  // red: an upload or a file copy is under way
};

// What the windows plug into the logic, which knows no widget.
struct Hooks {
    std::function<void(Light)> light;                // paint and repaint the light
    std::function<void()> pump;                      // process pending window messages once
    std::function<bool(std::string_view)> reachable; // may a request to this address be tried
};

// Reply texts, so cp1252 like every byte string of the protocol.
inline constexpr const char* kNoConnection = "Sem conex\xe3o!!!";
inline constexpr const char* kTryAgain = "Tente novamente!";

// The request layer: the one Http client and the hooks, shared by every
// operation that talks to the service.
class RequestLayer {
public:
    RequestLayer();

    Http& http() { return m_http; }
    Hooks& hooks() { return m_hooks; }

    void light(Light colour) const;
    void pump() const;

    // GET through the light and the online test. Never throws: failures come
    // back as "Sem conex\xe3o!!!" (nothing sent, the light stays lime) or
    // "Tente novamente!".
    // Its replies are short texts, so the whole request is bounded too: a
    // server that trickles a reply at just the least pace still lets the
    // windows go within this time.
    std::string ServerGet(const std::string& address);
    static constexpr long kDefaultDeadlineMs = 20000;
    void setDeadline(long ms) { m_deadlineMs = ms; }

private:
    Http m_http;
    Hooks m_hooks;
    long m_deadlineMs = kDefaultDeadlineMs;
};

// The light in one colour for as long as the object lives, idle again
// however the operation ends.
class LightScope {
public:
    LightScope(const RequestLayer& layer, Light during)
        : m_layer(layer) {
        m_layer.light(during);
    }
    ~LightScope() { m_layer.light(Light::Idle); }
    LightScope(const LightScope&) = delete;
    LightScope& operator=(const LightScope&) = delete;

private:
    const RequestLayer& m_layer;
};

// Direct GET of UrlLog + "scpVrs.php". True when the reply is not empty and
// differs, byte for byte, from the version label; announced, when given,
// receives the reply. Throws Error on failure.
bool FetchServerVersion(RequestLayer& layer, const Session& session, std::string_view versionLabel,
                        std::string* announced = nullptr);

} // namespace vorn
