#include "common/Error.h"
#include "common/PathCodec.h"
#include "indexing/store/DocumentTokenizer.h"
#include "indexing/store/IndexStore.h"
#include "indexing/store/SqliteDatabase.h"
#include "indexing/store/StoreFigures.h"
#include "indexing/store/StoreSchema.h"
#include "indexing/store/TermIds.h"
#include "indexing/store/TermPacker.h"
#include "indexing/store/TextSummary.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tessellon;

TEST(TermIds, FindsEveryTermThroughGrowthAndNothingElse) {
    TermIds ids;
    EXPECT_EQ(ids.find("a"), -1);
    std::vector<std::string> terms;
    for (int i = 0; i < 5000; ++i)
        terms.push_back("t" + std::to_string(i * 7919));
    terms.push_back("");
    for (std::size_t i = 0; i < terms.size(); ++i)
        ids.insert(terms[i], std::uint32_t(i));
    EXPECT_EQ(ids.size(), terms.size());
    for (std::size_t i = 0; i < terms.size(); ++i)
        ASSERT_EQ(ids.find(terms[i]), std::int64_t(i)) << terms[i];
    for (const char* absent : {"t1", "t", "t00", "T0", "t0 "})
        EXPECT_EQ(ids.find(absent), -1) << absent;
    ids.clear();
    EXPECT_EQ(ids.find("t0"), -1);
}

TEST(TermPacker, KeepsTheDistinctTermsAndTheirNumber) {
    SqliteDatabase db(":memory:", SqliteDatabase::Mode::ReadWrite);
    TermPacker packer(db.handle());
    const auto pack = [&](const QByteArray& text) { return packer.pack(packer.tokenize(text)); };
    const QByteArray longTerm = QByteArray("y").repeated(40);
    const QByteArray packed = pack("The THE the; Ärger — " + longTerm + " x1.5");
    // Distinct terms (numbered ones in the order of their numbers, then the
    // spelled-out ones), then the shortest repeated up to the count of 7.
    EXPECT_EQ(packer.unpack(packed), "the arger x1 5 " + longTerm + " 5 5");
    const auto fresh = packer.takeNewTerms();
    QList<QByteArray> numbered;
    for (const auto& [id, term] : fresh) {
        EXPECT_EQ(id, numbered.size());
        numbered << term;
    }
    EXPECT_EQ(numbered, QList<QByteArray>({"the", "arger", "x1", "5"}));
    EXPECT_TRUE(packer.takeNewTerms().isEmpty());
    EXPECT_EQ(packer.unpack(pack("")), "");
    EXPECT_EQ(packer.unpack(pack("5 5 5")), "5 5 5");
    // A long term met once and a short one met often unpack to no more than
    // the text itself.
    const QByteArray lopsided = QByteArray("z").repeated(10000) + QByteArray(" ab").repeated(3000);
    EXPECT_LE(packer.unpack(pack(lopsided)).size(), lopsided.size());

    // A packer that loads the saved list reads the same packed bytes; one
    // without the list, or damaged bytes, give an error instead of terms.
    TermPacker reloaded(db.handle());
    reloaded.load(numbered);
    EXPECT_EQ(reloaded.unpack(packed), packer.unpack(packed));
    EXPECT_THROW(TermPacker(db.handle()).unpack(packed), Error);
    // Damaged: cut short, more distinct terms than terms, a varint that does
    // not end, and counts far beyond any text (2^40, 2^31 - 1) ahead of a
    // spelled-out term.
    for (const QByteArray& damaged : {packed.left(3), QByteArray("\x02\x05"), QByteArray("\x80"),
                                      QByteArray::fromHex("8080808080200001"
                                                          "61"),
                                      QByteArray::fromHex("ffffffff070001"
                                                          "61"),
                                      // An empty term, which would pad 268 million times.
                                      QByteArray::fromHex("9aa5ff7f0000")})
        EXPECT_THROW(packer.unpack(damaged), Error) << damaged.toHex().constData();
    // A million terms, one of them distinct: the padding is the term a
    // million times.
    EXPECT_EQ(packer.unpack(QByteArray::fromHex("c0843d000161")),
              "a" + QByteArray(" a").repeated(999999));
}

