// The Help menu: the manual, the home page and the About window.
#include "app/TKorvaneTessellonMain.h"
#include "help/HelpCommands.h"
#include "help/ProductAddresses.h"

#include <QCoreApplication>

namespace tessellon {

void TKorvaneTessellonMain::Help1Click() {
    openManual(platform_, QCoreApplication::applicationDirPath());
}

void TKorvaneTessellonMain::HomePage1Click() {
    platform_.shellOpen(MakerHomePage);
}

void TKorvaneTessellonMain::About1Click() {
    TAboutInfo info;
    info.productname = QStringLiteral("Tessellon");
    info.applicationname = QStringLiteral("Local");
    info.description =
        QStringLiteral("Tessellon is a fast Search Engine for files and file contents.");
    info.copyright = QStringLiteral("Copyright (c) 2026 Korvane. All rights reserved.");
    info.deeplink = MakerHomePage;
    if (showAbout)
        showAbout(info);
}

} // namespace tessellon
