// Saving a sweep into files that the user names: its points as CSV, its plot as a PNG or SVG
// image.

#include "functions/windows/sweep_saving.h"

#include "functions/windows/sweep_chart.h"
#include "platform/platform.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgGenerator>

#include <functional>

namespace zorv {

using namespace Qt::StringLiterals;

namespace {

void saveFile(const QString &title,
              const QString &suffix,
              const QString &filter,
              const std::function<bool(QSaveFile &)> &write)
{
    const QString suggested = QDir(QStandardPaths::writableLocation(
                                       QStandardPaths::DocumentsLocation))
                                  .filePath(u"balayage."_s + suffix);
    const std::optional<QString> path = platform().saveFileName(title, suggested, filter);
    if (!path)
        return;
    QSaveFile file(*path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit())
        return;
    platform().messageBox(u"Le fichier « %1 » ne peut pas être écrit."_s.arg(
                              QDir::toNativeSeparators(*path)),
                          QString(),
                          MessageButtons::Ok,
                          MessageIcon::Warning);
}

} // namespace

void saveSweepCsv(const QString &abscissaTitle, const QList<functions::SweepCurve> &curves)
{
    saveFile(u"Exporter les points"_s, u"csv"_s, u"Fichiers CSV (*.csv)"_s, [&](QSaveFile &file) {
        const QByteArray bytes = functions::sweepCsv(abscissaTitle, curves);
        return file.write(bytes) == bytes.size();
    });
}

void saveSweepPng(SweepChartView *chart)
{
    saveFile(u"Enregistrer la courbe en PNG"_s,
             u"png"_s,
             u"Images PNG (*.png)"_s,
             [chart](QSaveFile &file) { return chart->grab().toImage().save(&file, "PNG"); });
}

void saveSweepSvg(SweepChartView *chart, const QString &title)
{
    saveFile(u"Enregistrer la courbe en SVG"_s,
             u"svg"_s,
             u"Images SVG (*.svg)"_s,
             [&](QSaveFile &file) {
                 QSvgGenerator svg;
                 svg.setOutputDevice(&file);
                 svg.setSize(chart->size());
                 svg.setViewBox(chart->rect());
                 svg.setTitle(title);
                 QPainter painter(&svg);
                 chart->render(&painter);
                 painter.end();
                 return file.error() == QFileDevice::NoError;
             });
}

} // namespace zorv
