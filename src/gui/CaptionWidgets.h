// The two kinds of caption control the windows place: formatted captions
// (mini-HTML such as "<font size=11><b>Host:</b>"), drawn by the HTML label,
// and flat buttons.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace tessellon {

QLabel* createFormattedLabel(const QString& miniHtml, QWidget* parent);
class TxpButton;

TxpButton* createFlatButton(const QString& caption, QWidget* parent);

} // namespace tessellon
