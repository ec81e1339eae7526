// Test main for widget tests: a QApplication on the offscreen platform unless
// the environment names another, and the C locale; in the sanitizer build,
// reports of the programs a test starts fail the test program.
#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

#include "support/ChildSanitizerReports.h"
#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    pinTestEnvironment();
    ChildSanitizerReports childReports;
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    childReports.watchTests();
    return childReports.exitCode(RUN_ALL_TESTS());
}
