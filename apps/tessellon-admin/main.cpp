// tessellon-admin: adds, removes, lists, starts, stops and rescans the
// catalogs of the indexing service, starts and stops its daemon, sets whether
// it answers other computers, and lists the hosts this computer may ask.
#include "AdminCommand.h"

#include "common/ProgramVersion.h"
#include "indexing/registry/RegistryCatalogResolver.h"
#include "indexing/statement/QueryCommand.h"

#include <QCoreApplication>
#include <QHash>

using namespace tessellon;

namespace {

const char* const Usage = R"(usage: tessellon-admin COMMAND [ARGUMENTS] | --help | --version
  add NAME --scope DIR [--scope DIR ...] [--location DIR] [--exclude PATTERN ...]
  remove NAME
  list
  start NAME | stop NAME | pause NAME | resume NAME
  rescan NAME
  service start|stop|status
  remote enable --listen ADDRESS:PORT [--tls-cert FILE --tls-key FILE] [--insecure]
  remote disable | remote status | remote token --renew
  hosts add NAME URL --token-file FILE [--ca-file FILE] | hosts list | hosts remove NAME
  query [--max N] STATEMENT
      prints a header and one tab-separated line per row; in values a
      backslash, tab, line feed and carriage return are written as \\, \t, \n
      and \r, and other control characters and bytes that are not UTF-8 as
      \xHH, so every name can be read back byte for byte
)";

// Runs a statement over the catalogs of the registry.
int queryCatalogs(const QStringList& args, QTextStream& out, QTextStream& err) {
    return runQueryCommand(args, out, err,
                           [] { return std::make_unique<RegistryCatalogResolver>(); });
}

QHash<QString, admin::Command> commands() {
    QHash<QString, admin::Command> table{
        {"add", admin::addCatalog},       {"remove", admin::removeCatalog},
        {"list", admin::listCatalogs},    {"start", admin::startCatalog},
        {"stop", admin::stopCatalog},     {"pause", admin::pauseCatalog},
        {"resume", admin::resumeCatalog}, {"rescan", admin::rescanCatalog},
        {"service", admin::service},      {"query", queryCatalogs},
        {"remote", admin::remote},        {"hosts", admin::hosts},
    };
    return table;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        (args.isEmpty() ? err : out) << Usage;
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        out << "tessellon-admin " << programVersion() << '\n';
        return 0;
    }
    const QString name = args.takeFirst();
    const admin::Command command = commands().value(name);
    if (!command) {
        err << "tessellon-admin: unknown command '" << name << "'\n" << Usage;
        return 2;
    }
    try {
        return command(args, out, err);
    } catch (const admin::UsageError& e) {
        out.flush();
        err << "tessellon-admin " << name << ": " << e.message() << '\n' << Usage;
        return 2;
    } catch (const std::exception& e) {
        out.flush();
        err << "tessellon-admin " << name << ": " << errorMessage(e) << '\n';
        return 1;
    }
}
