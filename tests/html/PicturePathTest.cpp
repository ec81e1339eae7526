#include "html/PicturePath.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

struct PathCase {
    const char* name;
    QString src;
    QString protocol;
    QString path;
    bool resource;
};
TESSELLON_PRINT_CASE_BY_NAME(PathCase)

class PicturePath : public ::testing::TestWithParam<PathCase> {
protected:
    static void SetUpTestSuite() { qputenv("TESSELLON_PICTURES", "/srv/pictures"); }
};

TEST_P(PicturePath, Resolves) {
    const PathCase& c = GetParam();
    const PictureSource source = resolvePicturePath(c.src, u"/opt/app/"_qs);
    EXPECT_EQ(source.protocol, c.protocol);
    EXPECT_EQ(source.path, c.path);
    EXPECT_EQ(source.resource, c.resource);
}

// Sources arrive lower-cased from the parser.
INSTANTIATE_TEST_SUITE_P(
    Cases, PicturePath,
    ::testing::Values(PathCase{"file_address", u"file:///home/me/a.png"_qs, u"file"_qs,
                               u"/home/me/a.png"_qs, false},
                      PathCase{"file_in_program_folder", u"file://%app%logo.bmp"_qs, u"file"_qs,
                               u"/opt/app/logo.bmp"_qs, false},
                      PathCase{"plain_path_with_environment", u"%tessellon_pictures%/a.png"_qs,
                               u""_qs, u"/srv/pictures/a.png"_qs, false},
                      PathCase{"repeated_reference",
                               u"%tessellon_pictures%/x/%tessellon_pictures%"_qs, u""_qs,
                               u"/srv/pictures/x//srv/pictures"_qs, false},
                      PathCase{"resource", u"res:logo"_qs, u"res"_qs, u"logo"_qs, true},
                      PathCase{"other_protocol_whole", u"http://x.org/a.png"_qs, u"http"_qs,
                               u"http://x.org/a.png"_qs, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PicturePath, ResourceNameInCapitals) {
    EXPECT_EQ(resourcePicturePath(u"logo"_qs), u":/LOGO"_qs);
}

} // namespace
