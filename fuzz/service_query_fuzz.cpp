// Query keys: the service's reader against the client's encoder, then a
// query of any bytes through a server script chosen by the input.
#include "fuzz_input.h"
#include "service_stream.h"

#include <address.h>

#include <routes/routes.h>

#include <cstdint>
#include <map>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorn::fuzz::Input in(data, size);

    // Whatever the keys and values, what the client encodes the service
    // reads back byte for byte (a repeated key keeps its last value).
    std::map<std::string, std::string> sent;
    std::string query;
    for (int n = in.byte() % 4; n > 0; --n) {
        const std::string key = in.text('\t');
        const std::string value = in.text('\t');
        if (key.empty()) continue;
        sent[key] = value;
        query +=
            (query.empty() ? "" : "&") + vorn::encodeValue(key) + "=" + vorn::encodeValue(value);
    }
    if (pequenia::parseQuery(query) != sent) std::abort();

    const auto& scripts = pequenia::serverScripts();
    auto it = scripts.begin();
    std::advance(it, in.byte() % scripts.size());
    const std::string_view raw = in.rest();
    if (raw.find_first_of(" \r\n") != std::string_view::npos) return 0; // not one request line
    vorn::fuzz::serveBytes("GET /vornpq/wbetz/" + it->first + ".php?" + std::string(raw) +
                           " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    return 0;
}
