#include "routes/routes.h"

#include "storage/storage_error.h"

#include <error.h>

#include <iostream>

namespace pequenia {

const Routes& serverScripts() {
    static const Routes all = [] {
        Routes r;
        addAccountRoutes(r);
        addAdventureRoutes(r);
        addScriptRoutes(r);
        addObjectRoutes(r);
        addMediaRoutes(r);
        addWorkshopRoutes(r);
        addConverterRoutes(r);
        return r;
    }();
    return all;
}

Reply dispatch(Context& ctx, const Request& req) {
    const auto& all = serverScripts();
    const auto it = all.find(req.script);
    if (it == all.end()) {
        Reply r = message("Script desconhecido!!!");
        r.status = 404;
        return r;
    }
    try {
        return it->second(ctx, req);
    } catch (const Refusal& e) {
        return message(e.what());
    } catch (const StorageError& e) {
        std::cerr << "not stored in " << req.script << ": " << e.what() << "\n";
        return message(text::kNotStored);
    } catch (const std::exception& e) {
        std::cerr << "error in " << req.script << ": " << e.what() << "\n";
        return message("Erro no servidor, tente novamente!!!");
    }
}

} // namespace pequenia
