// The curves that a sweep draws after the function's: the function again with other values of
// one of its inputs, or another function of the list over the same range.

#pragma once

#include "functions/core/sweep.h"

#include <QList>
#include <QString>

namespace zorv {

// A curve drawn after the function's: what it sweeps, its legend and the unit of its results.
struct SecondSweep
{
    functions::SweepRequest request;
    QString legend;
    QString unit;
};

// The function of `first` again with other values (`valuesText`, separated by ';') of input
// `held`, at most five of them, the others told in `problem` and left out. The first curve's
// legend then names its own value of that input.
QList<SecondSweep> otherValuesSweeps(const functions::SweepRequest &first,
                                     int held,
                                     const QString &valuesText,
                                     QString &firstLegend,
                                     QString &problem);

// Another function of the list (`name`, in slot `slot`) over the range of `first`, with the same
// boxes.
SecondSweep otherFunctionSweep(const functions::SweepRequest &first, const QString &name, int slot);

} // namespace zorv
