#pragma once

#include "map_model.h"
#include "map_script.h"

#include <functional>
#include <string>

namespace vorn {
class RequestLayer;
struct Session;
} // namespace vorn

namespace vorn::map {

// Called once per cell, in index order, with the number of cells handled so
// far (1 to 400), before the cell's calls: the compile page moves its gauge.
using CompileProgress = std::function<void(int handled)>;

struct CompileOutcome {
    int stored = 0;  // scripts the service took
    int skipped = 0; // cells not written because their script existed
    // Stores the service answered with something else than "Ok": how many,
    // and the first answer, for the status label.
    int refused = 0;
    std::string firstRefusal;
};

// What the compile page shows beside "Completa!" (cp1252), e.g.
// "Gravados: 12; j\xe1 existiam: 3", and the refusals when there were any.
std::string compileSummary(const CompileOutcome& outcome);

// Compiles every named cell into its position script and stores it under
// the cell's name on the script server: with overwrite ("sobrepor") always,
// otherwise only when scpTmScp.php answers exactly "Ok" (the name is free).
// Both calls are direct; the layer's pump runs after every progress report so
// the window keeps painting. A failed call throws Error and stops the
// compile at that cell; the scripts stored before it stay on the server.
CompileOutcome compileMap(RequestLayer& layer, const Session& session, const MapModel& model,
                          const CompileOptions& options, bool overwrite,
                          const CompileProgress& progress = {});

} // namespace vorn::map
