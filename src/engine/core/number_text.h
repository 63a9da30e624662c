#pragma once

#include <QLocale>
#include <QString>

namespace zorv::engine {

// The engine's text of a number: at most 15 significant digits, "." as decimal point, no trailing
// zeros, "0" for zero (negative zero too), plain notation from 0.0001 up to 1E15 and an exponent
// form outside it (1E-05, 1.5E+20).
QString numberText(double value);

// The same text as the user sees it: the decimal separator of the locale (0,5 in French).
QString userNumberText(double value, const QLocale &locale = QLocale());

} // namespace zorv::engine
