// tessellon: the desktop search program. Without arguments it opens its main
// window; with arguments it runs one search unattended and writes its report.
// With /Q it never opens a window and needs no display: messages then go to
// stderr, and the exit status tells whether the batch succeeded. Without /Q
// and without a display it says so and ends with status 1. The registration
// switches write or remove the automation server's activation file and end
// at once. Started by the session bus for an automation client and without
// a display, it serves the client without windows until the last client
// leaves.
#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/HeadlessPlatform.h"
#include "app/ProgramServices.h"
#include "app/TessellonApplication.h"
#include "app/UsageText.h"
#include "automation/AutomationServer.h"
#include "automation/BusRegistration.h"
#include "common/Error.h"
#include "gui/GuiProgram.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

using namespace tessellon;

namespace {

// The batch without a display. The provider's message of a failed search
// reaches stderr too, since no window shows the status memo.
int runHeadlessBatch(const QStringList& arguments) {
    HeadlessPlatform platform;
    ProgramServices services;
    TessellonApplication app(platform, services.provider(), ProgramServices::adminFactory(),
                             ProgramServices::registryCatalogNames(), &services.management());
    app.createWindows();
    app.runBatch(arguments);
    if (!app.searchFailure().isEmpty())
        platform.showMessage(app.searchFailure());
    return app.batchFailed() ? 1 : 0;
}

// Serves automation clients without windows, after the batch start, until
// the last client leaves the bus.
int serveAutomationHeadless(const QStringList& arguments) {
    HeadlessPlatform platform;
    ProgramServices services;
    TessellonApplication app(platform, services.provider(), ProgramServices::adminFactory(),
                             ProgramServices::registryCatalogNames());
    app.createWindows();
    app.runBatch(arguments);
    AutomationServer automation(app.main(), services.provider());
    QString failure;
    if (!automation.publish(failure)) {
        platform.showMessage(failure);
        return 1;
    }
    QObject::connect(&automation.busObject(), &AutomationBusObject::lastClientLeft,
                     QCoreApplication::instance(), &QCoreApplication::quit);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    switch (infoRequest(arguments)) {
    case InfoRequest::Help:
        std::fputs(usageText().toLocal8Bit().constData(), stdout);
        return 0;
    case InfoRequest::Version:
        std::fputs(versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case InfoRequest::None:
        break;
    }

    if (const std::optional<RegistrationRequest> request = registrationRequest(arguments)) {
        QCoreApplication app(argc, argv);
        try {
            applyRegistration(*request, QCoreApplication::applicationFilePath());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "tessellon: %s\n", errorMessage(e).toLocal8Bit().constData());
            return 1;
        }
        return 0;
    }
    const bool display = displayAvailable(QProcessEnvironment::systemEnvironment());
    if (startedByBus(arguments) && !display) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Tessellon"));
        return serveAutomationHeadless(arguments);
    }
    if (parseArguments(arguments).quit) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Tessellon"));
        return runHeadlessBatch(arguments);
    }
    // Without a display Qt would abort while building the application.
    if (!display) {
        std::fputs(noDisplayMessage().toLocal8Bit().constData(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessellon"));
    ProgramServices services;
    return runGuiProgram(arguments, services.provider(), ProgramServices::adminFactory(),
                         ProgramServices::registryCatalogNames(), &services.management());
}
