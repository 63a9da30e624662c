#pragma once

#include "functions/core/function_evaluation.h"
#include "functions/core/tolerance.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace zorv::functions {

// The tolerance of each box, if it has one; index k - 1 for box k.
using InputTolerances = std::array<std::optional<Tolerance>, 6>;

// What the function gives when every toleranced input moves within its band.
struct RangeResult
{
    double nominal = 0;
    double minimum = 0;
    double maximum = 0;
    int box = 0;    // the box at fault (1 to 6), 0 when the fault lies in no one box
    QString reason; // empty on success

    bool ok() const { return reason.isEmpty(); }
};

// The grid and the draws of worstCase, for k toleranced inputs.
inline constexpr int GridPointsPerInput = 5; // when k <= 3
inline constexpr int RandomPoints = 2000;    // beyond, besides the 2^k corners
inline constexpr unsigned RandomSeed = 20260421;

// The nominal result of the function (`inputs` are the boxes' values without their tolerances)
// and the least and greatest results with each toleranced input anywhere in its band. The band is
// searched, not guessed: every corner, and inside it a grid of GridPointsPerInput per input
// when at most three inputs move, else RandomPoints from a generator seeded with RandomSeed (the
// same answer every time). Each box takes one value at a time, wherever the formula names it.
//
// Refused, naming the box: what evaluateFunction refuses; a tolerance on a box the formula does
// not use; a share of 100 % or more on a value whose zero the formula refuses (it divides by it);
// and, naming no box, any point of the band that the engine refuses.
RangeResult worstCase(const QString &name,
                      const QString &formula,
                      const FunctionInputs &inputs,
                      const InputTolerances &tolerances);

// The range as the calculator shows it beside the nominal, four significant digits each:
// "3,837  [3,580 … 4,103]  −6,7 % / +6,9 %" (the shares left out when the nominal is 0).
QString rangeLabel(const RangeResult &range, const QLocale &locale = QLocale());

} // namespace zorv::functions
