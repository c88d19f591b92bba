// Multipart forms as the upload and store scripts receive them, with the
// demo author's login so the form reaches the script.
#include "fuzz_input.h"
#include "service_stream.h"

#include <address.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* const kScripts[] = {"mobPtImg", "vpqPtScp", "scpPtObj",
                                           "scpPtVrs", "scpPtPag", "scpPtPrm"};
    vorn::fuzz::Input in(data, size);
    const char* script = kScripts[in.byte() % std::size(kScripts)];
    const std::string arq = in.text();
    const std::string boundary = in.text();
    const std::string_view body = in.rest();
    std::string request = std::string("POST /vornpq/wbetz/") + script +
                          ".php?Lgn=demo&Sen=demo&Pfx=vorn&Scp=fuzz&Arq=" + vorn::encodeValue(arq) +
                          " HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                          "Content-Type: multipart/form-data; boundary=" +
                          boundary + "\r\nContent-Length: " + std::to_string(body.size()) +
                          "\r\n\r\n";
    request += body;
    vorn::fuzz::serveBytes(request);
    return 0;
}
