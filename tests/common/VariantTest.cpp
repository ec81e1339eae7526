#include "common/Variant.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

TEST(Variant, KindsFollowTheStoredType) {
    EXPECT_EQ(Variant().kind(), Variant::Kind::Empty);
    EXPECT_EQ(Variant::null().kind(), Variant::Kind::Null);
    EXPECT_EQ(Variant(std::int64_t(5)).kind(), Variant::Kind::Int64);
    EXPECT_EQ(Variant(std::uint32_t(5)).kind(), Variant::Kind::UInt32);
    EXPECT_EQ(Variant(std::int8_t(-3)).toInt64(), -3);
    EXPECT_EQ(Variant(2.5f).toDouble(), 2.5);
    EXPECT_EQ(Variant(true).kind(), Variant::Kind::Boolean);
    EXPECT_EQ(Variant(Variant::Currency{12345}).toCurrency().tenThousandths, 12345);
    EXPECT_EQ(Variant(Variant::ErrorCode{0x80040E14}).toErrorCode().code, 0x80040E14u);
}

TEST(VariantArray, TwoDimensionsWithBounds) {
    VariantArray a({{1, 2}, {0, 1}});
    a.set({1, 0}, Variant(std::int32_t(1)));
    a.set({2, 1}, Variant(std::int32_t(4)));
    EXPECT_EQ(a.elementCount(), 4);
    EXPECT_EQ(a.at({1, 0}).toInt64(), 1);
    EXPECT_EQ(a.at({2, 1}).toInt64(), 4);
    EXPECT_TRUE(a.at({1, 1}).isEmpty());
    const Variant v(a);
    EXPECT_EQ(v.toArray().dimensions(), 2);
    EXPECT_EQ(v, Variant(a));
}

TEST(VariantArray, EmptyVector) {
    const VariantArray a = VariantArray::vector({});
    EXPECT_EQ(a.dimensions(), 1);
    EXPECT_EQ(a.bound(0).count(), 0);
    EXPECT_EQ(a.elementCount(), 0);
}

} // namespace
