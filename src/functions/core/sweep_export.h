#pragma once

#include "functions/core/sweep.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace zorv::functions {

// One curve of a plot: what its legend says and its points.
struct SweepCurve
{
    QString legend;
    SweepResult result;
};

// The points of curves swept over the same abscissas as CSV, as the journal writes its file (UTF-8
// with a byte order mark, ";" between fields, decimal comma, CR LF): a header line (the abscissa's
// legend, then for each curve its legend and "Erreur (LEGEND)"), then one line per abscissa. A
// refused point has an empty value and its reason; a curve with fewer points leaves its fields
// empty.
QByteArray sweepCsv(const QString &abscissaLegend, const QList<SweepCurve> &curves);

} // namespace zorv::functions
