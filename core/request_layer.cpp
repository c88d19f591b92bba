#include "request_layer.h"

#include "online.h"
#include "session.h"

namespace vorn {

RequestLayer::RequestLayer() {
    m_hooks.reachable = isReachable;
}

void RequestLayer::light(Light colour) const {
    if (m_hooks.light) m_hooks.light(colour);
}

void RequestLayer::pump() const {
    if (m_hooks.pump) m_hooks.pump();
}

std::string RequestLayer::ServerGet(const std::string& address) {
    light(Light::Request);
    pump();
    if (m_hooks.reachable && !m_hooks.reachable(address)) return kNoConnection;
    std::string reply;
    try {
        reply = m_http.get(address, m_deadlineMs);
    } catch (const std::exception&) {
        reply = kTryAgain;
    }
    light(Light::Idle);
    return reply;
}

bool FetchServerVersion(RequestLayer& layer, const Session& session, std::string_view versionLabel,
                        std::string* announced) {
    const std::string version = layer.http().get(session.UrlLog + "scpVrs.php");
    if (announced) *announced = version;
    if (version.empty() || version == versionLabel) return false;
    layer.pump();
    return true;
}

} // namespace vorn
