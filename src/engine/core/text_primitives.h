#pragma once

#include <QString>
#include <QStringView>

// The text tools of the equation engine. Positions are 1-based character positions, as the
// evaluator counts them; "²" and "°" are one character each.
namespace zorv::engine {

// The characters that end an operand, in the order GetSeparator looks for them.
inline constexpr char16_t Separators[] = {u'+', u'/', u'*', u'V', u'-'};

bool isSeparator(QChar c);

// The text with every occurrence of find replaced, scanning left to right: occurrences do not
// overlap and an inserted replacement is never searched again. An empty find changes nothing.
QString ReplaceAll(const QString &text, QStringView find, QStringView replacement);

// Counts from the end of the text: the number of characters after the last occurrence of find
// that begins at or before position Len(text) - start, or Len(text) when there is none. Positions
// from Len(text) - start + 1 on are never examined as starts of an occurrence.
qsizetype FindBackward(qsizetype start, QStringView text, QStringView find);

// The operand boundary next to an operator.
//   Mode 1: Len - (position of the nearest separator before position Len - Start + 1), or Len
//           when there is none (the count-from-the-end form of FindBackward). A value of 0
//           counts as not found, so an empty text gives 1.
//   Mode 2: the position of the first separator at or after Start, or Len + 1.
//   Mode 3: as mode 2, except that a "-" exactly at Start is the sign of the operand that begins
//           there and does not count.
//   A mode below 1 searches nothing and gives Len + 1.
// Never fails.
qsizetype GetSeparator(qsizetype Start, QStringView TheString, int Mode);

// A part of the user's text as every French message quotes it: « part », one space inside each
// guillemet. Past maxLength characters (when it is given) the part is cut and ends in "…", so
// that a message about a long text stays readable; a character is never cut in two.
QString quoted(QStringView part, qsizetype maxLength = -1);

} // namespace zorv::engine
