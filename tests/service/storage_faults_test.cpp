// A full disk, a file size limit and a read-only folder: the write is refused
// with one line, nothing is half written, the old content stays and the
// service goes on serving.
#include "raw_calls.h"
#include "service_client.h"

#include <files.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/mount.h>
#include <unistd.h>

using vorn::test::LocalService;
using vorn::test::rawGet;
using vorn::test::rawPost;
using vorn::test::scriptTarget;
using vorn::test::ServiceClient;

namespace fs = std::filesystem;

namespace {

constexpr const char* kNotStored =
    "O servidor n\xE3o conseguiu gravar (disco cheio ou sem permiss\xE3o); nada foi alterado.";

// A folder of the test's own, removed afterwards (after the service stops).
struct Folder {
    std::string path;
    Folder() {
        path = (fs::temp_directory_path() / "pequenia-fault-XXXXXX").string();
        if (!::mkdtemp(path.data())) path.clear();
        path += "/";
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    std::string adventure() const { return path + "html/quorbel/vorn/"; }
};

// No temporary file beside the published ones.
void expectNoLeftovers(const std::string& folder) {
    for (const auto& e : fs::directory_iterator(folder))
        EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
}

// The refusals every seam shares: a picture replaced by a large one, and a
// large script over an existing one.
void expectWritesRefused(const LocalService& service, const std::string& adventure,
                         bool scriptToo) {
    httplib::Client c("127.0.0.1", service.port());
    const std::string picture = vorn::readFile(adventure + "vorn-portao.png");
    const std::string big(1u << 20, 'x');
    EXPECT_EQ(rawPost(c, scriptTarget("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", "portao.png"}}),
                      "Img", big, "portao.png"),
              kNotStored);
    EXPECT_EQ(vorn::readFile(adventure + "vorn-portao.png"), picture);
    expectNoLeftovers(adventure);
    if (scriptToo) {
        const std::string target =
            scriptTarget("vpqGtScp.php", {{"Pfx", "vorn"}, {"Scp", "salao"}});
        const std::string before = rawGet(c, target);
        EXPECT_EQ(rawPost(c, scriptTarget("vpqPtScp.php", {{"Pfx", "vorn"}, {"Scp", "salao"}}),
                          "texto", std::string(1000000, 's')),
                  kNotStored);
        EXPECT_EQ(rawGet(c, target), before);
    }
    EXPECT_EQ(rawGet(c, scriptTarget("vpqLsScp.php", {{"Pfx", "vorn"}})).rfind("Ok", 0), 0u)
        << "still serving";
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

std::string smallUpload(const LocalService& service) {
    httplib::Client c("127.0.0.1", service.port());
    return rawPost(c, scriptTarget("mobPtImg.php", {{"Pfx", "vorn"}, {"Arq", "nota.txt"}}), "Img",
                   "pouco", "nota.txt");
}

TEST(StorageFaults, FullDisk) {
    Folder folder;
    if (::geteuid() != 0 || ::mount("tmpfs", folder.path.c_str(), "tmpfs", 0, "size=4m") != 0)
        GTEST_SKIP() << "a small tmpfs as the data folder needs root allowed to mount ("
                     << std::strerror(errno) << ")";
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{folder.path};
    LocalService service({"--demo", "--auto-unlock"}, folder.path);
    // Fill the disk but for a few pages.
    const std::string filler = folder.path + "filler";
    {
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        const std::string chunk(4096, 'f');
        while (::write(fd, chunk.data(), chunk.size()) == static_cast<ssize_t>(chunk.size())) {
        }
        EXPECT_EQ(::ftruncate(fd, ::lseek(fd, 0, SEEK_CUR) - 64 * 1024), 0);
        ::close(fd);
    }
    expectWritesRefused(service, folder.adventure(), true);
    fs::remove(filler);
    EXPECT_EQ(smallUpload(service).rfind("Upload de", 0), 0u) << "room again";
}

TEST(StorageFaults, FileSizeLimit) {
    Folder folder;
    EXPECT_TRUE(LocalService({"--demo", "--auto-unlock"}, folder.path).stop());
    // Room for the stored data and a few small writes, not for a large one.
    std::uintmax_t largest = 0;
    for (const auto& e : fs::recursive_directory_iterator(folder.path))
        if (e.is_regular_file()) largest = std::max(largest, e.file_size());
    LocalService::Launch launch;
    launch.fileSizeLimit = largest + 256 * 1024;
    LocalService service({"--auto-unlock"}, folder.path, launch);
    expectWritesRefused(service, folder.adventure(), true);
    EXPECT_EQ(smallUpload(service).rfind("Upload de", 0), 0u);
    httplib::Client c("127.0.0.1", service.port());
    EXPECT_EQ(rawPost(c, scriptTarget("vpqPtScp.php", {{"Pfx", "vorn"}, {"Scp", "salao"}}), "texto",
                      "  fim"),
              "Ok")
        << "the store takes small writes again";
}

TEST(StorageFaults, ReadOnlyFolders) {
    Folder folder;
    LocalService service({"--demo"}, folder.path, boundByModes());
    const std::string quorbel = folder.path + "html/quorbel/";
    for (const std::string& dir : {folder.adventure(), folder.path + "outbox/", quorbel})
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                 fs::perms::group_exec | fs::perms::others_read |
                                 fs::perms::others_exec);
    expectWritesRefused(service, folder.adventure(), false);
    ServiceClient demo(service, "demo", "demo");
    EXPECT_EQ(demo.raw("mobDtArq.php", {{"Pfx", "vorn"}, {"Arq", "portao.png"}}), kNotStored);
    EXPECT_TRUE(fs::exists(folder.adventure() + "vorn-portao.png"));

    // A new account whose unlock mail cannot be written, and a new adventure
    // whose folder cannot be made, are not kept.
    const std::string newAccount =
        service.scriptBase() + "mobNwUsr.php?Login=zeca&Senha=segredo&Email=zeca@exemplo.org";
    EXPECT_EQ(vorn::Http().get(newAccount), kNotStored);
    const std::initializer_list<vorn::Key> adventure = {{"Pfx", "nova"}, {"Nom", "Nova"}};
    EXPECT_EQ(demo.raw("scpNwAdv.php", adventure), kNotStored);
    expectNoLeftovers(folder.path + "outbox/");
    for (const std::string& dir : {folder.adventure(), folder.path + "outbox/", quorbel})
        fs::permissions(dir, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(vorn::Http().get(newAccount).rfind("Conta criada!", 0), 0u);
    EXPECT_EQ(demo.raw("scpNwAdv.php", adventure), "Ok");
}

TEST(StorageFaults, ReadOnlyDataFolderAtStartIsNamed) {
    Folder folder;
    EXPECT_TRUE(LocalService({"--demo"}, folder.path).stop()) << "a stop right after the start";
    fs::permissions(folder.path,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    try {
        LocalService service({}, folder.path, boundByModes());
        ADD_FAILURE() << "started on a folder it cannot write";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("its folder must be writable"), std::string::npos)
            << e.what();
    }
    fs::permissions(folder.path, fs::perms::owner_write, fs::perm_options::add);
}

} // namespace
