// A SQLite connection to one store file, turning every failure into a
// FileError that names the file; a store found malformed is marked as such
// (StoreDamage) and reported as StoreDamagedError. The store and its figures speak to SQLite
// only through it and its statements (SqliteStatement).
#pragma once

#include "indexing/store/SqliteHandle.h"
#include "indexing/store/SqliteStatement.h"

#include <QString>
#include <cstdint>

namespace tessellon {

class SqliteDatabase : public SqliteHandle {
public:
    enum class Mode { ReadOnly, ReadWrite };
    SqliteDatabase(const QString& file, Mode mode);
    ~SqliteDatabase() override;

    void exec(const char* sql);
    std::int64_t lastInsertId() const;
    const QString& file() const { return file_; }

private:
    // A FileError naming the store.
    std::exception_ptr errorFor(const QString& sqliteMessage) const override;

    QString file_;
};

} // namespace tessellon
