#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
#include <ctime>

namespace tessellon::fuzz {

QString scratchFolder() {
    static QTemporaryDir folder;
    if (!folder.isValid())
        std::abort();
    return folder.path();
}

QString writeScratchFile(const QByteArray& content) {
    const QString path = scratchFolder() + QStringLiteral("/input");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size())
        std::abort();
    return path;
}

} // namespace tessellon::fuzz

// libFuzzer calls this once before the first input: the same fixed
// environment the tests run in, and no Qt warnings on every input.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("TZ", QByteArray("UTC"));
    tzset();
    std::setlocale(LC_ALL, "C.UTF-8");
    static QCoreApplication app(*argc, *argv);
    QLocale::setDefault(QLocale::c());
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) {
            fprintf(stderr, "%s\n", qPrintable(text));
            std::abort();
        }
    });
    return 0;
}
