#include "gui/GuiProgram.h"

#include "app/TessellonApplication.h"
#include "gui/GioFileTypeApplications.h"
#include "gui/MainWindow.h"
#include "gui/OperationGuard.h"
#include "gui/QtPlatform.h"

#include <QApplication>

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
    window.show();
    QApplication::exec();
    return failed;
}

} // namespace tessellon
