#pragma once

#include "functions/core/sweep.h"

#include <QStringList>

#include <variant>

namespace zorv::tools {

// The values after "--fonction NAME" when one of them is a range: V1 FROM..TO V3 --points N
// [--log], the options anywhere among the values.
struct SweepArguments
{
    QStringList values; // the boxes' texts, the range in the place of its box
    int box = 1;        // the box whose value is the range, 1 to 6
    int points = functions::SweepDefaultPoints;
    functions::SweepScale scale = functions::SweepScale::Linear;
};

// Whether these values ask for a sweep: a value holding "..", or one of the sweep's options.
bool asksForSweep(const QStringList &values);

// The sweep that the values ask for, or the French reason of a usage error.
std::variant<SweepArguments, QString> readSweepArguments(const QStringList &values);

} // namespace zorv::tools
