// Control models: the state of the windows' controls, held by the forms'
// logic objects. Operations read and write them as the program's handlers
// read and write their controls; the Qt windows show them and push the
// user's edits back. Plain values, so tests drive the forms without windows.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tessellon {

struct ControlState {
    bool enabled = true;
    bool visible = true;
};

// An editable drop-down box: its text and its list of recent entries.
struct ComboBoxModel : ControlState {
    QString text;
    QStringList items;
};

struct CheckBoxModel : ControlState {
    QString caption;
    bool checked = false;
};

struct ButtonModel : ControlState {
    QString caption;
};

// A multi-line text box. Lines are separated by CR LF, as the program writes
// them.
struct MemoModel : ControlState {
    QString text;
    bool readOnly = false;
    QStringList lines() const;
    void setLines(const QStringList& lines);
};

// A date picker with its own enable tick (the tick is `checked`).
struct DatePickerModel : ControlState {
    QDateTime dateTime;
    bool checked = false;
};

// One row of a list with tick boxes; `subItems` are the texts of the further
// columns.
struct TickListItem {
    QString caption;
    bool checked = false;
    QStringList subItems;
};

struct ListColumn {
    enum class Alignment { Left, Right };
    static constexpr int DefaultWidth = 50;
    QString caption;
    int width = DefaultWidth;
    Alignment alignment = Alignment::Left;
    int tag = 0;
    // A cell text the column shows whole whatever the font (a date in the
    // user's format); empty when the width alone decides.
    QString widestCell;
};

// A report-style list with tick boxes (catalog list, column and attribute
// lists).
struct TickListModel : ControlState {
    QVector<ListColumn> columns;
    QVector<TickListItem> items;
    int selectedIndex = -1;

    // The index of the row with that caption, or -1.
    int indexOf(const QString& caption) const;
};

struct RadioGroupModel : ControlState {
    QString caption;
    QStringList items;
    int itemIndex = -1;
};

struct MenuItemModel : ControlState {
    QString caption;
    bool checked = false;
};

// The result of a modal dialog.
enum class ModalResult { None, Ok, Cancel };

} // namespace tessellon
