#include <gtest/gtest.h>

#include <limits>

#include "platform/Numbers.h"

TEST(Numbers, RoundHalvesToEvenAndTruncTowardZero)
{
    struct Case
    {
        double value;
        qint64 rounded;
        qint64 truncated;
    };
    const Case cases[] = {
        {0.5, 0, 0},
        {1.5, 2, 1},
        {2.5, 2, 2},
        {37.5, 38, 37},
        {-0.5, 0, 0},
        {-1.5, -2, -1},
        {-2.5, -2, -2},
        {371.8, 372, 371},
        {206.8, 207, 206},
        {-3.7, -4, -3},
        {1e300, std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::max()},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Round(c.value), c.rounded) << c.value;
        EXPECT_EQ(Trunc(c.value), c.truncated) << c.value;
    }
    EXPECT_EQ(Round(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Numbers, MulDivRoundsHalfAwayFromZeroAndFailsAsMinusOne)
{
    struct Case
    {
        int a, b, c, expected;
    };
    const Case cases[] = {
        {-11, 72, 96, -8}, {10, 96, 72, 13}, {8, 96, 72, 11},        {1, 3, 2, 2},
        {-1, 3, 2, -2},    {7, 1, 0, -1},    {0x7FFFFFFF, 4, 1, -1}, {-13, 72, 96, -10},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(Numbers, SingleHolderWidensExactly)
{
    EXPECT_EQ(toSingle(2.65), 2.6500000953674316);
    EXPECT_EQ(toSingle(0.5), 0.5);
}
