// crash-harness: kills `tessellon-admin rescan` and the indexing daemon with
// SIGKILL at random moments over a generated corpus, with files added,
// changed, removed and folders moved between the runs (and, for the daemon,
// while it runs), and checks after every kill:
//   - the store carries no damage mark and opens without being rebuilt (a
//     copy of it is opened by the store's writer with its full check);
//   - SQLite's integrity_check of the store says "ok";
//   - a clean rescan succeeds and leaves the store holding exactly the files
//     and folders on disk, each file the harness wrote found by its newest
//     unique word and no word of a file changed or removed found at all.
// A store that fails a check is kept under WORK/failures and rebuilt, so the
// rounds after it start sound. Exits with 1 when any check failed.
//
//   crash-harness [--work DIR] [--kills N] [--files N] [--median-words W]
//                 [--seed S] [--minutes M] [--large PERCENT] [--quick]
#include "indexing/registry/ServicePaths.h"
#include "indexing/store/IndexStore.h"
#include "indexing/store/SqliteDatabase.h"
#include "indexing/store/StoreDamage.h"
#include "indexing/store/StoreFigures.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <unistd.h>

using namespace tessellon;

namespace {

const QString CatalogName = QStringLiteral("Crash");

class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}
    int below(int n) { return n <= 0 ? 0 : int(engine_() % std::uint64_t(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    double uniform() { return double(engine_() >> 11) * (1.0 / 9007199254740992.0); }

private:
    std::mt19937_64 engine_;
};

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// The corpus as the harness changed it: every file and folder below the
// root (relative paths), and the unique word of each file the harness wrote.
class Corpus {
public:
    explicit Corpus(QString root) : root_(std::move(root)) {
        QDirIterator it(root_, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QString relative = it.filePath().mid(root_.size() + 1);
            (it.fileInfo().isDir() ? folders_ : files_) << relative;
        }
    }

    struct Edits {
        int added = 0, changed = 0, removed = 0, moved = 0;
        QString text() const {
            return QStringLiteral("+%1 ~%2 -%3 mv%4")
                .arg(added)
                .arg(changed)
                .arg(removed)
                .arg(moved);
        }
        Edits& operator+=(const Edits& o) {
            added += o.added;
            changed += o.changed;
            removed += o.removed;
            moved += o.moved;
            return *this;
        }
    };

    // Large rounds give a killed run thousands of documents to filter;
    // small ones kill it in the crawl or in its first transactions.
    Edits edit(Random& random, bool large) {
        Edits e;
        const int scale = large ? 2000 : 60;
        for (int n = random.between(0, scale / 4); n > 0; --n, ++e.added)
            add(random);
        for (int n = random.between(0, scale); n > 0 && !files_.isEmpty(); --n, ++e.changed)
            write(files_[random.below(int(files_.size()))], random);
        for (int n = random.between(0, scale / 4); n > 0 && !files_.isEmpty(); --n, ++e.removed)
            removeAt(random.below(int(files_.size())));
        for (int n = random.between(0, large ? 2 : 1); n > 0; --n)
            e.moved += moveFolder(random) ? 1 : 0;
        return e;
    }

    const QHash<QString, QString>& words() const { return words_; }
    const QStringList& retired() const { return retired_; }
    QString absolute(const QString& relative) const { return root_ + '/' + relative; }

private:
    void add(Random& random) {
        QString folder =
            folders_.isEmpty() ? QString() : folders_[random.below(int(folders_.size()))];
        if (random.below(10) == 0) {
            folder = (folder.isEmpty() ? QString() : folder + '/') +
                     QStringLiteral("new%1").arg(nextFolder_++);
            QDir().mkpath(absolute(folder));
            folders_ << folder;
        }
        const QString file = (folder.isEmpty() ? QString() : folder + '/') +
                             QStringLiteral("added%1.txt").arg(nextFile_++);
        files_ << file;
        write(file, random);
    }

    // Writes the file afresh with a word no other file ever had.
    void write(const QString& file, Random& random) {
        static const char* const filler[] = {"lorem",  "ipsum", "dolor", "sit",    "amet",
                                             "tempor", "magna", "velit", "fugiat", "culpa"};
        const QString word = QStringLiteral("zq%1x").arg(nextWord_++);
        QByteArray text;
        for (int n = random.between(1, 400); n > 0; --n)
            text += QByteArray(filler[random.below(std::size(filler))]) + ' ';
        text += word.toUtf8() + '\n';
        QFile f(absolute(file));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(absolute(file)));
        const auto old = words_.constFind(file);
        if (old != words_.cend())
            retired_ << *old;
        words_.insert(file, word);
    }

    void removeAt(int index) {
        const QString file = files_[index];
        QFile::remove(absolute(file));
        files_.swapItemsAt(index, files_.size() - 1);
        files_.removeLast();
        if (words_.contains(file))
            retired_ << words_.take(file);
    }

    bool moveFolder(Random& random) {
        if (folders_.isEmpty())
            return false;
        const QString from = folders_[random.below(int(folders_.size()))];
        QString parent =
            random.below(4) == 0 ? QString() : folders_[random.below(int(folders_.size()))];
        if (parent == from || parent.startsWith(from + '/'))
            parent = QString();
        const QString to = (parent.isEmpty() ? QString() : parent + '/') +
                           QStringLiteral("moved%1").arg(nextFolder_++);
        if (::rename(QFile::encodeName(absolute(from)).constData(),
                     QFile::encodeName(absolute(to)).constData()) != 0)
            return false;
        const auto rebase = [&](const QString& path) {
            if (path == from)
                return to;
            return path.startsWith(from + '/') ? to + path.mid(from.size()) : path;
        };
        for (QString& f : files_)
            f = rebase(f);
        for (QString& f : folders_)
            f = rebase(f);
        QHash<QString, QString> words;
        for (auto it = words_.cbegin(); it != words_.cend(); ++it)
            words.insert(rebase(it.key()), it.value());
        words_ = std::move(words);
        return true;
    }

    QString root_;
    QStringList files_, folders_;
    QHash<QString, QString> words_;
    QStringList retired_;
    int nextWord_ = 0, nextFile_ = 0, nextFolder_ = 0;
};

struct Run {
    int exitCode = -1;
    QString out, err;
    qint64 ms = 0;
};

Run admin(const QStringList& args, int timeoutMs = 600000) {
    QElapsedTimer clock;
    clock.start();
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tessellon-admin"), args);
    Run r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("timed out");
    } else if (p.exitStatus() == QProcess::NormalExit) {
        r.exitCode = p.exitCode();
    }
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err += QString::fromUtf8(p.readAllStandardError());
    r.ms = clock.elapsed();
    return r;
}

