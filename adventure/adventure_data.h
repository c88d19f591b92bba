#pragma once

#include "export_folder.h"

#include <variables.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vorn {
class RequestLayer;
struct Session;
} // namespace vorn

// The adventure's data besides its scripts and media (objects, global
// variables, web page, authorised users): read whole from the service,
// compared with an export, and stored back from one.
namespace vorn::adventure {

// Every object with both states, in the list's order. Error when an object
// is refused: an export without one of them would not be the adventure.
std::vector<ExportedObject> fetchObjects(RequestLayer& layer, const Session& session);

// One set of global variables; Error with the service's words when refused.
std::vector<std::string> fetchVariables(RequestLayer& layer, const Session& session,
                                        VariableSet set);

struct ObjectChange {
    std::string name;
    bool onServer = false;               // false: the object would be created
    bool start = false, current = false; // the states that would be stored
};

// What storing the export's data would change in the adventure open now.
// Only what the export holds is compared; what the service holds besides
// (objects the export lacks) stays as it is.
struct DataPlan {
    std::vector<ObjectChange> objects; // in the export's order
    std::size_t objectsUnchanged = 0;
    std::size_t startingLines = 0, currentLines = 0; // changed lines of each set
    bool newPage = false;                            // the service holds no page yet
    std::vector<std::string> pageFields;             // the fields that differ, cp1252
    std::vector<std::string> editorsAdded, editorsRemoved;
    std::vector<std::string> failed; // "file: why": that kind is left out
    bool changes() const;
};

// The administrator's data of the page (active flag, author, order,
// status) are compared, and later stored, only for the administrator: the
// service keeps them from everyone else.
DataPlan planData(RequestLayer& layer, const Session& session, const ExportFolder& folder);

// The plan as lines of the restore question, each ending in CR LF; empty
// when nothing differs and nothing failed.
std::string dataQuestion(const DataPlan& plan);

struct DataResult {
    std::size_t objects = 0;
    bool variables = false, page = false, editors = false;
    std::vector<std::string> copies; // numbered copies of replaced variables and page
};

// The items restoreData goes through, for the gauge.
std::size_t dataSteps(const DataPlan& plan);

// Stores what the plan found different. Variables and the page are first
// kept in a numbered copy in the adventure folder (variaveis_inicio(n).txt,
// variaveis_atuais(n).txt, pagina(n).txt, in the export's formats): no copy,
// no store. The service answers these stores in free words, so each kind is
// read back after storing, and a kind that did not take is a failure with
// the service's answer. step runs each item, catching and naming its
// failure.
using DataStep = std::function<void(const std::string& name, const std::function<void()>& work)>;
void restoreData(RequestLayer& layer, const Session& session, const ExportFolder& folder,
                 const DataPlan& plan, DataResult& result, const DataStep& step);

} // namespace vorn::adventure
