// What the service stores survives it: killed (SIGKILL) in the middle of a
// burst of writes from four clients at once, it loses nothing it answered;
// a write the disk refuses (a file size limit, as a full disk does, or a
// read-only folder) is refused with one line, leaves the old content whole
// and the service serving. Statements it keeps compiled start afresh.
#include "db/sqlite.h"
#include "scripted_server.h"
#include "service_client.h"

#include <error.h>
#include <files.h>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <unistd.h>

using vorn::test::LocalService;
using vorn::test::rawGet;
using vorn::test::rawPost;
using vorn::test::scriptTarget;
using vorn::test::ServiceClient;
using vorn::test::TempDir;

namespace fs = std::filesystem;

namespace {

struct Burst {
    std::mutex mutex;
    // By name: what was sent, and whether the service answered it as done.
    std::map<std::string, std::pair<std::string, bool>> scripts, files;
    std::atomic<int> answered{0};
    int lastRegister = -1, sentRegister = -1; // written by thread 0 only
};

// Thread t writes scripts, uploads and (thread 0) the register total or
// (the others) new objects in turn, until the service is gone. The bytes
// differ per write and are long enough that a cut write shows.
void writer(int port, int t, Burst& burst) {
    httplib::Client c("127.0.0.1", port);
    c.set_keep_alive(true);
    for (int i = 0;; ++i) {
        const std::string name = "k" + std::to_string(t) + "_" + std::to_string(i);
        std::string bytes;
        while (bytes.size() < 2000 + static_cast<std::size_t>((i * 7919 + t * 104729) % 120000))
            bytes += name + ";";
        const int kind = i % 3, total = i % 1000;
        auto* sent = kind == 0 ? &burst.scripts : kind == 1 ? &burst.files : nullptr;
        const std::string key = kind == 1 ? name + ".png" : name;
        if (sent) {
            std::lock_guard lock(burst.mutex);
            (*sent)[key] = {bytes, false};
        }
        if (kind == 2 && t == 0) burst.sentRegister = total;
        const std::string reply =
            kind == 0   ? rawPost(c, scriptTarget("vpqPtScp.php", {{"Pfx", "vorn"}, {"Scp", name}}),
                                  "texto", bytes)
            : kind == 1 ? vorn::test::upload(c, key, bytes)
            : t == 0    ? rawGet(c, scriptTarget("scpPtReg.php",
                                                 {{"Pfx", "vorn"}, {"Reg", std::to_string(total)}}))
                     : rawGet(c, scriptTarget("scpNwObj.php", {{"Pfx", "vorn"}, {"Nome", name}}));
        if (reply.empty()) return; // the service is gone
        const char* ok = kind == 1 ? "Upload de" : kind == 2 && t == 0 ? "Total de registr" : "Ok";
        ASSERT_EQ(reply.rfind(ok, 0), 0u) << name << ": " << reply;
        if (kind == 2 && t == 0) burst.lastRegister = total;
        std::lock_guard lock(burst.mutex);
        if (sent) (*sent)[key].second = true;
        ++burst.answered;
    }
}

TEST(Crash, KilledDuringWritesLosesNothingItAnswered) {
    TempDir folder;
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
    }
    ASSERT_GE(burst.answered.load(), 60);
    {
        // "--demo" seeds only an empty service, so nothing stored is replaced.
        LocalService second({"--demo", "--auto-unlock"}, folder.path());
        ServiceClient demo(second, "demo", "demo");
        for (const auto& [name, sent] : burst.scripts) {
            const std::string reply = demo.raw("vpqGtScp.php", {{"Pfx", "vorn"}, {"Scp", name}});
            if (sent.second || reply.rfind("Ok", 0) == 0) {
                EXPECT_EQ(reply, "Ok\r\n" + sent.first) << name;
            }
        }
        const auto data = demo.lines("scpDados.php", {{"Adv", "Castelo_de_Vorn"}});
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

constexpr const char* kNotStored =
    "O servidor n\xE3o conseguiu gravar (disco cheio ou sem permiss\xE3o); nada foi alterado.";
const std::initializer_list<vorn::Key> kSalao = {{"Pfx", "vorn"}, {"Scp", "salao"}};

// The refusals every seam shares: a picture replaced by a large one, and a
// large script over an existing one.
void expectWritesRefused(const LocalService& service, bool scriptToo) {
    const std::string adventure = service.dataDir() + "html/quorbel/vorn/";
    const std::string picture = vorn::readFile(adventure + "vorn-portao.png");
    httplib::Client http("127.0.0.1", service.port());
    EXPECT_EQ(vorn::test::upload(http, "portao.png", std::string(1u << 20, 'x')), kNotStored);
    EXPECT_EQ(vorn::readFile(adventure + "vorn-portao.png"), picture);
    for (const auto& e : fs::directory_iterator(adventure))
        EXPECT_NE(e.path().filename().string()[0], '.') << "a temporary file left: " << e.path();
    ServiceClient demo(service, "demo", "demo");
    if (scriptToo) {
        const std::string before = demo.raw("vpqGtScp.php", kSalao);
        EXPECT_EQ(demo.postText("vpqPtScp.php", kSalao, "texto", std::string(1000000, 's')),
                  kNotStored);
        EXPECT_EQ(demo.raw("vpqGtScp.php", kSalao), before);
    }
    EXPECT_EQ(demo.lines("vpqLsScp.php", {{"Pfx", "vorn"}})[0], "Ok") << "still serving";
}

constexpr auto kAnyWrite =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// Root writes anywhere: the service runs without the capabilities that let
// it ignore the folders' modes.
LocalService::Launch boundByModes() {
    LocalService::Launch launch;
    if (::geteuid() == 0)
        launch.prefix = {"setpriv", "--inh-caps=-dac_override,-dac_read_search",
                         "--bounding-set=-dac_override,-dac_read_search", "--"};
    return launch;
}

TEST(StorageFaults, FileSizeLimit) {
    TempDir folder;
    EXPECT_TRUE(LocalService({"--demo", "--auto-unlock"}, folder.path()).stop());
    // Room for the stored data and a few small writes, not for a large one.
    std::uintmax_t largest = 0;
    for (const auto& e : fs::recursive_directory_iterator(folder.path()))
        if (e.is_regular_file()) largest = std::max(largest, e.file_size());
    LocalService service({"--auto-unlock"}, folder.path(), {.fileSizeLimit = largest + 256 * 1024});
    expectWritesRefused(service, true);
    // Small writes are taken again.
    httplib::Client http("127.0.0.1", service.port());
    EXPECT_EQ(vorn::test::upload(http, "nota.txt", "pouco").rfind("Upload de", 0), 0u);
    EXPECT_EQ(ServiceClient(service, "demo", "demo").postText("vpqPtScp.php", kSalao, "texto", "x"),
              "Ok");
}

TEST(StorageFaults, ReadOnlyFolders) {
    TempDir folder;
    LocalService service({"--demo"}, folder.path(), boundByModes());
    const std::string quorbel = folder.path() + "html/quorbel/";
    const std::string dirs[] = {quorbel + "vorn/", folder.path() + "outbox/", quorbel};
    for (const std::string& dir : dirs)
        fs::permissions(dir, kAnyWrite, fs::perm_options::remove);
    expectWritesRefused(service, false);
    ServiceClient demo(service, "demo", "demo");
    EXPECT_EQ(demo.raw("mobDtArq.php", {{"Pfx", "vorn"}, {"Arq", "portao.png"}}), kNotStored);
    EXPECT_TRUE(fs::exists(quorbel + "vorn/vorn-portao.png"));

    // A new account whose unlock mail cannot be written, and a new adventure
    // whose folder cannot be made, are not kept.
    const std::string newAccount =
        service.scriptBase() + "mobNwUsr.php?Login=zeca&Senha=segredo&Email=zeca@exemplo.org";
    EXPECT_EQ(vorn::Http().get(newAccount), kNotStored);
    const std::initializer_list<vorn::Key> adventure = {{"Pfx", "nova"}, {"Nom", "Nova"}};
    EXPECT_EQ(demo.raw("scpNwAdv.php", adventure), kNotStored);
    EXPECT_TRUE(fs::is_empty(folder.path() + "outbox/"));
    for (const std::string& dir : dirs)
        fs::permissions(dir, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(vorn::Http().get(newAccount).rfind("Conta criada!", 0), 0u);
    EXPECT_EQ(demo.raw("scpNwAdv.php", adventure), "Ok");
}

TEST(StorageFaults, ReadOnlyDataFolderAtStartIsNamed) {
    TempDir folder;
    EXPECT_TRUE(LocalService({"--demo"}, folder.path()).stop()) << "a stop right after the start";
    fs::permissions(folder.path(), kAnyWrite, fs::perm_options::remove);
    try {
        LocalService service({}, folder.path(), boundByModes());
        ADD_FAILURE() << "started on a folder it cannot write";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("its folder must be writable"), std::string::npos)
            << e.what();
    }
    fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::add);
}

// Statements are kept compiled between requests: one taken again must
// start afresh (no row pending, no value bound, current data), and two of
// the same text in use at once must not share.
TEST(Database, StatementsUsedAgainStartAfresh) {
    TempDir dir;
    pequenia::db::Database db(dir.path() + "t.db");
    db.exec("CREATE TABLE t (k INTEGER PRIMARY KEY, v TEXT)");
    db.exec("INSERT INTO t VALUES (1, 'um'), (2, 'dois')");
    constexpr const char* kByKey = "SELECT v FROM t WHERE k = ?1";
    constexpr const char* kAll = "SELECT v FROM t ORDER BY k";
    {
        auto all = db.prepare(kAll);
        ASSERT_TRUE(all.step()); // left with a row still pending
        auto one = db.prepare(kByKey);
        ASSERT_TRUE(one.bind(1, 2).step());
        // The same text while the first is in use.
        auto other = db.prepare(kByKey);
        ASSERT_TRUE(other.bind(1, 1).step());
        EXPECT_EQ(other.text(0), "um");
        EXPECT_EQ(one.text(0), "dois");
    }
    auto unbound = db.prepare(kByKey);
    EXPECT_FALSE(unbound.step()); // the last value bound is gone

    db.prepare("UPDATE t SET v = 'three' WHERE k = 2").run();
    auto all = db.prepare(kAll);
    std::vector<std::string> values;
    while (all.step())
        values.push_back(all.text(0));
    EXPECT_EQ(values, (std::vector<std::string>{"um", "three"}));

    EXPECT_THROW(db.prepare("SELECT nada FROM t"), vorn::Error);
    EXPECT_TRUE(db.prepare("SELECT 1").step());
}

} // namespace
