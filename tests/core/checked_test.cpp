#include "engine/checked.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Kind = RuntimeError::Kind;

template <typename F> Kind kindRaisedBy(F&& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no run-time error was raised";
    return Kind::Overflow;
}

TEST(CheckedArray, AcceptsEveryIndexFromZeroTo500) {
    BoundedArray<int16_t> values;
    for (int i = 0; i <= 500; ++i)
        values(i) = static_cast<int16_t>(i);
    for (int i = 0; i <= 500; ++i)
        EXPECT_EQ(values(i), i);
}

TEST(CheckedArray, IndexOutsideTheBoundsIsSubscriptOutOfRange) {
    BoundedArray<float> values;
    const BoundedArray<float>& readOnly = values;
    EXPECT_EQ(kindRaisedBy([&] { values(501) = 1; }), Kind::SubscriptOutOfRange);
    EXPECT_EQ(kindRaisedBy([&] { values(-1) = 1; }), Kind::SubscriptOutOfRange);
    EXPECT_EQ(kindRaisedBy([&] { (void)readOnly(501); }), Kind::SubscriptOutOfRange);
    EXPECT_EQ(kindRaisedBy([&] { (void)readOnly(-32768); }), Kind::SubscriptOutOfRange);
}

TEST(CheckedCount, IncrementStopsAt32767) {
    int16_t count = 32766;
    increment(count);
    EXPECT_EQ(count, 32767);
    EXPECT_EQ(kindRaisedBy([&] { increment(count); }), Kind::Overflow);
    EXPECT_EQ(count, 32767) << "a failed increment must leave the count as it was";

    int16_t negative = -1;
    increment(negative);
    EXPECT_EQ(negative, 0);
}

TEST(CheckedFloat, NonFiniteResultsAreFloatingPointFaults) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(kindRaisedBy([&] { checkedDouble(infinity); }), Kind::FloatingPointFault);
    EXPECT_EQ(kindRaisedBy([&] { checkedDouble(std::nan("")); }), Kind::FloatingPointFault);
    EXPECT_EQ(kindRaisedBy([&] { checkedSingle(1e39); }), Kind::FloatingPointFault);
    EXPECT_EQ(checkedSingle(0.5), 0.5f);
    EXPECT_EQ(checkedDouble(-1e300), -1e300);
}

TEST(CheckedErrors, EachKindHasItsOwnMessage) {
    EXPECT_NE(describe(Kind::Overflow), describe(Kind::SubscriptOutOfRange));
    EXPECT_NE(describe(Kind::Overflow), describe(Kind::FloatingPointFault));
    EXPECT_NE(describe(Kind::SubscriptOutOfRange), describe(Kind::FloatingPointFault));
    EXPECT_STREQ(RuntimeError(Kind::Overflow).what(), describe(Kind::Overflow).c_str());
}

} // namespace
