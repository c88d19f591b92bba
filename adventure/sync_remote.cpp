#include "sync_remote.h"

#include "adventure_data.h"
#include "adventure_export.h"
#include "adventure_restore.h"
#include "export_folder.h"
#include "sync_text.h"

#include <account.h>
#include <address.h>
#include <adventure.h>
#include <cp1252.h>
#include <files.h>
#include <http.h>
#include <loaders.h>
#include <media.h>
#include <reply.h>
#include <request_layer.h>
#include <scripts.h>
#include <session.h>
#include <text.h>
#include <transfers.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

namespace vorn::adventure {

namespace {

// The calls as messages name them: the author reads which step failed; the
// requests themselves are core's, one place for every byte on the wire.
constexpr const char* kLogin = "login";
constexpr const char* kAdventureData = "dados da aventura";
constexpr const char* kReadScript = "leitura do script";
constexpr const char* kScriptList = "lista de scripts";
constexpr const char* kFileList = "lista de arquivos";
constexpr const char* kNewScript = "cria\u00e7\u00e3o do script";
constexpr const char* kStoreScript = "grava\u00e7\u00e3o do script";
constexpr const char* kUpload = "envio do arquivo";
constexpr const char* kStoreParameters = "grava\u00e7\u00e3o dos par\u00e2metros";
constexpr const char* kDeleteScript = "exclus\u00e3o do script";
constexpr const char* kDeleteFile = "exclus\u00e3o do arquivo";

// The item and the step a message names; a list is its own step, named once.
std::string where(const std::string& what, const char* step) {
    return what == step ? what : what + ": " + step;
}

// Straight through the client, not ServerGet: a server that cannot be
// reached must stop the run, not read as a refusal.
template <typename Request>
Reply ask(Request&& request, const std::string& what, const char* step) {
    try {
        return Reply(request());
    } catch (const Error& e) {
        throw Error(where(what, step) + ": " + e.what());
    }
}

[[noreturn]] void refused(const std::string& what, const char* step, const Reply& reply) {
    throw SyncRefusal(where(what, step) + ": " + cp1252ToUtf8(reply.refusal()));
}

std::string shown(const std::string& path) {
    return cp1252ToUtf8(path);
}

} // namespace

Session openSyncSession(RequestLayer& layer, SyncOrigin& origin, const std::string& password,
                        const std::string& dirApp) {
    Session session = startSession({origin.server, origin.server}, dirApp);
    const LoginOutcome login = logIn(layer, session, origin.login, password);
    if (!login.ok)
        throw Error(std::string(kLogin) + ": o login de \"" + cp1252ToUtf8(origin.login) +
                    "\" foi recusado: " + cp1252ToUtf8(login.status));
    const AdventureRecord record = fetchAdventureData(layer, session, origin.adventure);
    if (!record.ok)
        throw Error(std::string(kAdventureData) + ": a aventura \"" +
                    cp1252ToUtf8(origin.adventure) +
                    "\" foi recusada: " + cp1252ToUtf8(record.refusal));
    requireSafeFileName(record.prefix);
    origin.login = session.SesLogin;
    origin.prefix = record.prefix;
    session.SesAdv = origin.adventure;
    session.SesPfx = record.prefix;
    session.DirAdv = session.DirApp + localName(record.prefix) + "/";
    session.SesScp = record.data.firstScript;
    return session;
}

namespace {

std::string scriptText(Http& http, const Session& session, const std::string& name) {
    const std::string what = shown(scriptPath(name));
    const Reply reply = ask([&] { return scriptReply(http, session, name); }, what, kReadScript);
    if (!reply.ok()) refused(what, kReadScript, reply);
    return canonicalText(joinLinesCrLf(reply.entries()));
}

// Every script's text over a few connections at once: an adventure of
// thousands of scripts is thousands of small requests, each mostly waiting
// for the network, so one connection alone leaves the time of several
// idle. Few enough for the service to serve an author's run beside others.
std::vector<std::string> scriptTexts(const Session& session,
                                     const std::vector<std::string>& names) {
    constexpr std::size_t kConnections = 4;
    std::vector<std::string> texts(names.size());
    std::atomic<std::size_t> next{0};
    std::vector<std::exception_ptr> failures(kConnections);
    {
        std::vector<std::jthread> workers;
        for (std::size_t w = 0; w < std::min(kConnections, names.size()); ++w)
            workers.emplace_back([&, w] {
                try {
                    Http http;
                    for (std::size_t i = next++; i < names.size(); i = next++)
                        texts[i] = scriptText(http, session, names[i]);
                } catch (...) {
                    failures[w] = std::current_exception();
                    next = names.size(); // the others stop at their next script
                }
            });
    }
    for (const auto& failure : failures)
        if (failure) std::rethrow_exception(failure);
    return texts;
}

} // namespace

std::string fetchScriptText(RequestLayer& layer, const Session& session, const std::string& name) {
    return scriptText(layer.http(), session, name);
}

Contents fetchServerItems(RequestLayer& layer, const Session& session,
                          const std::string& adventure) {
    Contents items;
    const Reply scripts =
        ask([&] { return scriptListReply(layer.http(), session); }, kScriptList, kScriptList);
    if (!scripts.ok()) refused(kScriptList, kScriptList, scripts);
    const auto names = scripts.entries();
    for (const auto& name : names)
        requireSafeFileName(name);
    auto texts = scriptTexts(session, names);
    for (std::size_t i = 0; i < names.size(); ++i)
        items[scriptPath(names[i])] = std::move(texts[i]);

    const Reply files = ask([&] { return fileListReply(layer, session); }, kFileList, kFileList);
    if (!files.ok()) refused(kFileList, kFileList, files);
    for (const auto kind : {FileKind::Image, FileKind::Sound})
        for (const auto& name : filesOfKind(files.entries(), kind)) {
            if (!itemOfPath(name)) continue;
            try {
                items[name] = fetchAdventureFile(layer, session, name);
            } catch (const Error& e) {
                throw Error(shown(name) + ": " + e.what());
            }
        }

    const AdventureRecord record = fetchAdventureData(layer, session, adventure);
    if (!record.ok)
        throw Error(std::string(kParametersFile) + ": " + kAdventureData + ": " +
                    cp1252ToUtf8(record.refusal));
    items[kParametersFile] = canonicalText(parametersText(adventure, record.data));
    try {
        items[kObjectsFile] = canonicalText(objectsText(fetchObjects(layer, session)));
    } catch (const Error& e) {
        throw Error(std::string(kObjectsFile) + ": " + e.what());
    }
    return items;
}

void storeItem(RequestLayer& layer, const Session& session, const std::string& root,
               const std::string& path, const std::string& content, bool create) {
    const auto item = itemOfPath(path);
    if (!item) throw Error(shown(path) + ": não é um item da aventura");
    const std::string what = shown(path);
    const auto transport = [&](const char* script, auto&& work) {
        try {
            return work();
        } catch (const SyncRefusal&) {
            throw;
        } catch (const Error& e) {
            throw Error(what + ": " + script + ": " + e.what());
        }
    };
    switch (item->kind) {
    case ItemKind::Script: {
        requireSafeFileName(item->name);
        if (create) {
            const Reply made(
                transport(kNewScript, [&] { return newScript(layer, session, item->name); }));
            if (!made.ok()) refused(what, kNewScript, made);
        }
        const Reply stored(transport(kStoreScript, [&] {
            return putScript(layer, session, item->name, splitLines(content));
        }));
        if (!stored.ok()) refused(what, kStoreScript, stored);
        return;
    }
    case ItemKind::Media:
        // The service answers an upload in free words; only a failed
        // transfer is a failure, as on the upload page.
        transport(kUpload, [&] {
            return uploadAdventureFile(layer, session, root + localName(item->name), item->name);
        });
        return;
    case ItemKind::Parameters:
        transport(kStoreParameters, [&] {
            const auto parameters = readParameters(content);
            saveParameters(layer, session, parametersOf(parameters));
            const auto reg = parameters.find("Reg");
            if (reg != parameters.end() && !reg->second.empty())
                saveRegisterTotal(layer, session, reg->second);
            return 0;
        });
        return;
    case ItemKind::Objects:
        throw SyncRefusal(what + ": vornsync não grava objetos; use a janela de objetos");
    }
}

void deleteItem(RequestLayer& layer, const Session& session, const std::string& path) {
    const auto item = itemOfPath(path);
    const std::string what = shown(path);
    if (!item || (item->kind != ItemKind::Script && item->kind != ItemKind::Media))
        throw SyncRefusal(what + ": só scripts, figuras e sons são apagados no servidor");
    if (item->kind == ItemKind::Script) {
        const Reply reply =
            ask([&] { return deleteScript(layer, session, item->name); }, what, kDeleteScript);
        if (!reply.ok()) refused(what, kDeleteScript, reply);
        return;
    }
    try {
        deleteServerFile(layer, session, item->name);
    } catch (const Error& e) {
        throw Error(what + ": " + kDeleteFile + ": " + e.what());
    }
}

} // namespace vorn::adventure
