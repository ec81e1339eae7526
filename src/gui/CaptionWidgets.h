// The two kinds of caption control the windows place: formatted captions
// (mini-HTML such as "<font size=11><b>Host:</b>") and flat buttons. For now
// they are a rich-text QLabel and a QPushButton; this file is the one place
// to swap them for the real label and button widgets.
#pragma once

#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace tessellon {

QLabel* createFormattedLabel(const QString& miniHtml, QWidget* parent);
QAbstractButton* createFlatButton(const QString& caption, QWidget* parent);

} // namespace tessellon
