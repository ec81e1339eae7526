// Query files and the File menu's four file commands.
#include "files/QueryFiles.h"

#include "app/TKorvaneTessellonMain.h"
#include "common/TextFile.h"
#include "files/ConfigText.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"

namespace tessellon {

namespace {

FileDialogRequest queryFileDialog(const QString& title, const QString& filter) {
    return {title, filter, QStringLiteral("SQL"), {}};
}

FileDialogRequest searchFileDialog(const QString& title, const QString& filter) {
    return {title, filter, QStringLiteral("tsn"), {}};
}

} // namespace

void loadQueryFile(TKorvaneTessellonAdvancedSQL& dialog, const QString& path) {
    const QStringList lines = TextFile::readLines(path);
    dialog.Memo1.setLines(lines);
    dialog.CheckBox25.checked = true;
    dialog.CheckBox25Click();
}

void saveQueryFile(const TKorvaneTessellonAdvancedSQL& dialog, const QString& path) {
    TextFile::writeLines(path, dialog.Memo1.lines());
}

void TKorvaneTessellonMain::LoadQueryfile1Click() {
    if (const auto path = platform_.chooseOpenFile(
            queryFileDialog(QStringLiteral("Load Query file"),
                            QStringLiteral("Tessellon Query file  *.SQL|*.SQL|All files *.*|*.*"))))
        loadQueryFile(*advancedSQL, *path);
}

void TKorvaneTessellonMain::SaveQueryfile1Click() {
    if (const auto path = platform_.chooseSaveFile(
            queryFileDialog(QStringLiteral("Save Query file"),
                            QStringLiteral("Tessellon Query file (*.SQL)|*.SQL"))))
        saveQueryFile(*advancedSQL, *path);
}

void TKorvaneTessellonMain::LoadSearch1Click() {
    const auto path = platform_.chooseOpenFile(searchFileDialog(
        QStringLiteral("Load Tessellon Search"),
        QStringLiteral("Tessellon Search file (*.tsn)|*.tsn|All files (*.*)|*.*")));
    if (path)
        loadconfigtext(*this, TextFile::readLines(*path));
}

void TKorvaneTessellonMain::SaveSearch1Click() {
    const QStringList lines = generateconfigtext(*this);
    if (const auto path = platform_.chooseSaveFile(
            searchFileDialog(QStringLiteral("Save Tessellon Search"),
                             QStringLiteral("Tessellon Search file (*.tsn)|*.tsn"))))
        TextFile::writeLines(*path, lines);
}

} // namespace tessellon
