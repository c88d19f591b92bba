// A file size limit (what a full disk does to a write too) and a read-only
// folder: the write is refused with one line, nothing is half written, the
// old content stays and the service goes on serving.
#include "raw_socket.h"
#include "scripted_server.h"
#include "service_client.h"

#include <files.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using vorn::test::LocalService;
using vorn::test::ServiceClient;
using vorn::test::TempDir;

namespace fs = std::filesystem;

namespace {

constexpr const char* kNotStored =
    "O servidor n\xE3o conseguiu gravar (disco cheio ou sem permiss\xE3o); nada foi alterado.";
const std::initializer_list<vorn::Key> kSalao = {{"Pfx", "vorn"}, {"Scp", "salao"}};

std::string upload(const LocalService& service, const std::string& name, const std::string& bytes) {
    httplib::Client c("127.0.0.1", service.port());
    return vorn::test::rawPost(
        c, vorn::test::scriptTarget("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", name}}), "Img", bytes,
        name);
}

// The refusals every seam shares: a picture replaced by a large one, and a
// large script over an existing one.
void expectWritesRefused(const LocalService& service, bool scriptToo) {
    const std::string adventure = service.dataDir() + "html/quorbel/vorn/";
    const std::string picture = vorn::readFile(adventure + "vorn-portao.png");
    EXPECT_EQ(upload(service, "portao.png", std::string(1u << 20, 'x')), kNotStored);
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
    LocalService::Launch launch;
    launch.fileSizeLimit = largest + 256 * 1024;
    LocalService service({"--auto-unlock"}, folder.path(), launch);
    expectWritesRefused(service, true);
    EXPECT_EQ(upload(service, "nota.txt", "pouco").rfind("Upload de", 0), 0u) << "room again";
    EXPECT_EQ(
        ServiceClient(service, "demo", "demo").postText("vpqPtScp.php", kSalao, "texto", "  fim"),
        "Ok")
        << "the store takes small writes again";
}

TEST(StorageFaults, ReadOnlyFolders) {
    TempDir folder;
    LocalService service({"--demo"}, folder.path(), boundByModes());
    const std::string quorbel = folder.path() + "html/quorbel/";
    const std::string dirs[] = {quorbel + "vorn/", folder.path() + "outbox/", quorbel};
    for (const std::string& dir : dirs)
        fs::permissions(dir,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
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
    fs::permissions(folder.path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    try {
        LocalService service({}, folder.path(), boundByModes());
        ADD_FAILURE() << "started on a folder it cannot write";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("its folder must be writable"), std::string::npos)
            << e.what();
    }
    fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::add);
}

} // namespace
