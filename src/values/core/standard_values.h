#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

// The standard series of preferred values for resistors and capacitors (E6 to E192), and the
// nearest values of a series to a given value.
namespace zorv::values {

enum class Series {
    E6,
    E12,
    E24,
    E48,
    E96,
    E192
};

inline constexpr std::array<Series, 6> AllSeries{Series::E6,
                                                 Series::E12,
                                                 Series::E24,
                                                 Series::E48,
                                                 Series::E96,
                                                 Series::E192};

// "E6" … "E192".
QString seriesName(Series series);

// The series named "E6" … "E192" (the letter in either case); nothing for any other text.
std::optional<Series> seriesNamed(QStringView name);

// 2 for E6 to E24, 3 for E48 to E192.
int significantDigits(Series series);

// The values of one decade as whole numbers of significantDigits() digits, ascending: 10 … 68
// for E6, 100 … 988 for E192.
std::span<const int> seriesMantissas(Series series);

// The tolerance that goes with the series, in French: "20 %" … "0,5 %".
QString toleranceText(Series series);

// One value of a series: mantissa × 10^exponent, the mantissa of significantDigits() digits.
struct StandardValue
{
    int mantissa = 0;
    int exponent = 0;

    // The nearest double to the exact decimal value.
    double value() const;

    friend bool operator==(const StandardValue &, const StandardValue &) = default;
};

struct NearestValues
{
    StandardValue below; // the greatest series value that is not above the value
    StandardValue above; // the smallest series value that is not below it
    StandardValue nearest;
    double belowError = 0; // relative errors |s − v| / v
    double aboveError = 0;
};

// The smallest and greatest values served: their neighbours in every series stay normal doubles.
inline constexpr double SmallestValue = 1e-300;
inline constexpr double GreatestValue = 1e300;

// Why a value has no nearest values, in French, to follow the value's text ("« -5 » n'est pas un
// nombre positif"); empty when it has some.
QString refusalReason(double value);

// A value typed by the user: one number as the engine reads numbers (sign, digits with one "." or
// ",", an exponent "E" or "D", or an SI prefix or a resistor code: 4k7, 100n), blanks around it
// allowed.
struct ValueReading
{
    std::optional<double> value;
    QString reason; // when there is no value: why, in French, naming the text
};

ValueReading readValue(QStringView text);

// The values of the series around `value`, taken at 15 significant digits as the engine shows it
// (so that 3 × 1,1 is the series value 3,3 with no error). The nearest is the one with the
// smaller relative error, the lower one on an exact tie. Nothing when refusalReason() is not
// empty.
std::optional<NearestValues> nearestValues(Series series, double value);

// The colour bands of a series value, in French ("jaune", "violet", "marron", "or"): the digits,
// the multiplier (gold for ×0,1 and silver for ×0,01) and the tolerance band of the series
// ("aucune" for E6). Nothing when the multiplier has no colour (below ×0,01 or above ×1 G).
std::optional<QStringList> colourBands(Series series, StandardValue value);

} // namespace zorv::values
