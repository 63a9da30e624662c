#pragma once

#include "functions/core/function_evaluation.h"

#include <QString>

#include <vector>

namespace zorv::functions {

// The values of one input that give the wanted result.
struct SolveResult
{
    std::vector<double> solutions; // ascending, each rounded to 15 significant digits
    double wanted = 0;             // the wanted result, as read
    int box = 0;                   // the box at fault (1 to 6), 0 when the fault lies in no one box
    QString reason;                // empty on success

    bool ok() const { return reason.isEmpty(); }
};

// The magnitudes searched for a solution, of either sign.
inline constexpr double SmallestSearched = 1E-15;
inline constexpr double LargestSearched = 1E+15;

// Solves the function for input `unknown` (1 to 6): the values x for which the calculator's
// evaluation, with x in that box and the other boxes as typed, gives `wantedText`.
//
// The unknown runs over a logarithmic grid of both signs from SmallestSearched to LargestSearched
// in magnitude (and 0); each change of sign of f(x) - wanted between two neighbouring points is
// refined by Brent's method, and each local minimum of |f(x) - wanted| is followed down to see
// whether it touches zero (a double root). A point the engine refuses (a division by zero) is a
// gap: no root is looked for next to it. Each solution, written with the fewest digits that keep
// it as good, is put back into the formula and kept only when the result equals the wanted one to
// 1E-9 relative.
//
// Refused, naming the box: an unknown the formula does not use, a faulty other box (as
// evaluateFunction tells it), an unreadable or empty wanted result; no solution at all gives
// "Aucune valeur de la donnée 3) entre -1E+15 et 1E+15 ne donne 1592."
SolveResult solveFunction(const QString &name,
                          const QString &formula,
                          const FunctionInputs &inputs,
                          int unknown,
                          const QString &wantedText);

} // namespace zorv::functions
