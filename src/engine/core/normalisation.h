#pragma once

#include <QString>

namespace zorv::engine {

// The working text with which an evaluation starts, built from the expression in this order:
//   1. wrapped: "0+" & text & "+0";
//   2. upper case;
//   3. every " " removed;
//   4. every "," turned into ".";
//   5-9. "PI(" -> "PI*(", ")PI" -> ")*PI", ")(" -> ")*(", ")V" -> ")*V", "PIV" -> "PI*V";
//   10. for each digit d from 0 to 9: d"(" -> d"*(", d"V" -> d"*V", d"PI" -> d"*PI";
//   11. every "PI" replaced by the number text of pi, 3.14159265358979;
//   12. every "," turned into ".".
// Each step is one ReplaceAll over the whole text. No multiplication sign is put between ")" and a
// digit, or between "PI" and a digit.
QString normalised(const QString &TheCalcul);

} // namespace zorv::engine
