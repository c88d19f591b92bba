#include "online.h"

#include "address.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

namespace vorn {

bool IsOnline() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return false;
    bool online = false;
    for (ifaddrs* it = list; it && !online; it = it->ifa_next) {
        if (!it->ifa_addr) continue;
        const int family = it->ifa_addr->sa_family;
        const bool up = (it->ifa_flags & IFF_UP) && (it->ifa_flags & IFF_RUNNING);
        online = up && !(it->ifa_flags & IFF_LOOPBACK) && (family == AF_INET || family == AF_INET6);
    }
    ::freeifaddrs(list);
    return online;
}

bool isReachable(std::string_view address) {
    return isLoopbackAddress(address) || IsOnline();
}

} // namespace vorn
