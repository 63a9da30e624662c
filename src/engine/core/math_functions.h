#pragma once

#include <QChar>
#include <QStringView>

#include <optional>

// The functions an expression may call by name, each followed by its argument in parentheses:
// ln, log (base 10), exp, sin, cos, tan (radians), asin, acos, atan, abs and sqrt.
namespace zorv::engine {

// The function of that name, in any letter case; nothing for a name that is none.
std::optional<int> functionOfName(QStringView name);

// The character that stands for the function in the working text, just before its "(": one of
// the private-use code points, which no user types and no rule of the rewriting reads.
QChar functionMarker(int function);

// The function a working-text character stands for, or nothing.
std::optional<int> markedFunction(QChar c);

// The function's value at x. A sine, cosine or tangent smaller than the rounding of x is 0
// (sin(PI), cos(PI/2), tan(PI)). Throws EvalError: the logarithm of a value that is not positive
// (NonPositiveLogarithm), an argument outside the function's domain (OutOfDomain: asin(2), and
// the tangent of an odd multiple of PI/2, whose cosine is 0 within rounding), the root of a
// negative value (NegativeRoot), a result beyond the range of a double (Overflow) or below it
// (Underflow).
double applyFunction(int function, double x);

} // namespace zorv::engine
