#include "engine/core/number_reading.h"

#include "engine/core/calcule.h"
#include "engine/core/decimal_digits.h"
#include "engine/core/number_text.h"

#include <QVarLengthArray>

#include <charconv>
#include <cmath>
#include <limits>

namespace zorv::engine {
namespace {

// ValSp's mask has 31 decimals.
constexpr int ValSpDecimals = 31;

// Decimal exponents beyond which a number is out of range whatever its digits (the largest double
// is below 1E309, the smallest above 1E-324; a mantissa read here has no leading zeros).
constexpr qint64 OverflowExponent = 310;
constexpr qint64 UnderflowExponent = -330;

// Keeps an exponent typed with absurdly many digits from overflowing the arithmetic.
constexpr qint64 ExponentCap = qint64(1) << 40;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The significant digits of a number as "0.<digits>" times 10^pointPosition.
struct Mantissa
{
    QVarLengthArray<char, 40> digits;
    qint64 pointPosition = 0;
    bool anyDigit = false;
};

qsizetype readMantissa(QStringView text, qsizetype i, Mantissa &m)
{
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            m.anyDigit = true;
            if (!m.digits.isEmpty() || c != u'0') {
                m.digits.append(char(c.unicode()));
                if (!seenPoint)
                    ++m.pointPosition;
            } else if (seenPoint) {
                --m.pointPosition; // a zero between the point and the first significant digit
            }
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    while (!m.digits.isEmpty() && m.digits.last() == '0')
        m.digits.removeLast();
    return i;
}

// The exponent that starts at i, or 0 when there is none (an "E" without a digit is not one).
qint64 readExponent(QStringView text, qsizetype i)
{
    if (i >= text.size())
        return 0;
    const QChar marker = text[i];
    if (marker != u'E' && marker != u'e' && marker != u'D' && marker != u'd')
        return 0;
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-' || text[i] == WorkingExponentMinus))
        negative = text[i++] != u'+';
    qint64 exponent = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        exponent = std::min(exponent * 10 + (text[i].unicode() - u'0'), ExponentCap);
    return negative ? -exponent : exponent;
}

} // namespace

namespace {

// A magnitude that a double holds only with fewer digits (below the smallest normal double) or not
// at all is refused, as an overflow is: its digits would be lost in silence.
[[noreturn]] void refuseUnderflow()
{
    throw EvalError(EvalFailure::Underflow);
}

double read(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    Mantissa m;
    i = readMantissa(text, i, m);
    if (m.digits.isEmpty())
        return 0;
    const qint64 exponent = m.pointPosition + readExponent(text, i);
    if (exponent > OverflowExponent)
        throw EvalError(EvalFailure::Overflow);
    if (exponent < UnderflowExponent)
        refuseUnderflow();

    QVarLengthArray<char, 64> number;
    if (negative)
        number.append('-');
    number.append("0.", 2);
    number.append(m.digits.constData(), m.digits.size());
    char exponentText[24] = {'e'};
    const auto end = std::to_chars(exponentText + 1, exponentText + sizeof exponentText, exponent);
    number.append(exponentText, end.ptr - exponentText);
    double value = 0;
    const auto result = std::from_chars(number.constData(),
                                        number.constData() + number.size(),
                                        value);
    if (result.ec == std::errc::result_out_of_range) {
        if (exponent > 0)
            throw EvalError(EvalFailure::Overflow);
        refuseUnderflow();
    }
    if (std::isinf(value))
        throw EvalError(EvalFailure::Overflow);
    if (std::abs(value) < std::numeric_limits<double>::min())
        refuseUnderflow();
    return value;
}

} // namespace

double readNumber(QStringView text)
{
    return read(text);
}

double readOperand(QStringView text)
{
    // 0.0 is added to turn -0 into 0.
    return read(text) + 0.0;
}

QString ValSp(QStringView Nombre)
{
    DecimalDigits d = DecimalDigits::of(readNumber(Nombre));
    d.roundToDecimals(ValSpDecimals);
    QString out;
    out.reserve(ValSpDecimals + 4 + std::max(d.exponent, 0));
    if (d.negative && !d.isZero())
        out.append(u'-');
    const auto digitAt = [&d](int i) { return QLatin1Char(i >= 0 && i < 15 ? d.digits[i] : '0'); };
    if (d.exponent >= 0 && !d.isZero()) {
        for (int i = 0; i <= d.exponent; ++i)
            out.append(digitAt(i));
    } else {
        out.append(u'0');
    }
    out.append(u'.');
    for (int place = 1; place <= ValSpDecimals; ++place)
        out.append(d.isZero() ? QLatin1Char('0') : digitAt(d.exponent + place));
    return out;
}

double normaliseOperand(double value)
{
    if (!std::isfinite(value))
        throw EvalError(EvalFailure::Overflow);
    // A whole number below 1E15 is its own 15-digit rounding (most typed values are).
    if (std::abs(value) < 1e15 && value == std::floor(value))
        return value + 0.0; // -0 becomes 0, as its text "0" reads
    const DecimalDigits d = DecimalDigits::of(value);
    if (d.isZero())
        return 0;
    const double rounded = d.toDouble();
    if (std::isinf(rounded))
        throw EvalError(EvalFailure::Overflow);
    return rounded;
}

} // namespace zorv::engine
