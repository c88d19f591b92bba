#pragma once

#include "page_common.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

class RequestLayer;
struct Session;

// The position converter page: adventures made with the service's basic
// editor, their positions and links, and the position script made of one.
// Byte strings are cp1252; adventure names are as listed, with blanks.

inline constexpr const char* kSelectPosition = "Selecione uma posi\xe7\xe3o antes...";
inline constexpr const char* kSelectAdventure = "Selecione uma aventura antes...";
inline constexpr const char* kConverted = "Convers\xe3o feita com sucesso!!!";
// The conversion reads the existing script from the adventure being edited
// and writes into the adventure chosen on the page, so the two must be one.
inline constexpr const char* kNotEditedAdventure =
    "A aventura selecionada n\xe3o \xe9 a aventura em edi\xe7\xe3o!!!";

// One position as the page keeps it from its selection to a conversion or
// deletion. It names its own adventure, so that choosing another adventure
// on the page afterwards cannot make it act there. A failed load gives an
// empty position (no name), which convert and delete refuse.
struct Position {
    std::string adventure;
    std::string name;
    std::string screen;
    std::string message;
    std::string offsetX = "0";
    std::string offsetY = "0";
    std::vector<std::string> links; // link lines as received, in list order
};

struct PositionLoad {
    std::string status; // what the status line shows; "" after a good load
    Position position;
};

// scpMal.php: the adventures, blanks restored, in list order. On a refusal
// the page keeps the lists it shows; on success it replaces the adventures
// and empties the positions.
NameList loadConverterAdventures(RequestLayer& layer, const Session& session);

// scpMApos.php: the positions of an adventure, in list order. A refusal
// gives an empty list: the page shows no position of another adventure.
NameList loadPositions(RequestLayer& layer, const Session& session, const std::string& adventure);

// scpGtPos.php then scpLsLnk.php.
PositionLoad loadPosition(RequestLayer& layer, const Session& session, const std::string& adventure,
                          const std::string& name);

// One link line: "n,kind,x1,y1,x2,y2,target", the target being everything
// after the sixth comma. Every number must be a whole number of the
// project's integer range; otherwise Error names the value.
struct Link {
    std::int64_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string target;
};
Link parseLinkLine(std::string_view line);

// An offset as the position sends it: a whole number, or 0 for anything
// else.
std::int64_t offsetValue(const std::string& text);

// "  cmd= map,x,y,width,height,exescp.php?Scp=target" of a link moved by
// the offsets.
std::string mapCommand(const Link& link, std::int64_t offsetX, std::int64_t offsetY);

// The block a conversion appends: heading, screen, position and return
// lines, message, an empty line, the links heading and one map command per
// link. Throws Error for a link line that cannot be read.
std::vector<std::string> convertedBlock(const Position& position);

// Appends the converted block to the position's script in the adventure
// being edited, creating the script when the adventure has none of that
// name. Refuses (returning the text to show) an empty position, no adventure
// open, and a position of another adventure; stops on any refusal from the
// service, so an existing script is never stored over by the block alone.
// Returns kConverted on success. Throws Error for a bad link line (before
// anything is sent) and when a direct call or the post fails.
std::string convertPosition(RequestLayer& layer, const Session& session, const Position& position);

// scpDtPos.php. status is the whole reply; removed is true when it is
// exactly "Ok": then the page drops the entry, empties the links and
// forgets the position.
struct PositionDeletion {
    std::string status;
    bool removed = false;
};
PositionDeletion deletePosition(RequestLayer& layer, const Session& session,
                                const Position& position);

// scpMdPos.php with "sm" (script only) or "**" (script and basic editor);
// returns the whole reply, or kSelectAdventure for no adventure.
enum class EditMode { ScriptOnly, ScriptAndBasic };
std::string setEditMode(RequestLayer& layer, const Session& session, const std::string& adventure,
                        EditMode mode);

} // namespace vorn
