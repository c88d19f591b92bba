#pragma once

#include "auth/access.h"

#include <functional>
#include <string>
#include <string_view>

namespace pequenia {

// What the page learned while reading the script, besides the HTML.
struct GamePage {
    std::string html;
    std::string position; // the "setpos=" name, if any
};

using RegisterValue = std::function<std::string(long)>;

// Renders one script as a game page: the screen picture, the message, the
// free text area and the screen elements of its "cmd=" lines placed at their
// rectangles, in the adventure's colours. Jumps and conditions are not
// followed: the page shows the lines up to the first "fim" or "end". Every
// text of the script is escaped; links to other scripts lead to exescp.php.
GamePage renderGamePage(const Adventure& adv, std::string_view idx, std::string_view script,
                        std::string_view text, const RegisterValue& registerValue);

// The script a link target names: "$name", or an address carrying "Scp=".
// Anything else is taken as a script name as it is.
std::string scriptOfTarget(std::string_view target);

} // namespace pequenia
