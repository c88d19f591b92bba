#pragma once

#include <string>
#include <vector>

namespace pequenia::demo {

struct DemoScript {
    std::string name;
    std::string text; // Windows-1252, CR LF
};

// The scripts of "Castelo de Vorn". Three of them hold faults on purpose
// (a jump to a missing label, a link to a missing script, an unknown word and
// a line ending in ":") so that a first run has something to check.
std::vector<DemoScript> castleScripts();

// The script of the demo model "porta_trancada".
std::string lockedDoorModel();

} // namespace pequenia::demo
