#include "functions/core/axis_ticks.h"

#include <array>
#include <cmath>

namespace zorv::functions {

using namespace Qt::StringLiterals;

namespace {

// The prefixes from 1E-15 to 1E12, by steps of a thousand.
constexpr int LowestPrefixPower = -15;
constexpr std::array<char16_t, 10> Prefixes{u'f', u'p', u'n', u'µ', u'm', 0, u'k', u'M', u'G', u'T'};

// The power of a thousand that an engineering text of the value uses.
int prefixPower(double value)
{
    if (value == 0)
        return 0;
    return int(std::floor(std::log10(std::abs(value)) / 3)) * 3;
}

QString withPrefix(double value, int power, int decimals, const QLocale &locale)
{
    const int index = (power - LowestPrefixPower) / 3;
    if (index < 0 || index >= int(Prefixes.size()))
        return locale.toString(value, 'g', std::max(decimals, 1) + 1);
    QString text = locale.toString(value / std::pow(10.0, power), 'f', std::max(decimals, 0));
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    if (text == u"-0"_s)
        text = u"0"_s;
    const char16_t prefix = Prefixes[index];
    return prefix ? text + u' ' + QChar(prefix) : text;
}

} // namespace

QString engineeringText(double value, int decimals, const QLocale &locale)
{
    int power = prefixPower(value);
    // 999,9996 with three decimals would read "1000": it is 1 of the next prefix.
    const double mantissa = std::abs(value) / std::pow(10.0, power);
    if (std::round(mantissa * std::pow(10.0, decimals)) >= 1000 * std::pow(10.0, decimals))
        power += 3;
    return withPrefix(value, power, decimals, locale);
}

QList<AxisTick> linearTicks(double low, double high, const QLocale &locale)
{
    if (!(high > low) || !std::isfinite(low) || !std::isfinite(high))
        return {};
    // A step of at most 2.5 times a eighth of the range: three graduations at least, nine at most.
    const double rough = (high - low) / 8;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude;
    for (const double factor : {2.0, 5.0, 10.0}) {
        if (step >= rough)
            break;
        step = magnitude * factor;
    }
    // One prefix for the whole axis, that of its largest graduation, and the decimals its step
    // needs in that prefix.
    const double largest = std::max(std::abs(low), std::abs(high));
    const int power = prefixPower(largest);
    const int decimals = std::max(0,
                                  int(std::ceil(-std::log10(step / std::pow(10.0, power)) - 1e-9)));
    QList<AxisTick> ticks;
    for (double k = std::ceil(low / step - 1e-9); k * step <= high * (1 + 1e-12) + step * 1e-9;
         ++k) {
        const double value = std::abs(k) < 0.5 ? 0 : k * step;
        ticks.append({value, withPrefix(value, value == 0 ? 0 : power, decimals, locale)});
    }
    return ticks;
}

QList<AxisTick> logarithmicTicks(double low, double high, const QLocale &locale)
{
    if (!(low > 0) || !(high > low) || !std::isfinite(high))
        return {};
    const int first = int(std::floor(std::log10(low) + 1e-9));
    const int last = int(std::ceil(std::log10(high) - 1e-9));
    const bool fine = last - first < 3;
    QList<AxisTick> ticks;
    for (int decade = first; decade <= last; ++decade) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            if (factor != 1 && !fine)
                continue;
            const double value = factor * std::pow(10.0, decade);
            if (value >= low * (1 - 1e-12) && value <= high * (1 + 1e-12))
                ticks.append({value, engineeringText(value, 0, locale)});
        }
    }
    return ticks;
}

} // namespace zorv::functions
