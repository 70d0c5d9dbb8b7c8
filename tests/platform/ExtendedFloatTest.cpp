#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "platform/ExtendedFloat.h"

namespace {
ExtendedBytes bytesOf(std::initializer_list<int> values)
{
    ExtendedBytes bytes{};
    std::size_t i = 0;
    for (const int value : values)
        bytes[i++] = std::uint8_t(value);
    return bytes;
}
} // namespace

TEST(ExtendedFloat, EncodesKnownValuesBitExactly)
{
    struct Case
    {
        double value;
        ExtendedBytes bytes;
    };
    const Case cases[] = {
        {0.0, bytesOf({0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00})},
        {1.0, bytesOf({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})},
        {-2.0, bytesOf({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0})},
        {0.5, bytesOf({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F})},
        {8.5, bytesOf({0, 0, 0, 0, 0, 0, 0, 0x88, 0x02, 0x40})},
        // 2.65 held in single precision, widened: mantissa 0xA9999A << 40.
        {double(2.65f), bytesOf({0, 0, 0, 0, 0, 0x9A, 0x99, 0xA9, 0x00, 0x40})},
        {std::numeric_limits<double>::infinity(), bytesOf({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F})},
        // The smallest subnormal double, 2^-1074, is a normal extended number.
        {std::numeric_limits<double>::denorm_min(), bytesOf({0, 0, 0, 0, 0, 0, 0, 0x80, 0xCD, 0x3B})},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(encodeExtended(c.value), c.bytes) << c.value;
        EXPECT_EQ(decodeExtended(c.bytes), c.value) << c.value;
    }
}

TEST(ExtendedFloat, EveryDoubleSurvivesTheRoundTrip)
{
    std::mt19937_64 random(42);
    for (int i = 0; i < 20000; ++i) {
        double value;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (std::isnan(value))
            continue;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(decodeExtended(encodeExtended(value))), bits) << value;
    }
}

TEST(ExtendedFloat, DecodingRoundsTheLongMantissaHalfToEven)
{
    // 1 + 2^-53 is exactly half way between 1 and the next double: rounds to the even 1.
    EXPECT_EQ(decodeExtended(bytesOf({0, 0x04, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})), 1.0);
    // 1 + 3 * 2^-53 is half way between two doubles whose upper one is even.
    EXPECT_EQ(decodeExtended(bytesOf({0, 0x0C, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})),
              1.0 + 4 * std::ldexp(1.0, -53));
    // Just above half way rounds up.
    EXPECT_EQ(decodeExtended(bytesOf({1, 0x04, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})),
              1.0 + std::ldexp(1.0, -52));
}

TEST(ExtendedFloat, OutOfRangeValuesSaturate)
{
    // 2^2000 overflows a double; 2^-2000 underflows to zero; NaN stays NaN.
    const int big = 16383 + 2000;
    const int tiny = 16383 - 2000;
    EXPECT_EQ(decodeExtended(bytesOf({0, 0, 0, 0, 0, 0, 0, 0x80, big & 0xFF, big >> 8})),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(decodeExtended(bytesOf({0, 0, 0, 0, 0, 0, 0, 0x80, tiny & 0xFF, 0x80 | (tiny >> 8)})), -0.0);
    EXPECT_TRUE(std::isnan(decodeExtended(bytesOf({1, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F}))));
    // An unnormal (integer bit clear) decodes as the value its bits denote: 0.5 * 2^0.
    EXPECT_EQ(decodeExtended(bytesOf({0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F})), 0.5);
}
