#pragma once

#include "forms.h"

namespace vorn::win {

// Developer switch
// VORNSCRIPT_DEMO_ROAD=<login>:<password>[:<adventure>[:<script>[:<page>[:<editor page>]]]]:
// shortly after start the windows walk the author's road by themselves (log
// in, choose the adventure, open the script, then turn the edit tools window
// to page number <page> in front, then open the editor's workshop page
// number <editor page>: 6, 7 or 8, the map maker for "mapa", the audit for
// "auditoria", the export's folder chooser for "exportar"), so a
// screenshot taken with
// VORNSCRIPT_SCREENSHOT shows a later step. Does nothing when unset.
void installDemoRoad(const Forms& forms);

} // namespace vorn::win