// True once nobody holds an exclusive lock on the file (a killed process's
// locks go with its last descriptor).
bool lockFree(const QString& file) {
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool free = ::flock(fd, LOCK_SH | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

bool waitForLocks(const QString& storeFile) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        if (lockFree(storeFile + QStringLiteral(".writer")) &&
            lockFree(ServicePaths::daemonLockFile()))
            return true;
        QThread::msleep(10);
    }
    return false;
}

const char* const StoreSuffixes[] = {"", "-wal", "-shm"};

void copyStore(const QString& storeFile, const QString& to) {
    for (const char* suffix : StoreSuffixes) {
        QFile::remove(to + QLatin1String(suffix));
        QFile::copy(storeFile + QLatin1String(suffix), to + QLatin1String(suffix));
    }
}

// What a killed writer left: checked before anything else opens the store.
QStringList checkAfterKill(const QString& storeFile, const QString& probeDir) {
    QStringList problems;
    if (!QFile::exists(storeFile))
        return problems; // killed before it made the store
    const QString mark = StoreDamage::marked(storeFile);
    if (!mark.isEmpty())
        problems << QStringLiteral("the store carries a damage mark: %1").arg(mark);
    // The next writer's open, on a copy, so the real store keeps the state
    // the kill left for the clean rescan.
    QDir(probeDir).removeRecursively();
    QDir().mkpath(probeDir);
    const QString probe = probeDir + QStringLiteral("/index.sqlite3");
    copyStore(storeFile, probe);
    try {
        IndexStore opened(probe, IndexStore::OpenCheck::Full);
        if (!opened.notice().isEmpty())
            problems << QStringLiteral("opening rebuilt the store: %1").arg(opened.notice());
    } catch (const std::exception& e) {
        problems << QStringLiteral("the store cannot be opened: %1").arg(errorMessage(e));
    }
    try {
        SqliteDatabase db(storeFile, SqliteDatabase::Mode::ReadWrite);
        SqliteStatement check(db, "PRAGMA integrity_check");
        const QString result = check.step() ? check.text(0) : QStringLiteral("(no answer)");
        if (result != QLatin1String("ok"))
            problems << QStringLiteral("integrity_check: %1").arg(result);
    } catch (const std::exception& e) {
        problems << QStringLiteral("integrity_check failed: %1").arg(errorMessage(e));
    }
    return problems;
}

