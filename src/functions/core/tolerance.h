#pragma once

#include <QString>

#include <optional>

namespace zorv::functions {

// How far a part may lie from its marked value: a share of it ("5 %") or an amount in the box's
// unit ("0,1").
struct Tolerance
{
    double amount = 0;     // never negative
    bool relative = false; // amount in percent of the value
    QString text;          // as the user wrote it, "±" and "%" included

    // The half-width of the band around `value`.
    double halfWidth(double value) const;
};

// A box's text split into its value and its optional tolerance.
struct ToleranceReading
{
    QString valueText; // the value alone, trimmed; the whole text when no tolerance
    std::optional<Tolerance> tolerance; // none when the text carries no tolerance
    QString reason;                     // the French refusal naming the box; empty when read

    bool ok() const { return reason.isEmpty(); }
};

// Reads an optional tolerance at the end of the text of box `box` (1 to 6):
// "10k ±5%", "100n ±10 %", "3,3 ±0,1" (absolute), "±" typed "+-" or "+/-" too, and "10k 5%"
// (a share after a blank). The tolerance itself is read by the engine, so "0,5" and, in an
// absolute one, a prefix read as in a value. Refused, naming the box: a tolerance without its value
// or its amount, a negative one, one the engine cannot read, and a share glued to the value
// ("10k5%"), which could be a typing slip as well as a tolerance.
ToleranceReading readTolerance(const QString &text, int box);

} // namespace zorv::functions
