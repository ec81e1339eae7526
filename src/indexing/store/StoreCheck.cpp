#include "indexing/store/StoreCheck.h"

#include "common/Error.h"
#include "indexing/store/SqliteStatement.h"

namespace tessellon::StoreCheck {

QString problem(SqliteHandle& db, const QString& schema, Depth depth) {
    try {
        SqliteStatement pages(db, QStringLiteral("PRAGMA %1.quick_check(1)").arg(schema));
        if (pages.step() && pages.text(0) != QLatin1String("ok"))
            return pages.text(0);
        if (depth == Depth::Pages)
            return {};
        SqliteStatement(db, QStringLiteral("INSERT INTO %1.fulltext(fulltext) "
                                           "VALUES('integrity-check')")
                                .arg(schema))
            .run();
    } catch (const Error& e) {
        return e.message();
    }
    return {};
}

} // namespace tessellon::StoreCheck