QSet<QByteArray> pathsOnDisk(const QString& root) {
    QSet<QByteArray> paths;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.insert(QFile::encodeName(it.next()));
    return paths;
}

QStringList sample(const QSet<QByteArray>& paths) {
    QStringList out;
    for (const QByteArray& p : paths) {
        if (out.size() == 3)
            break;
        out << QString::fromUtf8(p);
    }
    return out;
}

// After a clean rescan: the store holds exactly what is on disk.
QStringList checkConverged(const QString& storeFile, const Corpus& corpus, const QString& root) {
    QStringList problems;
    try {
        const StoreFigures figures = StoreFigures::read(storeFile);
        if (!figures.scanComplete || figures.toFilter != 0 || figures.failed != 0 ||
            !figures.damage.isEmpty())
            problems << QStringLiteral("figures: complete %1, to filter %2, failed %3, damage '%4'")
                            .arg(figures.scanComplete)
                            .arg(figures.toFilter)
                            .arg(figures.failed)
                            .arg(figures.damage);
        const QSet<QByteArray> disk = pathsOnDisk(root);
        SqliteDatabase db(storeFile, SqliteDatabase::Mode::ReadOnly);
        db.exec("BEGIN");
        QSet<QByteArray> stored;
        SqliteStatement all(db, "SELECT path FROM documents");
        while (all.step())
            stored.insert(all.blob(0));
        if (figures.documents != disk.size())
            problems << QStringLiteral("%1 documents for %2 files and folders on disk")
                            .arg(figures.documents)
                            .arg(disk.size());
        const QSet<QByteArray> missing = disk - stored, extra = stored - disk;
        if (!missing.isEmpty())
            problems << QStringLiteral("%1 paths on disk missing from the store, e.g. %2")
                            .arg(missing.size())
                            .arg(sample(missing).join(", "));
        if (!extra.isEmpty())
            problems << QStringLiteral("%1 paths in the store not on disk, e.g. %2")
                            .arg(extra.size())
                            .arg(sample(extra).join(", "));
        SqliteStatement find(db, "SELECT path FROM documents WHERE id IN "
                                 "(SELECT rowid FROM fulltext WHERE fulltext MATCH ?1)");
        const auto found = [&](const QString& word) {
            QList<QByteArray> paths;
            find.bind(1, QStringLiteral("\"%1\"").arg(word));
            while (find.step())
                paths << find.blob(0);
            find.reset();
            return paths;
        };
        int wrong = 0;
        QString example;
        for (auto it = corpus.words().cbegin(); it != corpus.words().cend(); ++it) {
            const QList<QByteArray> paths = found(it.value());
            if (paths != QList<QByteArray>{QFile::encodeName(corpus.absolute(it.key()))}) {
                if (wrong++ == 0)
                    example = QStringLiteral("'%1' of %2 found in %3 files")
                                  .arg(it.value(), it.key())
                                  .arg(paths.size());
            }
        }
        if (wrong > 0)
            problems << QStringLiteral("%1 new words not found in exactly their file, e.g. %2")
                            .arg(wrong)
                            .arg(example);
        int stale = 0;
        for (const QString& word : corpus.retired()) {
            if (!found(word).isEmpty() && stale++ == 0)
                example = word;
        }
        if (stale > 0)
            problems << QStringLiteral("%1 words of changed or removed files still found, e.g. %2")
                            .arg(stale)
                            .arg(example);
        db.exec("COMMIT");
    } catch (const std::exception& e) {
        problems << QStringLiteral("reading the store failed: %1").arg(errorMessage(e));
    }
    return problems;
}

