#pragma once

#include <QList>
#include <QLocale>
#include <QString>

// Where a plot's axis carries its graduations and how they read: round values, written in
// engineering form ("1 k", "2,5 m"), as technicians read values off a schematic.
namespace zorv::functions {

struct AxisTick
{
    double value = 0;
    QString label;
};

// Graduations of a linear axis over [low, high]: a step of 1, 2 or 5 times a power of ten giving
// about five to ten graduations, labels with the digits that tell neighbours apart.
QList<AxisTick> linearTicks(double low, double high, const QLocale &locale = QLocale());

// Graduations of a logarithmic axis over [low, high] (both > 0): the powers of ten, and 2 and 5
// times them when the range spans fewer than three decades.
QList<AxisTick> logarithmicTicks(double low, double high, const QLocale &locale = QLocale());

// A value in engineering form: mantissa from 1 to 999 and an SI prefix from f to T ("1,5 k",
// "470 n", "-2 m"), with at most `decimals` decimals and no trailing zeros. Outside the prefixes'
// range, the exponent form of the locale.
QString engineeringText(double value, int decimals = 3, const QLocale &locale = QLocale());

} // namespace zorv::functions
