#include "gui/HighlightedTextView.h"

#include <QTextCursor>

namespace tessellon {

namespace {

// The document turns CR LF into one paragraph break: the position in the
// document of every position in the text.
QVector<int> documentPositions(const QString& text) {
    QVector<int> positions(text.size() + 1);
    int shift = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        positions[i] = int(i) - shift;
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++shift;
    }
    positions[text.size()] = int(text.size()) - shift;
    return positions;
}

} // namespace

HighlightedTextView::HighlightedTextView(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void HighlightedTextView::showText(const RichEditModel& model) {
    if (model.text == shownText_ && model.highlights == shownSpans_)
        return;
    shownText_ = model.text;
    shownSpans_ = model.highlights;
    setPlainText(model.text);
    const QVector<int> positions = documentPositions(model.text);
    QTextCursor cursor(document());
    for (const HighlightSpan& span : model.highlights) {
        QTextCharFormat format;
        format.setForeground(QColor::fromRgb(PreviewPane::highlightcolors[span.colorIndex]));
        format.setFontWeight(QFont::Bold);
        cursor.setPosition(positions[span.start]);
        cursor.setPosition(positions[span.start + span.length], QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
}

} // namespace tessellon
