// The saved settings: the config text of the last search as one comma text,
// the value "Config" of the settings group "Local".
#include "app/TKorvaneTessellonMain.h"
#include "common/CommaText.h"
#include "common/Error.h"
#include "files/ConfigText.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"

namespace tessellon {

namespace {
const QString SettingsGroup = QStringLiteral("Local");
const QString ConfigValue = QStringLiteral("Config");
} // namespace

void TKorvaneTessellonMain::FormFirstShow(bool startedWithArguments) {
    if (!startedWithArguments) {
        try {
            const std::optional<QString> saved =
                platform_.settings().readString(SettingsGroup, ConfigValue);
            loadconfigtext(*this, CommaText::read(saved.value_or(QString())));
        } catch (const std::exception&) {
            // A damaged or foreign setting must never stop the program
            // starting; what was applied before the error stays.
        }
        advancedSQL->fillCheckedcolumnsstrlist();
        CatalogRefreshClick();
    }
    // The first start's catalog is told once, below what the memo shows.
    if (!startNotice.isEmpty()) {
        Memo1.text += (Memo1.text.isEmpty() ? QString() : QStringLiteral("\r\n")) + startNotice;
        startNotice.clear();
    }
}

bool TKorvaneTessellonMain::FormCloseQuery(bool automationHeld) {
    return !automationHeld ||
           platform_.askYesNo(QStringLiteral("COM Server Warning"),
                              QStringLiteral("Other programs still use Tessellon through its "
                                             "automation interface. Close it anyway?"),
                              Answer::No);
}

void TKorvaneTessellonMain::FormClose() {
    try {
        platform_.settings().writeString(SettingsGroup, ConfigValue,
                                         CommaText::write(generateconfigtext(*this)));
    } catch (const std::exception& e) {
        platform_.showMessage(errorMessage(e));
    }
}

} // namespace tessellon
