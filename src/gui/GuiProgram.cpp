#include "gui/GuiProgram.h"

#include "app/TessellonApplication.h"
#include "automation/AutomationServer.h"
#include "automation/BusRegistration.h"
#include "gui/GioFileTypeApplications.h"
#include "gui/MainWindow.h"
#include "gui/OperationGuard.h"
#include "gui/QtPlatform.h"

#include <QApplication>
#include <cstdio>

namespace tessellon {

int runGuiProgram(const QStringList& arguments, QueryProvider& provider,
                  AdminConnectionFactory adminFactory, CatalogNamesSource registryCatalogNames,
                  CatalogManagement* management) {
    QtPlatform platform;
    TessellonApplication app(platform, provider, std::move(adminFactory),
                             std::move(registryCatalogNames), management);
    if (!runGuarded(platform, [&app] { app.createWindows(); }))
        return 1; // without its windows the program cannot go on
    if (!arguments.isEmpty())
        app.runBatch(arguments);
    const int failed = app.batchFailed() ? 1 : 0;
    if (app.terminateRequested())
        return failed;

    GioFileTypeApplications fileTypes;
    MainWindow window(app, platform, fileTypes);
    AutomationServer automation(app.main(), provider);
    QString failure;
    if (!automation.publish(failure))
        std::fprintf(stderr, "tessellon: no automation: %s\n", failure.toLocal8Bit().constData());
    window.setAutomationHeld([&automation] { return automation.held(); });
    // Started for a client, the program ends when its last client leaves.
    if (startedByBus(arguments))
        QObject::connect(&automation.busObject(), &AutomationBusObject::lastClientLeft, &window,
                         &MainWindow::closeWithoutSaving);
    window.show();
    QApplication::exec();
    return failed;
}

} // namespace tessellon
