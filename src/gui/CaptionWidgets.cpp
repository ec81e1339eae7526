#include "gui/CaptionWidgets.h"

#include "gui/TQzHtmlLabel2.h"
#include "gui/TxpButton.h"

namespace tessellon {

QLabel* createFormattedLabel(const QString& miniHtml, QWidget* parent) {
    auto* label = new TQzHtmlLabel2(parent);
    label->setCaption(miniHtml);
    return label;
}

TxpButton* createFlatButton(const QString& caption, QWidget* parent) {
    auto* button = new TxpButton(parent);
    button->setCaption(caption);
    return button;
}

} // namespace tessellon
