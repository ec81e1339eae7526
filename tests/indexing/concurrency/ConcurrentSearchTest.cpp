// Four processes search a catalog while a rescan rewrites it, and again while
// the daemon follows files being added, changed and removed: every statement
// succeeds, every row names a file or folder that existed, and no statement
// waits long for the writer. The writer commits at least every second and a
// reader never waits for it to read; the bound below only catches a reader
// that waits for a lock until its busy timeout runs out.
#include "ServiceSandbox.h"

#include "indexing/store/StoreFigures.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QThread>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

using namespace tessellon;

namespace {

constexpr int ProbeCount = 4;
constexpr int QueriesEach = 500;
constexpr int Folders = 20;
constexpr int Files = 2000;
constexpr qint64 WorstLatencyMs = 3000;

// The corpus: file i holds the word "word<i>", each write a word of its own.
class Corpus {
public:
    explicit Corpus(ServiceSandbox& sandbox) : sandbox_(sandbox) {
        for (int f = 0; f < Folders; ++f)
            existed_.insert(sandbox_.dir().mkdir(QStringLiteral("corpus/d%1").arg(f)));
    }

    QString scope() const { return sandbox_.dir().filePath(QStringLiteral("corpus")); }
    const QSet<QString>& everExisted() const { return existed_; }
    int words() const { return nextWord_; }

    // Writes file n afresh with a new word, and up to `filler` times 18
    // bytes of filler.
    void write(int n, int filler = 10) {
        const QByteArray text = "common filler " +
                                QByteArray("lorem ipsum dolor ").repeated(n % 97 * filler / 96) +
                                "word" + QByteArray::number(nextWord_++) + '\n';
        existed_.insert(sandbox_.dir().write(name(n), text));
    }
    void remove(int n) { QFile::remove(sandbox_.dir().filePath(name(n))); }

private:
    static QString name(int n) {
        return QStringLiteral("corpus/d%1/f%2.txt").arg(n % Folders).arg(n);
    }

    ServiceSandbox& sandbox_;
    QSet<QString> existed_;
    int nextWord_ = 0;
};

struct Findings {
    int exitCode = -1;
    QStringList errors;
    QStringList paths;
    qint64 median = 0, p95 = 0, worst = 0;
};

class Probes {
public:
    explicit Probes(int words) {
        for (int i = 0; i < ProbeCount; ++i) {
            processes_.push_back(std::make_unique<QProcess>());
            processes_.back()->start(ServiceSandbox::binary(QStringLiteral("query-probe")),
                                     {QStringLiteral("Docs"), QString::number(QueriesEach),
                                      QString::number(words), QString::number(i + 1)});
        }
    }

    bool running() {
        return std::any_of(processes_.begin(), processes_.end(), [](const auto& p) {
            p->waitForFinished(1);
            return p->state() != QProcess::NotRunning;
        });
    }

    std::vector<Findings> finish() {
        std::vector<Findings> all;
        for (const auto& p : processes_) {
            Findings f;
            p->waitForFinished(120000);
            if (p->state() == QProcess::NotRunning && p->exitStatus() == QProcess::NormalExit)
                f.exitCode = p->exitCode();
            for (const QByteArray& line : p->readAllStandardOutput().split('\n')) {
                const QString text = QString::fromUtf8(line);
                if (text.startsWith(QLatin1String("error ")))
                    f.errors << text.mid(6);
                else if (text.startsWith(QLatin1String("path ")))
                    f.paths << text.mid(5);
                else if (text.startsWith(QLatin1String("latency "))) {
                    const QStringList ms = text.mid(8).split(' ');
                    f.median = ms.value(0).toLongLong();
                    f.p95 = ms.value(1).toLongLong();
                    f.worst = ms.value(2).toLongLong();
                }
            }
            all.push_back(f);
        }
        return all;
    }

private:
    std::vector<std::unique_ptr<QProcess>> processes_;
};

void expectSound(const std::vector<Findings>& findings, const Corpus& corpus, const char* while_) {
    for (const Findings& f : findings) {
        EXPECT_EQ(f.exitCode, 0) << while_;
        EXPECT_TRUE(f.errors.isEmpty()) << while_ << ": " << f.errors.size() << " failed, first "
                                        << f.errors.value(0).toStdString();
        EXPECT_FALSE(f.paths.isEmpty()) << while_;
        for (const QString& path : f.paths)
            EXPECT_TRUE(corpus.everExisted().contains(path))
                << while_ << ": " << path.toStdString();
        EXPECT_LT(f.worst, WorstLatencyMs) << while_;
        std::printf("%s: latency median %lld ms, 95th percentile %lld ms, worst %lld ms\n", while_,
                    f.median, f.p95, f.worst);
    }
}

// The catalog Docs over a corpus of small files.
class ConcurrentSearch : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = 0; n < Files; ++n)
            corpus.write(n);
        ASSERT_EQ(sandbox.admin({"add", "Docs", "--scope", corpus.scope()}).exitCode, 0);
    }

    ServiceSandbox sandbox;
    Corpus corpus{sandbox};
};

TEST_F(ConcurrentSearch, SearchesDuringARescanSeeOnlyRealFilesAndNeverWaitLong) {
    ASSERT_EQ(sandbox.admin({"rescan", "Docs"}).exitCode, 0);
    // Rescan after rescan until the searches are done, each after a few
    // hundred files changed, went or came back.
    QProcess rescan;
    int rescans = 0;
    const auto startRescan = [&] {
        for (int i = 0; i < 300; ++i) {
            const int n = (rescans * 300 + i) % (Files + Files / 10);
            if (i % 10 == 3)
                corpus.remove(n);
            else
                corpus.write(n, 600);
        }
        ++rescans;
        rescan.start(ServiceSandbox::binary(QStringLiteral("tessellon-admin")),
                     {QStringLiteral("rescan"), QStringLiteral("Docs")});
    };
    startRescan();
    Probes probes(corpus.words() + 300 * 20);
    while (probes.running()) {
        if (rescan.waitForFinished(1)) {
            EXPECT_EQ(rescan.exitCode(), 0) << rescan.readAllStandardError().toStdString();
            startRescan();
        }
    }
    const std::vector<Findings> findings = probes.finish();
    rescan.waitForFinished(120000);
    ASSERT_EQ(rescan.state(), QProcess::NotRunning);
    EXPECT_EQ(rescan.exitCode(), 0);
    std::printf("%d rescans ran during the searches\n", rescans);
    expectSound(findings, corpus, "during a rescan");
}

TEST_F(ConcurrentSearch, SearchesWhileTheDaemonFollowsChangesSeeOnlyRealFilesAndNeverWaitLong) {
    ASSERT_EQ(sandbox.admin({"service", "start"}).exitCode, 0);
    ASSERT_TRUE(waitUntil(
        [&] {
            const StoreFigures f = sandbox.figures("Docs");
            return f.scanComplete && f.documents == Files + Folders;
        },
        60000));
    Probes probes(corpus.words());
    // Files come, change and go until the searches are done.
    for (int step = 0; probes.running(); ++step) {
        corpus.write(Files + step);
        corpus.write((step * 7) % Files);
        corpus.remove((step * 13 + 5) % Files);
        QThread::msleep(20);
    }
    const std::vector<Findings> findings = probes.finish();
    EXPECT_EQ(sandbox.admin({"service", "stop"}).exitCode, 0);
    expectSound(findings, corpus, "while the daemon follows changes");
}

} // namespace
