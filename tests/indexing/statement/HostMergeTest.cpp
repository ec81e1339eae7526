// Statements over catalogs of several computers: each computer answers its
// part, and the merged answer is the one a single engine over all those
// catalogs gives, row for row and value for value.
#include "statement/CatalogFixture.h"
#include "support/QtPrinters.h"

#include "common/Error.h"
#include "indexing/statement/HostParts.h"
#include "indexing/statement/HostStatements.h"
#include "indexing/statement/Parser.h"

#include <QElapsedTimer>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <random>
#include <thread>

using namespace tessellon;
using namespace tessellon::statement;

namespace {

// Other computers in process: each host's engine over its own catalogs.
class FakeHosts : public HostStatements {
public:
    void add(const QString& host, CatalogFixture& files, const QStringList& catalogs) {
        Host& h = hosts_[host.toLower()];
        for (const QString& name : catalogs)
            h.catalogs.add(name, files.storeFile(name));
        h.engine = std::make_unique<IndexQueryProvider>(h.catalogs, host);
    }
    OrderedAnswer ask(const QString& host, const QString& statement, int maxRecords,
                      Cancellation& cancellation) override {
        if (host.compare(slowHost, Qt::CaseInsensitive) == 0) {
            // Answers after ten seconds, unless called off before.
            QElapsedTimer clock;
            clock.start();
            while (!cancellation.cancelled() && clock.elapsed() < 10000)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            if (cancellation.cancelled())
                throw ProviderError("called off");
        }
        const auto h = hosts_.find(host.toLower());
        if (h == hosts_.end())
            throw ProviderError(QStringLiteral("no host ") + host);
        {
            const std::lock_guard lock(mutex_);
            asked.push_back(statement);
        }
        OrderedAnswer answer = h->second.engine->answer(statement, maxRecords, true);
        if (tamper)
            tamper(answer);
        return answer;
    }
    std::function<void(OrderedAnswer&)> tamper; // a host that answers wrongly
    QString slowHost;
    QStringList asked; // in the order the hosts were asked, which varies

private:
    std::mutex mutex_;
    struct Host {
        FakeCatalogs catalogs;
        std::unique_ptr<IndexQueryProvider> engine;
    };
    std::map<QString, Host> hosts_;
};

std::vector<CorpusFile> corpus(const QString& folder, int seed) {
    std::vector<CorpusFile> files;
    const QStringList names = {"Report.txt", "report.TXT", "Ärger.txt", "ärger.md", "budget.xls",
                               "zeta.txt",   "Alpha.doc",  "alpha.doc", "notes.tmp"};
    const QStringList texts = {"budget report travel",  "report report", "travel", "budget",
                               "invoice budget report", "nothing here"};
    for (int i = 0; i < 12; ++i) {
        const int n = (i * 5 + seed) % int(names.size());
        files.emplace_back(
            folder + "/" + QString::number(i % 2) + "/" + names[n],
            texts[(i + seed) % texts.size()],
            QStringLiteral("2014-06-%1 12:00:00").arg(1 + (i * seed) % 3, 2, 10, QLatin1Char('0')),
            1000 * ((i + seed) % 4), 0xA0, i % 2 ? "Title " + names[n] : QString(),
            i % 4 ? QStringList() : QStringList{"k" + QString::number(seed)});
    }
    return files;
}

class HostMerge : public ::testing::Test {
protected:
    HostMerge() : routed(local, QStringLiteral("thisbox"), &hosts) {
        for (const auto& [name, seed] : {std::pair{"A", 1}, {"B", 2}, {"C", 3}, {"Z", 4}})
            files.addCatalog(name, corpus(name, seed));
        hosts.add("H1", files, {"A", "C"});
        // Alike documents whose ids run against their paths' order.
        files.addCatalog("T", {{"T/z.txt", "alpha"},
                               {"T/y.txt", "alpha"},
                               {"T/x.txt", "alpha"},
                               {"T/w.txt", "alpha"}});
        hosts.add("H2", files, {"B", "T"});
        local.add("Z", files.storeFile("Z"));
    }

