// The small search-type dialog: a choice of search type and an OK button
// that starts a search run. Its choice does not change the statement.
#pragma once

#include "common/ControlModels.h"

namespace tessellon {

class TKorvaneTessellonMain;

class TKorvaneTessellonAdvancedIXSSO {
public:
    explicit TKorvaneTessellonAdvancedIXSSO(TKorvaneTessellonMain& main);

    ComboBoxModel searchTypeBox; // "Search type"
    ButtonModel okbtn;           // "&OK", closes with the OK result

    // Closes the dialog with OK and starts a search run.
    ModalResult okbtnClick();

private:
    TKorvaneTessellonMain& main_;
};

} // namespace tessellon
