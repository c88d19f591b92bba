#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pequenia {

// What a handler answers. Server scripts answer plain text lines joined with
// CR LF and no final line break, so a caller that compares the whole reply
// with "Ok" sees exactly "Ok"; pages answer HTML.
struct Reply {
    Reply() = default;
    Reply(int code, std::string text, std::string type = "text/plain; charset=windows-1252")
        : status(code)
        , body(std::move(text))
        , contentType(std::move(type)) {}

    int status = 200;
    std::string body;
    std::string contentType = "text/plain; charset=windows-1252";
    std::string location; // for redirects
};

// "Ok" followed by the given lines.
Reply ok(const std::vector<std::string>& lines = {});
// "Ok" followed by the lines of a stored text (CR LF, LF or CR line ends).
Reply okText(std::string_view text);
// A one-line message for the user: a refusal, or the answer of a call whose
// reply is shown as it is.
Reply message(std::string_view text);

std::string joinCrLf(const std::vector<std::string>& lines);

} // namespace pequenia
