// The service killed (SIGKILL) in the middle of a burst of writes from four
// clients at once: after a restart on the same folder, every write it
// answered is there whole, the database is sound and the published files
// match what was sent.
#include "db/sqlite.h"
#include "raw_socket.h"
#include "scripted_server.h"
#include "service_client.h"

#include <files.h>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <thread>

using vorn::test::LocalService;
using vorn::test::rawGet;
using vorn::test::rawPost;
using vorn::test::scriptTarget;

namespace fs = std::filesystem;

namespace {

struct Burst {
    std::mutex mutex;
    // By name: what was sent, and whether the service answered it as done.
    std::map<std::string, std::pair<std::string, bool>> scripts, files;
    std::atomic<int> answered{0};
    int lastRegister = -1, sentRegister = -1; // written by thread 0 only
};

// Bytes that differ per write and are long enough that a cut write shows.
std::string contentOf(const std::string& name, std::size_t size) {
    std::string s;
    while (s.size() < size)
        s += name + ";";
    return s.substr(0, size);
}

// Thread t writes scripts, uploads and (thread 0) the register total or
// (the others) new objects in turn, until the service is gone.
void writer(int port, int t, Burst& burst) {
    httplib::Client c("127.0.0.1", port);
    c.set_keep_alive(true);
    for (int i = 0;; ++i) {
        const std::string name = "k" + std::to_string(t) + "_" + std::to_string(i);
        const std::string bytes =
            contentOf(name, 2000 + static_cast<std::size_t>((i * 7919 + t * 104729) % 120000));
        auto* sent = i % 3 == 0 ? &burst.scripts : i % 3 == 1 ? &burst.files : nullptr;
        const std::string key = i % 3 == 1 ? name + ".png" : name;
        if (sent) {
            std::lock_guard lock(burst.mutex);
            (*sent)[key] = {bytes, false};
        }
        std::string reply, ok = "Ok";
        if (i % 3 == 0) {
            reply = rawPost(c, scriptTarget("vpqPtScp.php", {{"Pfx", "vorn"}, {"Scp", name}}),
                            "texto", bytes);
        } else if (i % 3 == 1) {
            reply = rawPost(c, scriptTarget("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", key}}), "Img",
                            bytes, key);
            ok = "Upload de";
        } else if (t == 0) {
            burst.sentRegister = i % 1000;
            reply = rawGet(c, scriptTarget("scpPtReg.php",
                                           {{"Pfx", "vorn"}, {"Reg", std::to_string(i % 1000)}}));
            ok = "Total de registradores gravado";
        } else {
            reply = rawGet(c, scriptTarget("scpNwObj.php", {{"Pfx", "vorn"}, {"Nome", name}}));
        }
        if (reply.empty()) return; // the service is gone
        ASSERT_EQ(reply.rfind(ok, 0), 0u) << name << ": " << reply;
        if (i % 3 == 2 && t == 0) burst.lastRegister = i % 1000;
        std::lock_guard lock(burst.mutex);
        if (sent) (*sent)[key].second = true;
        ++burst.answered;
    }
}

TEST(Crash, KilledDuringWritesLosesNothingItAnswered) {
    vorn::test::TempDir folder;
    const std::string adventure = folder.path() + "html/quorbel/vorn/";
    Burst burst;
    std::set<std::string> demoFiles;
    {
        LocalService first({"--demo", "--auto-unlock"}, folder.path());
        for (const auto& e : fs::directory_iterator(adventure))
            demoFiles.insert(e.path().filename().string());
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back(writer, first.port(), t, std::ref(burst));
        for (int i = 0; i < 2000 && burst.answered < 60; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_EQ(::kill(first.pid(), SIGKILL), 0);
        for (auto& th : threads)
            th.join();
        EXPECT_FALSE(first.stop()) << "the service was killed, not stopped";
    }
    ASSERT_GE(burst.answered.load(), 60);
    {
        // "--demo" seeds only an empty service, so nothing stored is replaced.
        LocalService second({"--demo", "--auto-unlock"}, folder.path());
        httplib::Client c("127.0.0.1", second.port());
        for (const auto& [name, sent] : burst.scripts) {
            const std::string reply =
                rawGet(c, scriptTarget("vpqGtScp.php", {{"Pfx", "vorn"}, {"Scp", name}}));
            if (sent.second || reply.rfind("Ok", 0) == 0) {
                EXPECT_EQ(reply, "Ok\r\n" + sent.first) << name;
            }
        }
        const auto data =
            vorn::splitLines(rawGet(c, scriptTarget("scpDados.php", {{"Adv", "Castelo_de_Vorn"}})));
        ASSERT_EQ(data.size(), 21u);
        const int reg = std::stoi(data[18]);
        EXPECT_TRUE(reg == burst.lastRegister || reg == burst.sentRegister) << reg;

        // The published folder holds the demo files and whole uploads only:
        // none cut short, no temporary file left by the killed write.
        for (const auto& e : fs::directory_iterator(adventure)) {
            const std::string disk = e.path().filename().string();
            if (demoFiles.count(disk)) continue;
            ASSERT_EQ(disk.rfind("vorn-", 0), 0u) << disk;
            const auto sent = burst.files.find(disk.substr(5));
            ASSERT_NE(sent, burst.files.end()) << "stray file " << disk;
            EXPECT_EQ(vorn::readFile(e.path().string()), sent->second.first) << disk;
        }
        for (const auto& [name, sent] : burst.files)
            if (sent.second) {
                EXPECT_TRUE(fs::exists(adventure + "vorn-" + name)) << name;
            }
        EXPECT_TRUE(second.stop());
    }
    pequenia::db::Database db(folder.path() + "pequenia.db");
    auto check = db.prepare("PRAGMA integrity_check");
    ASSERT_TRUE(check.step());
    EXPECT_EQ(check.text(0), "ok");
}

} // namespace
