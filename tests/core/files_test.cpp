#include "error.h"
#include "files.h"
#include "scripted_server.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vorn {
namespace {

TEST(SafeFileName, AcceptsPlainNamesAndRefusesAnythingThatLeavesTheFolder) {
    const struct {
        const char* name;
        bool safe;
    } cases[] = {
        {"foto.png", true},     {"sala 1(2).scp", true}, {"Ca\xe7" "a.gif", true},
        {".oculto", true},      {"", false},             {".", false},
        {"..", false},          {"../x", false},         {"a/b.png", false},
        {"a\\b.png", false},    {"/etc/passwd", false},  {"x..png", false},
        {"linha\nnova", false}, {"tab\t", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isSafeFileName(c.name), c.safe) << c.name;
    EXPECT_THROW(requireSafeFileName("../x"), Error);
}

TEST(WriteFileAtomic, ReplacesTheWholeFile) {
    test::TempDir dir;
    const std::string path = dir.path() + "a.txt";
    writeFileAtomic(path, "a much longer first content");
    writeFileAtomic(path, "short");
    EXPECT_EQ(readFile(path), "short");
    writeFileAtomic(path, "");
    EXPECT_EQ(readFile(path), "");
}

TEST(DirApp, TheHomeVariableWinsAndIsCreated) {
    test::TempDir dir;
    const std::string home = dir.path() + "nested/home";
    ::setenv("VORNSCRIPT_HOME", home.c_str(), 1);
    const std::string found = findDirApp();
    ::unsetenv("VORNSCRIPT_HOME");
    EXPECT_EQ(found, home + "/");
    EXPECT_TRUE(dirExists(home));
}

TEST(DirApp, WithoutTheVariableIsAWritableFolderEndingInSlash) {
    ::unsetenv("VORNSCRIPT_HOME");
    const std::string found = findDirApp();
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.back(), '/');
    EXPECT_TRUE(dirExists(found));
}

} // namespace
} // namespace vorn
