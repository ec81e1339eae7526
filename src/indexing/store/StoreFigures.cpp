#include "indexing/store/StoreFigures.h"

#include "indexing/store/SqliteDatabase.h"
#include "indexing/store/StoreDamage.h"

#include <QFileInfo>

namespace tessellon {

StoreFigures StoreFigures::read(const QString& storeFile) {
    StoreFigures figures;
    if (!QFileInfo::exists(storeFile))
        return figures;
    figures.sizeBytes = QFileInfo(storeFile).size() + QFileInfo(storeFile + "-wal").size();
    const QString damage = StoreDamage::marked(storeFile);
    if (!damage.isEmpty())
        figures.damage = QStringLiteral("The index is damaged and is rebuilt at its next update "
                                        "(%1)")
                             .arg(damage);
    SqliteDatabase db(storeFile, SqliteDatabase::Mode::ReadOnly);
    // One read transaction, so the figures agree with each other.
    db.exec("BEGIN");
    {
        SqliteStatement states(db, "SELECT filter_state, count(*) FROM documents "
                                   "GROUP BY filter_state");
        while (states.step()) {
            figures.documents += states.integer(1);
            if (states.integer(0) == 0)
                figures.toFilter += states.integer(1);
            else if (states.integer(0) == 3)
                figures.failed += states.integer(1);
        }
        SqliteStatement meta(db, "SELECT key, value FROM meta");
        while (meta.step()) {
            const QString key = meta.text(0);
            if (key == QLatin1String("query_count"))
                figures.queryCount = meta.integer(1);
            else if (key == QLatin1String("to_filter"))
                figures.scanRemaining = meta.integer(1);
            else if (key == QLatin1String("scan_total"))
                figures.scanTotal = meta.integer(1);
            else if (key == QLatin1String("last_update"))
                figures.lastUpdate = QDateTime::fromString(meta.text(1), Qt::ISODate);
            else if (key == QLatin1String("scan_state"))
                figures.scanComplete = meta.text(1) == QLatin1String("complete");
            else if (key == QLatin1String("last_error"))
                figures.lastError = meta.text(1);
        }
    }
    db.exec("COMMIT");
    figures.toFilter += figures.scanRemaining;
    return figures;
}

} // namespace tessellon
