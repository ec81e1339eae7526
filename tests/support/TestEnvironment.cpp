#include "support/TestEnvironment.h"

#include <QByteArray>
#include <QtGlobal>
#include <clocale>
#include <ctime>

void pinTestEnvironment() {
    qputenv("TZ", QByteArray("UTC"));
    tzset();
    qputenv("LC_ALL", QByteArray("C.UTF-8"));
    qputenv("LANG", QByteArray("C.UTF-8"));
    std::setlocale(LC_ALL, "C.UTF-8");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    if (qEnvironmentVariableIsEmpty("TESSELLON_BIN_DIR"))
        qputenv("TESSELLON_BIN_DIR", QByteArray(TESSELLON_TEST_BIN_DIR));
    if (qEnvironmentVariableIsEmpty("TESSELLON_SOURCE_DIR"))
        qputenv("TESSELLON_SOURCE_DIR", QByteArray(TESSELLON_TEST_SOURCE_DIR));
}
