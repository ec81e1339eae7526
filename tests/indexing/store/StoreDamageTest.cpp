#include "FullTextDamage.h"

#include "common/Error.h"
#include "indexing/store/IndexStore.h"
#include "indexing/store/SqliteDatabase.h"
#include "indexing/store/StoreDamage.h"
#include "indexing/store/StoreFigures.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

// A store with some documents, enough that the full-text index has leaves.
QString writeStore(const TempDir& dir) {
    const QString file = dir.filePath("index.sqlite3");
    IndexStore store(file);
    store.begin();
    for (int i = 0; i < 200; ++i) {
        DocumentRecord record;
        record.facts.path = "/docs/" + QByteArray::number(i) + ".txt";
        record.facts.directory = "/docs";
        record.facts.filename = QString::number(i) + ".txt";
        record.content.state = FilterState::Filtered;
        record.content.text =
            QStringLiteral("word%1 lorem ipsum dolor sit amet ").arg(i).repeated(20);
        store.put(std::move(record), 0);
    }
    store.commit();
    return file;
}

struct DamageCase {
    const char* name;
    std::function<void(const QString& file)> damage;
    IndexStore::OpenCheck check = IndexStore::OpenCheck::FullAfterUncleanStop;
};

// What a writer that did not end cleanly leaves in the store's lock file.
void stopUncleanly(const QString& file) {
    QFile lock(file + ".writer");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("open");
}
TESSELLON_PRINT_CASE_BY_NAME(DamageCase)

class StoreDamageAtOpen : public ::testing::TestWithParam<DamageCase> {};

TEST_P(StoreDamageAtOpen, MovesTheStoreAsideAndStartsAFreshOne) {
    TempDir dir;
    const QString file = writeStore(dir);
    GetParam().damage(file);
    IndexStore reopened(file, GetParam().check);
    EXPECT_TRUE(reopened.notice().contains("could not be used (damaged"))
        << reopened.notice().toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList({"index.sqlite3.damaged-*"}).size(), 1);
    EXPECT_TRUE(StoreDamage::marked(file).isEmpty());
    EXPECT_EQ(StoreFigures::read(file).documents, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StoreDamageAtOpen,
    ::testing::Values(DamageCase{"LeafOfTheFullTextIndexCheckedInFull",
                                 [](const QString& file) { damageFullTextLeaf(file); },
                                 IndexStore::OpenCheck::Full},
                      DamageCase{"StructureOfTheFullTextIndexCheckedInFull",
                                 [](const QString& file) { damageFullTextStructure(file); },
                                 IndexStore::OpenCheck::Full},
                      DamageCase{"LeafOfTheFullTextIndexAfterAnUncleanStop",
                                 [](const QString& file) {
                                     damageFullTextLeaf(file);
                                     stopUncleanly(file);
                                 }},
                      DamageCase{"MarkedByAReader", [](const QString& file) {
                                     StoreDamage::mark(file, "database disk image is malformed");
                                 }}));

TEST(StoreDamage, MetByAReaderMarksTheStoreAndTheFiguresSayIt) {
    TempDir dir;
    const QString file = writeStore(dir);
    damageFullTextLeaf(file);
    EXPECT_TRUE(StoreFigures::read(file).damage.isEmpty()); // not met yet
    {
        SqliteDatabase db(file, SqliteDatabase::Mode::ReadOnly);
        SqliteStatement query(db, "SELECT count(*) FROM fulltext WHERE fulltext MATCH "
                                  "'w* OR l* OR i* OR d* OR s* OR a* OR wor* OR lor* OR ips*'");
        EXPECT_THROW(query.step(), StoreDamagedError);
    }
    EXPECT_TRUE(StoreFigures::read(file).damage.contains("is rebuilt"));
}

} // namespace
