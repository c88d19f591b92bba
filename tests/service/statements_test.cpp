#include "db/sqlite.h"
#include "scripted_server.h"

#include <error.h>

#include <gtest/gtest.h>

namespace pequenia::db {
namespace {

// Statements are kept compiled between requests: one taken again must
// start afresh (no row pending, no value bound, current data), and two of
// the same text in use at once must not share.
TEST(Database, StatementsUsedAgainStartAfresh) {
    vorn::test::TempDir dir;
    Database db(dir.path() + "t.db");
    db.exec("CREATE TABLE t (k INTEGER PRIMARY KEY, v TEXT)");
    db.exec("INSERT INTO t VALUES (1, 'um'), (2, 'dois')");
    constexpr const char* kByKey = "SELECT v FROM t WHERE k = ?1";
    constexpr const char* kAll = "SELECT v FROM t ORDER BY k";
    {
        auto all = db.prepare(kAll);
        ASSERT_TRUE(all.step()); // left with a row still pending
        EXPECT_EQ(all.text(0), "um");
        auto one = db.prepare(kByKey);
        one.bind(1, 2);
        ASSERT_TRUE(one.step());
        // The same text while the first is in use.
        auto other = db.prepare(kByKey);
        other.bind(1, 1);
        ASSERT_TRUE(other.step());
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
} // namespace pequenia::db
