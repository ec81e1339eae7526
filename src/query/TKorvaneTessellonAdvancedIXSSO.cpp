#include "query/TKorvaneTessellonAdvancedIXSSO.h"

#include "app/TKorvaneTessellonMain.h"

namespace tessellon {

TKorvaneTessellonAdvancedIXSSO::TKorvaneTessellonAdvancedIXSSO(TKorvaneTessellonMain& main)
    : main_(main) {
    searchTypeBox.items = {QStringLiteral("Free Text Search:  All Properties"),
                           QStringLiteral("Free Text Search:  File Contents only"),
                           QStringLiteral("Phrase Search"),
                           QStringLiteral("IndexQuerySyntax (Advanced)")};
    searchTypeBox.text = searchTypeBox.items.front();
    okbtn.caption = QStringLiteral("&OK");
}

ModalResult TKorvaneTessellonAdvancedIXSSO::okbtnClick() {
    main_.SearchbtnClick();
    return ModalResult::Ok;
}

} // namespace tessellon
