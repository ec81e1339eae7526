// One prepared SQLite statement: bind parameters, step through rows, read
// columns; finalized when it goes out of scope. Failures are reported the
// way its connection reports them (SqliteHandle::fail).
#pragma once

#include "indexing/store/SqliteHandle.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

struct sqlite3_stmt;

namespace tessellon {

class SqliteStatement {
public:
    SqliteStatement(SqliteHandle& db, const char* sql);
    SqliteStatement(SqliteHandle& db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Parameters are counted from 1.
    SqliteStatement& bind(int index, std::int64_t value);
    SqliteStatement& bind(int index, const QString& text);
    // UTF-8 text bound without a copy: `utf8` must stay unchanged until the
    // statement has run.
    SqliteStatement& bindUtf8View(int index, const QByteArray& utf8);
    // A zero-length blob still compares as a blob, never as NULL.
    SqliteStatement& bindBlob(int index, const QByteArray& bytes);
    // Hands a pointer to registered functions (sqlite3_bind_pointer).
    SqliteStatement& bindPointer(int index, const void* pointer, const char* type);
    // True while a row is available; throws on failure.
    bool step();
    // Runs to the end and resets for the next use.
    void run();
    void reset();

    enum class Type { Integer, Real, Text, Blob, Null };
    Type type(int column) const;
    bool isNull(int column) const;
    std::int64_t integer(int column) const;
    double real(int column) const;
    QString text(int column) const;
    // The bytes of a blob, or the UTF-8 of a text.
    QByteArray blob(int column) const;

private:
    void prepare(const QByteArray& sql);

    SqliteHandle& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace tessellon
