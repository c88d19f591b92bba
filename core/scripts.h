#pragma once

#include <string>
#include <vector>

namespace vorn {

class Http;
class RequestLayer;
struct Session;

using Lines = std::vector<std::string>;

// The script calls of the adventure being edited. Names travel as typed
// (percent-encoded on the wire, never with "_" for blanks).

// vpqGtScp.php through the request layer; line 0 is dropped unseen, so an
// unknown script or a refusal gives the lines after it (often none).
Lines fetchScript(RequestLayer& layer, const Session& session, const std::string& name);

// The same, but tells whether the script exists (line 0 "Ok"), and when not,
// what to show the author (Reply::refusal).
struct FetchedScript {
    bool exists = false;
    Lines lines;
    std::string refusal;
};
FetchedScript fetchScriptChecked(RequestLayer& layer, const Session& session,
                                 const std::string& name);

// vpqPtScp.php: posts the lines joined by CR LF as the field "texto". The
// reply is returned but callers need not read it. Throws Error on failure.
std::string putScript(RequestLayer& layer, const Session& session, const std::string& name,
                      const Lines& lines);

// Direct calls returning the reply text; throw Error on transport failure.
std::string newScript(RequestLayer& layer, const Session& session, const std::string& name,
                      bool withIndex = true);
std::string deleteScript(RequestLayer& layer, const Session& session, const std::string& name);
std::string renameScript(RequestLayer& layer, const Session& session, const std::string& from,
                         const std::string& to);

// vpqLsScp.php: the names in the server's order; empty when refused.
Lines LoadScriptList(RequestLayer& layer, const Session& session);

// The whole replies of the script list and of one script, over the given
// client: a transport failure throws Error instead of reading as a
// refusal, for callers that must stop on it (and may use several clients).
std::string scriptListReply(Http& http, const Session& session);
std::string scriptReply(Http& http, const Session& session, const std::string& name);
// The same, telling a refused or failed list from an empty one: refusal is
// what to show the author (Reply::refusal).
struct ScriptList {
    bool ok = false;
    Lines names;
    std::string refusal;
};
ScriptList fetchScriptList(RequestLayer& layer, const Session& session);

// Removes blank lines (nothing but blanks, tabs or other control characters)
// from the end; the first line always stays.
Lines trimTrailingBlankLines(Lines lines);

// The three lines a new script starts with.
Lines newScriptTemplate(const std::string& name);

// Keeps a copy of a script's text in folder: <name>.scp, or the first free
// <name>(n).scp. Never replaces an earlier copy, even when two copies are
// kept at once. Returns the path written. Throws Error for a name that would
// leave the folder or when the folder cannot be written.
std::string keepLocalCopy(const std::string& folder, const std::string& name, const Lines& lines);

// The save of the editor: trims trailing blank lines, posts the text with
// the light lime, then keeps the local copy. Returns the trimmed lines (what
// the editor shows afterwards) and the copy's path. Throws Error when the
// post fails or the service's reply is not "Ok"; then no copy is kept and
// the light is idle again. Throws Error saying that the server has the text
// when only the local copy could not be written. A script name that could
// not name the copy is refused with Error before posting.
struct SavedScript {
    Lines lines;
    std::string copyPath;
};
SavedScript SaveScriptToServer(RequestLayer& layer, const Session& session, const Lines& lines);

// Before a save: what the server holds now under the script's name, and
// whether someone changed it since the editor had `opened` from it. A change
// that is already the editor's own text (`mine`) is no clash. A script the
// server no longer has is no clash either: storing it brings it back, as a
// save always did. Trailing blank lines never count. Throws Error when the
// server cannot be reached, so that the save is not tried.
struct ServerText {
    bool changedMeanwhile = false;
    Lines lines;
};
ServerText checkServerText(RequestLayer& layer, const Session& session, const Lines& opened,
                           const Lines& mine);

// Text after the first blank of the first line that holds keyword, the line
// trimmed of blanks and control characters at both ends first; the whole
// trimmed line when it has no blank; at most 100 characters; "" when no
// line holds it.
std::string FindInstructionParams(const Lines& lines, const std::string& keyword);

} // namespace vorn
