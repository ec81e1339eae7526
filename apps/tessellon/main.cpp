// tessellon: the desktop search program. Without arguments it opens its main
// window; with arguments it runs one search unattended and writes its report.
// With /Q it never opens a window and needs no display: messages then go to
// stderr, and the exit status tells whether the batch succeeded. Without /Q
// and without a display it says so and ends with status 1.
#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/HeadlessPlatform.h"
#include "app/ProgramServices.h"
#include "app/TessellonApplication.h"
#include "app/UsageText.h"
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

    if (parseArguments(arguments).quit) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Tessellon"));
        return runHeadlessBatch(arguments);
    }
    // Without a display Qt would abort while building the application.
    if (!displayAvailable(QProcessEnvironment::systemEnvironment())) {
        std::fputs(noDisplayMessage().toLocal8Bit().constData(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessellon"));
    ProgramServices services;
    return runGuiProgram(arguments, services.provider(), ProgramServices::adminFactory(),
                         ProgramServices::registryCatalogNames(), &services.management());
}
