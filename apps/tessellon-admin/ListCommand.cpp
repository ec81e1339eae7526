// `list`: one line per catalog, in registry order, fields separated by tabs:
// name, state, up to date, location, size in MB, documents, to filter,
// failed, last error. Figures come through the administration interface, as
// the program's catalog list reads them; a figure that cannot be read shows
// "not accessible".
#include "AdminCommand.h"

#include "indexing/service/LocalCatalogManagement.h"

namespace tessellon::admin {

namespace {

// Tabs and line breaks inside a message would break the line format.
QString oneLine(QString text) {
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text;
}

} // namespace

int listCatalogs(const QStringList& args, QTextStream& out, QTextStream&) {
    if (!args.isEmpty())
        throw UsageError(QStringLiteral("takes no arguments"));
    for (const ManagedCatalog& c : LocalCatalogManagement().catalogs()) {
        const QStringList fields{c.name,     c.state,         c.upToDate,
                                 c.location, c.sizeMegabytes, c.documents,
                                 c.toFilter, c.failed,        oneLine(c.problem)};
        out << fields.join(QLatin1Char('\t')) << '\n';
    }
    return 0;
}

} // namespace tessellon::admin
