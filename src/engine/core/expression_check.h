#pragma once

#include <QString>

namespace zorv::engine {

// The longest expression the engine takes: its work grows with the square of the length, and a
// longer text is no formula anyone types.
inline constexpr qsizetype MaxExpressionLength = 100'000;

// Reads the expression as the user wrote it, before any rewriting, and refuses what the rewriting
// would misread: an unknown character, a number with two decimal separators, an operator without
// its operand, a ")" without "(", a value glued to a ")", a "PI" or a "²" without an operator,
// powers chained without parentheses, a text longer than MaxExpressionLength. Throws EvalError
// naming the faulty part.
//
// Returns the same expression in the words the rewriting reads whole: blanks (space, tab, no-break
// spaces) removed, a number with an exponent (1E-6, 2,2e3, 1D3) written out in plain decimals, a
// number's trailing decimal separator dropped, a "+" sign that has nothing to add dropped, and a
// run of signs in front of an operand collapsed into one "-" or none.
QString checkedExpression(const QString &TheCalcul);

} // namespace zorv::engine
