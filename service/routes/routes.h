#pragma once

#include "http/reply.h"
#include "http/request.h"
#include "routes/context.h"

#include <functional>
#include <map>
#include <string>

namespace pequenia {

using Handler = std::function<Reply(Context&, const Request&)>;
using Routes = std::map<std::string, Handler>; // script name without ".php"

// Every server script below vornpq/wbetz/, by name.
const Routes& serverScripts();

void addAccountRoutes(Routes& r);
void addAdventureRoutes(Routes& r);
void addScriptRoutes(Routes& r);
void addObjectRoutes(Routes& r);
void addMediaRoutes(Routes& r);
void addWorkshopRoutes(Routes& r);
void addConverterRoutes(Routes& r);

// Runs a server script: unknown names, refusals and faults all become a
// one-line reply, never a crash.
Reply dispatch(Context& ctx, const Request& req);

} // namespace pequenia
