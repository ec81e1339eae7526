// Showing the control models in their Qt widgets. Every function blocks the
// widget's signals while it writes, so that showing a model never counts as
// a user's edit, and touches only what differs (a box keeps its cursor).
#pragma once

#include "common/ControlModels.h"

class QAbstractButton;
class QComboBox;
class QDateEdit;
class QListWidget;
class QPlainTextEdit;
class QTreeWidget;
class QWidget;

namespace tessellon {

class TxpButton;

void showState(QWidget& widget, const ControlState& state);
void showComboBox(QComboBox& box, const ComboBoxModel& model);
void showButton(QAbstractButton& button, const ButtonModel& model);
void showButton(TxpButton& button, const ButtonModel& model);
void showCheckBox(QAbstractButton& box, const CheckBoxModel& model);
void showMemo(QPlainTextEdit& edit, const MemoModel& model);
// The date field is usable only while its enable tick is set.
void showDatePicker(QAbstractButton& tick, QDateEdit& edit, const DatePickerModel& model);
// A flowing list of ticked captions; the row captioned `boldCaption` is drawn bold.
void showTickList(QListWidget& list, const TickListModel& model, const QString& boldCaption = {});
// A report-style list with tick boxes: columns, rows with their further
// texts, the selected row.
void showTickTable(QTreeWidget& table, const TickListModel& model);

// A memo's text as a Qt text widget holds it (lines broken by LF) and back
// (lines broken by CR LF, as the program writes them).
QString memoTextForDisplay(const MemoModel& model);
void takeMemoText(MemoModel& model, const QString& displayed);

} // namespace tessellon
