#include "indexing/store/SqliteHandle.h"

#include <sqlite3.h>

namespace tessellon {

bool SqliteHandle::failedOnDamage() const {
    // The primary code: the full-text index reports its damage as one of
    // SQLITE_CORRUPT's extended codes.
    const int code = sqlite3_extended_errcode(db_) & 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

void SqliteHandle::fail() const {
    std::rethrow_exception(errorFor(QString::fromUtf8(sqlite3_errmsg(db_))));
}

} // namespace tessellon
