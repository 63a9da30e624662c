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

namespace zorv::engine {
namespace {

bool isDecimalSeparator(QChar c)
{
    return c == u'.' || c == u',';
}

bool isNumberPart(QChar c)
{
    return isDigit(c) || isDecimalSeparator(c);
}

bool isExponentLetter(QChar c)
{
    return c == u'E' || c == u'e' || c == u'D' || c == u'd';
}

// The end of the exponent that starts at i ("E", an optional sign, at least one digit), or i when
// none starts there: an "E" without digits is no exponent.
qsizetype exponentEnd(QStringView s, qsizetype i)
{
    if (i >= s.size() || !isExponentLetter(s[i]))
        return i;
    qsizetype k = i + 1;
    if (k < s.size() && (s[k] == u'+' || s[k] == u'-'))
        ++k;
    const qsizetype digits = k;
    while (k < s.size() && isDigit(s[k]))
        ++k;
    return k > digits ? k : i;
}

// Whether a name of the expression begins at i: PI, or letters (V, the root, left out) followed
// by "(", a function's name.
bool startsName(QStringView s, qsizetype i)
{
    if ((s[i] == u'p' || s[i] == u'P') && i + 1 < s.size() && (s[i + 1] == u'i' || s[i + 1] == u'I'))
        return true;
    const qsizetype k = nameEnd(s, i);
    return k > i && k < s.size() && s[k] == u'(';
}

// The multiplier letter at i, a prefix or the R of a code, when it belongs to the number.
bool multiplierAt(QStringView s, qsizetype i)
{
    return i < s.size() && (prefixExponent(s[i]) || s[i] == u'R') && !startsName(s, i);
}

[[noreturn]] void refuseMalformed(QStringView s, qsizetype from, qsizetype k)
{
    while (k < s.size() && (isNumberPart(s[k]) || exponentEnd(s, k) > k || multiplierAt(s, k)))
        k = exponentEnd(s, k) > k ? exponentEnd(s, k) : k + 1;
    throw EvalError(EvalFailure::MalformedNumber, s.mid(from, k - from).toString());
}

} // namespace

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

qsizetype nameEnd(QStringView text, qsizetype i)
{
    while (i < text.size() && isAsciiLetter(text[i]) && text[i] != u'V' && text[i] != u'v')
        ++i;
    return i;
}

std::optional<int> prefixExponent(QChar c)
{
    switch (c.unicode()) {
    case u'f':
        return -15;
    case u'p':
        return -12;
    case u'n':
        return -9;
    case u'u':
    case u'\u00B5':
    case u'\u03BC':
        return -6;
    case u'm':
        return -3;
    case u'k':
    case u'K':
        return 3;
    case u'M':
        return 6;
    case u'G':
        return 9;
    case u'T':
        return 12;
    default:
        return std::nullopt;
    }
}

std::optional<double> prefixFactor(QChar c)
{
    if (const std::optional<int> exponent = prefixExponent(c))
        return std::pow(10.0, *exponent);
    return std::nullopt;
}

bool startsTypedNumber(QStringView text, qsizetype i)
{
    return i < text.size()
           && (isNumberPart(text[i])
               || (text[i] == u'R' && i + 1 < text.size() && isDigit(text[i + 1])));
}

TypedNumber readTypedNumber(QStringView s, qsizetype from)
{
    qsizetype k = from;
    int separators = 0;
    bool digit = false;
    while (k < s.size() && isNumberPart(s[k])) {
        separators += isDecimalSeparator(s[k]) ? 1 : 0;
        digit = digit || isDigit(s[k]);
        ++k;
    }
    QString decimal = s.mid(from, k - from).toString().replace(u',', u'.');
    const bool code = multiplierAt(s, k) && k + 1 < s.size() && isDigit(s[k + 1]);
    if (separators > 1 || (!digit && !code) || (code && separators > 0))
        refuseMalformed(s, from, k);
    const qsizetype exponent = exponentEnd(s, k);
    TypedNumber number;
    if (exponent > k) {
        k = exponent;
        decimal = s.mid(from, k - from).toString().replace(u',', u'.');
        if (k < s.size() && (isNumberPart(s[k]) || multiplierAt(s, k)))
            refuseMalformed(s, from, k);
    } else if (multiplierAt(s, k) && (code || s[k] != u'R')) {
        const int power = prefixExponent(s[k]).value_or(0);
        ++k;
        if (code) {
            const qsizetype fraction = k;
            while (k < s.size() && isDigit(s[k]))
                ++k;
            decimal += u'.' + s.mid(fraction, k - fraction).toString();
        }
        decimal += u'E' + QString::number(power);
        number.prefixed = true;
        if (k < s.size() && (isNumberPart(s[k]) || multiplierAt(s, k)))
            refuseMalformed(s, from, k);
    } else if (k < s.size() && isNumberPart(s[k])) {
        refuseMalformed(s, from, k);
    }
    number.end = k;
    number.value = readNumber(decimal);
    return number;
}

double readWholeTypedNumber(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    qsizetype i = 0;
    const bool negative = !trimmed.isEmpty() && (trimmed[0] == u'-' || trimmed[0] == u'−');
    if (!trimmed.isEmpty() && (negative || trimmed[0] == u'+'))
        ++i;
    if (!startsTypedNumber(trimmed, i))
        throw EvalError(EvalFailure::MalformedNumber, trimmed.toString());
    const TypedNumber number = readTypedNumber(trimmed, i);
    if (number.end != trimmed.size())
        throw EvalError(EvalFailure::MalformedNumber, trimmed.toString());
    return negative ? -number.value : number.value;
}

NumberForms numberForms(QStringView text)
{
    NumberForms forms;
    for (qsizetype i = 0; i < text.size();) {
        if (!startsTypedNumber(text, i)) {
            ++i;
            continue;
        }
        const TypedNumber number = readTypedNumber(text, i);
        (number.prefixed ? forms.prefixed : forms.bare) += 1;
        i = number.end;
    }
    return forms;
}

} // namespace zorv::engine
