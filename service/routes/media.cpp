// Files of an adventure (list, upload, delete) and the shared sound library.
#include "auth/access.h"
#include "routes/routes.h"
#include "storage/storage_error.h"

#include <files.h>

#include <algorithm>
#include <cstdio>

namespace pequenia {

namespace {

// Only pictures, sounds and plain texts are stored: the folders are
// published, and a stored page or script could run in a visitor's browser.
bool isAcceptedKind(const std::string& name) {
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    std::string ext = name.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    static const char* kinds[] = {"png", "jpg", "jpeg", "gif", "bmp",
                                  "ogg", "mp3", "wav",  "mid", "txt"};
    return std::any_of(std::begin(kinds), std::end(kinds), [&](const char* k) { return ext == k; });
}

const std::string& requireFileName(const std::string& name) {
    if (!isValidFileName(name)) throw Refusal(text::kBadFile);
    return name;
}

Reply listFiles(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const Adventure adv =
        ctx.store.with([&](db::Database& db) { return requireAdventure(db, me, req.get("Pfx")); });
    // Names keep the server's own "<prefix>-" in front, as they are stored.
    return ok(listFolder(ctx.dir.adventureFolder(adv.prefix)));
}

Reply uploadFile(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& name = requireFileName(req.get("Arq"));
    if (!isAcceptedKind(name))
        return message("Tipo de arquivo n\xE3o aceito: envie imagens, sons ou textos.");
    if (!req.upload) return message("Arquivo n\xE3o recebido (campo Img)!!!");
    const Adventure adv =
        ctx.store.with([&](db::Database& db) { return requireAdventure(db, me, req.get("Pfx")); });
    ensureFolder(ctx.dir.adventureFolder(adv.prefix));
    storeFile(ctx.dir.adventureFile(adv.prefix, name), req.upload->content);
    return message("Upload de " + name + " feito (" + std::to_string(req.upload->content.size()) +
                   " bytes).");
}

Reply deleteFile(Context& ctx, const Request& req) {
    const Account me = requireLogin(ctx, req);
    const std::string& name = requireFileName(req.get("Arq"));
    const Adventure adv =
        ctx.store.with([&](db::Database& db) { return requireAdventure(db, me, req.get("Pfx")); });
    const std::string path = ctx.dir.adventureFile(adv.prefix, name);
    if (!vorn::fileExists(path))
        return message("Arquivo " + name + " n\xE3o encontrado no servidor!!!");
    if (std::remove(path.c_str()) != 0) throw StorageError("cannot remove " + path);
    return message("Arquivo " + name + " apagado do servidor.");
}

Reply listSoundLibrary(Context& ctx, const Request& req) {
    requireLogin(ctx, req);
    return ctx.store.with([&](db::Database& db) {
        auto st = db.prepare("SELECT name FROM sounds WHERE category = ?1 ORDER BY name");
        st.bind(1, req.get("Cat"));
        std::vector<std::string> names;
        while (st.step())
            names.push_back(st.text(0));
        return ok(names);
    });
}

} // namespace

void addMediaRoutes(Routes& r) {
    r["mobLsArq"] = listFiles;
    r["mobPtImg"] = uploadFile;
    r["mobDtArq"] = deleteFile;
    r["mobLsSom"] = listSoundLibrary;
}

} // namespace pequenia
