#include "app/HeadlessPlatform.h"
#include "support/TempDir.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

using namespace tessellon;

// A detached command's error output lands in the file it is given, where the
// program reads why a service command failed.
TEST(SystemPlatformTest, DetachedCommandWritesItsErrorOutputToTheFile) {
    TempDir dir;
    const QString errors = dir.filePath(QStringLiteral("errors.txt"));
    HeadlessPlatform platform;
    ASSERT_TRUE(platform.startDetached(
        QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("echo out; echo why >&2")},
        errors));
    const auto written = [&] {
        QFile file(errors);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QDeadlineTimer deadline(10000);
    while (written() != "why\n" && !deadline.hasExpired())
        QThread::msleep(10);
    EXPECT_EQ(written(), "why\n");
    EXPECT_FALSE(platform.startDetached(dir.filePath(QStringLiteral("missing")), {}, errors));
}
