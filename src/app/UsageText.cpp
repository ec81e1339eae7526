#include "app/UsageText.h"

namespace tessellon {

QString usageText() {
    return QStringLiteral(
        "Usage: tessellon [ARGUMENT ...]\n"
        "\n"
        "Without arguments the main window opens with the last search. With arguments\n"
        "one search runs unattended, exactly as the Search button runs it, and its\n"
        "report is written; the window then opens with the results unless /Q is given.\n"
        "\n"
        "Arguments (the value follows the letter directly, without a blank; letters may\n"
        "be written in either case; an argument may be wrapped as TSSEARCH://...):\n"
        "  /S<file>     load a query file (the statement of expert mode) and search with it\n"
        "  /F<file>     write the result report to this file\n"
        "  /N<number>   the most hits to fetch (default 100 in batch mode)\n"
        "  /Q           quit after the search, without opening a window or needing a display\n"
        "  <file>.tsn   load a search file (every criterion of a saved search)\n"
        "  --help       print this text;  --version  print the version\n"
        "\n"
        "An absolute path that begins with /s, /f, /n or /q reads as an option letter:\n"
        "write it with a doubled leading slash (//srv/searches/a.tsn) or as a relative\n"
        "path (./a.tsn relative to the current folder).\n"
        "\n"
        "Example:\n"
        "  tessellon /S./invoices.SQL /F./report.txt /N500 /Q\n"
        "\n"
        "Exit status: 0 when the search ran and its report was written; 1 when an error\n"
        "was shown (a file that cannot be read or written, a limit that is no number,\n"
        "a search file none of whose catalogs exists), the search could not be executed\n"
        "(the reason is printed on stderr), or the window is wanted and no display is\n"
        "available.\n"
        "\n"
        "Environment:\n"
        "  TESSELLON_CONFIG_DIR  folder of the catalog registry catalogs.ini\n"
        "                        (default $XDG_CONFIG_HOME/Korvane/Tessellon)\n"
        "  TESSELLON_DATA_DIR    folder of the catalogs' indexes\n"
        "                        (default $XDG_DATA_HOME/Korvane/Tessellon)\n"
        "  XDG_CONFIG_HOME       also holds the program's settings, Korvane/Tessellon.ini\n");
}

QString versionText() {
    return QStringLiteral("tessellon " TESSELLON_VERSION "\n");
}

InfoRequest infoRequest(const QStringList& arguments) {
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h")))
        return InfoRequest::Help;
    if (arguments.contains(QStringLiteral("--version")))
        return InfoRequest::Version;
    return InfoRequest::None;
}

} // namespace tessellon
