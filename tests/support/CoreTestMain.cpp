// Test main for headless tests: a QCoreApplication (for event loops, timers
// and processes) and the C locale, so results never depend on the machine; in
// the sanitizer build, reports of the programs a test starts fail the test
// program.
#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

#include "support/ChildSanitizerReports.h"
#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    pinTestEnvironment();
    ChildSanitizerReports childReports;
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    childReports.watchTests();
    return childReports.exitCode(RUN_ALL_TESTS());
}
