// The main window's Advanced button: shows the advanced dialog and, on OK,
// takes its word boxes over and runs the search.
#include "app/TKorvaneTessellonMain.h"
#include "query/CriteriaTables.h"
#include "query/RecentEntries.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"

namespace tessellon {

void TKorvaneTessellonMain::AdvancedbtnClick() {
    TKorvaneTessellonAdvancedSQL& dialog = *advancedSQL;
    dialog.deepshallow_cb.visible = dialog.ComboBox3.text != AllFoldersMarker;
    const ModalResult result = showAdvancedDialog ? showAdvancedDialog() : ModalResult::Cancel;
    if (result != ModalResult::Ok)
        return; // the edits stay in the dialog and count at the next search
    copyTextAndEntries(dialog.ComboBox20, ComboBox100);
    copyTextAndEntries(dialog.ComboBox24, ComboBox103);
    if (dialog.ComboBox3.text.isEmpty())
        dialog.ComboBox3.text = AllFoldersMarker;
    dialog.ResearchSQL();
    SearchbtnClick();
}

} // namespace tessellon
