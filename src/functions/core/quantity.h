#pragma once

#include "functions/core/unit.h"

#include <QString>

// How the text of a calculator box is read when its function declares a unit for it: a value,
// optionally followed by that unit with or without a prefix, converted to the declared unit.
namespace zorv::functions {

// What the text of one box stands for, before the engine evaluates it.
struct BoxReading
{
    QString expression;  // the part the engine evaluates: the text without the unit it ends with
    double factor = 1;   // times the expression's value: the value in the declared unit
    bool asTyped = true; // the text goes into the formula as it was typed (nothing to convert)
    QString unit;        // the unit the value is in, as shown (the declared one); may be empty
    QString reason;      // why the text cannot be read in this box, in French; empty if it can

    bool ok() const { return reason.isEmpty(); }
};

// Reads the text of a box whose function declares `unit` for it (not declared(): no unit).
// - A unit at the end, the declared one, with or without a prefix and a blank before it: "100 nF",
//   "0,1µF", "1E-7 F"; for ohms "Ω", "ohm" and the code letter "R" ("100R"). The unit is read
//   before the prefix and the longest first: in a box declared in metres "25 m" is 25 metres and
//   "25 mm" 0,025.
// - Without a unit, a number is in the declared unit ("100" in a box in nF is 100 nF). An
//   expression any of whose numbers carries a prefix ("4k7", "1k+2k") is in the unprefixed unit
//   and converted: "4k7" in a box in kohm is 4,7. One that mixes prefixed and bare numbers is
//   refused in a box whose declared unit has a prefix ("1k+2" in kohm: which is 2?).
// Refused, with the reason: another unit ("unité « H » au lieu de « F »"), a prefix or a unit in a
// box without a declared unit ("la fonction ne déclare pas l'unité de cette donnée"), a prefix
// on a unit that takes none, a prefix in the unit and in a number, a unit with no value.
BoxReading readBoxText(const QString &text, const Unit &unit);

// How many numbers of an expression carry a prefix or are a resistor code, and how many are bare.
struct PrefixCount
{
    int prefixed = 0;
    int bare = 0;
};

PrefixCount countPrefixes(const QString &expression);

} // namespace zorv::functions
