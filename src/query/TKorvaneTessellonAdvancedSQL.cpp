#include "query/TKorvaneTessellonAdvancedSQL.h"

#include "app/TKorvaneTessellonMain.h"
#include "query/CriteriaTables.h"
#include "query/RecentEntries.h"

namespace tessellon {

TKorvaneTessellonAdvancedSQL::TKorvaneTessellonAdvancedSQL(TKorvaneTessellonMain& main)
    : main_(main) {
    ComboBox20.text = main.ComboBox100.text;
    ComboBox24.text = main.ComboBox103.text;
    ComboBox5.text = IgnoreNothingMarker;
    ComboBox3.text = AllFoldersMarker;
    ComboBox3.items = {AllFoldersMarker};
    ComboBox2.items = {QStringLiteral("100"), QStringLiteral("1000"), QStringLiteral("10000")};
    btnBrowse.caption = QStringLiteral("&Browse Folder");
    deepshallow_cb.caption = QStringLiteral("search deep (include Subdirectories)");
    deepshallow_cb.checked = true;
    for (const ColumnRow& row : ColumnRows)
        ColumnsListView.items.append({QString::fromUtf16(row.caption), row.tickedAtFirstStart, {}});
    for (const AttributeRow& row : AttributeRows)
        FileAttributsListView.items.append({QString::fromUtf16(row.caption), true, {}});
    CheckBox25.caption = QStringLiteral(" use this SQL Query ...");
    Memo1.text = FirstStartExpertText;
    Memo1.enabled = false;
    Button1.caption = QStringLiteral("&Cancel");
    btnOk.caption = QStringLiteral("&Ok");
    FormCreate();
}

void TKorvaneTessellonAdvancedSQL::FormCreate() {
    ComboBox4.text = DefaultResultsLimit;
    deepshallow_cb.visible = false;
    for (TickListItem& item : ColumnsListView.items) {
        if (item.caption == u"Filename" || item.caption == u"Path" || item.caption == u"Size" ||
            item.caption == u"Write")
            item.checked = true;
    }
    fillCheckedcolumnsstrlist();
    startdatepicker.dateTime = QDateTime(QDate(1905, 3, 12), QTime(0, 0));
    startdatepicker.checked = false;
    enddatepicker.dateTime = main_.platform().now();
    enddatepicker.checked = false;
}

void TKorvaneTessellonAdvancedSQL::fillCheckedcolumnsstrlist() {
    main_.columnfields.clear();
    for (const TickListItem& item : ColumnsListView.items) {
        if (item.checked)
            main_.columnfields << item.caption;
    }
}

void TKorvaneTessellonAdvancedSQL::SyncWordBoxes() {
    copyTextAndEntries(main_.ComboBox100, ComboBox20);
    copyTextAndEntries(main_.ComboBox103, ComboBox24);
}

} // namespace tessellon