QStringList cleanRescan(qint64& ms) {
    const Run r = admin({QStringLiteral("rescan"), CatalogName});
    ms = r.ms;
    QStringList problems;
    if (r.exitCode != 0)
        problems << QStringLiteral("clean rescan exited with %1: %2")
                        .arg(r.exitCode)
                        .arg(r.err.trimmed().right(300));
    else if (r.err.contains(QLatin1String("rebuilt")) || r.err.contains(QLatin1String("damaged")))
        problems << QStringLiteral("clean rescan: %1").arg(r.err.trimmed().right(300));
    return problems;
}

// Whether a writer has begun a scan: the store says it is not up to date.
bool writing(const QString& storeFile) {
    try {
        SqliteDatabase db(storeFile, SqliteDatabase::Mode::ReadOnly);
        SqliteStatement state(db, "SELECT value FROM meta WHERE key = 'scan_state'");
        return state.step() && state.text(0) == QLatin1String("incomplete");
    } catch (const std::exception&) {
        return false; // not made yet
    }
}

// When to kill: half the time at a moment drawn over how long such a run
// takes, half the time at a moment drawn over the 800 ms after the writer
// began its scan, so that many kills land in its transactions however long
// it takes to start (the daemon checks the whole store first, at idle
// priority).
class KillMoment {
public:
    KillMoment(Random& random, double estimateMs, QString storeFile)
        : random_(random), storeFile_(std::move(storeFile)) {
        if (random_.below(2) == 0)
            at_ = qint64(random_.uniform() * estimateMs) + 5;
    }
    void start() { clock_.start(); }
    qint64 elapsed() const { return clock_.elapsed(); }
    bool due() {
        if (at_ < 0 && (writing(storeFile_) || clock_.elapsed() > 10000))
            at_ = clock_.elapsed() + qint64(random_.uniform() * 800);
        return at_ >= 0 && clock_.elapsed() >= at_;
    }

private:
    Random& random_;
    QString storeFile_;
    QElapsedTimer clock_;
    qint64 at_ = -1;
};

// Where the kill caught the writer, as the store tells it.
QString leftBehind(const QString& storeFile) {
    try {
        const StoreFigures f = StoreFigures::read(storeFile);
        if (f.scanComplete)
            return QStringLiteral("with the store complete");
        if (f.scanTotal > 0 && f.scanRemaining > 0)
            return QStringLiteral("while filtering (%1 of %2 left)")
                .arg(f.scanRemaining)
                .arg(f.scanTotal);
        return QStringLiteral("before or after filtering");
    } catch (const std::exception&) {
        return QStringLiteral("before the store was made");
    }
}

