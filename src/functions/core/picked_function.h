#pragma once

#include <QString>

#include <array>
#include <optional>

namespace zorv::functions {

// The units a function file declares in its section "Unites": keys "d1" to "d6" for the inputs
// and "Resultat" for the result. An empty text where the file declares none.
struct DeclaredUnits
{
    std::array<QString, 6> inputs; // inputs[k - 1]: the unit of box k
    QString result;

    friend bool operator==(const DeclaredUnits &, const DeclaredUnits &) = default;
};

// A function as the calculator picked it: read from its file once, at the pick, and then handed
// as it is to the evaluation, the journal and the windows that work on the picked function.
struct PickedFunction
{
    QString name;                   // as listed; empty when nothing has been picked
    QString file;                   // as in FunctionFileNames (a full path for the user's own)
    QString formula;                // section "Calc", key "Fnc", as read at the pick
    std::array<QString, 6> legends; // section "Fonc", keys "d1" to "d6", as read
    QString description;            // section "ePrf", key "Description"
    DeclaredUnits units;

    bool picked() const { return !file.isEmpty(); }

    friend bool operator==(const PickedFunction &, const PickedFunction &) = default;
};

// Reads the function of this file (a name of the function folder or a full path, as ReadAClause
// takes it). `name` is the name it is listed under. Entries that are missing read as
// ReadFailureText, as the calculator has always shown them, except the units: a missing unit is
// an undeclared one.
PickedFunction readPickedFunction(const QString &name, const QString &file);

// The function as its file holds it now, when the file has changed since `function` was read from
// it (its formula, a legend, the description or a unit; a removed file reads as entries missing);
// nothing when the file holds the same, or when nothing is picked. The calculator computes with
// what was read at the pick, so that a file edited while the window stays open is not computed
// with legends the user has not seen.
std::optional<PickedFunction> changedSincePick(const PickedFunction &function);

// The function picked last in the calculator. Like CurrentFormula it outlives the window, so that
// "Calculer" after the window is opened again computes the function picked before.
const PickedFunction &pickedFunction();

// Makes `function` the picked one, and CurrentFormula its formula.
void setPickedFunction(PickedFunction function);

} // namespace zorv::functions
