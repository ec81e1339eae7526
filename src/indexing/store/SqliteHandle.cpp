#include "indexing/store/SqliteHandle.h"

#include <sqlite3.h>

namespace tessellon {

void SqliteHandle::fail() const {
    std::rethrow_exception(errorFor(QString::fromUtf8(sqlite3_errmsg(db_))));
}

} // namespace tessellon
