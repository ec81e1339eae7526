#include "gui/ControlSync.h"

#include "gui/ScaledColumnWidth.h"
#include "gui/TxpButton.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace tessellon {

namespace {

QStringList itemTexts(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.itemText(i);
    return texts;
}

Qt::Alignment alignmentOf(const ListColumn& column) {
    return column.alignment == ListColumn::Alignment::Right ? Qt::AlignRight | Qt::AlignVCenter
                                                            : Qt::AlignLeft | Qt::AlignVCenter;
}

Qt::CheckState checkState(bool checked) {
    return checked ? Qt::Checked : Qt::Unchecked;
}

QStringList rowTexts(const TickListItem& item) {
    return QStringList{item.caption} + item.subItems;
}

bool sameColumns(const QTreeWidget& table, const QVector<ListColumn>& columns) {
    if (table.columnCount() != columns.size())
        return false;
    const QTreeWidgetItem* header = table.headerItem();
    for (int c = 0; c < columns.size(); ++c) {
        if (header->text(c) != columns[c].caption)
            return false;
    }
    return true;
}

bool sameRows(const QTreeWidget& table, const QVector<TickListItem>& items) {
    if (table.topLevelItemCount() != items.size())
        return false;
    for (int r = 0; r < items.size(); ++r) {
        const QTreeWidgetItem* row = table.topLevelItem(r);
        const QStringList texts = rowTexts(items[r]);
        for (int c = 0; c < table.columnCount(); ++c) {
            if (row->text(c) != texts.value(c))
                return false;
        }
    }
    return true;
}

} // namespace

void showState(QWidget& widget, const ControlState& state) {
    widget.setEnabled(state.enabled);
    widget.setHidden(!state.visible);
}

void showComboBox(QComboBox& box, const ComboBoxModel& model) {
    const QSignalBlocker blocker(&box);
    if (itemTexts(box) != model.items) {
        box.clear();
        box.addItems(model.items);
    }
    if (box.currentText() != model.text)
        box.setEditText(model.text);
    showState(box, model);
}

void showButton(QAbstractButton& button, const ButtonModel& model) {
    button.setText(model.caption);
    showState(button, model);
}

void showButton(TxpButton& button, const ButtonModel& model) {
    button.setCaption(model.caption);
    showState(button, model);
}

void showCheckBox(QAbstractButton& box, const CheckBoxModel& model) {
    const QSignalBlocker blocker(&box);
    box.setText(model.caption);
    box.setChecked(model.checked);
    showState(box, model);
}

QString memoTextForDisplay(const MemoModel& model) {
    return model.lines().join(u'\n');
}

void takeMemoText(MemoModel& model, const QString& displayed) {
    model.setLines(displayed.split(u'\n'));
}

void showMemo(QPlainTextEdit& edit, const MemoModel& model) {
    const QSignalBlocker blocker(&edit);
    const QString text = memoTextForDisplay(model);
    if (edit.toPlainText() != text)
        edit.setPlainText(text);
    edit.setReadOnly(model.readOnly);
    showState(edit, model);
}

void showDatePicker(QAbstractButton& tick, QDateEdit& edit, const DatePickerModel& model) {
    const QSignalBlocker tickBlocker(&tick);
    const QSignalBlocker editBlocker(&edit);
    tick.setChecked(model.checked);
    if (edit.date() != model.dateTime.date())
        edit.setDate(model.dateTime.date());
    showState(tick, model);
    edit.setVisible(model.visible);
    edit.setEnabled(model.enabled && model.checked);
}

void showTickList(QListWidget& list, const TickListModel& model, const QString& boldCaption) {
    const QSignalBlocker blocker(&list);
    bool same = list.count() == model.items.size();
    for (int i = 0; same && i < model.items.size(); ++i)
        same = list.item(i)->text() == model.items[i].caption;
    if (!same) {
        list.clear();
        for (const TickListItem& item : model.items) {
            auto* row = new QListWidgetItem(item.caption, &list);
            row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
    }
    for (int i = 0; i < model.items.size(); ++i) {
        QListWidgetItem* row = list.item(i);
        row->setCheckState(checkState(model.items[i].checked));
        QFont font = list.font();
        font.setBold(!boldCaption.isEmpty() && row->text() == boldCaption);
        row->setFont(font);
    }
    showState(list, model);
}

void showTickTable(QTreeWidget& table, const TickListModel& model) {
    const QSignalBlocker blocker(&table);
    if (!sameColumns(table, model.columns)) {
        QStringList captions;
        for (const ListColumn& column : model.columns)
            captions << column.caption;
        table.setColumnCount(int(model.columns.size()));
        table.setHeaderLabels(captions);
        for (int c = 0; c < model.columns.size(); ++c) {
            table.headerItem()->setTextAlignment(c, alignmentOf(model.columns[c]));
            table.header()->resizeSection(c,
                                          columnWidth(model.columns[c], table, *table.header(), c));
        }
    }
    if (!sameRows(table, model.items)) {
        table.clear();
        for (const TickListItem& item : model.items) {
            auto* row = new QTreeWidgetItem(&table, rowTexts(item));
            row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            for (int c = 0; c < model.columns.size(); ++c)
                row->setTextAlignment(c, alignmentOf(model.columns[c]));
        }
    }
    for (int r = 0; r < model.items.size(); ++r)
        table.topLevelItem(r)->setCheckState(0, checkState(model.items[r].checked));
    const int selected = model.selectedIndex;
    QTreeWidgetItem* current = selected >= 0 && selected < table.topLevelItemCount()
                                   ? table.topLevelItem(selected)
                                   : nullptr;
    if (table.currentItem() != current)
        table.setCurrentItem(current);
    showState(table, model);
}

} // namespace tessellon
