// Test main for headless tests: a QCoreApplication (for event loops, timers
// and processes) and the C locale, so results never depend on the machine.
#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    pinTestEnvironment();
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
