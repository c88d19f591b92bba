#pragma once

#include "line_check.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

// What the editor reads from the edit tools window at the moment of use:
// the adventure's parameters as typed and its script list. Fields are found
// by their names, so the editor does not depend on how that window's pages
// are built; a field that is not there reads as an empty text.
namespace vorn::win::form4 {

// JanWd, JanHt and TotReg.
AdventureLimits adventureLimits(const QWidget* tools);

// The entries of the script list Lbx2, in list order.
std::vector<std::string> adventureScripts(const QWidget* tools);

// Whether Lbx2 holds the list the service gave for the adventure with this
// prefix (the list loader marks it), rather than nothing yet, a refusal, or
// the list of the adventure open before.
inline constexpr const char* kListedForProperty = "listedFor";
bool scriptListLoaded(const QWidget* tools, const std::string& prefix);

// One parameter field as typed, by its name (Edit7, JanWd, ImgPan ...).
std::string adventureField(const QWidget* tools, std::string_view name);

// <prefix>Px, <prefix>Py, <prefix>Wd, <prefix>Ht: "Msg" for the message
// area, "Tel" for the screen area.
std::array<std::string, 4> adventureArea(const QWidget* tools, std::string_view prefix);

} // namespace vorn::win::form4
