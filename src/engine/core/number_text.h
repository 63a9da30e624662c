#pragma once

#include <QLocale>
#include <QString>

namespace zorv::engine {

// The minus of an exponent in the working text (1E~05), where "-" would be an operator.
inline constexpr char16_t WorkingExponentMinus = u'~';

// The engine's text of a number: at most 15 significant digits, "." as decimal point, no trailing
// zeros, "0" for zero (negative zero too), plain notation from 0.0001 up to 1E15 and an exponent
// form outside it (1E-05, 1.5E+20). An infinity or a NaN, which no evaluation yields, is written
// "inf", "-inf" or "nan".
QString numberText(double value);

// The same text as the user sees it: the decimal separator of the locale (0,5 in French), no
// group separators.
QString userNumberText(double value, const QLocale &locale = QLocale());

// The text the evaluator splices into its working text: the shortest digits that read back as the
// same double (at most 17 significant digits, so that no rounding builds up from one step to the
// next), "." as decimal point, and the sign of an exponent, which would be taken for an operator,
// left out or written "~" (1.5E+20 is 1.5E20, 1E-05 is 1E~05). The engine's number reading reads it back whole; "~" is no character a user
// can type into an expression, so no other text reads as such a number.
QString workingNumberText(double value);

} // namespace zorv::engine
