// The result report: a header with the search's parameters, the column
// captions, a rule, and one line per hit with its cells as the result list
// shows them. File > Save Results and batch mode write it.
#include "app/TKorvaneTessellonMain.h"
#include "common/TextFile.h"
#include "help/ProductAddresses.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"

namespace tessellon {

namespace {
const QString ReportRule = QString(56, u'-');
const QString MakerNotice = QStringLiteral("Tessellon Local - desktop search for Linux by Korvane");
} // namespace

void TKorvaneTessellonMain::preparesaveresults(QStringList& astringlist) {
    const QString crlf = QStringLiteral("\r\n");
    const QString limitText = advancedSQL ? advancedSQL->ComboBox4.text : QString();
    astringlist << QStringLiteral("Tessellon - Ondrava Search") + crlf + MakerNotice + crlf +
                       MakerHomePage + crlf + u' ' + crlf + QStringLiteral("Catalog: ") +
                       catalogstr + crlf + QStringLiteral("Query: ") + sqlstatement + crlf +
                       QStringLiteral("Sorted by column: \"") + sortcolumn + u'"' +
                       sortdirectiontext + crlf + QStringLiteral("Documents found: ") +
                       QString::number(doccount) + crlf + QStringLiteral("Results Limit: ") +
                       limitText + crlf + crlf;

    QStringList captions;
    for (const ListColumn& column : ListView1.columns)
        captions << column.caption;
    astringlist << captions.join(u',');
    astringlist << ReportRule;

    for (int row = 0; row < ListView1.itemCount(); ++row) {
        const ResultRow cells = ListView1Data(row, false);
        astringlist << cells.caption + u',' + cells.subItems.join(u',');
    }
}

void TKorvaneTessellonMain::Save1Click() {
    QStringList blocks;
    preparesaveresults(blocks);
    FileDialogRequest request;
    request.title = QStringLiteral("Save Results");
    request.filter = QStringLiteral("Tessellon Result file (*.txt)|*.txt");
    request.defaultExtension = QStringLiteral("txt");
    if (const std::optional<QString> path = platform_.chooseSaveFile(request))
        TextFile::writeLines(*path, blocks);
}

} // namespace tessellon
