#include "app/DisplayCheck.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

struct DisplayCase {
    const char* name;
    QStringList variables; // NAME=value
    bool available;
};
TESSELLON_PRINT_CASE_BY_NAME(DisplayCase)

class DisplayCheck : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayCheck, TellsWhetherAWindowCanOpen) {
    QProcessEnvironment environment;
    for (const QString& variable : GetParam().variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    EXPECT_EQ(displayAvailable(environment), GetParam().available);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayCheck,
    ::testing::Values(
        DisplayCase{"nothing_set", {}, false}, DisplayCase{"x11", {u"DISPLAY=:0"_qs}, true},
        DisplayCase{"wayland", {u"WAYLAND_DISPLAY=wayland-0"_qs}, true},
        DisplayCase{"empty_display", {u"DISPLAY="_qs}, false},
        DisplayCase{"offscreen", {u"QT_QPA_PLATFORM=offscreen"_qs}, true},
        DisplayCase{"display_servers_only", {u"QT_QPA_PLATFORM=wayland;xcb:dpi=96"_qs}, false},
        DisplayCase{"fallback_without_server", {u"QT_QPA_PLATFORM=xcb;minimal"_qs}, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
