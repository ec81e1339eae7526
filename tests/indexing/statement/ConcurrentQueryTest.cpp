// Queries while another connection writes the same store: every query
// succeeds and sees whole documents only (each writer transaction adds a
// pair of documents, so every count a reader sees is even).
#include "statement/CatalogFixture.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace tessellon;

namespace {

TEST(ConcurrentQuery, ReadersSeeWholeCommittedDocumentsWhileAWriterWrites) {
    CatalogFixture fixture;
    fixture.addCatalog("System", {});
    std::atomic<bool> stop = false;
    std::atomic<int> pairs = 0;
    std::thread writer([&] {
        IndexStoreBuilder store(fixture.storeFile("System"));
        for (int i = 0; !stop && i < 5000; ++i) {
            store.begin();
            for (int half = 0; half < 2; ++half) {
                StoredDocument d;
                d.path = QStringLiteral("/data/pair%1-%2.txt").arg(i).arg(half).toUtf8();
                d.text = QStringLiteral("paired words number %1").arg(i);
                store.insert(d);
            }
            store.commit();
            ++pairs;
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
    });

    while (pairs == 0)
        std::this_thread::yield();
    int queries = 0;
    while (queries < 90) {
        for (const char* statement :
             {"SELECT Path FROM SCOPE() WHERE CONTAINS('paired')",
              "SELECT Path FROM SCOPE() WHERE MATCHES(Filename, 'pair*.txt')",
              "SELECT Path FROM SCOPE() WHERE FREETEXT('words') ORDER BY Filename"}) {
            const auto records = fixture.provider().execute(QString(), statement, 0);
            ASSERT_EQ(records->recordCount() % 2, 0) << statement;
            ++queries;
        }
    }
    stop = true;
    writer.join();
    EXPECT_GT(pairs, 1);
    EXPECT_EQ(fixture.paths("SELECT Path FROM SCOPE() WHERE CONTAINS('paired')").size(), 2 * pairs);
}

} // namespace
