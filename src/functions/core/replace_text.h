#pragma once

#include <QString>

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

} // namespace zorv::functions
