#pragma once

#include "loaders.h"

#include <string>

namespace vorn {

class RequestLayer;
struct Session;

// Storing the two states of the adventure's objects and creating objects.
// Object names are shown with blanks and travel with "_" in their place.

// Why a state cannot be stored yet ("Selecione objeto!", "Falta nome do
// local!"), or an empty text when it can. A place of blanks only counts as
// missing.
std::string checkObjectState(bool objectSelected, const std::string& place);

// A state as it travels, and so as the service keeps it: place and picture
// trimmed of blanks, the description with "_" for every blank, those at its
// ends included.
ObjectState asSent(const ObjectState& state);

// scpPtObj.php (the state at the start) or scpPtObx.php (the current state)
// through the request layer: the name, place and picture trimmed of blanks,
// the description with "_" for every blank, those at its ends included.
// Returns the reply whole.
enum class ObjectStateKind { Start, Current };
std::string storeObjectState(RequestLayer& layer, const Session& session, const std::string& name,
                             const ObjectState& state, ObjectStateKind kind);

// scpNwObj.php, a direct call with the fixed index. Returns the reply
// whole; throws Error on a transport failure.
std::string createObject(RequestLayer& layer, const Session& session, const std::string& name);

} // namespace vorn
