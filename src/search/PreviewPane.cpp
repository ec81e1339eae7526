#include "search/PreviewPane.h"

#include "app/TKorvaneTessellonMain.h"
#include "common/Error.h"
#include "common/TextFile.h"
#include "search/TKorvaneTessellonPreview.h"

#include <QFile>
#include <QRegularExpression>
#include <QUrl>
#include <cmath>

namespace tessellon {

namespace {

const QString BlankPage = QStringLiteral("about:blank");

bool isOneOf(const QString& ext, std::initializer_list<const char16_t*> list) {
    for (const char16_t* candidate : list)
        if (ext == QStringView(candidate))
            return true;
    return false;
}

// The extension from the last "." on (the whole name's, as the list gives
// it), or empty.
QString extensionOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? QString() : path.mid(dot);
}

QString addressOf(const QString& path) {
    return QUrl::fromLocalFile(path).toString();
}

} // namespace

const std::array<std::uint32_t, 16> PreviewPane::highlightcolors = {
    0x0000FF, 0xFF0000, 0x00AA00, 0x7F00FF, 0x007FFF, 0x00FF7F, 0xFF007F, 0x7FFF00,
    0x00FFFF, 0xFFFF00, 0xFF00FF, 0x00007F, 0x007F7F, 0x7F007F, 0x7FFF7F, 0xFF7FFF};

PreviewPane::PreviewPane(TKorvaneTessellonMain& main) : main_(main) {
    RichEdit1.readOnly = true; // the preview shows, it does not edit
    WebBrowser1.visible = false;
    Image4.visible = false;
    Preview2.caption = QStringLiteral("&Preview");
    Preview2.checked = true;
}

void PreviewPane::showOnly(ControlState* view) {
    for (ControlState* each :
         {static_cast<ControlState*>(&RichEdit1), static_cast<ControlState*>(&WebBrowser1),
          static_cast<ControlState*>(&Image4)})
        each->visible = each == view;
}

void PreviewPane::ListView1SelectItem(int row) {
    if (main_.ListView1.selectedIndex < 0)
        return;
    const QString path = main_.GetPath(row);
    const QString ext = extensionOf(path).toUpper();
    if (isOneOf(ext, {u".JPG", u".BMP", u".GIF", u".TIF", u".TIFF", u".ICO", u".WMF", u".EMF",
                      u".JPEG"})) {
        showOnly(&Image4);
        // An unreadable picture is the user's error report; the view keeps
        // its previous picture.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw FileError(
                QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
        Image4.path = path;
    } else if (ext == u".PDF") {
        showOnly(nullptr);
    } else if (isOneOf(ext, {u".HTM", u".HTML", u".HTA", u".PNG"})) {
        showOnly(&WebBrowser1);
        WebBrowser1.address = addressOf(path);
    } else {
        showOnly(&RichEdit1);
        if (preview1_)
            preview1_->address = BlankPage;
        showText(path);
    }
}

void PreviewPane::showText(const QString& path) {
    RichEdit1.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        RichEdit1.text = QStringLiteral("<can't display this file>");
        return;
    }
    const qsizetype n = std::min<qint64>(file.size(), PreviewBytes);
    if (n == 0) {
        // Our own placeholder is not the file's text: nothing to highlight.
        RichEdit1.text = QStringLiteral("<empty file>");
        return;
    }
    const QByteArray bytes = file.read(n);
    if (bytes.size() != n) {
        RichEdit1.text = QStringLiteral("<can't display this file>");
        return;
    }
    RichEdit1.text =
        TextFile::decode(bytes) + (n == PreviewBytes ? QStringLiteral(" ...") : QString());
    highlight();
}

void PreviewPane::highlight() {
    fillhighlightwords();
    for (int k = 0; k < highlightwords.size(); ++k) {
        const QString& word = highlightwords[k].wort;
        if (word.isEmpty())
            continue;
        for (qsizetype at = RichEdit1.text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
             at = RichEdit1.text.indexOf(word, at + word.size(), Qt::CaseInsensitive))
            RichEdit1.highlights.append({at, word.size(), k % 16});
    }
}

void PreviewPane::fillhighlightwords() {
    const QString& text = main_.ComboBox100.text;
    highlightwords.clear();
    if (main_.RadioGroup1.itemIndex == 1) {
        highlightwords.append({text});
        return;
    }
    static const QRegularExpression separators(QStringLiteral("[\t ]+"));
    for (const QString& word : text.split(separators, Qt::SkipEmptyParts))
        highlightwords.append({word});
}

void PreviewPane::preview1Click() {
    if (main_.ListView1.selectedIndex >= 0)
        previewinwindow(main_.ListView1.selectedIndex);
}

void PreviewPane::previewinwindow(int row) {
    const QString path = main_.GetPath(row);
    const QString ext = extensionOf(path).toLower();
    if (!isOneOf(ext, {u".xml", u".htm", u".html"})) {
        main_.platform().shellOpen(path);
        return;
    }
    if (!preview1_)
        return;
    main_.platform().setBusyCursor();
    preview1_->visible = true;
    preview1_->caption = QStringLiteral("Preview - ") + path;
    preview1_->address = addressOf(path);
    if (preview1_->show)
        preview1_->show();
    main_.platform().setNormalCursor();
}

void PreviewPane::Preview2Click() {
    Preview2.checked = !Preview2.checked;
    pane.visible = !pane.visible;
    if (!pane.visible) {
        layout.listRatio =
            layout.windowWidth > 0 ? double(layout.listWidth) / layout.windowWidth : 0.0;
        layout.listWidth = layout.windowWidth;
        layout.splitterVisible = false;
    } else {
        // Round to nearest, a half to the even neighbour (the default mode).
        layout.listWidth = int(std::nearbyint(layout.windowWidth * layout.listRatio));
        layout.splitterVisible = true;
    }
}

} // namespace tessellon
