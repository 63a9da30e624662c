#include "engine/core/number_text.h"

#include "engine/core/decimal_digits.h"

#include <charconv>
#include <cmath>

using namespace Qt::StringLiterals;

namespace zorv::engine {
namespace {

// Magnitudes from 10^PlainFrom up to, but not including, 10^PlainUntil are written without an
// exponent.
constexpr int PlainFrom = -4;
constexpr int PlainUntil = 15;

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return u"nan"_s;
    return value < 0 ? u"-inf"_s : u"inf"_s;
}

// Writes the text into a buffer first: appending to a QString character by character costs more
// than the whole conversion.
class TextBuffer
{
public:
    void put(char16_t c) { m_text[m_size++] = c; }

    void put(const char16_t *text)
    {
        while (*text)
            put(*text++);
    }

    void putDigits(const DecimalDigits &d, int from, int to)
    {
        for (int i = from; i < to; ++i)
            put(i < 15 ? char16_t(d.digits[i]) : u'0');
    }

    void putZeros(int count)
    {
        for (int i = 0; i < count; ++i)
            put(u'0');
    }

    QString text() const { return QString(reinterpret_cast<const QChar *>(m_text), m_size); }

private:
    // Enough for the longest plain text: "-0.", 323 zeros and 15 digits.
    char16_t m_text[352];
    int m_size = 0;
};

QString composedText(const DecimalDigits &d, bool exponentForm)
{
    if (d.isZero())
        return u"0"_s;
    const int count = d.significantCount();
    const int e = d.exponent;
    TextBuffer out;
    if (d.negative)
        out.put(u'-');
    if (exponentForm) {
        out.putDigits(d, 0, 1);
        if (count > 1) {
            out.put(u'.');
            out.putDigits(d, 1, count);
        }
        out.put(e < 0 ? u"E-" : u"E+");
        const int magnitude = e < 0 ? -e : e;
        if (magnitude >= 100)
            out.put(char16_t(u'0' + magnitude / 100));
        out.put(char16_t(u'0' + magnitude / 10 % 10));
        out.put(char16_t(u'0' + magnitude % 10));
    } else if (e >= 0) {
        out.putDigits(d, 0, e + 1);
        if (count > e + 1) {
            out.put(u'.');
            out.putDigits(d, e + 1, count);
        }
    } else {
        out.put(u"0.");
        out.putZeros(-e - 1);
        out.putDigits(d, 0, count);
    }
    return out.text();
}

} // namespace

QString numberText(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const DecimalDigits d = DecimalDigits::of(value);
    return composedText(d, d.exponent < PlainFrom || d.exponent >= PlainUntil);
}

QString userNumberText(double value, const QLocale &locale)
{
    QString text = numberText(value);
    text.replace(u'.', locale.decimalPoint());
    return text;
}

QString workingNumberText(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return u"0"_s;
    // The shortest digits that read back as the same double (17 at most): the rewriting carries
    // every value whole, and only the final result is rounded.
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    QString text;
    text.reserve(end - digits);
    for (const char *c = digits; c != end; ++c) {
        if (*c == 'e') {
            text.append(u'E');
            if (*++c == '-')
                text.append(WorkingExponentMinus);
        } else {
            text.append(QLatin1Char(*c));
        }
    }
    return text;
}

} // namespace zorv::engine
