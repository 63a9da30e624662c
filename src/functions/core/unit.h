#pragma once

#include "engine/core/number_reading.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The units that function files declare, and the engineering form of a value in one of them.
namespace zorv::functions {

// A unit as a function file declares it in its section "Unites" (Windows-1252: "ohm" for Ω,
// "u" or "µ" for micro). An SI unit may carry one prefix ("kohm", "nF", "mH"); other units
// ("%", "dB", "°C", "mm²", "ohm·mm²/m") are taken whole and take no prefix.
struct Unit
{
    QString written;         // as declared, blanks removed at the ends; empty: no unit declared
    QString base;            // the unit without its prefix ("ohm" for "kohm"); the whole otherwise
    int exponent = 0;        // of the prefix: 3 for "kohm", 0 without a prefix
    bool prefixable = false; // an SI unit, which typed values and results may carry a prefix of

    bool declared() const { return !written.isEmpty(); }

    bool hasPrefix() const { return exponent != 0; }
};

Unit parseUnit(const QString &declared);

// The power of ten of an SI prefix letter: the engine's own reading of prefixes.
using engine::prefixExponent;

// The units that a typed value may name without being a number: every SI unit that takes a
// prefix, and the usual units that do not. Longest first.
const QStringList &knownUnitSymbols();

// The unit as the user reads it: "ohm" as "Ω", "u" as "µ" ("kohm" → "kΩ", "uF" → "µF").
QString shownUnit(const QString &unit);

// The value (in `unit`) in engineering form: 4 significant digits, then a blank and the unit. An
// SI unit gets the prefix that leaves 1 to 999.9 before it, chosen after the rounding, so that
// 999.96 Hz reads "1 kHz", never "1000 Hz" ("1.592 kHz", "5.033 MHz", "150 Ω"). Other units, and
// values beyond the prefixes (below 1E-15, from 1E15 on), keep their unit and show 4 significant
// digits, in exponent form outside 0.0001 to 1E15. Without a unit, the 4 digits alone. The decimal
// point is ".".
QString engineeringText(double value, const Unit &unit);

// The same with the locale's decimal separator ("1,592 kHz" in French).
QString userEngineeringText(double value, const Unit &unit, const QLocale &locale = QLocale());

} // namespace zorv::functions
