// tessellon-filter: the filter helper process. Reads one file path (raw
// bytes) on standard input, filters that file with the filter named by the
// argument, and writes the encoded result on standard output. It runs with a
// memory limit and under a time budget set by the indexer; whatever goes
// wrong in here costs only this one document.
#include "common/ProgramVersion.h"
#include "indexing/filters/FilterKind.h"
#include "indexing/filters/FilterProtocol.h"
#include "indexing/filters/InProcessFilters.h"

#include <QFile>
#include <cstdio>
#include <sys/resource.h>

using namespace tessellon;

namespace {

const char* const Usage = R"(usage: tessellon-filter KIND < PATH | --help | --version
  The indexing service's filter helper: reads a file path on standard input,
  filters that file as KIND (pdf, ooxml, odf, flatodf, html, xml, rtf, text,
  sniff, none) and writes the result on standard output.
)";

} // namespace

int main(int argc, char** argv) {
    const QString arg = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (arg == u"--help" || arg == u"-h") {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (arg == u"--version") {
        std::printf("tessellon-filter %s\n", programVersion().toUtf8().constData());
        return 0;
    }
    if (argc != 2 || FilterKinds::name(FilterKinds::fromName(arg)) != arg) {
        if (argc == 2)
            std::fprintf(stderr, "tessellon-filter: unknown kind '%s'\n", argv[1]);
        std::fputs(Usage, stderr);
        return 2;
    }
    // Keep beside the daemon's idle priority.
    ::setpriority(PRIO_PROCESS, 0, 19);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return 2;
    const QByteArray path = in.readAll();
    const FilterKind kind = FilterKinds::fromName(arg);
    const QByteArray answer =
        FilterProtocol::encode(InProcessFilters::run(kind, path, FilterBudget()));
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(answer) != answer.size())
        return 1;
    out.flush();
    return 0;
}
