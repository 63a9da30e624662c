#pragma once

#include <QLocale>
#include <QString>

namespace zorv::engine {

// The engine's text of a number: at most 15 significant digits, "." as decimal point, no trailing
// zeros, "0" for zero (negative zero too), plain notation from 0.0001 up to 1E15 and an exponent
// form outside it (1E-05, 1.5E+20). An infinity or a NaN, which no evaluation yields, is written
// "inf", "-inf" or "nan".
QString numberText(double value);

// The same text as the user sees it: the decimal separator of the locale (0,5 in French), no
// group separators.
QString userNumberText(double value, const QLocale &locale = QLocale());

// The text the evaluator splices into its working text: the same 15 significant digits, but in
// plain decimal notation at every magnitude (1.5E+20 is 150000000000000000000). The sign of an
// exponent would be taken for an operator; a plain text is read back whole.
QString plainNumberText(double value);

} // namespace zorv::engine
