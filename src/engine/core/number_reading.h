#pragma once

#include <QString>
#include <QStringView>

#include <optional>

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

namespace zorv::engine {

// The power of ten of an SI prefix letter, case-sensitive: f -15, p -12, n -9, u µ (U+00B5) and
// μ (U+03BC) -6, m -3, k and K 3, M 6, G 9, T 12; nothing for any other character.
std::optional<int> prefixExponent(QChar c);

// The factor of an SI prefix letter (1E-09 for n), or nothing.
std::optional<double> prefixFactor(QChar c);

// A number as a user types it, starting at `from` of the text: digits with at most one decimal
// separator ("," or "."), then either an exponent (1E-6, 2,2e3, 1D3) or one SI prefix (4,7k,
// 100n), or a resistor code, the prefix letter or R standing in the place of the separator (4k7,
// 2R2, R47, 1M5). A prefix letter is not taken where a function name followed by "(" or PI begins
// (2TAN(1), 2pi).
struct TypedNumber
{
    qsizetype end = 0;     // just after the number
    double value = 0;      // the value, the prefix applied
    bool prefixed = false; // a prefix or a code: the number is written in a multiple of its unit
};

// Whether the character is a letter of the ASCII alphabet, of which names are made.
bool isAsciiLetter(QChar c);

// The end of the name that starts at i: a run of ASCII letters that V, the root, ends; i when no
// name starts there.
qsizetype nameEnd(QStringView text, qsizetype i);

// Whether a typed number starts at i (a digit, a decimal separator, or R before a digit).
bool startsTypedNumber(QStringView text, qsizetype i);

// Reads the typed number at `from`. Throws EvalError: MalformedNumber naming the whole stretch
// (two separators, two prefixes, a separator in a code, an exponent with a prefix), Overflow or
// Underflow.
TypedNumber readTypedNumber(QStringView text, qsizetype from);

// A whole text that is one typed number, blanks around it allowed, with an optional sign: its
// value. Throws EvalError: MalformedNumber for anything else, with the text as detail, or as
// readTypedNumber.
double readWholeTypedNumber(QStringView text);

// How the numbers of an expression are written: how many carry a prefix or are a code, how many
// are bare. Throws as readTypedNumber.
struct NumberForms
{
    int prefixed = 0;
    int bare = 0;
};

NumberForms numberForms(QStringView text);

} // namespace zorv::engine
