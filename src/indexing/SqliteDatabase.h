// A thin owner of one SQLite connection and its prepared statements, turning
// every failure into an Error that names the database file. The store and its
// figures speak to SQLite only through it.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;

namespace tessellon {

class SqliteDatabase;

class SqliteStatement {
public:
    SqliteStatement(SqliteDatabase& db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& bind(int index, std::int64_t value);
    SqliteStatement& bind(int index, const QString& text);
    // UTF-8 text bound without a copy: `utf8` must stay unchanged until the
    // statement has run.
    SqliteStatement& bindUtf8View(int index, const QByteArray& utf8);
    SqliteStatement& bindBlob(int index, const QByteArray& bytes);
    // True while a row is available; throws on failure.
    bool step();
    // Runs to the end and resets for the next use.
    void run();
    void reset();

    std::int64_t integer(int column) const;
    QString text(int column) const;
    QByteArray blob(int column) const;
    bool isNull(int column) const;

private:
    SqliteDatabase& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

class SqliteDatabase {
public:
    enum class Mode { ReadOnly, ReadWrite };
    SqliteDatabase(const QString& file, Mode mode);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    void exec(const char* sql);
    std::int64_t lastInsertId() const;
    sqlite3* handle() const { return db_; }
    const QString& file() const { return file_; }

    // Throws an Error with SQLite's message for the failed call.
    [[noreturn]] void fail() const;

private:
    QString file_;
    sqlite3* db_ = nullptr;
};

} // namespace tessellon