TEST(DocumentTokenizer, HandsTheIndexTheGivenTokensOnlyForTheExpectedDocumentText) {
    SqliteDatabase db(":memory:", SqliteDatabase::Mode::ReadWrite);
    TermPacker packer(db.handle());
    DocumentTokenizer& tokenizer = DocumentTokenizer::installOn(db.handle());
    db.exec("CREATE VIRTUAL TABLE same USING fts5(a, b, "
            "tokenize = 'unicode61 remove_diacritics 2');"
            "CREATE VIRTUAL TABLE other USING fts5(a, b, tokenize = 'unicode61');");
    // Tokens that differ from the text's own, so that the test sees which
    // the index took.
    const TextTokens given = packer.tokenize("handed over");
    struct Case {
        const char* table;
        QByteArray expected; // the text the tokens are expected for
        QByteArray a, b;
        QStringList found, absent;
    };
    const Case cases[] = {
        {"same",
         "plain text",
         "plain text",
         "plain text",
         {"handed", "over", "plain"},
         {}}, // column b: the real tokenizer
        {"same", "other text", "plain text", "", {"plain"}, {"handed"}},
        {"same", "plain tex", "plain text", "", {"plain"}, {"handed"}},
        {"other", "plain text", "plain text", "", {"plain"}, {"handed"}},
    };
    std::int64_t rowid = 0;
    for (const Case& c : cases) {
        ++rowid;
        SqliteStatement insert(
            db, QStringLiteral("INSERT INTO %1 (rowid, a, b) VALUES (?1, ?2, ?3)").arg(c.table));
        insert.bind(1, rowid).bindUtf8View(2, c.a).bindUtf8View(3, c.b);
        tokenizer.expect(c.expected, given);
        insert.run();
        tokenizer.done();
        const auto has = [&](const QString& word) {
            SqliteStatement q(
                db, QStringLiteral("SELECT count(*) FROM %1 WHERE %1 MATCH ?1 AND rowid = ?2")
                        .arg(c.table));
            q.bind(1, word).bind(2, rowid);
            return q.step() && q.integer(0) == 1;
        };
        for (const QString& word : c.found)
            EXPECT_TRUE(has(word))
                << c.table << " " << c.expected.constData() << " " << word.toStdString();
        for (const QString& word : c.absent)
            EXPECT_FALSE(has(word))
                << c.table << " " << c.expected.constData() << " " << word.toStdString();
    }
}

TEST(DocumentTokenizer, IsWhatTheStoreWriterIndexesDocumentTextsWith) {
    // The store's table tokenizes as the filter threads do...
    const QByteArray tokenize = QByteArray("tokenize = 'unicode61 ") + TokenizerArguments[0] + ' ' +
                                TokenizerArguments[1] + "'";
    EXPECT_TRUE(QByteArray(StoreSchema::CreateStatements).contains(tokenize));

    // ...so the writer hands it the record's tokens: here another text's, to
    // see which the index took.
    TempDir dir;
    const QString file = dir.filePath("index.sqlite3");
    {
        IndexStore store(file);
        DocumentRecord record;
        record.facts.path = "/docs/a.txt";
        record.facts.directory = "/docs";
        record.facts.filename = "a.txt";
        record.content.state = FilterState::Filtered;
        record.content.text = "original words";
        store.pack(record);
        SqliteDatabase scratch(":memory:", SqliteDatabase::Mode::ReadWrite);
        record.tokens = TermPacker(scratch.handle()).tokenize("handed over");
        store.begin();
        store.put(std::move(record), 0);
        store.commit();
    }
    SqliteDatabase db(file, SqliteDatabase::Mode::ReadOnly);
    const auto matches = [&](const char* word) {
        SqliteStatement q(db, "SELECT count(*) FROM fulltext WHERE fulltext MATCH ?1");
        q.bind(1, QString::fromLatin1(word));
        return q.step() && q.integer(0) == 1;
    };
    EXPECT_TRUE(matches("handed"));
    EXPECT_FALSE(matches("original"));
}

TEST(StoreFigures, ReadEmptyWhenMissingAndFailOnGarbage) {
    TempDir dir;
    const StoreFigures none = StoreFigures::read(dir.filePath("none.sqlite3"));
    EXPECT_EQ(none.documents, 0);
    EXPECT_FALSE(none.scanComplete);
    const QString garbage = dir.write("bad.sqlite3", QByteArray(4096, 'z'));
    EXPECT_THROW(StoreFigures::read(garbage), FileError);
}

TEST(TextSummary, TakesWholeFirstSentences) {
    EXPECT_EQ(TextSummary::characterization("  One   two.\n Three!  "), "One two. Three!");
    const QString longText = QString("word ").repeated(40) + ". " + QString("more ").repeated(40);
    const QString summary = TextSummary::characterization(longText);
    EXPECT_TRUE(summary.endsWith('.')) << summary.toStdString();
    EXPECT_LE(summary.size(), 250);
}
