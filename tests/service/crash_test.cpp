// The service killed (SIGKILL) in the middle of a burst of writes: after a
// restart on the same folder, every write it answered is there whole, the
// database is sound and the published files match what was sent.
#include "raw_calls.h"
#include "service_client.h"

#include <files.h>

#include <gtest/gtest.h>

#include <sqlite3.h>

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

// What was sent, and whether the service answered it as done.
struct Sent {
    std::string content;
    bool answered = false;
};

struct Burst {
    std::mutex mutex;
    std::map<std::string, Sent> scripts, files; // by name
    std::atomic<int> answered{0};
    int lastRegister = -1, sentRegister = -1; // written by thread 0 only
};

// Bytes that differ per write and are long enough that a cut write shows.
std::string contentOf(const std::string& name, std::size_t size) {
    std::string s;
    s.reserve(size);
    while (s.size() < size)
        s += name + ";";
    s.resize(size);
    return s;
}

void writer(int port, int t, Burst& burst) {
    httplib::Client c("127.0.0.1", port);
    c.set_keep_alive(true);
    for (int i = 0;; ++i) {
        const std::string name = "k" + std::to_string(t) + "_" + std::to_string(i);
        const std::size_t size = 2000 + static_cast<std::size_t>((i * 7919 + t * 104729) % 120000);
        const std::string bytes = contentOf(name, size);
        std::string reply;
        bool ok = false;
        if (i % 3 == 0) {
            std::lock_guard lock(burst.mutex);
            burst.scripts[name] = {bytes};
        } else if (i % 3 == 1) {
            std::lock_guard lock(burst.mutex);
            burst.files[name + ".png"] = {bytes};
        }
        if (i % 3 == 0) {
            reply = rawPost(c, scriptTarget("vpqPtScp.php", {{"Pfx", "vorn"}, {"Scp", name}}),
                            "texto", bytes);
            ok = reply == "Ok";
        } else if (i % 3 == 1) {
            reply =
                rawPost(c, scriptTarget("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", name + ".png"}}),
                        "Img", bytes, name + ".png");
            ok = reply.rfind("Upload de", 0) == 0;
        } else if (t == 0) {
            const std::string reg = std::to_string(i % 1000);
            burst.sentRegister = i % 1000;
            reply = rawGet(c, scriptTarget("scpPtReg.php", {{"Pfx", "vorn"}, {"Reg", reg}}));
            ok = reply.rfind("Total de registradores gravado", 0) == 0;
            if (ok) burst.lastRegister = i % 1000;
        } else {
            reply = rawGet(c, scriptTarget("scpNwObj.php", {{"Pfx", "vorn"}, {"Nome", name}}));
            ok = reply == "Ok";
        }
        if (reply.empty()) return; // the service is gone
        ASSERT_TRUE(ok) << name << ": " << reply;
        std::lock_guard lock(burst.mutex);
        if (i % 3 == 0) burst.scripts[name].answered = true;
        if (i % 3 == 1) burst.files[name + ".png"].answered = true;
        ++burst.answered;
    }
}

TEST(Crash, KilledDuringWritesLosesNothingItAnswered) {
    std::string folder = (fs::temp_directory_path() / "pequenia-crash-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const std::string adventure = folder + "/html/quorbel/vorn/";
    Burst burst;
    std::set<std::string> demoFiles;
    {
        LocalService first({"--demo", "--auto-unlock"}, folder);
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
        LocalService second({"--demo", "--auto-unlock"}, folder);
        httplib::Client c("127.0.0.1", second.port());
        for (const auto& [name, sent] : burst.scripts) {
            const std::string reply =
                rawGet(c, scriptTarget("vpqGtScp.php", {{"Pfx", "vorn"}, {"Scp", name}}));
            if (sent.answered || reply.rfind("Ok", 0) == 0) {
                EXPECT_EQ(reply, "Ok\r\n" + sent.content) << name;
            }
        }
        const std::string data =
            rawGet(c, scriptTarget("scpDados.php", {{"Adv", "Castelo_de_Vorn"}}));
        const auto lines = vorn::splitLines(data);
        ASSERT_EQ(lines.size(), 21u) << data;
        const int reg = std::stoi(lines[18]);
        EXPECT_TRUE(reg == burst.lastRegister || reg == burst.sentRegister) << reg;

        // The published folder holds the demo files and whole uploads only:
        // none cut short, no temporary file left by the killed write.
        for (const auto& e : fs::directory_iterator(adventure)) {
            const std::string disk = e.path().filename().string();
            if (demoFiles.count(disk)) continue;
            ASSERT_EQ(disk.rfind("vorn-", 0), 0u) << disk;
            const auto sent = burst.files.find(disk.substr(5));
            ASSERT_NE(sent, burst.files.end()) << "stray file " << disk;
            EXPECT_EQ(vorn::readFile(e.path().string()), sent->second.content) << disk;
        }
        for (const auto& [name, sent] : burst.files)
            if (sent.answered) {
                EXPECT_TRUE(fs::exists(adventure + "vorn-" + name)) << name;
            }
        EXPECT_TRUE(second.stop());
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(
        sqlite3_open_v2((folder + "/pequenia.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr),
        SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), "ok");
    sqlite3_finalize(st);
    sqlite3_close(db);
    fs::remove_all(folder);
}

} // namespace
