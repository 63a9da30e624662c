#include "values/core/standard_values.h"

#include "engine/core/calcule.h"
#include "engine/core/number_reading.h"


using namespace Qt::StringLiterals;

namespace zorv::values {

namespace {

// The tables as the standard publishes them. Several values differ from the rounded geometric
// sequence (2,7 … 4,7 and 8,2 in E6 to E24, 9,20 in E192), so they are written out, not computed.
constexpr int E6[] = {10, 15, 22, 33, 47, 68};

constexpr int E12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};

constexpr int E24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                       33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

constexpr int E48[] = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                       178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                       316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                       562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};

constexpr int E96[] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137,
                       140, 143, 147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191,
                       196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255, 261, 267,
                       274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374,
                       383, 392, 402, 412, 422, 432, 442, 453, 464, 475, 487, 499, 511, 523,
                       536, 549, 562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,
                       750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

constexpr int E192[] = {100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118,
                        120, 121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142,
                        143, 145, 147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169,
                        172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203,
                        205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243,
                        246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
                        294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348,
                        352, 357, 361, 365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417,
                        422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481, 487, 493, 499,
                        505, 511, 517, 523, 530, 536, 542, 549, 556, 562, 569, 576, 583, 590, 597,
                        604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690, 698, 706, 715,
                        723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
                        866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

const QString OutOfRange = u"est hors de la plage de 1E-300 à 1E+300"_s;

const QString ColourNames[] = {u"noir"_s,
                               u"marron"_s,
                               u"rouge"_s,
                               u"orange"_s,
                               u"jaune"_s,
                               u"vert"_s,
                               u"bleu"_s,
                               u"violet"_s,
                               u"gris"_s,
                               u"blanc"_s};

// The colour of a multiplier 10^exponent.
std::optional<QString> multiplierColour(int exponent)
{
    if (exponent == -2)
        return u"argent"_s;
    if (exponent == -1)
        return u"or"_s;
    if (exponent >= 0 && exponent <= 9)
        return ColourNames[exponent];
    return std::nullopt;
}

// What the program knows of each series, in the order of Series.
struct SeriesFacts
{
    const char16_t *name;
    std::span<const int> mantissas;
    const char16_t *tolerance;
    const char16_t *toleranceColour; // E6 has no tolerance band
};

const SeriesFacts Facts[] = {
    {u"E6", E6, u"20 %", u"aucune"},
    {u"E12", E12, u"10 %", u"argent"},
    {u"E24", E24, u"5 %", u"or"},
    {u"E48", E48, u"2 %", u"rouge"},
    {u"E96", E96, u"1 %", u"marron"},
    {u"E192", E192, u"0,5 %", u"vert"},
};

const SeriesFacts &facts(Series series)
{
    return Facts[int(series)];
}

// A value at 15 significant digits: digits × 10^(exponent − 14), 10^14 <= digits < 10^15.
struct Decimal15
{
    qint64 digits = 0;
    int exponent = 0;
};

Decimal15 decimal15(double value)
{
    // The shortest exact route to the rounded decimal digits is the formatted text itself.
    const QString text = QString::number(value, 'e', 14);
    const qsizetype e = text.indexOf(u'e');
    QString digits = text.left(e);
    digits.remove(u'.');
    return {digits.toLongLong(), text.mid(e + 1).toInt()};
}

qint64 powerOfTen(int n)
{
    qint64 result = 1;
    while (n-- > 0)
        result *= 10;
    return result;
}

} // namespace

QString seriesName(Series series)
{
    return QString::fromUtf16(facts(series).name);
}

std::optional<Series> seriesNamed(QStringView name)
{
    for (const Series series : AllSeries) {
        if (name.compare(seriesName(series), Qt::CaseInsensitive) == 0)
            return series;
    }
    return std::nullopt;
}

int significantDigits(Series series)
{
    return facts(series).mantissas.front() < 100 ? 2 : 3;
}

std::span<const int> seriesMantissas(Series series)
{
    return facts(series).mantissas;
}

QString toleranceText(Series series)
{
    return QString::fromUtf16(facts(series).tolerance);
}

double StandardValue::value() const
{
    // Parsing the decimal text rounds once, where mantissa × 10^exponent could round twice.
    return u"%1e%2"_s.arg(mantissa).arg(exponent).toDouble();
}

QString refusalReason(double value)
{
    if (!(value > 0))
        return u"n'est pas un nombre positif"_s;
    if (value < SmallestValue || value > GreatestValue)
        return OutOfRange;
    return {};
}

ValueReading readValue(QStringView text)
{
    const QString quoted = u"« %1 »"_s.arg(text.trimmed());
    double value = 0;
    try {
        value = engine::readWholeTypedNumber(text);
    } catch (const engine::EvalError &error) {
        // A magnitude too small for a double is no zero either: it lies outside the series.
        if (error.failure() == engine::EvalFailure::Underflow && !text.trimmed().startsWith(u'-'))
            return {std::nullopt, quoted + u' ' + OutOfRange};
        if (error.failure() == engine::EvalFailure::MalformedNumber)
            return {std::nullopt, quoted + u" n'est pas un nombre"_s};
        return {std::nullopt, quoted + u" : "_s + error.reason()};
    }
    if (const QString reason = refusalReason(value); !reason.isEmpty())
        return {std::nullopt, quoted + u' ' + reason};
    return {value, {}};
}

std::optional<NearestValues> nearestValues(Series series, double value)
{
    if (!refusalReason(value).isEmpty())
        return std::nullopt;

    // Everything is compared in units of the value's 15th significant digit, where the value and
    // the series values of its decade and the next are exact whole numbers.
    const Decimal15 v = decimal15(value);
    const int digits = significantDigits(series);
    const qint64 unit = powerOfTen(15 - digits);
    const int exponent = v.exponent - (digits - 1);
    const std::span<const int> mantissas = seriesMantissas(series);

    // The first series value of the decade is 10^(digits−1) × unit = 10^14 <= v.digits.
    StandardValue below{mantissas.front(), exponent};
    StandardValue above{mantissas.front(), exponent + 1}; // unless one of the decade is found

    qint64 belowUnits = mantissas.front() * unit;
    qint64 aboveUnits = 10 * mantissas.front() * unit;
    for (const int mantissa : mantissas) {
        const qint64 units = mantissa * unit;
        if (units <= v.digits) {
            below = {mantissa, exponent};
            belowUnits = units;
        }
        if (units >= v.digits) {
            above = {mantissa, exponent};
            aboveUnits = units;
            break;
        }
    }

    const qint64 belowGap = v.digits - belowUnits;
    const qint64 aboveGap = aboveUnits - v.digits;
    NearestValues result;
    result.below = below;
    result.above = above;
    result.nearest = belowGap <= aboveGap ? below : above;
    result.belowError = double(belowGap) / double(v.digits);
    result.aboveError = double(aboveGap) / double(v.digits);
    return result;
}

std::optional<QStringList> colourBands(Series series, StandardValue value)
{
    const std::optional<QString> multiplier = multiplierColour(value.exponent);
    if (!multiplier)
        return std::nullopt;
    QStringList bands;
    const QString digits = QString::number(value.mantissa);
    for (const QChar digit : digits)
        bands << ColourNames[digit.digitValue()];
    bands << *multiplier << QString::fromUtf16(facts(series).toleranceColour);
    return bands;
}

} // namespace zorv::values
