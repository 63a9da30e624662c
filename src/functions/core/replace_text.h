#pragma once

#include <QString>

#include <array>

namespace zorv::functions {

// Puts `replacement` in place of every occurrence of `sought` in `text` (exact, case-sensitive
// comparison) and returns the result; a null `text` gives the empty text.
//
// The search resumes right after each inserted replacement, so a replacement that holds `sought`
// is never replaced again. An empty replacement makes the search resume one character past the
// place of the removed occurrence: an occurrence that starts exactly there stays ("d1d1" with "d1"
// removed gives "d1"). A replacement equal to `sought`, or an empty `sought`, leaves the text
// unchanged. Texts of any length are handled.
QString ReplaceText(const QString &text, const QString &sought, const QString &replacement);

// The expression that the calculator evaluates: the formula with the placeholders "d1" to "d6"
// replaced, one after the other, by the texts of the six input boxes exactly as typed (no
// trimming, no parentheses). A placeholder typed in an earlier box is replaced in its turn.
QString expressionFor(const QString &formula, const std::array<QString, 6> &inputs);

} // namespace zorv::functions
