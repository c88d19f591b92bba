// The client when the service or the disk fails: what reaches the author,
// and what stays on disk.
#include "disk_faults.h"
#include "error.h"
#include "files.h"
#include "request_layer.h"
#include "scripted_session_test.h"
#include "scripts.h"
#include "session.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

namespace vorn {
namespace {

using test::ScriptedServer;
using test::TempDir;

// A save counts only when the service says "Ok": anything else keeps no
// copy and reaches the author; a copy that could not be kept sends nothing.
using SaveFaults = test::ScriptedSessionTest;

TEST_F(SaveFaults, OnlyAnOkReplyIsASaveAndAnUnsafeNameSendsNothing) {
    std::vector<Light> lights;
    layer.hooks().light = [&](Light l) { lights.push_back(l); };
    for (const char* name : {"../fora", "a/b", "a\\b", ".."}) {
        session.SesScp = name;
        EXPECT_THROW(SaveScriptToServer(layer, session, {"  fim"}), Error) << name;
    }
    EXPECT_EQ(server.count(), 0u);
    EXPECT_TRUE(lights.empty() || lights.back() == Light::Idle);

    // Each reply, the message it gives and the local copy it leaves.
    const std::tuple<const char*, const char*, std::map<std::string, std::string>> cases[] = {
        {"Script grande demais (limite de 1 MiB)!!!",
         "O script n\xc3\xa3o foi gravado no servidor: Script grande demais (limite de 1 MiB)!!!",
         {}},
        {"", "O script n\xc3\xa3o foi gravado no servidor: Tente novamente!", {}},
        {"Ok\r\n", "(nothing thrown)", {{"sala.scp", "  fim\r\n"}}},
    };
    session.SesScp = "sala";
    const auto save = [&] { SaveScriptToServer(layer, session, {"  fim", ""}); };
    std::size_t sent = 0;
    for (const auto& [reply, message, files] : cases) {
        server.on("/vornpq/wbetz/vpqPtScp.php", 200, reply);
        EXPECT_EQ(test::thrownMessage(save), message) << reply;
        EXPECT_EQ(server.count(), ++sent) << reply;
        EXPECT_EQ(test::folderFiles(home.path()), files) << reply;
    }
}

// Writers of the files that matter, each on a folder that already holds
// what it must not lose, and how the failure of each starts.
struct Writer {
    const char* what;
    std::function<void(const std::string&)> prepare, write;
    std::string message;
};

std::vector<Writer> writers(const ScriptedServer& server) {
    const std::string big(4096, 'x'), cannot = "N\xc3\xa3o foi poss\xc3\xadvel gravar ";
    const auto copy = [](const std::string& d, const std::string& t) {
        keepLocalCopy(d, "sala", {t});
    };
    const auto save = [&server, big](const std::string& d) {
        Session s = startSession({server.root(), server.root()}, d);
        s.DirAdv = d;
        s.SesScp = "sala";
        RequestLayer layer;
        SaveScriptToServer(layer, s, {big});
    };
    return {
        {"replacing a file", [](const std::string& d) { writeFileAtomic(d + "a.txt", "velho"); },
         [big](const std::string& d) { writeFileAtomic(d + "a.txt", big); }, cannot},
        {"a pair whose first file fits",
         [](const std::string& d) {
             writeFilesAtomic({{d + "mapa.bmp", "bmp velho"}, {d + "mapa.txt", "txt velho"}});
         },
         [big](const std::string& d) {
             writeFilesAtomic({{d + "mapa.bmp", "bmp novo"}, {d + "mapa.txt", big}});
         },
         cannot},
        {"a numbered copy", [copy](const std::string& d) { copy(d, "um"), copy(d, "dois"); },
         [copy, big](const std::string& d) { copy(d, big); }, cannot},
        {"the copy of a save", [copy](const std::string& d) { copy(d, "um"); }, save,
         "O script foi gravado no servidor, mas a c\xc3\xb3pia local n\xc3\xa3o: "},
    };
}

TEST(DiskFaults, AFailedWriteIsReportedAndLeavesTheFolderAsItWas) {
    ScriptedServer server;
    server.byDefault(200, "Ok");
    // A read-only folder, then a full disk.
    for (const int error : {EACCES, EFBIG}) {
        for (const Writer& writer : writers(server)) {
            const std::string where = std::string(writer.what) + ", " + std::strerror(error);
            TempDir dir;
            writer.prepare(dir.path());
            const auto before = test::folderFiles(dir.path());
            std::string message;
            {
                std::optional<test::ReadOnlyFolder> readOnly;
                std::optional<test::FileSizeLimit> full;
                if (error == EACCES)
                    readOnly.emplace(dir.path());
                else
                    full.emplace(1024);
                message = test::thrownMessage([&] { writer.write(dir.path()); });
            }
            EXPECT_EQ(message.rfind(writer.message, 0), 0u) << where << ": " << message;
            EXPECT_NE(message.find(std::strerror(error)), std::string::npos)
                << where << ": " << message;
            EXPECT_EQ(test::folderFiles(dir.path()), before) << where;
            // The fault was the only obstacle: without it the write goes through.
            EXPECT_NO_THROW(writer.write(dir.path())) << where;
            EXPECT_NE(test::folderFiles(dir.path()), before) << where;
        }
    }
}

} // namespace
} // namespace vorn
