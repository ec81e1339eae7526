#include "gui/UntrustedWebProfile.h"

#include <gtest/gtest.h>

using namespace tessellon;

TEST(UntrustedWebProfileTest, OnlyRootGivesUpChromiumsSandbox) {
    const struct {
        const char* flags;
        bool root;
        const char* expected;
    } cases[] = {{"", false, ""},
                 {"--disable-gpu", false, "--disable-gpu"},
                 {"", true, "--no-sandbox"},
                 {"--disable-gpu", true, "--disable-gpu --no-sandbox"},
                 {"--no-sandbox --disable-gpu", true, "--no-sandbox --disable-gpu"}};
    for (const auto& c : cases)
        EXPECT_EQ(chromiumFlags(c.flags, c.root), QByteArray(c.expected)) << c.flags << c.root;
}
