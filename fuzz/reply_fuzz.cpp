// Server replies: the reply reader and every reader of list replies, on
// bytes a server (or something posing as one) sent.
#include <error.h>
#include <loaders.h>
#include <permissions.h>
#include <reply.h>
#include <text.h>

#include "converter.h"
#include "models.h"
#include "page_common.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vorn::Reply reply(bytes);
    // Position reads past the end are empty, never out of bounds.
    if (!reply.line(reply.size()).empty() || !reply.line(reply.size() + 7).empty()) std::abort();
    const auto entries = reply.entries();
    if (reply.ok() && entries.size() + 1 != reply.size()) std::abort();

    for (const auto kind : {vorn::FileKind::Image, vorn::FileKind::Sound})
        if (vorn::filesOfKind(reply.lines(), kind).size() > reply.size()) std::abort();

    const auto editors = vorn::readEditorLists(bytes);
    if (editors.ok && editors.users.size() + editors.editors.size() > reply.size()) std::abort();
    const auto names = vorn::readNameList(bytes);
    if (names.ok && names.names.size() > reply.size()) std::abort();
    (void)vorn::readModel("m", reply);
    (void)vorn::refusalText(reply);

    for (const auto& line : vorn::splitLines(bytes)) {
        (void)vorn::splitPlayerLine(line);
        try {
            (void)vorn::parseLinkLine(line); // refuses a broken link by throwing
        } catch (const vorn::Error&) {
        }
        (void)vorn::offsetValue(line);
    }
    return 0;
}
