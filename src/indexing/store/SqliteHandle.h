// What a prepared statement needs of the connection it runs on: the SQLite
// handle, and how a failure is reported. The index store names its file in
// a FileError; the query engine passes SQLite's message on as a
// ProviderError.
#pragma once

#include <QString>
#include <exception>

struct sqlite3;

namespace tessellon {

class SqliteHandle {
public:
    SqliteHandle() = default;
    virtual ~SqliteHandle() = default;
    SqliteHandle(const SqliteHandle&) = delete;
    SqliteHandle& operator=(const SqliteHandle&) = delete;

    sqlite3* handle() const { return db_; }
    // Throws the connection's kind of Error with SQLite's message for the
    // call that failed.
    [[noreturn]] void fail() const;

protected:
    // Whether the call that failed found the database malformed (or no
    // database at all), rather than busy, full or misused.
    bool failedOnDamage() const;
    virtual std::exception_ptr errorFor(const QString& sqliteMessage) const = 0;

    sqlite3* db_ = nullptr;
};

} // namespace tessellon
