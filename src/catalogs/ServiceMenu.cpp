// The Tools menu: whether the indexing service runs, starting or stopping it,
// and the catalog manager.
#include "app/TKorvaneTessellonMain.h"
#include "catalogs/IndexingServiceCommand.h"
#include "common/TextFile.h"

namespace tessellon {

namespace {

constexpr int ServiceWaitMs = 3000;

} // namespace

void TKorvaneTessellonMain::Tools1Popup() {
    IndexingService1.visible = adminAvailable;
    if (!adminAvailable)
        return;
    const bool running = adminConnection->IsRunning();
    Memo1.text = serviceStateText(running);
    IndexingService1.caption = running ? QStringLiteral("Stop Indexing Service")
                                       : QStringLiteral("Start Indexing Service");
}

void TKorvaneTessellonMain::IndexingService1Click() {
    if (!adminAvailable)
        return;
    // The text states the expected outcome at once; the command runs on.
    const bool expectRunning = !adminConnection->IsRunning();
    const ServiceCommand command = expectRunning ? startServiceCommand() : stopServiceCommand();
    Memo1.text = serviceStateText(expectRunning);
    QString errorFile;
    if (serviceCommandErrors_.isOpen() || serviceCommandErrors_.open()) {
        serviceCommandErrors_.resize(0);
        errorFile = serviceCommandErrors_.fileName();
    }
    platform_.startDetached(command.program, command.arguments, errorFile);

    platform_.setBusyCursor();
    platform_.sleep(ServiceWaitMs);
    RefreshCatalogList();
    platform_.processPendingEvents();
    platform_.setNormalCursor();

    // A service that did not follow is shown as it is, with the command's
    // own reason when it gave one.
    const bool running = adminConnection->IsRunning();
    if (running != expectRunning) {
        const QString reason = errorFile.isEmpty() ? QString() : TextFile::lastLine(errorFile);
        Memo1.text = serviceStateText(running) +
                     (reason.isEmpty() ? QString() : QStringLiteral("\r\n") + reason);
    }
}

void TKorvaneTessellonMain::IndexingServiceManagement1Click() {
    if (showCatalogManager)
        showCatalogManager();
}

} // namespace tessellon
