#include "indexing/store/SqliteDatabase.h"

#include "common/Error.h"
#include "indexing/store/NameCollation.h"
#include "indexing/store/StoreDamage.h"

#include <sqlite3.h>

namespace tessellon {

SqliteDatabase::SqliteDatabase(const QString& file, Mode mode) : file_(file) {
    const int flags = (mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY
                                              : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) |
                      SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(file.toUtf8().constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message =
            db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db_);
        db_ = nullptr;
        throw FileError(QStringLiteral("Cannot open the index store %1: %2").arg(file, message));
    }
    sqlite3_busy_timeout(db_, 5000);
    sqlite3_extended_result_codes(db_, 1);
    NameCollation::registerWith(db_);
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close_v2(db_);
}

void SqliteDatabase::exec(const char* sql) {
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail();
}

std::int64_t SqliteDatabase::lastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

std::exception_ptr SqliteDatabase::errorFor(const QString& sqliteMessage) const {
    const QString message = QStringLiteral("Index store %1: %2").arg(file_, sqliteMessage);
    if (!failedOnDamage())
        return std::make_exception_ptr(FileError(message));
    StoreDamage::mark(file_, sqliteMessage);
    return std::make_exception_ptr(StoreDamagedError(message));
}

} // namespace tessellon
