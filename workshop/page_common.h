#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

class Reply;
class RequestLayer;
struct Session;

// What the special tools page says when a tool needs an adventure; the
// workshop's writing operations refuse the same way.
inline constexpr const char* kNoAdventureOpen = "N\xe3o est\xe1 editando nenhuma aventura!";

// A list for a page to show, or why there is none: when ok is false, status
// holds the refusal (a reply's line 0) and names is empty.
struct NameList {
    bool ok = false;
    std::string status;
    std::vector<std::string> names;
};

// The order of the pages' sorted lists (lessIgnoringCase, ties in the order
// given). The logic sorts so that the order in which it processes entries is
// the order the page shows (the page lists them as given, without sorting of
// its own).
void sortLikeList(std::vector<std::string>& names);

// The text to show for a refusal (Reply::refusal): line 0, or "Tente
// novamente!" for an empty reply or one that is not a message.
std::string refusalText(const Reply& reply);

// A list reply read bounds-safe: the lines after "Ok", or the refusal.
NameList readNameList(std::string_view reply);

// What to do with a script or a file that is there already.
enum class Existing { Replace, Skip };

// Called after each item of a loop (the scripts of a series, the files of a
// model) so that the window can move a gauge and repaint.
using Progress = std::function<void(std::size_t done, std::size_t total)>;

// Which of names the adventure being edited holds already, in the order
// asked, each once. ok is false, with the refusal in status, when the
// script list could not be read: then nothing is known and nothing may be
// written.
NameList findExistingScripts(RequestLayer& layer, const Session& session,
                             const std::vector<std::string>& names);

// The questions a page asks before replacing, naming what would be replaced
// (the first ten names, then how many more). The answer buttons are
// kReplaceCaption and kSkipCaption.
inline constexpr const char* kReplaceCaption = "Substituir";
inline constexpr const char* kSkipCaption = "Pular";
std::string replaceScriptsQuestion(const std::vector<std::string>& names);
std::string replaceFilesQuestion(const std::vector<std::string>& names);

// Posts text as the form field "texto" and returns the reply. Throws Error
// when the post fails.
std::string postText(RequestLayer& layer, const std::string& address, const std::string& text);

// Puts a script into the adventure being edited: creates it first when
// isNew (mobNwScp.php), then stores text (vpqPtScp.php). Returns "" when
// both were accepted, otherwise the refusal that stopped it, so that a
// refused creation never leads to a store. Throws Error when a call fails.
std::string createAndStore(RequestLayer& layer, const Session& session, const std::string& name,
                           bool isNew, const std::string& text);

// UrlScp + script with the login and Pfx = SesPfx, Scp = name.
std::string adventureScriptCall(const Session& session, const char* script,
                                const std::string& name);

} // namespace vorn
