#include "files/ConfigText.h"

#include "app/TKorvaneTessellonMain.h"
#include "common/CommaText.h"
#include "common/DateFormat.h"
#include "common/Error.h"
#include "files/ConfigLines.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"

namespace tessellon {

namespace {

const QString EndOfExpertText = QStringLiteral("---EOF---");
// The reader always takes this many column flags, whatever the writer said.
constexpr int ColumnFlagCount = 11;
// The line of the ticked catalogs' names, after the column flags.
constexpr qsizetype CatalogLine = 30 + ColumnFlagCount + 8;

// In the result-limit history, every entry whose integer value is 0 or less
// becomes "100"; an entry that is no number is kept as it stands.
void repairLimitHistory(ComboBoxModel& box) {
    for (QString& entry : box.items) {
        bool ok = false;
        const int value = entry.toInt(&ok);
        if (ok && value <= 0)
            entry = QStringLiteral("100");
    }
}

void loadBox(ComboBoxModel& box, const ConfigLines& lines, qsizetype first) {
    LoadComboboxfromCommatext(box, lines.text(first), lines.text(first + 1));
}

} // namespace

void combostore(const ComboBoxModel& box, QStringList& target) {
    target << box.text << CommaText::write(box.items);
}

void LoadComboboxfromCommatext(ComboBoxModel& box, const QString& text, const QString& commatext) {
    box.text = text;
    box.items = CommaText::read(commatext);
}

QStringList generateconfigtext(TKorvaneTessellonMain& main) {
    TKorvaneTessellonAdvancedSQL& d = *main.advancedDialog();
    QStringList lines;
    lines << QString::number(main.RadioGroup1.itemIndex);
    combostore(main.ComboBox100, lines);
    combostore(main.ComboBox100, lines);
    combostore(main.ComboBox103, lines);
    combostore(main.hostcb, lines);
    combostore(d.ComboBox20, lines);
    combostore(d.ComboBox20, lines);
    combostore(d.ComboBox22, lines);
    combostore(d.ComboBox23, lines);
    combostore(d.ComboBox24, lines);
    combostore(d.ComboBox3, lines);
    combostore(d.ComboBox3, lines);
    combostore(d.ComboBox5, lines);
    combostore(d.ComboBox1, lines);
    combostore(d.ComboBox2, lines);
    lines << QString::number(d.ColumnsListView.items.size());
    for (const TickListItem& item : d.ColumnsListView.items)
        lines << booleanText(item.checked);
    lines << booleanText(d.deepshallow_cb.checked);
    lines << booleanText(d.CheckBox25.checked);
    repairLimitHistory(d.ComboBox4);
    combostore(d.ComboBox4, lines);
    lines << formatShortDate(d.startdatepicker.dateTime.date());
    lines << booleanText(d.startdatepicker.checked);
    lines << formatShortDate(d.enddatepicker.dateTime.date());
    lines << booleanText(d.enddatepicker.checked);
    QStringList ticked;
    for (const TickListItem& item : main.CatalogListView.items) {
        if (item.checked)
            ticked << item.caption;
    }
    lines << CommaText::write(ticked);
    // One entry with its line breaks: a file shows it as several lines (read
    // back joined), the settings' comma text keeps it whole.
    lines << d.Memo1.text;
    lines << EndOfExpertText;
    return lines;
}

void loadconfigtext(TKorvaneTessellonMain& main, const QStringList& text) {
    if (text.isEmpty())
        return;
    TKorvaneTessellonAdvancedSQL& d = *main.advancedDialog();
    const ConfigLines lines(text);

    main.RadioGroup1.itemIndex = lines.integer(0);
    loadBox(main.ComboBox100, lines, 1);
    loadBox(main.ComboBox103, lines, 5);
    if (main.hostcb.enabled) {
        loadBox(main.hostcb, lines, 7);
        main.hostcbKeyPress(u'\r');
    }
    loadBox(d.ComboBox20, lines, 9);
    loadBox(d.ComboBox22, lines, 13);
    loadBox(d.ComboBox23, lines, 15);
    loadBox(d.ComboBox24, lines, 17);
    loadBox(d.ComboBox3, lines, 19);
    loadBox(d.ComboBox5, lines, 23);
    loadBox(d.ComboBox1, lines, 25);
    loadBox(d.ComboBox2, lines, 27);

    for (int i = 0; i < ColumnFlagCount && i < d.ColumnsListView.items.size(); ++i) {
        d.ColumnsListView.items[i].checked = lines.boolean(30 + i);
        d.ColumnsListViewChange(d.ColumnsListView, i);
    }
    const qsizetype after = 30 + ColumnFlagCount;
    d.deepshallow_cb.checked = lines.boolean(after);
    d.CheckBox25.checked = lines.boolean(after + 1);
    d.CheckBox25Click();
    loadBox(d.ComboBox4, lines, after + 2);

    d.startdatepicker.dateTime.setDate(lines.date(after + 4));
    d.startdatepicker.checked = lines.boolean(after + 5);
    d.enddatepicker.dateTime.setDate(lines.date(after + 6));
    d.enddatepicker.checked = lines.boolean(after + 7);

    const QStringList catalogs = configCatalogNames(text);
    for (TickListItem& item : main.CatalogListView.items)
        item.checked = catalogs.contains(item.caption);

    d.Memo1.text.clear();
    QString expert;
    for (qsizetype i = CatalogLine + 1;; ++i) {
        if (i >= lines.size())
            throw Error(QStringLiteral("Line %1: the end line \"%2\" of the expert text is missing")
                            .arg(i + 1)
                            .arg(EndOfExpertText));
        const QString& line = lines.text(i);
        if (line == EndOfExpertText)
            break;
        expert += line;
    }
    d.Memo1.text = expert;
}

QStringList configCatalogNames(const QStringList& lines) {
    return CommaText::read(ConfigLines(lines).text(CatalogLine));
}

} // namespace tessellon
