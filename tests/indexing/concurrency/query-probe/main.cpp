// query-probe CATALOG COUNT WORDS SEED: runs COUNT statements over the
// catalog through the data-access provider, one after the other, each
// looking for common words, one of the words "wordN" (N below WORDS), names
// or sizes. Prints every failure ("error STATEMENT: MESSAGE"), every distinct
// path of a row ("path PATH") and the statements' latencies in milliseconds
// ("latency MEDIAN P95 WORST"). Exits with 0 when it could run at all.
#include "common/Error.h"
#include "indexing/registry/RegistryCatalogResolver.h"
#include "indexing/statement/IndexQueryProvider.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <random>

using namespace tessellon;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        QTextStream(stderr) << "usage: query-probe CATALOG COUNT WORDS SEED\n";
        return 2;
    }
    const QString catalog = args[1];
    const int count = args[2].toInt();
    const int words = std::max(1, args[3].toInt());
    std::mt19937 random(args[4].toUInt());
    const QString scope = catalog + QStringLiteral("..SCOPE()");
    const auto statement = [&](int i) -> QString {
        switch (i % 5) {
        case 0:
            return QStringLiteral("SELECT Path, Size FROM %1 WHERE CONTAINS('word%2')")
                .arg(scope)
                .arg(random() % unsigned(words));
        case 1:
            return QStringLiteral("SELECT Path FROM %1 WHERE CONTAINS('common') ORDER BY Filename")
                .arg(scope);
        case 2:
            return QStringLiteral("SELECT Path, Rank FROM %1 WHERE FREETEXT('common filler') "
                                  "ORDER BY Rank DESC")
                .arg(scope);
        case 3:
            return QStringLiteral("SELECT Path FROM %1 WHERE MATCHES(Filename, 'f%2*.txt')")
                .arg(scope)
                .arg(random() % 10);
        default:
            return QStringLiteral("SELECT Path, Write FROM %1 WHERE Size > 100 ORDER BY Size DESC")
                .arg(scope);
        }
    };

    RegistryCatalogResolver catalogs;
    IndexQueryProvider provider(catalogs);
    QTextStream out(stdout);
    QSet<QString> paths;
    std::vector<qint64> latencies;
    for (int i = 0; i < count; ++i) {
        const QString text = statement(i);
        QElapsedTimer clock;
        clock.start();
        try {
            const auto records = provider.execute(QString(), text, 100);
            for (int r = 1; r <= records->recordCount(); ++r)
                paths.insert(records->field(r, QStringLiteral("Path")).toText());
        } catch (const std::exception& e) {
            out << "error " << text << ": " << errorMessage(e) << '\n';
        }
        latencies.push_back(clock.elapsed());
    }
    for (const QString& path : std::as_const(paths))
        out << "path " << path << '\n';
    std::sort(latencies.begin(), latencies.end());
    if (!latencies.empty())
        out << "latency " << latencies[latencies.size() / 2] << ' '
            << latencies[latencies.size() * 95 / 100] << ' ' << latencies.back() << '\n';
    return 0;
}
