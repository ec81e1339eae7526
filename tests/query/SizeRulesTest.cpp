#include "query/SizeRules.h"
#include "common/Error.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

TEST(ParseSizeValue, AppliesDecimalSuffixes) {
    const std::pair<QString, QString> cases[] = {
        {u"10K"_qs, u"10000"_qs},
        {u"2M"_qs, u"2000000"_qs},
        {u"3000M"_qs, u"3000000000"_qs},
        {u"5G"_qs, u"5000000000"_qs},
        {u"1500"_qs, u"1500"_qs},
        {u""_qs, u""_qs},
        {u"2147483647K"_qs, u"2147483647000"_qs},
    };
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(ParseSizeValue(text), bytes) << text.toStdString();
}

TEST(ParseSizeValue, NumberBeyond32BitsIsAConversionError) {
    try {
        ParseSizeValue(u"2147483648K"_qs);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), u"'2147483648' is not a valid integer value"_qs);
    }
}

TEST(SizeKeys, KeyFilterAcceptsDigitsSuffixesAndControls) {
    EXPECT_EQ(ComboBox1KeyPress(u'7'), QChar(u'7'));
    EXPECT_EQ(ComboBox1KeyPress(u'k'), QChar(u'K'));
    EXPECT_EQ(ComboBox1KeyPress(u'G'), QChar(u'G'));
    EXPECT_EQ(ComboBox1KeyPress(QChar(8)), QChar(8));
    EXPECT_TRUE(ComboBox1KeyPress(u'x').isNull());
    EXPECT_TRUE(ComboBox1KeyPress(u' ').isNull());
    EXPECT_TRUE(ComboBox1KeyPress(u'-').isNull());
}

TEST(SizeKeys, CleanupAfterKeyRelease) {
    const std::pair<QString, QString> cases[] = {
        {u"0"_qs, u""_qs},   {u"12k"_qs, u"12K"_qs}, {u"012"_qs, u"12"_qs},  {u"1K2"_qs, u"12"_qs},
        {u"5X"_qs, u"5"_qs}, {u"K"_qs, u""_qs},      {u"100"_qs, u"100"_qs}, {u""_qs, u""_qs},
    };
    for (const auto& [typed, kept] : cases) {
        ComboBoxModel box;
        box.text = typed;
        ComboBox1KeyUp(box);
        EXPECT_EQ(box.text, kept) << typed.toStdString();
    }
}

} // namespace
