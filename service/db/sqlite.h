#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace pequenia::db {

class Statement;

// One SQLite connection. Texts are bound and read as blobs of bytes, so the
// service keeps Windows-1252 texts exactly as they arrived.
class Database {
public:
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(std::string_view sql);
    // A statement compiled once per connection: an idle one with the same
    // text is reused, so a request does not pay SQLite's compiler again.
    Statement prepare(std::string_view sql);
    std::int64_t lastInsertId() const;
    int changes() const;
    sqlite3* handle() const { return m_db; }

private:
    friend class Statement;
    void giveBack(std::string sql, sqlite3_stmt* stmt);

    sqlite3* m_db = nullptr;
    // Statements not in use, by their text; bounded, since a few texts are
    // put together from the fields a request changes.
    std::unordered_map<std::string, sqlite3_stmt*> m_idle;
};

// A prepared statement; parameters are numbered from 1, columns from 0.
class Statement {
public:
    Statement(Database& db, std::string_view sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }

    // Steps once; true while a row is available.
    bool step();
    // Runs a statement that returns no rows.
    void run();

    std::string text(int column) const;
    std::int64_t integer(int column) const;
    bool isNull(int column) const;

private:
    Database* m_owner = nullptr;
    std::string m_sql;
    sqlite3_stmt* m_stmt = nullptr;
    sqlite3* m_db = nullptr;
};

// A transaction that rolls back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    bool m_done = false;
};

// The one connection of the service, handed out one request at a time.
class Store {
public:
    explicit Store(const std::string& path)
        : m_db(path) {}

    template <class F> auto with(F&& f) {
        std::lock_guard lock(m_mutex);
        return f(m_db);
    }

private:
    std::mutex m_mutex;
    Database m_db;
};

} // namespace pequenia::db
