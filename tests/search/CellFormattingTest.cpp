#include "search/CellFormatting.h"
#include "common/Error.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

Variant i32(int v) {
    return Variant(std::int32_t(v));
}

TEST(CellFormatting, PlainConversion) {
    const QLocale c = QLocale::c();
    EXPECT_EQ(plainText(Variant(), Conversion::Strict, c), u""_qs);
    EXPECT_EQ(plainText(Variant(std::int64_t(-42)), Conversion::Strict, c), u"-42"_qs);
    EXPECT_EQ(plainText(Variant(std::uint64_t(18446744073709551615ull)), Conversion::Strict, c),
              u"18446744073709551615"_qs);
    EXPECT_EQ(plainText(Variant(0.1 + 0.2), Conversion::Strict, c), u"0.3"_qs);
    EXPECT_EQ(plainText(Variant(2.5), Conversion::Strict, QLocale(QLocale::German)), u"2,5"_qs);
    EXPECT_EQ(plainText(Variant(u"text"_qs), Conversion::Strict, c), u"text"_qs);
    EXPECT_EQ(plainText(Variant(true), Conversion::Strict, c), u"True"_qs);
    EXPECT_EQ(plainText(Variant(Variant::Currency{123400}), Conversion::Strict, c), u"12.34"_qs);
    EXPECT_EQ(plainText(Variant::null(), Conversion::Lenient, c), u""_qs);
    EXPECT_THROW(plainText(Variant::null(), Conversion::Strict, c), ConversionError);
}

// Floats in the general format: no digit grouping and a plain "e" exponent
// whatever the locale; only the decimal separator is the locale's.
TEST(CellFormatting, FloatsInGeneralFormat) {
    const struct {
        QLocale locale;
        double value;
        QString text;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), 12345.5, u"12345.5"_qs},
        {QLocale(QLocale::English, QLocale::UnitedStates), 1e20, u"1e+20"_qs},
        {QLocale(QLocale::English, QLocale::UnitedStates), 123456789012345678.0,
         u"1.23456789012346e+17"_qs},
        {QLocale(QLocale::German), -1234567.25, u"-1234567,25"_qs},
        {QLocale(QLocale::German), 2.5e-7, u"2,5e-07"_qs},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plainText(Variant(c.value), Conversion::Strict, c.locale), c.text)
            << c.locale.name().toStdString() << ' ' << c.value;
}

TEST(CellFormatting, ArrayTexts) {
    const QLocale c = QLocale::c();
    const Variant mixed(VariantArray::vector({i32(1), Variant::null(), Variant()}));
    EXPECT_EQ(VariantArrayToText(mixed, std::nullopt, QChar(u'\r'), c), u"[1,#NULL,#EMPTY]"_qs);
    EXPECT_EQ(VariantArrayToText(Variant(VariantArray::vector({})), std::nullopt, QChar(u'\r'), c),
              u"[]"_qs);
    EXPECT_EQ(VariantArrayToText(
                  Variant(VariantArray::vector({Variant(u"red"_qs), Variant(u"green"_qs)})),
                  std::nullopt, QChar(u'\r'), QLocale(QLocale::German)),
              u"[red;green]"_qs);

    VariantArray square({{0, 1}, {0, 1}});
    square.set({0, 0}, i32(1));
    square.set({0, 1}, i32(2));
    square.set({1, 0}, i32(3));
    square.set({1, 1}, i32(4));
    EXPECT_EQ(VariantArrayToText(Variant(square), std::nullopt, QChar(u'\r'), c),
              u"[\r[1,2]\r[3,4]]"_qs);
    EXPECT_EQ(VariantArrayToText(Variant(VariantArray({{0, 0}, {0, 0}, {0, 0}})), std::nullopt,
                                 QChar(u'\r'), c),
              u"[Array Dim=3]"_qs);

    const Variant nested(VariantArray::vector({Variant(VariantArray::vector({i32(7)}))}));
    EXPECT_EQ(VariantArrayToText(nested, std::nullopt, QChar(u'\r'), c), u"[[7]]"_qs);
    EXPECT_EQ(VariantArrayToText(i32(5), std::nullopt, QChar(u'\r'), c), u"5"_qs);
}

TEST(CellFormatting, ElementTexts) {
    const QLocale c = QLocale::c();
    EXPECT_EQ(VariantElementToText(Variant(Variant::ErrorCode{0x80040E14}), c),
              u"Error($80040E14)"_qs);
    const QDateTime when(QDate(2014, 8, 15), QTime(10, 30, 5, 250), Qt::UTC);
    EXPECT_TRUE(VariantElementToText(Variant(when), c).startsWith(u"2014-08-15 10:30:05"_qs));
    EXPECT_TRUE(VariantElementToText(Variant(when), c).endsWith(u".250"_qs));
}

} // namespace
