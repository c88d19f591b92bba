// The service's request reader on raw bytes from the network: request line,
// headers, body, and every route behind them.
#include "service_stream.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorn::fuzz::serveBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
