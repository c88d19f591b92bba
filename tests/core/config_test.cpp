#include "config.h"
#include "error.h"
#include "files.h"
#include "scripted_server.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace vorn {
namespace {

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
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {{"51", 51},
                 {"-20", -20},
                 {"+7", 7},
                 {"", std::nullopt},
                 {" 5", std::nullopt},
                 {"5 ", std::nullopt},
                 {"+-5", std::nullopt},
                 {"--5", std::nullopt},
                 {"99999999999", std::nullopt},
                 {"...", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(parseInteger(c.text), c.value) << c.text;
}

TEST(Config, AFailedWriteLeavesNoTemporaryFileBehind) {
    test::TempDir dir;
    // A folder where the file should be: the final rename cannot happen.
    const std::string path = dir.path() + kConfigFileName;
    std::filesystem::create_directory(path);
    EXPECT_THROW(writeConfig(path, {"a", "b", {}}), Error);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

} // namespace
} // namespace vorn
