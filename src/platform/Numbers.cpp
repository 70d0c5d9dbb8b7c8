#include "platform/Numbers.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace {
qint64 saturate(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.2233720368547758e18;
    if (value >= limit)
        return std::numeric_limits<qint64>::max();
    if (value <= -limit)
        return std::numeric_limits<qint64>::min();
    return qint64(value);
}
} // namespace

qint64 Round(double value)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest-even unless changed.
    return saturate(std::nearbyint(value));
}

qint64 RoundExtended(long double value)
{
    const long double rounded = std::nearbyintl(value);
    if (std::isnan(rounded))
        return 0;
    if (rounded >= 9.2233720368547758e18L)
        return std::numeric_limits<qint64>::max();
    if (rounded <= -9.2233720368547758e18L)
        return std::numeric_limits<qint64>::min();
    return qint64(rounded);
}

qint64 Trunc(double value)
{
    return saturate(std::trunc(value));
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const qint64 product = qint64(a) * qint64(b);
    qint64 quotient = product / c;
    const qint64 remainder = product % c;
    if (remainder != 0 && 2 * (remainder < 0 ? -remainder : remainder) >= (c < 0 ? -qint64(c) : qint64(c)))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min())
        return -1;
    return int(quotient);
}
