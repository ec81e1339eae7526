#include "gui/CaptionWidgets.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace tessellon {

namespace {

// The captions give font sizes in points ("<font size=11>"), while Qt's rich
// text reads a font size as a step of 1 to 7; a style span says points.
QString toQtRichText(const QString& miniHtml) {
    static const QRegularExpression fontSize(
        QStringLiteral("<font\\s+size\\s*=\\s*\"?(\\d+)\"?\\s*>"),
        QRegularExpression::CaseInsensitiveOption);
    QString text = miniHtml;
    text.replace(fontSize, QStringLiteral("<span style=\"font-size:\\1pt\">"));
    return text;
}

} // namespace

QLabel* createFormattedLabel(const QString& miniHtml, QWidget* parent) {
    auto* label = new QLabel(toQtRichText(miniHtml), parent);
    label->setTextFormat(Qt::RichText);
    return label;
}

QAbstractButton* createFlatButton(const QString& caption, QWidget* parent) {
    return new QPushButton(caption, parent);
}

} // namespace tessellon
