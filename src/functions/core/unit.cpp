#include "functions/core/unit.h"

#include "engine/core/number_text.h"

#include <QStringList>

#include <array>
#include <cmath>

namespace zorv::functions {

using namespace Qt::StringLiterals;

namespace {

// The SI units of electronics and of the quantities around it: the units a typed prefix or the
// engineering form may scale.
const QStringList &prefixableUnits()
{
    static const QStringList units{u"ohm"_s,
                                   u"Hz"_s,
                                   u"Wh"_s,
                                   u"VA"_s,
                                   u"Ah"_s,
                                   u"F"_s,
                                   u"H"_s,
                                   u"V"_s,
                                   u"A"_s,
                                   u"W"_s,
                                   u"s"_s,
                                   u"m"_s,
                                   u"J"_s,
                                   u"C"_s,
                                   u"S"_s,
                                   u"g"_s,
                                   u"N"_s,
                                   u"Pa"_s};
    return units;
}

struct Prefix
{
    int exponent;
    QChar symbol;
};

constexpr std::array<Prefix, 10> Prefixes{{{-15, u'f'},
                                           {-12, u'p'},
                                           {-9, u'n'},
                                           {-6, u'\u00B5'},
                                           {-3, u'm'},
                                           {0, QChar()},
                                           {3, u'k'},
                                           {6, u'M'},
                                           {9, u'G'},
                                           {12, u'T'}}};

// "ohm" in any letter case, "Ω" (omega) and "Ω" (the ohm sign) are one unit.
QString ohmAsWritten(const QString &unit)
{
    if (unit.compare(u"ohm"_s, Qt::CaseInsensitive) == 0 || unit == u"\u03A9"_s
        || unit == u"\u2126"_s)
        return u"ohm"_s;
    return unit;
}

QString withUnit(const QString &number, const QString &unit)
{
    return unit.isEmpty() ? number : number + u' ' + unit;
}

// The value rounded to 4 significant digits, as the nearest double.
double fourDigits(double value)
{
    return QString::number(value, 'e', 3).toDouble();
}

} // namespace

Unit parseUnit(const QString &declared)
{
    Unit unit;
    unit.written = declared.trimmed();
    const QString base = ohmAsWritten(unit.written);
    unit.base = base;
    if (prefixableUnits().contains(base)) {
        unit.prefixable = true;
        return unit;
    }
    // "m" alone is the metre; "mm" or "kohm" is a prefix on a unit.
    const QString rest = ohmAsWritten(base.mid(1));
    const std::optional<int> exponent = base.isEmpty() ? std::nullopt : prefixExponent(base[0]);
    if (exponent && prefixableUnits().contains(rest)) {
        unit.base = rest;
        unit.exponent = *exponent;
        unit.prefixable = true;
    }
    return unit;
}

const QStringList &knownUnitSymbols()
{
    static const QStringList symbols = [] {
        QStringList all = prefixableUnits();
        all << u"\u03A9"_s << u"\u2126"_s << u"%"_s << u"dB"_s << u"°C"_s << u"mm²"_s << u"m²"_s
            << u"ohm·mm²/m"_s;
        std::stable_sort(all.begin(), all.end(), [](const QString &a, const QString &b) {
            return a.size() > b.size();
        });
        return all;
    }();
    return symbols;
}

QString shownUnit(const QString &unit)
{
    QString shown = unit;
    shown.replace(u"ohm"_s, u"Ω"_s, Qt::CaseInsensitive);
    if (shown.size() > 1 && shown[0] == u'u')
        shown[0] = u'\u00B5';
    return shown;
}

QString engineeringText(double value, const Unit &unit)
{
    const double rounded = fourDigits(value);
    if (!unit.prefixable || rounded == 0 || !std::isfinite(rounded))
        return withUnit(engine::numberText(rounded), shownUnit(unit.written));

    const double inBase = fourDigits(value * std::pow(10.0, unit.exponent));
    const int exponent = int(std::floor(std::log10(std::abs(inBase))));
    const int engineering = int(std::floor(exponent / 3.0)) * 3;
    for (const Prefix &prefix : Prefixes) {
        if (prefix.exponent != engineering)
            continue;
        const double mantissa = fourDigits(inBase / std::pow(10.0, engineering));
        const QString symbol = prefix.symbol.isNull() ? QString() : QString(prefix.symbol);
        return withUnit(engine::numberText(mantissa), symbol + shownUnit(unit.base));
    }
    return withUnit(engine::numberText(inBase), shownUnit(unit.base));
}

QString userEngineeringText(double value, const Unit &unit, const QLocale &locale)
{
    QString text = engineeringText(value, unit);
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0)
        text.replace(point, 1, locale.decimalPoint());
    return text;
}

} // namespace zorv::functions
