#include "config.h"
#include "error.h"
#include "files.h"
#include "scripted_server.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace vorn {
namespace {

TEST(SafeFileName, AcceptsPlainNamesAndRefusesAnythingThatLeavesTheFolderOrHides) {
    // The euro sign is a letter like any other.
    for (const char* name : {"foto.png", "sala 1(2).scp", "Ca\xe7\x61.gif", "\x80uro.png"})
        EXPECT_TRUE(isSafeFileName(name)) << name;
    // Hidden from the author's file lists, and the shape of the temporary
    // files a write makes; then bytes cp1252 has no character for, which on
    // the disk become control characters; then ways out of the folder.
    for (const char* name : {".oculto", ".png", "a\x81.png", "a\x8d.png", "a\x8f.png", "a\x90.png",
                             "a\x9d.png", "", ".", "..", "../x", "a/b.png", "a\\b.png",
                             "/etc/passwd", "x..png", "linha\nnova", "tab\t"})
        EXPECT_FALSE(isSafeFileName(name)) << name;
    EXPECT_THROW(requireSafeFileName("../x"), Error);
}

TEST(MakeDir, CreatesOneLevelAndFailsUnlessAFolderIsThereAfterwards) {
    test::TempDir dir;
    writeFileAtomic(dir.path() + "arquivo", "not a folder");
    makeDir(dir.path() + "existente");
    for (const char* made : {"nova", "existente"}) {
        EXPECT_NO_THROW(makeDir(dir.path() + made)) << made;
        EXPECT_TRUE(dirExists(dir.path() + made)) << made;
    }
    // A file of that name is no folder, and only one level is made.
    for (const char* refused : {"arquivo", "falta/nova", "arquivo/dentro"})
        EXPECT_THROW(makeDir(dir.path() + refused), Error) << refused;
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

TEST(Config, WritesNineCrLfLinesReadableByTheOwnerOnlyAndReadsThemBack) {
    test::TempDir dir;
    const std::string path = dir.path() + kConfigFileName;
    writeConfig(path, {"", "", {Place{51, 10}, Place{116, 263}, Place{51, 200}}});
    EXPECT_EQ(readFile(path), "\r\n\r\n51\r\n10\r\n116\r\n263\r\n51\r\n200\r\n...\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    const Config written{"jo\xe3o", "s3nh@", {Place{-5, 0}, Place{300, 1800}, Place{51, 200}}};
    writeConfig(path, written);
    const auto read = readConfig(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->login, "jo\xe3o");
    EXPECT_EQ(read->senha, "s3nh@");
    EXPECT_EQ(read->error, "");
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(read->place(i), written.places[i]);
}

TEST(Config, ReadsOnlyTheLinesThatAreThereAndStopsAtANonInteger) {
    test::TempDir dir;
    const std::string path = dir.path() + kConfigFileName;
    EXPECT_FALSE(readConfig(path));

    writeFileAtomic(path, "demo\r\n");
    auto read = readConfig(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->login, "demo");
    EXPECT_FALSE(read->senha);
    EXPECT_FALSE(read->place(0));

    writeFileAtomic(path, "demo\nsegredo\n40\n12\n99");
    read = readConfig(path);
    EXPECT_EQ(read->place(0), (Place{40, 12}));
    EXPECT_FALSE(read->place(1)); // half a place is not a place
    EXPECT_EQ(read->positions.size(), 3u);

    writeFileAtomic(path, "a\r\nb\r\n51\r\n10\r\n1x6\r\n263\r\n51\r\n200\r\n...\r\n");
    read = readConfig(path);
    EXPECT_EQ(read->positions, (std::vector<int>{51, 10}));
    EXPECT_NE(read->error.find("1x6"), std::string::npos);
    EXPECT_NE(read->error.find("linha 5"), std::string::npos);
}

TEST(Config, IntegerLinesFollowTheUsualRules) {
    for (const auto& [text, value] : {std::pair{"51", 51}, {"-20", -20}, {"+7", 7}})
        EXPECT_EQ(parseInteger(text), value) << text;
    for (const char* text : {"", " 5", "5 ", "+-5", "--5", "99999999999", "..."})
        EXPECT_FALSE(parseInteger(text)) << text;
}

} // namespace
} // namespace vorn
