// Test main for widget tests: a QApplication on the offscreen platform unless
// the environment names another, and the C locale.
#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    pinTestEnvironment();
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
