#pragma once

#include "functions/core/picked_function.h"
#include "functions/core/solving.h"
#include "functions/core/worst_case.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace zorv::functions {

// The text of a box that marks the input to solve for.
inline constexpr QStringView UnknownText = u"?";

// What the calculator's boxes ask of a function: a value, the values of an unknown input ("?")
// that give a wanted result, or the range that toleranced inputs give.
struct FunctionAnswer
{
    enum class Kind {
        Value,
        Solutions,
        Range
    };

    Kind kind = Kind::Value;
    double value = 0;              // Value: the result; Solutions: the wanted result
    std::vector<double> solutions; // Solutions: ascending
    int unknown = 0;               // Solutions: the box of the "?"
    RangeResult range;             // Range: nominal, minimum, maximum
    InputTolerances tolerances;    // Range: the tolerance of each box
    FunctionInputs values;         // the boxes' values, tolerances left out
    int box = 0;                   // the box at fault (1 to 6), 0 when the fault lies in no one box
    QString reason;                // the French refusal; empty on success

    bool ok() const { return reason.isEmpty(); }
};

// Reads the boxes and answers what they ask. A box holding "?" is the unknown and `wantedText`
// the result wanted of it; a tolerance after a value ("10k ±5%", readTolerance) asks for the
// range. Refused, naming the box: a second "?", a wanted result without a "?", a tolerance beside
// a "?", and what readTolerance, solveFunction, worstCase and evaluateFunction refuse.
FunctionAnswer answerFunction(const QString &name,
                              const QString &formula,
                              const FunctionInputs &boxes,
                              const QString &wantedText);

// The same for the picked function, its boxes and wanted result read with their declared units
// ("4,7 kΩ ±1 %", a wanted "1,592 kHz"), as the calculator reads a value: each converted to its
// declared unit before the formula takes it. A box or a wanted result that cannot be read in its
// unit is refused, naming it.
FunctionAnswer answerFunction(const PickedFunction &function,
                              const FunctionInputs &boxes,
                              const QString &wantedText);

// Whether the boxes may ask more than a value: a box holding "?", a wanted result, or a box with
// a tolerance, well written or not (answerFunction then answers Kind::Value when the faulty one
// stands in a box the formula does not use).
bool asksSolveOrRange(const FunctionInputs &boxes, const QString &wantedText);

// The numbers of a successful answer on one line, in the engine's form, separated by a blank:
// the value, the solutions in ascending order, or the nominal, minimum and maximum.
QString answerLine(const FunctionAnswer &answer);

// The values of a command line "V1 ? V3 = WANTED" (values with an optional tolerance, a tolerance
// given as an argument of its own joining the value before it: "10k" "±5%").
struct FunctionArguments
{
    QStringList boxes; // the values in their order
    QString wanted;    // after "="
    bool hasWanted = false;
    QString reason; // empty when read

    bool ok() const { return reason.isEmpty(); }
};

FunctionArguments readFunctionArguments(const QStringList &arguments);

} // namespace zorv::functions
