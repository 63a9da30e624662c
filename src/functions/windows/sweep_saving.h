// Saving a sweep into files that the user names: its points as CSV, its plot as a PNG or SVG
// image.

#pragma once

#include "functions/core/sweep_export.h"

#include <QList>
#include <QString>

namespace zorv {

class SweepChartView;

// Each asks where to save, then writes the file whole (into a QSaveFile, so that a failure
// leaves an older file as it was); a failure is told.
void saveSweepCsv(const QString &abscissaTitle, const QList<functions::SweepCurve> &curves);
void saveSweepPng(SweepChartView *chart);
void saveSweepSvg(SweepChartView *chart, const QString &title); // the image's title

} // namespace zorv
