#include "FullTextDamage.h"

#include "indexing/store/SqliteDatabase.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

void flipBytes(const QString& storeFile, const char* whichRow, bool atAThird) {
    SqliteDatabase db(storeFile, SqliteDatabase::Mode::ReadWrite);
    SqliteStatement row(db, QStringLiteral("SELECT id, block FROM fulltext_data %1 LIMIT 1")
                                .arg(QLatin1String(whichRow)));
    ASSERT_TRUE(row.step());
    const std::int64_t id = row.integer(0);
    QByteArray block = row.blob(1);
    const qsizetype from = atAThird ? block.size() / 3 : 0;
    ASSERT_LT(from + 6, block.size());
    for (qsizetype i = from; i < from + 6; ++i)
        block[i] = char(~block[i]);
    SqliteStatement(db, "UPDATE fulltext_data SET block = ?1 WHERE id = ?2")
        .bindBlob(1, block)
        .bind(2, id)
        .run();
    SqliteStatement pages(db, "PRAGMA quick_check");
    ASSERT_TRUE(pages.step());
    ASSERT_EQ(pages.text(0), "ok");
}

} // namespace

void damageFullTextLeaf(const QString& storeFile) {
    flipBytes(storeFile, "WHERE id > 10 ORDER BY length(block) DESC", false);
}

void damageFullTextStructure(const QString& storeFile) {
    flipBytes(storeFile, "WHERE id = 10", true);
}
