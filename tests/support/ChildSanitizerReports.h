// In the sanitizer build, the programs a test starts (tessellon-admin,
// tessellon-indexd, tessellon-filter, tessellon) write their sanitizer
// reports into a folder of the test process instead of a stderr that the
// test may never read. Each report is printed under the test that was
// running when it appeared, and fails the test program. In other builds
// this does nothing.
#pragma once

#include <memory>

class QTemporaryDir;

class ChildSanitizerReports {
public:
    // Points the programs started from here on at the report folder; call
    // before anything is started.
    ChildSanitizerReports();
    ~ChildSanitizerReports();

    // Checks the folder after every test; call after InitGoogleTest.
    void watchTests();
    // The test program's exit code: a failure if any report appeared, even
    // after the last test (a program that outlived it).
    int exitCode(int testsExitCode);

private:
    std::unique_ptr<QTemporaryDir> folder_;
};