struct Totals {
    int kills = 0, rescanKills = 0, daemonKills = 0, finishedFirst = 0, rounds = 0;
    int midFilter = 0; // kills that cut a scan's filtering short
    int cleanRuns = 0;
    qint64 cleanMs = 0, cleanMaxMs = 0;
    QStringList failures;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Kills rescans and the indexing daemon at random moments "
                                     "and checks the store after each kill.");
    parser.addHelpOption();
    const QCommandLineOption work("work", "working folder (emptied first)", "dir",
                                  "/tmp/tessellon-crash");
    const QCommandLineOption kills("kills", "kills in all", "n", "100");
    const QCommandLineOption files("files", "files in the generated corpus", "n", "20000");
    const QCommandLineOption medianWords("median-words", "median words per file", "n", "400");
    const QCommandLineOption seed("seed", "random seed", "n", "1");
    const QCommandLineOption minutes("minutes", "starts no round after this long", "n", "45");
    const QCommandLineOption largeShare("large", "percent of rounds that edit thousands of files",
                                        "n", "25");
    const QCommandLineOption quick("quick", "a short run: 10 kills over 2,000 files");
    parser.addOptions({work, kills, files, medianWords, seed, minutes, largeShare, quick});
    parser.process(app);
    const bool isQuick = parser.isSet(quick);
    const int wantedKills = isQuick && !parser.isSet(kills) ? 10 : parser.value(kills).toInt();
    const QString fileCount =
        isQuick && !parser.isSet(files) ? QStringLiteral("2000") : parser.value(files);
    const qint64 timeBoundMs = parser.value(minutes).toLongLong() * 60000;
    Random random(parser.value(seed).toULongLong());

    const QString workDir = QDir(parser.value(work)).absolutePath();
    QDir(workDir).removeRecursively();
    QDir().mkpath(workDir);
    qputenv("TESSELLON_CONFIG_DIR", QFile::encodeName(workDir + QStringLiteral("/config")));
    qputenv("TESSELLON_DATA_DIR", QFile::encodeName(workDir + QStringLiteral("/data")));
    qputenv("TESSELLON_BIN_DIR", QFile::encodeName(QCoreApplication::applicationDirPath()));
    const QString root = workDir + QStringLiteral("/corpus");
    const QString storeFile = ServicePaths::storeFile(ServicePaths::defaultLocation(CatalogName));

    QElapsedTimer total;
    total.start();
    if (QProcess::execute(QCoreApplication::applicationDirPath() + QStringLiteral("/gen-corpus"),
                          {root, QStringLiteral("--files"), fileCount,
                           QStringLiteral("--median-words"), parser.value(medianWords),
                           QStringLiteral("--seed"), parser.value(seed)}) != 0)
        qFatal("gen-corpus failed");
    if (admin({QStringLiteral("add"), CatalogName, QStringLiteral("--scope"), root}).exitCode != 0)
        qFatal("cannot add the catalog");
    Corpus corpus(root);
    say(QStringLiteral("corpus of %1 files generated in %2 s; %3 kills wanted")
            .arg(fileCount)
            .arg(total.elapsed() / 1000.0, 0, 'f', 1)
            .arg(wantedKills));

    Totals t;
    // How long an uninterrupted run takes, roughly, by kind (rescan or
    // daemon) and size of the round's edits: kills are spread over it.
    double estimateMs[2][2] = {{3000, 3000}, {3000, 3000}};
    while (t.kills < wantedKills && total.elapsed() < timeBoundMs) {
        const int round = ++t.rounds;
        const bool daemon = random.below(2) == 1;
        // The first round kills the first scan of the whole corpus.
        const bool large = round == 1 || random.below(100) < parser.value(largeShare).toInt();
        Corpus::Edits edits = round == 1 ? Corpus::Edits{} : corpus.edit(random, large);
        double& estimate = estimateMs[daemon][large];
        KillMoment moment(random, estimate, storeFile);
        bool killed = false;
        QStringList problems;
        if (!daemon) {
            QProcess rescan;
            rescan.start(QCoreApplication::applicationDirPath() +
                             QStringLiteral("/tessellon-admin"),
                         {QStringLiteral("rescan"), CatalogName});
            moment.start();
            while (rescan.state() != QProcess::NotRunning && !moment.due())
                rescan.waitForFinished(2);
            if (rescan.state() != QProcess::NotRunning) {
                ::kill(pid_t(rescan.processId()), SIGKILL);
                rescan.waitForFinished(-1);
                killed = true;
            } else if (rescan.exitCode() != 0) {
                problems << QStringLiteral("rescan exited with %1: %2")
                                .arg(rescan.exitCode())
                                .arg(QString::fromUtf8(rescan.readAllStandardError()).right(300));
            }
            if (!killed)
                estimate = 0.5 * estimate + 0.5 * double(moment.elapsed());
        } else {
            const Run started = admin({QStringLiteral("service"), QStringLiteral("start")}, 30000);
            moment.start();
            QFile lock(ServicePaths::daemonLockFile());
            const pid_t pid = started.exitCode == 0 && lock.open(QIODevice::ReadOnly)
                                  ? pid_t(lock.readAll().trimmed().toLongLong())
                                  : 0;
            if (pid <= 0) {
                problems
                    << QStringLiteral("the daemon did not start: %1").arg(started.err.trimmed());
            } else {
                // Files change while it runs too, for its change following.
                const qint64 liveAt = qint64(random.uniform() * estimate);
                bool liveDone = false;
                while (!moment.due()) {
                    if (!liveDone && moment.elapsed() >= liveAt) {
                        edits += corpus.edit(random, false);
                        liveDone = true;
                    }
                    QThread::msleep(2);
                }
                if (::kill(pid, SIGKILL) == 0)
                    killed = true;
                else
                    problems << QStringLiteral("the daemon had ended before its kill");
            }
        }
        const qint64 killedAfter = moment.elapsed();
        QString left;
        if (!waitForLocks(storeFile))
            problems << QStringLiteral("the killed writer's locks were still held after 20 s");
        if (killed) {
            ++t.kills;
            ++(daemon ? t.daemonKills : t.rescanKills);
            problems += checkAfterKill(storeFile, workDir + QStringLiteral("/probe"));
            left = leftBehind(storeFile);
            t.midFilter += left.startsWith(QLatin1String("while filtering")) ? 1 : 0;
        } else {
            ++t.finishedFirst;
        }
        // A rescan that ended before its kill was itself a clean one.
        qint64 cleanMs = 0;
        if (killed || daemon) {
            problems += cleanRescan(cleanMs);
            ++t.cleanRuns;
        }
        problems += checkConverged(storeFile, corpus, root);
        t.cleanMs += cleanMs;
        t.cleanMaxMs = std::max(t.cleanMaxMs, cleanMs);
        if (killed)
            estimate =
                std::clamp(0.7 * estimate + 0.3 * double(killedAfter + cleanMs), 200.0, 60000.0);
        const QString what =
            QStringLiteral("round %1 (%2, %3, edits %4)")
                .arg(round)
                .arg(daemon ? "daemon" : "rescan")
                .arg(killed ? QStringLiteral("killed at %1 ms %2").arg(killedAfter).arg(left)
                            : QStringLiteral("ended before its kill"))
                .arg(edits.text());
        say(QStringLiteral("%1: clean rescan %2 s, %3")
                .arg(what)
                .arg(cleanMs / 1000.0, 0, 'f', 2)
                .arg(problems.isEmpty() ? QStringLiteral("ok") : QStringLiteral("FAILED")));
        if (!problems.isEmpty()) {
            for (const QString& p : problems) {
                say(QStringLiteral("    ") + p);
                t.failures << what + QStringLiteral(": ") + p;
            }
            // Kept for a look, then rebuilt so the next rounds start sound.
            const QString kept = workDir + QStringLiteral("/failures/round-%1").arg(round);
            QDir().mkpath(kept);
            copyStore(storeFile, kept + QStringLiteral("/index.sqlite3"));
            IndexStore::remove(storeFile, 10000);
            qint64 ignored = 0;
            cleanRescan(ignored);
        }
    }

    const bool timedOut = t.kills < wantedKills;
    say(QStringLiteral("\n%1 kills (%2 rescans, %3 daemons) in %4 rounds (%5 runs ended before "
                       "their kill), %6 s in all%7")
            .arg(t.kills)
            .arg(t.rescanKills)
            .arg(t.daemonKills)
            .arg(t.rounds)
            .arg(t.finishedFirst)
            .arg(total.elapsed() / 1000.0, 0, 'f', 0)
            .arg(timedOut ? QStringLiteral(", stopped by the time bound") : QString()));
    say(QStringLiteral("%1 kills cut a scan's filtering short").arg(t.midFilter));
    say(QStringLiteral("clean rescans: %1 s on average, %2 s at most")
            .arg(t.rounds > 0 ? double(t.cleanMs) / std::max(1, t.cleanRuns) / 1000.0 : 0.0, 0, 'f',
                 2)
            .arg(t.cleanMaxMs / 1000.0, 0, 'f', 2));
    say(QStringLiteral("%1 failed checks").arg(t.failures.size()));
    for (const QString& f : t.failures)
        say(QStringLiteral("  ") + f);
    return t.failures.isEmpty() && !timedOut ? 0 : 1;
}
