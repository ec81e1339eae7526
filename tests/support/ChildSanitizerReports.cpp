#include "support/ChildSanitizerReports.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// Prints every report in the folder once, under the heading, and removes it.
// Returns whether there was any.
bool takeReports(const QString& folder, const std::string& heading) {
    QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        QByteArray text;
        if (file.open(QIODevice::ReadOnly))
            text = file.readAll();
        file.remove();
        std::fprintf(stderr, "\n*** A program started by %s reported (%s):\n%s\n", heading.c_str(),
                     qPrintable(name), text.constData());
    }
    return !names.isEmpty();
}

bool foundAny = false;

class ReportsAfterEachTest : public ::testing::EmptyTestEventListener {
public:
    explicit ReportsAfterEachTest(QString folder) : folder_(std::move(folder)) {}

    void OnTestEnd(const ::testing::TestInfo& test) override {
        const std::string name = std::string(test.test_suite_name()) + "." + test.name();
        if (takeReports(folder_, name))
            foundAny = true;
    }

private:
    QString folder_;
};

} // namespace

ChildSanitizerReports::ChildSanitizerReports() {
    if (!kSanitized)
        return;
    folder_ = std::make_unique<QTemporaryDir>();
    const QByteArray logPath = "log_path=" + QFile::encodeName(folder_->filePath("report"));
    // Read by the started programs only: this process parsed its settings
    // when it started, and keeps reporting on stderr.
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
        const QByteArray options = qgetenv(name);
        qputenv(name, options.isEmpty() ? logPath : options + ':' + logPath);
    }
}

ChildSanitizerReports::~ChildSanitizerReports() = default;

void ChildSanitizerReports::watchTests() {
    if (!folder_)
        return;
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new ReportsAfterEachTest(folder_->path()));
}

int ChildSanitizerReports::exitCode(int testsExitCode) {
    if (folder_ && takeReports(folder_->path(), "the test program after its last test"))
        foundAny = true;
    return foundAny ? 1 : testsExitCode;
}