    CatalogFixture files; // its own engine knows every catalog
    FakeHosts hosts;
    FakeCatalogs local;
    IndexQueryProvider routed;
};

// The rows of both answers, value for value.
void expectSameAnswer(const RecordSet& merged, const RecordSet& whole) {
    ASSERT_EQ(merged.fieldNames(), whole.fieldNames());
    ASSERT_EQ(merged.recordCount(), whole.recordCount());
    for (int r = 1; r <= whole.recordCount(); ++r)
        for (const QString& name : whole.fieldNames())
            ASSERT_EQ(merged.field(r, name), whole.field(r, name)) << name.toStdString() << r;
}

TEST_F(HostMerge, RandomStatementsMergeAsOneEngineAnswers) {
    const QStringList columns = {"Path",     "Filename", "Size",      "Write",  "Rank",
                                 "HitCount", "DocTitle", "Directory", "WorkId", "DocKeywords"};
    const QStringList sortable = columns.mid(0, 8);
    const QStringList conditions = {"",
                                    " WHERE CONTAINS(All, 'report')",
                                    " WHERE CONTAINS('budget OR travel')",
                                    " WHERE FREETEXT('budget report')",
                                    " WHERE Size > 1000",
                                    " WHERE Filename LIKE '%.txt' AND CONTAINS('report')",
                                    " WHERE NOT CONTAINS('budget')"};
    // Each source as the routed statement names it, and as one engine does.
    const QString half = "SCOPE('" + files.root() + "/%1/1')";
    const std::pair<QString, QString> sources[] = {
        {"H1.A..SCOPE()", "A..SCOPE()"},
        {"h2.B..SCOPE()", "B..SCOPE()"},
        {"Z..SCOPE()", "Z..SCOPE()"},
        {"H1.C..SCOPE()", "C..SCOPE()"},
        {"thisbox.Z..SCOPE()", "Z..SCOPE()"},
        {"H1.A.." + half.arg("A"), "A.." + half.arg("A")},
        {"H2.B.." + half.arg("B"), "B.." + half.arg("B")},
        {"Z.." + half.arg("Z"), "Z.." + half.arg("Z")}};
    std::mt19937 random(20261209);
    const auto pick = [&random](const auto& list) { return list[random() % list.size()]; };
    // Alike matches at the cut, in a catalog without a scope beside one with.
    const QString alike = "SELECT Path FROM (TABLE H1.A.." + half.arg("A") +
                          " UNION ALL TABLE H2.T..SCOPE()) WHERE CONTAINS('alpha')";
    for (int limit = 1; limit <= 4; ++limit)
        expectSameAnswer(*routed.execute(QString(), alike, limit),
                         *files.provider().execute(
                             QString(), QString(alike).remove("H1.").remove("H2."), limit));
    for (int round = 0; round < 200; ++round) {
        QStringList select;
        for (int n = 1 + random() % 3; n > 0; --n)
            select << pick(columns);
        QStringList order;
        for (int n = random() % 3; n > 0; --n)
            order << pick(sortable) + (random() % 2 ? " DESC" : "");
        QStringList routedSources, wholeSources;
        for (int n = 1 + random() % 4; n > 0; --n) {
            const auto& [named, catalog] = sources[random() % std::size(sources)];
            routedSources << "TABLE " + named;
            wholeSources << "TABLE " + catalog;
        }
        const QString tail =
            pick(conditions) + (order.isEmpty() ? QString() : " ORDER BY " + order.join(", "));
        const QString head = "SELECT " + select.join(", ") + " FROM (";
        const QString routedText = head + routedSources.join(" UNION ALL ") + ")" + tail;
        const QString wholeText = head + wholeSources.join(" UNION ALL ") + ")" + tail;
        const int limit = std::vector{0, 1, 2, 5, 13}[random() % 5];
        SCOPED_TRACE(routedText.toStdString() + " limit " + std::to_string(limit));
        expectSameAnswer(*routed.execute(QString(), routedText, limit),
                         *files.provider().execute(QString(), wholeText, limit));
    }
}

TEST_F(HostMerge, EachHostGetsItsOwnCatalogsWithPositionsKept) {
    const struct {
        QString statement;
        QStringList asked; // one per host, sorted
    } cases[] = {
        {"SELECT Path FROM H2.B..SCOPE() ORDER BY Path",
         {"SELECT Path FROM    B..SCOPE() ORDER BY Path"}},
        {"SELECT Path FROM (TABLE H1.A..SCOPE() UNION ALL TABLE Z..SCOPE() UNION ALL TABLE "
         "H2.B..SCOPE() UNION ALL TABLE H1.C..SCOPE('/x'))",
         {"SELECT Path FROM (" + QString(57, ' ') + "TABLE    B..SCOPE()" + QString(34, ' ') + ")",
          "SELECT Path FROM (TABLE    A..SCOPE()" + QString(58, ' ') +
              "UNION ALL TABLE    C..SCOPE('/x'))"}},
        {"SELECT Path\nFROM (TABLE Z..SCOPE()\nUNION ALL\nTABLE H2.B..SCOPE())",
         {"SELECT Path\nFROM (                \n         \nTABLE    B..SCOPE())"}},
    };
    for (const auto& c : cases) {
        hosts.asked.clear();
        routed.execute(QString(), c.statement, 0);
        hosts.asked.sort();
        EXPECT_EQ(hosts.asked, c.asked) << c.statement.toStdString();
    }
    // A host's error points where the whole statement has the fault.
    const QString text = "SELECT Path FROM (TABLE Z..SCOPE() UNION ALL TABLE H1.Nope..SCOPE())";
    try {
        routed.execute(QString(), text, 0);
        ADD_FAILURE() << "no error";
    } catch (const ProviderError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unknown catalog 'Nope' (at position %1)")
                                   .arg(text.indexOf("Nope") + 1));
    }
}

