#include "db/sqlite.h"

#include "storage/storage_error.h"

#include <error.h>

#include <sqlite3.h>

namespace pequenia::db {

namespace {

constexpr std::size_t kMaxIdleStatements = 64;

// Whether the last failure came from the disk rather than the statement.
bool isStorageFault(sqlite3* db) {
    if (!db) return false;
    switch (sqlite3_errcode(db)) {
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
    const std::string message = what + ": " + (db ? sqlite3_errmsg(db) : "sqlite");
    if (isStorageFault(db)) throw StorageError(message);
    throw vorn::Error(message);
}

} // namespace

Database::Database(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw vorn::Error("cannot open database " + path + ": " + message);
    }
    sqlite3_busy_timeout(m_db, 5000);
    try {
        // The service is the database's one user: holding the lock for the
        // connection's life spares every statement taking and dropping it.
        exec("PRAGMA locking_mode=EXCLUSIVE");
        exec("PRAGMA journal_mode=WAL");
        exec("PRAGMA foreign_keys=ON");
        // A write answered "Ok" must outlive a power cut, not only a crash:
        // with WAL, FULL syncs the log at every commit.
        exec("PRAGMA synchronous=FULL");
    } catch (const vorn::Error& e) {
        // The first statements are where a folder that cannot be written
        // shows, as a bare "disk I/O error".
        sqlite3_close(m_db);
        m_db = nullptr;
        throw vorn::Error("cannot use database " + path +
                          " (its folder must be writable): " + e.what());
    }
}

Database::~Database() {
    for (const auto& [sql, stmt] : m_idle)
        sqlite3_finalize(stmt);
    sqlite3_close_v2(m_db);
}

void Database::exec(std::string_view sql) {
    char* message = nullptr;
    const std::string text(sql);
    if (sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string what = message ? message : "error";
        sqlite3_free(message);
        if (isStorageFault(m_db)) throw StorageError("sql: " + what);
        throw vorn::Error("sql: " + what);
    }
}

Statement Database::prepare(std::string_view sql) {
    return Statement(*this, sql);
}

std::int64_t Database::lastInsertId() const {
    return sqlite3_last_insert_rowid(m_db);
}

int Database::changes() const {
    return sqlite3_changes(m_db);
}

void Database::giveBack(std::string sql, sqlite3_stmt* stmt) {
    // Left as new: no row pending, no read snapshot held, no values bound.
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (m_idle.size() >= kMaxIdleStatements || !m_idle.try_emplace(std::move(sql), stmt).second)
        sqlite3_finalize(stmt);
}

Statement::Statement(Database& db, std::string_view sql)
    : m_owner(&db)
    , m_sql(sql)
    , m_db(db.handle()) {
    // Taken out while in use, so a statement nested in another of the same
    // text gets its own.
    if (const auto it = db.m_idle.find(m_sql); it != db.m_idle.end()) {
        m_stmt = it->second;
        db.m_idle.erase(it);
        return;
    }
    if (sqlite3_prepare_v2(m_db, sql.data(), static_cast<int>(sql.size()), &m_stmt, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        fail(m_db, "prepare");
    }
}

Statement::~Statement() {
    if (m_stmt) m_owner->giveBack(std::move(m_sql), m_stmt);
}

Statement::Statement(Statement&& other) noexcept
    : m_owner(other.m_owner)
    , m_sql(std::move(other.m_sql))
    , m_stmt(other.m_stmt)
    , m_db(other.m_db) {
    other.m_stmt = nullptr;
}

Statement& Statement::bind(int index, std::string_view text) {
    // Bound as text with the bytes as they are; SQLite never converts them.
    if (sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        fail(m_db, "bind");
    return *this;
}

Statement& Statement::bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(m_stmt, index, value) != SQLITE_OK) fail(m_db, "bind");
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    fail(m_db, "step");
}

void Statement::run() {
    while (step()) {
    }
}

std::string Statement::text(int column) const {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
    const int size = sqlite3_column_bytes(m_stmt, column);
    return bytes ? std::string(bytes, static_cast<std::size_t>(size)) : std::string();
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

Transaction::Transaction(Database& db)
    : m_db(db) {
    m_db.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!m_done) {
        try {
            m_db.exec("ROLLBACK");
        } catch (...) {
        }
    }
}

void Transaction::commit() {
    m_db.exec("COMMIT");
    m_done = true;
}

} // namespace pequenia::db
