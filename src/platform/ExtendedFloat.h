#pragma once

#include <array>
#include <cstdint>

// The 80-bit IEEE extended format of the document stream: a 64-bit mantissa with an explicit
// integer bit, then 15 exponent bits and the sign, little-endian. Done with integer arithmetic so
// that the bytes are the same on every host.
using ExtendedBytes = std::array<std::uint8_t, 10>;

// Every double is exactly representable, so encoding is exact.
ExtendedBytes encodeExtended(double value);
// Rounds to the nearest double (halves to even); out-of-range values become infinities or zeros,
// and unnormal encodings decode as the value their bits denote.
double decodeExtended(const ExtendedBytes &bytes);
