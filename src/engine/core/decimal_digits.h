#pragma once

#include <array>

namespace zorv::engine {

// A finite double rounded to 15 significant decimal digits: the value is
// (negative ? -1 : 1) * d1.d2d3...d15 * 10^exponent, with d1 non-zero unless the value is zero.
struct DecimalDigits
{
    bool negative = false;
    std::array<char, 15> digits{}; // ASCII '0'..'9'
    int exponent = 0;

    static DecimalDigits of(double value);

    bool isZero() const { return digits[0] == '0'; }

    // The number of digits up to the last non-zero one (at least 1).
    int significantCount() const;

    // Rounds half away from zero so that no digit is left below 10^-decimals; the value may
    // become zero.
    void roundToDecimals(int decimals);

    // The double nearest to this decimal value; infinite when it is beyond the range of a double.
    double toDouble() const;
};

} // namespace zorv::engine
