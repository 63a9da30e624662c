#pragma once

#include "functions/core/function_evaluation.h"

#include <QString>

namespace zorv {

class c_calculs;

// Watches the input boxes: while one of them holds "?", the result box takes the wanted result
// (editable, with its own accessible name and hint); otherwise it shows results, read-only.
void installWantedResultMode(c_calculs &calculator);

// Puts a wanted result into the result box, as the user would type it (a replayed solve).
void setWantedResult(c_calculs &calculator, const QString &wanted);

// The boxes' values with their tolerances and "?" left out, as the reading under each box reads
// them.
functions::FunctionInputs valuesWithoutTolerances(const functions::FunctionInputs &boxes);

// The reading under box k completed: its tolerance after the value read, "inconnue" for "?", or
// the reason of a badly written tolerance.
functions::BoxShown shownWithTolerance(functions::BoxShown shown, const QString &typed, int box);

// Shows the calculator and puts the text into its input box k (1 to 6): the shell's filler.
void fillCalculatorBox(int box, const QString &text);

// Answers "&Calculer" when a box holds "?" (solving) or a tolerance (the range), and records it
// in the journal; false when the boxes ask for a plain calculation, which is left to the caller.
// One solution is written into the "?" box and the result box shows the function's value there;
// several are offered in a menu below the box, the pick written in the same way.
bool answerSolveOrRange(c_calculs &calculator,
                        const QString &name,
                        const functions::FunctionInputs &inputs);

} // namespace zorv
