// A catalog "System" built by the real tessellon-admin over files the test
// writes, in a sandboxed config and data folder.
#pragma once

#include "ServiceSandbox.h"

#include <gtest/gtest.h>

class RealCatalog : public ::testing::Test {
protected:
    RealCatalog() {
        docs = sandbox.dir().mkdir(QStringLiteral("docs"));
        sandbox.dir().write(QStringLiteral("docs/invoice.txt"), "the annual invoice for acme\n");
        sandbox.dir().write(QStringLiteral("docs/sub/report.html"),
                            "<html><head><title>Quarter</title></head>"
                            "<body>quarterly report with an invoice</body></html>");
        sandbox.dir().write(QStringLiteral("docs/notes.txt"), "nothing to see\n");
        EXPECT_EQ(sandbox
                      .admin({QStringLiteral("add"), QStringLiteral("System"),
                              QStringLiteral("--scope"), docs})
                      .exitCode,
                  0);
        EXPECT_EQ(sandbox.admin({QStringLiteral("rescan"), QStringLiteral("System")}).exitCode, 0);
    }

    ServiceSandbox sandbox;
    QString docs;
};
