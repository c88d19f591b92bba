#pragma once

#include <cstdint>
#include <string>

namespace vorn {

class RequestLayer;
struct Session;

// The adventure's data as scpDados.php sends it, by position. Missing lines
// of a short reply are empty.
struct AdventureData {
    std::string JanWd, JanHt, TelPx, TelPy, TelWd, TelHt, MsgPx, MsgPy, MsgWd, MsgHt;
    std::string colour; // line 12, RRGGBB
    std::string Edit9;  // text colour
    std::string Edit10; // link colour
    std::string ImgPan; // panel picture
    std::string firstScript;
    std::string Edit7; // main font
    std::string TotReg;
    std::string line19;
    std::string TipAvn;
};

// scpDados.php for the named adventure (as listed, with blanks), read by
// position, the session untouched; ok is false when the server refuses, and
// refusal then says why in words the author can read.
struct AdventureRecord {
    bool ok = false;
    std::string refusal;
    std::string prefix;
    AdventureData data;
};
AdventureRecord fetchAdventureData(RequestLayer& layer, const Session& session,
                                   const std::string& name);

// Makes the named adventure (as listed, with blanks) the one being edited:
// asks for its data, sets SesPfx, DirAdv, AdvColor, SesScp and AdvLine19,
// creates the local folder and fetches the panel picture when missing.
// Returns nothing and changes nothing when the server refuses. Throws Error
// when the prefix could not name a folder or the folder cannot be made.
struct OpenedAdventure {
    bool ok = false;
    std::string refusal;
    AdventureData data;
};
OpenedAdventure OpenAdventure(RequestLayer& layer, Session& session, const std::string& name);
// The second half of OpenAdventure, for a caller that must know the answer
// before it lets go of the adventure still open.
OpenedAdventure applyAdventure(RequestLayer& layer, Session& session,
                               const AdventureRecord& record);

// "RRGGBB" as a toolkit colour 00BBGGRR, read from characters 5-6, 3-4 and
// 1-2 as far as the text has them; the main window's grey CECECE for an
// empty text or one whose digits are not hexadecimal.
std::uint32_t HtmlColorToColor(const std::string& text);

// The parameters page's values in the order scpPtPrm.php takes them.
struct AdventureParameters {
    std::string Nome, Scp, Fonte, CorFnd, CorTxt, CorLnk, JWd, JHt, TWd, THt, TPx, TPy, MWd, MHt,
        MPx, MPy, Tip, Pan;
};

// Direct calls (throw Error on transport failure); each returns the reply.
std::string createAdventure(RequestLayer& layer, const Session& session, const std::string& prefix,
                            const std::string& name);
std::string saveParameters(RequestLayer& layer, const Session& session,
                           const AdventureParameters& p);
std::string saveRegisterTotal(RequestLayer& layer, const Session& session,
                              const std::string& total);

// The local check before creating: empty name, empty prefix, or a prefix
// outside 3 to 6 characters give the message to show; "" means go ahead.
std::string checkNewAdventure(const std::string& name, const std::string& prefix);

} // namespace vorn
