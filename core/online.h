#pragma once

#include <string_view>

namespace vorn {

// True when the machine has a network interface up other than loopback.
bool IsOnline();

// Whether a request to this address can be tried: always for a service on
// this machine, otherwise as IsOnline says.
bool isReachable(std::string_view address);

} // namespace vorn
