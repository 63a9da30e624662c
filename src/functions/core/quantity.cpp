#include "functions/core/quantity.h"

#include <cmath>
#include <optional>

namespace zorv::functions {

using namespace Qt::StringLiterals;

namespace {

QString quotedUnit(const QString &unit)
{
    return u"« "_s + shownUnit(unit) + u" »"_s;
}

// What may stand before a unit: the end of a value, or the blank between value and unit.
bool endsAValue(QStringView text)
{
    if (text.isEmpty())
        return false;
    const QChar last = text.back();
    return last.isDigit() || last.isSpace() || last == u')' || last == u'.' || last == u',';
}

// The symbols by which a typed value may name `base`.
QStringList spellings(const QString &base)
{
    if (base == u"ohm")
        return {u"ohm"_s, u"Ohm"_s, u"\u03A9"_s, u"\u2126"_s, u"R"_s};
    return {base};
}

// A unit read at the end of a typed text.
struct UnitAtEnd
{
    QString value;    // the text before the unit (and its prefix), blanks removed at the ends
    int exponent = 0; // of the prefix written before the unit
    bool prefixed = false;
};

// `symbol` at the end of `text`, with the prefix before it when the unit takes one. A text that
// ends in a prefix letter glued to a number ("10m") ends in that prefix, not in the unit "m",
// unless the caller reads the declared unit, which comes first.
std::optional<UnitAtEnd> unitAtEnd(const QString &text, const QString &symbol, bool prefixable)
{
    if (!text.endsWith(symbol))
        return std::nullopt;
    const QStringView before = QStringView(text).chopped(symbol.size());
    if (prefixable && !before.isEmpty()) {
        const std::optional<int> exponent = prefixExponent(before.back());
        const QStringView value = before.chopped(1);
        if (exponent && (value.trimmed().isEmpty() || endsAValue(value)))
            return UnitAtEnd{value.trimmed().toString(), *exponent, true};
    }
    if (!before.isEmpty() && !endsAValue(before))
        return std::nullopt;
    return UnitAtEnd{before.trimmed().toString(), 0, false};
}

// The unit other than `declared` that the text ends with, if any: the SI units with any prefix,
// the usual others whole. The letter "m" glued to a number is the prefix milli.
std::optional<QString> otherUnitAtEnd(const QString &text, const Unit &declared)
{
    for (const QString &symbol : knownUnitSymbols()) {
        const Unit unit = parseUnit(symbol);
        const QString base = unit.prefixable ? unit.base : unit.written;
        if (declared.declared() && base == (declared.prefixable ? declared.base : declared.written))
            continue;
        const std::optional<UnitAtEnd> found = unitAtEnd(text, symbol, unit.prefixable);
        if (!found)
            continue;
        const QStringView before = QStringView(text).chopped(symbol.size());
        const bool gluedPrefixLetter = !found->prefixed && symbol.size() == 1
                                       && prefixExponent(symbol[0]) && !before.isEmpty()
                                       && !before.back().isSpace();
        if (!gluedPrefixLetter)
            return symbol;
    }
    if (text.size() > 1 && text.back() == u'R' && text[text.size() - 2].isDigit())
        return u"ohm"_s; // "100R": the code letter of ohms
    return std::nullopt;
}

bool isPrefixLetter(QChar c)
{
    return prefixExponent(c).has_value();
}

} // namespace

PrefixCount countPrefixes(const QString &expression)
{
    PrefixCount count;
    const qsizetype n = expression.size();
    qsizetype i = 0;
    auto isLetter = [&](qsizetype at) { return at < n && expression[at].isLetter(); };
    while (i < n) {
        const QChar c = expression[i];
        const bool startsCode = c == u'R' && i + 1 < n && expression[i + 1].isDigit()
                                && (i == 0 || !expression[i - 1].isLetterOrNumber());
        if (!c.isDigit() && c != u'.' && c != u',' && !startsCode) {
            // A placeholder ("d2") or a name: its digits are not a number.
            if (c.isLetter()) {
                while (i < n && expression[i].isLetterOrNumber())
                    ++i;
            } else {
                ++i;
            }
            continue;
        }
        bool prefixed = startsCode;
        if (startsCode)
            ++i;
        while (i < n && (expression[i].isDigit() || expression[i] == u'.' || expression[i] == u','))
            ++i;
        if (i < n
            && (expression[i] == u'E' || expression[i] == u'e' || expression[i] == u'D'
                || expression[i] == u'd')) {
            qsizetype j = i + 1;
            if (j < n && (expression[j] == u'+' || expression[j] == u'-' || expression[j] == u'~'))
                ++j;
            if (j < n && expression[j].isDigit()) {
                i = j;
                while (i < n && expression[i].isDigit())
                    ++i;
            }
        }
        if (i < n && (isPrefixLetter(expression[i]) || expression[i] == u'R')
            && (!isLetter(i + 1) || expression[i + 1] == u'(')) {
            // "4k", "4k7", "2R2"; "2T" is tera but "2TAN(1)" a product.
            const bool function = isLetter(i + 1);
            if (!function) {
                prefixed = true;
                ++i;
                while (i < n && expression[i].isDigit())
                    ++i;
            }
        }
        prefixed ? ++count.prefixed : ++count.bare;
    }
    return count;
}

BoxReading readBoxText(const QString &text, const Unit &unit)
{
    BoxReading reading;
    reading.expression = text;
    reading.unit = shownUnit(unit.written);
    const QString trimmed = text.trimmed();

    if (!unit.declared()) {
        if (otherUnitAtEnd(trimmed, unit) || countPrefixes(trimmed).prefixed > 0)
            reading.reason = u"la fonction ne déclare pas l'unité de cette donnée"_s;
        return reading;
    }

    const QString base = unit.prefixable ? unit.base : unit.written;
    for (const QString &symbol : spellings(base)) {
        const std::optional<UnitAtEnd> found = unitAtEnd(trimmed, symbol, unit.prefixable);
        if (!found)
            continue;
        reading.asTyped = false;
        reading.expression = found->value;
        if (found->value.isEmpty()) {
            reading.reason = u"valeur manquante avant l'unité "_s + quotedUnit(trimmed);
        } else if (found->prefixed && countPrefixes(found->value).prefixed > 0) {
            reading.reason = u"un préfixe dans la valeur et un autre dans l'unité"_s;
        } else {
            reading.factor = std::pow(10.0, found->exponent - unit.exponent);
        }
        return reading;
    }

    if (const std::optional<QString> other = otherUnitAtEnd(trimmed, unit)) {
        const Unit typed = parseUnit(*other);
        reading.reason = u"unité "_s + quotedUnit(typed.prefixable ? typed.base : typed.written)
                         + u" au lieu de "_s + quotedUnit(base);
        return reading;
    }

    const PrefixCount forms = countPrefixes(trimmed);
    if (forms.prefixed > 0 && unit.hasPrefix()) {
        if (forms.bare > 0) {
            reading.reason = u"nombres avec et sans préfixe mêlés : ambigu dans une donnée en "_s
                             + quotedUnit(unit.written);
            return reading;
        }
        // Prefixed numbers are worth their value in the unprefixed unit.
        reading.asTyped = false;
        reading.factor = std::pow(10.0, -unit.exponent);
    }
    return reading;
}

} // namespace zorv::functions
