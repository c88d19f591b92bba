#pragma once

#include "page_common.h"

#include <optional>
#include <string>
#include <vector>

namespace vorn {

class RequestLayer;
struct Session;

// The adventure's web page on the service: its title, description, type,
// icon and QR picture, and the data only the administrator changes. Byte
// strings are cp1252.

// The account code of the service's administrator, compared exactly.
inline constexpr const char* kAdministratorCode = "593";
bool isAdministrator(const Session& session);

inline constexpr const char* kPageNotLoaded =
    "Carregue a p\xe1gina de uma aventura antes de atualizar!!!";

// The page as the panel shows it and sends it back.
struct PageData {
    std::string Lb1 = "n\xe3o"; // active flag, "sim" or "não"
    std::string Lb2;            // prefix of the adventure whose page this is
    std::string Lb3;            // author
    std::string Lb4;            // order, 0 to 5
    std::string Ed5;            // title
    std::string Ed6;            // icon file name
    std::string Ed7;            // QR picture file name
    std::string Lb5 = "adv";    // type code
    std::string Lb6;            // the page's status text on the service
    std::vector<std::string> Desc;
};

// The type choices: caption and code, in the panel's order.
struct PageType {
    const char* caption;
    const char* code;
};
inline constexpr PageType kPageTypes[] = {
    {"adventure", "adv"},
    {"jogo", "jog"},
    {"point & click", "pec"},
    {"promocional", "pro"},
    {"quebra-cabe\xe7"
     "a",
     "qbc"},
};

// The page of the adventure with this prefix. ok is false with the refusal
// in status when the service refused; the lines a short reply lacks are
// left empty.
struct PageLoad {
    bool ok = false;
    std::string status;
    PageData page;
};
PageLoad loadPage(RequestLayer& layer, const Session& session, const std::string& prefix);

// The prefixes of every adventure page (the administrator's list), blanks
// around each removed, sorted as the list shows them.
NameList loadPageList(RequestLayer& layer, const Session& session);

// Sends page to its adventure (Lb2) with the description as the form field
// "Texto"; the administrator's data go too when withAdministratorData.
// Returns the reply to show, or kPageNotLoaded without sending anything
// while no page was loaded. Throws Error when the post fails.
std::string sendPage(RequestLayer& layer, const Session& session, const PageData& page,
                     bool withAdministratorData);

// "sim" for "não" and "não" for anything else.
std::string switchedActive(const std::string& active);

// The order after a step of +1 or -1: the text as a whole number (0 when it
// is not one) plus step, held within 0 to 5.
std::string steppedOrder(const std::string& order, int step);

// Where a picture of the adventure with this prefix is kept locally, when
// it is there: prefix and name must be safe file names. nullopt means the
// page shows the placeholder.
std::optional<std::string> localPagePicture(const Session& session, const std::string& prefix,
                                            const std::string& name);

} // namespace vorn