TEST_F(HostMerge, AHostThatFailsFailsTheWholeStatement) {
    const QString unknown = "SELECT Path FROM (TABLE H1.A..SCOPE() UNION ALL TABLE Nope..SCOPE())";
    const struct {
        QString statement;
        QString message;
    } cases[] = {
        {"SELECT Path FROM (TABLE H1.A..SCOPE() UNION ALL TABLE Elsewhere.Q..SCOPE())",
         "no host Elsewhere"},
        {unknown, QStringLiteral("Unknown catalog 'Nope' (at position %1)")
                      .arg(unknown.indexOf("Nope") + 1)},
    };
    // Whatever fails first calls off a slow host, and its message stands.
    for (const QString& slow : {QString(), QStringLiteral("H1")}) {
        hosts.slowHost = slow;
        for (const auto& c : cases) {
            QElapsedTimer clock;
            clock.start();
            try {
                routed.execute(QString(), c.statement, 0);
                ADD_FAILURE() << c.statement.toStdString();
            } catch (const ProviderError& e) {
                EXPECT_EQ(e.message(), c.message);
            }
            EXPECT_LT(clock.elapsed(), 5000) << c.statement.toStdString();
        }
    }
    hosts.slowHost.clear();
    // An answer that does not fit the statement is refused, never merged.
    const std::function<void(OrderedAnswer&)> tampered[] = {
        [](OrderedAnswer& a) { a.places.pop_back(); },
        [](OrderedAnswer& a) { a.places.front().pop_back(); },
        [](OrderedAnswer& a) { a.places.front()[1] = std::int64_t(7); },
        [](OrderedAnswer& a) { a.places.front()[1] = QByteArray("0"); },
        [](OrderedAnswer& a) { a.rows.front().pop_back(); },
        [](OrderedAnswer& a) { a.names.pop_back(); },
        [](OrderedAnswer& a) { std::swap(a.places.front(), a.places.back()); },
    };
    for (const auto& tamper : tampered) {
        hosts.tamper = tamper;
        EXPECT_THROW(routed.execute(QString(),
                                    "SELECT Path, Size FROM (TABLE H2.B..SCOPE() UNION ALL "
                                    "TABLE Z..SCOPE()) ORDER BY Filename",
                                    0),
                     ProviderError);
    }
    IndexQueryProvider alone(local, QStringLiteral("thisbox"));
    EXPECT_THROW(alone.execute(QString(), "SELECT Path FROM H1.A..SCOPE()", 0), ProviderError);
}

} // namespace
