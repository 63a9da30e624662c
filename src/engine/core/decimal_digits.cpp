#include "engine/core/decimal_digits.h"

#include <QtGlobal>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zorv::engine {

DecimalDigits DecimalDigits::of(double value)
{
    DecimalDigits d;
    if (value == 0) {
        d.digits.fill('0');
        return d;
    }
    d.negative = value < 0;
    const double magnitude = std::abs(value);
    char text[32];
    if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
        // A whole number below 1E15 has at most 15 digits: written as an integer, it is exact.
        const auto end = std::to_chars(text, text + sizeof text, qint64(magnitude)).ptr;
        d.digits.fill('0');
        std::copy(text, end, d.digits.begin());
        d.exponent = int(end - text) - 1;
        return d;
    }
    // "d.dddddddddddddde±x": to_chars rounds the exact binary value correctly.
    const auto result
        = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14);
    d.digits[0] = text[0];
    for (int i = 1; i < 15; ++i)
        d.digits[i] = text[i + 1];
    std::from_chars(text + 18, result.ptr, d.exponent); // after "e" and its sign
    if (text[17] == '-')
        d.exponent = -d.exponent;
    return d;
}

int DecimalDigits::significantCount() const
{
    int count = 15;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    return count;
}

void DecimalDigits::roundToDecimals(int decimals)
{
    if (isZero())
        return;
    // digits[i] stands for 10^(exponent - i); keep those with exponent - i >= -decimals.
    const int kept = exponent + decimals + 1;
    if (kept >= 15)
        return;
    if (kept < 0) {
        *this = of(0);
        return;
    }
    const bool up = digits[kept] >= '5';
    for (int i = kept; i < 15; ++i)
        digits[i] = '0';
    if (!up) {
        if (kept == 0)
            *this = of(0);
        return;
    }
    int i = kept - 1;
    while (i >= 0 && digits[i] == '9')
        digits[i--] = '0';
    if (i >= 0) {
        ++digits[i];
        return;
    }
    // Carried out of the first digit (9.99 -> 10.0), or rounded up from below the first digit.
    digits.fill('0');
    digits[0] = '1';
    ++exponent;
}

double DecimalDigits::toDouble() const
{
    char text[32];
    char *out = text;
    if (negative)
        *out++ = '-';
    *out++ = digits[0];
    *out++ = '.';
    for (int i = 1; i < 15; ++i)
        *out++ = digits[i];
    *out++ = 'e';
    out = std::to_chars(out, text + sizeof text, exponent).ptr;
    double value = 0;
    const auto result = std::from_chars(text, out, value);
    if (result.ec == std::errc::result_out_of_range)
        return exponent > 0 ? (negative ? -1 : 1) * std::numeric_limits<double>::infinity()
                            : (negative ? -0.0 : 0.0);
    return value;
}

} // namespace zorv::engine
