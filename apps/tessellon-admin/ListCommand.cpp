// `list`: one line per catalog, in registry order, fields separated by tabs:
// name, state, up to date, location, size in MB, documents, to filter,
// failed, last error. Figures come through the administration interface, as
// the program's catalog list reads them; a figure that cannot be read shows
// "not accessible".
#include "AdminCommand.h"

#include "indexing/service/LocalAdminServer.h"
#include "indexing/service/LocalCatalogAdmin.h"

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
    LocalAdminServer server;
    for (bool more = server.FindFirstCatalog(); more; more = server.FindNextCatalog()) {
        const std::unique_ptr<CatalogAdmin> catalog = server.GetCatalog();
        QStringList fields{
            catalog->CatalogName(), guardedFigure([&] { return catalogStateText(*catalog); }),
            guardedFigure([&] {
                return catalog->IsUpToDate() ? QStringLiteral("yes") : QStringLiteral("no");
            }),
            catalog->CatalogLocation()};
        try {
            const StoreFigures f = static_cast<LocalCatalogAdmin&>(*catalog).figures();
            fields << QString::number(f.sizeMegabytes()) << QString::number(f.documents)
                   << QString::number(f.toFilter) << QString::number(f.failed)
                   << oneLine(f.damage.isEmpty() ? f.lastError : f.damage);
        } catch (const Error& e) {
            fields << NotAccessible << NotAccessible << NotAccessible << NotAccessible
                   << oneLine(e.message());
        }
        out << fields.join(QLatin1Char('\t')) << '\n';
    }
    return 0;
}

} // namespace tessellon::admin
