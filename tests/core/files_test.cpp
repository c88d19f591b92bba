#include "error.h"
#include "files.h"
#include "scripted_server.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vorn {
namespace {

TEST(SafeFileName, AcceptsPlainNamesAndRefusesAnythingThatLeavesTheFolderOrHides) {
    const struct {
        const char* name;
        bool safe;
    } cases[] = {
        {"foto.png", true},
        {"sala 1(2).scp", true},
        {"Ca\xe7\x61.gif", true},
        {"\x80uro.png", true}, // the euro sign is a letter like any other
        // Hidden from the author's file lists, and the shape of the
        // temporary files a write makes.
        {".oculto", false},
        {".png", false},
        // cp1252 has no character for these bytes: on the disk they become
        // control characters.
        {"a\x81.png", false},
        {"a\x8d.png", false},
        {"a\x8f.png", false},
        {"a\x90.png", false},
        {"a\x9d.png", false},
        {"", false},
        {".", false},
        {"..", false},
        {"../x", false},
        {"a/b.png", false},
        {"a\\b.png", false},
        {"/etc/passwd", false},
        {"x..png", false},
        {"linha\nnova", false},
        {"tab\t", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isSafeFileName(c.name), c.safe) << c.name;
    EXPECT_THROW(requireSafeFileName("../x"), Error);
}

TEST(MakeDir, CreatesOneLevelAndFailsUnlessAFolderIsThereAfterwards) {
    test::TempDir dir;
    writeFileAtomic(dir.path() + "arquivo", "not a folder");
    makeDir(dir.path() + "existente");
    const struct {
        std::string path;
        bool folder; // a folder is there afterwards; otherwise Error
    } cases[] = {
        {dir.path() + "nova", true},
        {dir.path() + "existente", true},
        {dir.path() + "arquivo", false},    // a file of that name is no folder
        {dir.path() + "falta/nova", false}, // only one level is made
        {dir.path() + "arquivo/dentro", false},
    };
    for (const auto& c : cases) {
        if (c.folder) {
            EXPECT_NO_THROW(makeDir(c.path)) << c.path;
            EXPECT_TRUE(dirExists(c.path)) << c.path;
        } else {
            EXPECT_THROW(makeDir(c.path), Error) << c.path;
        }
    }
    EXPECT_EQ(readFile(dir.path() + "arquivo"), "not a folder");
    // A write replaces the whole file, a shorter or an empty text too.
    for (const char* text : {"a much longer first content", "short", ""}) {
        writeFileAtomic(dir.path() + "arquivo", text);
        EXPECT_EQ(readFile(dir.path() + "arquivo"), text);
    }
}

// The home variable wins and is created; without it the folder found is
// still one that exists.
TEST(DirApp, TheHomeVariableWinsAndIsCreated) {
    test::TempDir dir;
    const std::string home = dir.path() + "nested/home";
    ::setenv("VORNSCRIPT_HOME", home.c_str(), 1);
    const std::string found = findDirApp();
    ::unsetenv("VORNSCRIPT_HOME");
    EXPECT_EQ(found, home + "/");
    EXPECT_TRUE(dirExists(home));
    const std::string fallback = findDirApp();
    EXPECT_TRUE(fallback.ends_with('/') && fallback != found && dirExists(fallback)) << fallback;
}

} // namespace
} // namespace vorn
