#pragma once

#include <QString>
#include <QStringView>

// How the equation engine reads numbers out of its working text, and the rounding that every
// operand goes through before it is used.
namespace zorv::engine {

// The number at the start of the text: leading blanks (space, tab, line feed, carriage return)
// skipped, an optional "+" or "-", digits with at most one ".", then optionally an exponent ("E"
// or "D" in either case, an optional sign — "~" too, as a minus — and at least one digit). Reading stops at the first
// character that does not fit; a text that does not begin with a number reads as 0. "," is not a
// decimal point.
// Throws EvalError(EvalFailure::Overflow) when the number is beyond the range of a double, and
// EvalError(EvalFailure::Underflow) when it is not zero but below the smallest normal double.
double readNumber(QStringView text);

// The number that the text begins with (as readNumber), written with 31 decimals and no exponent:
// at least one digit before ".", exactly 31 after it, rounded half away from zero, a leading "-"
// for a negative value that does not round to zero. The number is taken at 15 significant digits.
// Throws as readNumber.
QString ValSp(QStringView Nombre);

// The rounding of the final result: the value rounded to 15 significant digits. (ValSp's 31 decimals are
// not applied: they would turn the physical constants below 1E-16 into 0 or a single digit.)
// Throws EvalError(EvalFailure::Overflow) when the rounded value is beyond the range of a double
// (or the value is not finite).
double normaliseOperand(double value);

// The number at the start of the text as an operand of the rewriting: readNumber, with -0 read as
// 0. Its digits are taken whole (a spliced value carries 17); only the final result is rounded.
// Throws as readNumber.
double readOperand(QStringView text);

} // namespace zorv::engine
