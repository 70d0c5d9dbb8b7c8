#include "platform/ExtendedFloat.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
constexpr int extendedBias = 16383;
constexpr int doubleBias = 1023;
} // namespace

ExtendedBytes encodeExtended(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = bits >> 63;
    const int exponent = int((bits >> 52) & 0x7FF);
    std::uint64_t fraction = bits & ((std::uint64_t(1) << 52) - 1);

    std::uint64_t mantissa = 0;
    int extendedExponent = 0;
    if (exponent == 0x7FF) {
        extendedExponent = 0x7FFF;
        mantissa = (std::uint64_t(1) << 63) | (fraction << 11);
    } else if (exponent == 0) {
        if (fraction != 0) {
            // Subnormal double: fraction * 2^-1074, normalised since the extended range holds it.
            const int leading = 63 - std::countl_zero(fraction);
            mantissa = fraction << (63 - leading);
            extendedExponent = leading - 1074 + extendedBias;
        }
    } else {
        extendedExponent = exponent - doubleBias + extendedBias;
        mantissa = (std::uint64_t(1) << 63) | (fraction << 11);
    }

    ExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[std::size_t(i)] = std::uint8_t(mantissa >> (8 * i));
    const unsigned top = unsigned(extendedExponent) | (negative ? 0x8000u : 0u);
    bytes[8] = std::uint8_t(top & 0xFF);
    bytes[9] = std::uint8_t(top >> 8);
    return bytes;
}

double decodeExtended(const ExtendedBytes &bytes)
{
    std::uint64_t mantissa = 0;
    for (int i = 0; i < 8; ++i)
        mantissa |= std::uint64_t(bytes[std::size_t(i)]) << (8 * i);
    const unsigned top = unsigned(bytes[8]) | (unsigned(bytes[9]) << 8);
    const bool negative = top & 0x8000u;
    const int exponent = int(top & 0x7FFF);
    const double sign = negative ? -1.0 : 1.0;

    if (exponent == 0x7FFF) {
        if ((mantissa << 1) == 0)
            return sign * std::numeric_limits<double>::infinity();
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (mantissa == 0)
        return negative ? -0.0 : 0.0;

    // value = mantissa * 2^(e - bias - 63), with e = 1 for the denormal encoding (exponent 0).
    const int scale = (exponent == 0 ? 1 : exponent) - extendedBias - 63;

    // Round the 64-bit mantissa to the precision the result will have, halves to even, then
    // let ldexp place it exactly (it is exact once the mantissa fits the target precision).
    const int leading = 63 - std::countl_zero(mantissa); // position of the highest set bit
    const int resultExponent = leading + scale;          // unbiased exponent of the value
    int keepBits = 53;
    if (resultExponent < -1022)
        keepBits = 53 - (-1022 - resultExponent);
    if (keepBits <= 0) {
        // Below half the smallest subnormal, or exactly at the rounding point of it.
        if (keepBits == 0) {
            const std::uint64_t half = std::uint64_t(1) << leading;
            const double smallest = sign * std::numeric_limits<double>::denorm_min();
            return mantissa > half ? smallest : sign * 0.0;
        }
        return sign * 0.0;
    }
    const int drop = leading + 1 - keepBits;
    std::uint64_t kept = mantissa;
    int keptScale = scale;
    if (drop > 0) {
        kept = mantissa >> drop;
        const std::uint64_t rest = mantissa & ((std::uint64_t(1) << drop) - 1);
        const std::uint64_t half = std::uint64_t(1) << (drop - 1);
        if (rest > half || (rest == half && (kept & 1)))
            ++kept;
        keptScale += drop;
    }
    return sign * std::ldexp(double(kept), keptScale);
}
