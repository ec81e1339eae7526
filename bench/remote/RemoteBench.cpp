// Times a statement whose answer has 2,000 rows, asked of the indexing
// service over loopback (HTTP, no TLS) and of the engine in this process, on
// a catalog built in a temporary folder by the real tessellon-admin and
// served by the real daemon. Then the same catalog twice in one statement,
// once by this process alone and once with one half from the service, the
// halves merged here. Prints the median and 95th percentile of each and the
// overhead of the network path.
//
//   bench_remote            (tessellon-admin and tessellon-indexd beside it)
#include "indexing/registry/RegistryCatalogResolver.h"
#include "indexing/remote/HostRegistry.h"
#include "indexing/remote/NetworkHostStatements.h"
#include "indexing/remote/RemoteHostClient.h"
#include "indexing/remote/RemoteSettings.h"
#include "indexing/statement/IndexQueryProvider.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace tessellon;

namespace {

constexpr int Rows = 2000;
constexpr int Runs = 30;
constexpr int WarmUpRuns = 5;

bool admin(const QStringList& args) {
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tessellon-admin"),
                  args);
    process.waitForFinished(120000);
    if (process.exitCode() != 0)
        std::fprintf(stderr, "tessellon-admin %s: %s", qPrintable(args.join(u' ')),
                     process.readAllStandardError().constData());
    return process.exitCode() == 0;
}

struct Timing {
    double median = 0;
    double p95 = 0;
};

Timing time(int rows, const std::function<int()>& run) {
    for (int i = 0; i < WarmUpRuns; ++i)
        run();
    std::vector<double> ms;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (run() != rows)
            std::fprintf(stderr, "a run did not answer %d rows\n", rows);
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 95 / 100]};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("TESSELLON_CONFIG_DIR", (dir.path() + QStringLiteral("/config")).toUtf8());
    qputenv("TESSELLON_DATA_DIR", (dir.path() + QStringLiteral("/data")).toUtf8());
    const QString docs = dir.path() + QStringLiteral("/docs");
    QDir().mkpath(docs);
    for (int i = 0; i < Rows; ++i) {
        QFile file(docs + QStringLiteral("/note%1.txt").arg(i, 4, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write("budget line " + QByteArray::number(i) + " for the quarterly report\n");
    }
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    const QString listen = QStringLiteral("127.0.0.1:%1").arg(port);
    if (!admin({QStringLiteral("add"), QStringLiteral("Docs"), QStringLiteral("--scope"), docs}) ||
        !admin({QStringLiteral("rescan"), QStringLiteral("Docs")}) ||
        !admin({QStringLiteral("remote"), QStringLiteral("enable"), QStringLiteral("--listen"),
                listen}) ||
        !admin({QStringLiteral("service"), QStringLiteral("start")}))
        return 1;

    const QString statement =
        QStringLiteral("SELECT Path, Filename, Size, Write, Characterization FROM Docs..SCOPE() "
                       "WHERE CONTAINS(Contents, 'budget') ORDER BY Path");
    RegistryCatalogResolver catalogs;
    IndexQueryProvider engine(catalogs);
    RemoteHostClient host(RemoteHost{QStringLiteral("LOOPBACK"), QStringLiteral("http://") + listen,
                                     RemoteSettings::tokenFile(), QString()});
    // Both read every field, as the result list and the report do.
    const auto readAll = [](const std::shared_ptr<const RecordSet>& records) {
        for (int r = 1; r <= records->recordCount(); ++r)
            for (const QString& name : records->fieldNames())
                records->field(r, name);
        return records->recordCount();
    };
    const Timing local =
        time(Rows, [&] { return readAll(engine.execute(QString(), statement, 0)); });
    const Timing remote = time(Rows, [&] { return readAll(host.query(statement, 0)); });

    HostRegistry::standard().add(RemoteHost{QStringLiteral("LOOPBACK"),
                                            QStringLiteral("http://") + listen,
                                            RemoteSettings::tokenFile(), QString()});
    NetworkHostStatements network;
    IndexQueryProvider routed(catalogs, QString(), &network);
    const auto twice = [&statement](const QString& first) {
        return QString(statement).replace(
            QStringLiteral("Docs..SCOPE()"),
            QStringLiteral("(TABLE %1..SCOPE() UNION ALL TABLE Docs..SCOPE())").arg(first));
    };
    const Timing bothLocal =
        time(2 * Rows, [&] { return readAll(engine.execute(QString(), twice("Docs"), 0)); });
    const Timing merged = time(
        2 * Rows, [&] { return readAll(routed.execute(QString(), twice("LOOPBACK.Docs"), 0)); });
    admin({QStringLiteral("service"), QStringLiteral("stop")});

    std::printf("%d rows, %d runs after %d warm-up runs\n", Rows, Runs, WarmUpRuns);
    std::printf("in process      median %7.1f ms   p95 %7.1f ms\n", local.median, local.p95);
    std::printf("over loopback   median %7.1f ms   p95 %7.1f ms\n", remote.median, remote.p95);
    std::printf("overhead        median %+7.1f ms (%.2fx)\n", remote.median - local.median,
                remote.median / local.median);
    std::printf("%d rows, the catalog twice in one statement\n", 2 * Rows);
    std::printf("in process      median %7.1f ms   p95 %7.1f ms\n", bothLocal.median,
                bothLocal.p95);
    std::printf("half remote     median %7.1f ms   p95 %7.1f ms\n", merged.median, merged.p95);
    std::printf("overhead        median %+7.1f ms (%.2fx)\n", merged.median - bothLocal.median,
                merged.median / bothLocal.median);
    return 0;
}
