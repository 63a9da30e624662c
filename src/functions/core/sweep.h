#pragma once

#include "functions/core/function_evaluation.h"
#include "functions/core/picked_function.h"
#include "functions/core/unit.h"

#include <QList>
#include <QString>

#include <optional>
#include <variant>

// A sweep: one input of a function taken over a range, the others held, and the function
// evaluated at each point. The calculator's window, its plot and zorv-eval share it, so that they
// give the same points and the same refusals.
namespace zorv::functions {

enum class SweepScale {
    Linear,     // evenly spaced
    Logarithmic // evenly spaced in logarithm; only for a range of one sign
};

inline constexpr int SweepMinPoints = 2;
inline constexpr int SweepMaxPoints = 10000;
inline constexpr int SweepDefaultPoints = 200;

struct SweepRange
{
    double from = 0;
    double to = 0;
    int points = SweepDefaultPoints;
    SweepScale scale = SweepScale::Linear;
};

// Why the range cannot be swept, as a French sentence, or an empty text: the points outside
// SweepMinPoints..SweepMaxPoints, equal or non-finite ends, a logarithmic scale over zero or over
// both signs.
QString sweepRangeFault(const SweepRange &range);

// The abscissas of a range without fault: `points` values from `from` to `to`, both ends exactly,
// each at most 15 significant digits so that the value written is the value evaluated. Empty for
// a range with a fault.
QList<double> sweepAbscissas(const SweepRange &range);

// One end of a range as typed ("10", "1M", "2*PI", "100 nF"), read as the box of the varied input
// reads it: in `unit`, the unit its function declares for it (readBoxText), or by the engine alone
// when it declares none. The value in the declared unit, or the French reason of its refusal,
// naming the text.
std::variant<double, QString> readSweepBound(const QString &text, const Unit &unit = {});

// A range written "FROM..TO", as the command line takes it: the two ends read by readSweepBound.
std::variant<SweepRange, QString> readSweepRange(const QString &text,
                                                 int points = SweepDefaultPoints,
                                                 SweepScale scale = SweepScale::Linear,
                                                 const Unit &unit = {});

struct SweepPoint
{
    double x = 0;
    std::optional<double> y; // nothing when the evaluation refused the point
    QString reason;          // the calculator's message for a refused point
};

struct SweepResult
{
    QString fault; // why nothing was evaluated (the range, or a box the formula does not use)
    QList<SweepPoint> points;
    int refused = 0;
    QString firstRefusal; // the reason of the first refused point, empty when none was refused

    int computed() const { return int(points.size()) - refused; }
};

// What to sweep: a function with the texts of its six boxes, box `box` (1 to 6) varied.
struct SweepRequest
{
    PickedFunction function;
    FunctionInputs inputs;
    int box = 1;
    SweepRange range;
};

// The function at each abscissa of the range, through evaluateFunction with box `box` holding the
// abscissa (a bare number: a value in the box's declared unit). Nothing is evaluated, and `fault` tells why, for a range with a fault (see
// sweepRangeFault) or a box that the formula does not use (its curve would be a flat line that
// says nothing of the function).
SweepResult sweepFunction(const SweepRequest &request);

} // namespace zorv::functions
