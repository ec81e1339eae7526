// tessellon-filter: the filter helper process. Reads one file path (raw
// bytes) on standard input, filters that file with the filter named by the
// argument, and writes the encoded result on standard output. It runs with a
// memory limit and under a time budget set by the indexer; whatever goes
// wrong in here costs only this one document.
#include "indexing/filters/FilterKind.h"
#include "indexing/filters/FilterProtocol.h"
#include "indexing/filters/InProcessFilters.h"

#include <QFile>
#include <cstdio>
#include <sys/resource.h>

using namespace tessellon;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: tessellon-filter KIND < path\n", stderr);
        return 2;
    }
    // Keep beside the daemon's idle priority.
    ::setpriority(PRIO_PROCESS, 0, 19);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return 2;
    const QByteArray path = in.readAll();
    const FilterKind kind = FilterKinds::fromName(QString::fromLatin1(argv[1]));
    const QByteArray answer =
        FilterProtocol::encode(InProcessFilters::run(kind, path, FilterBudget()));
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(answer) != answer.size())
        return 1;
    out.flush();
    return 0;
}
