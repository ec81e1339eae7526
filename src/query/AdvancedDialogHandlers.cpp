// The advanced dialog's event handlers: folder chooser, folder and ignore
// markers, the always-ticked Filename row, and the switch to expert mode,
// which disables the criteria on both windows.
#include "app/TKorvaneTessellonMain.h"
#include "query/CriteriaTables.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"
#include "query/WordSplitting.h"
#include "search/StatusText.h"

namespace tessellon {

void TKorvaneTessellonAdvancedSQL::FormShow() {
    SyncWordBoxes();
}

void TKorvaneTessellonAdvancedSQL::BrowsebtnClick() {
    const std::optional<QString> chosen =
        main_.platform().chooseFolder(QStringLiteral("Please choose a Folder"));
    if (!chosen)
        return;
    const QString quoted = QuoteWhole(*chosen);
    QString& folders = ComboBox3.text;
    if (folders == AllFoldersMarker)
        folders.clear();
    if (folders.isEmpty())
        folders = quoted;
    else if (!folders.contains(quoted))
        folders += u',' + quoted;
    if (folders != AllFoldersMarker)
        ComboBox3Change();
}

void TKorvaneTessellonAdvancedSQL::ComboBox3Change() {
    deepshallow_cb.visible = ComboBox3.text != AllFoldersMarker;
}

void TKorvaneTessellonAdvancedSQL::ComboBox3DblClick() {
    ComboBox3.text = AllFoldersMarker;
    ComboBox3Change();
}

void TKorvaneTessellonAdvancedSQL::ComboBox5DblClick() {
    ComboBox5.text = IgnoreNothingMarker;
}

void TKorvaneTessellonAdvancedSQL::ColumnsListViewChange(TickListModel& list, int index) {
    if (index >= 0 && index < list.items.size() && list.items[index].caption == u"Filename")
        list.items[index].checked = true;
}

void TKorvaneTessellonAdvancedSQL::CheckBox25Click() {
    const bool normal = !CheckBox25.checked;
    for (ControlState* control : std::initializer_list<ControlState*>{
             &ComboBox20, &ComboBox22, &ComboBox23, &ComboBox24, &ComboBox3, &deepshallow_cb,
             &btnBrowse, &ComboBox5, &startdatepicker, &enddatepicker, &ComboBox1, &ComboBox2,
             &ColumnsListView, &FileAttributsListView, &main_.ComboBox100, &main_.ComboBox103,
             &main_.CatalogListView})
        control->enabled = normal;
    Memo1.enabled = CheckBox25.checked;
    if (CheckBox25.checked)
        main_.Memo1.text += QStringLiteral("\r\n") + ExpertNotice;
}

} // namespace tessellon
