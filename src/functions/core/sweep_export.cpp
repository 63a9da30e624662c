#include "functions/core/sweep_export.h"

#include "journal/core/journal_csv.h"

#include <QStringList>

namespace zorv::functions {

using namespace Qt::StringLiterals;

QByteArray sweepCsv(const QString &abscissaLegend, const QList<SweepCurve> &curves)
{
    QStringList header{journal::csvTextField(abscissaLegend)};
    qsizetype rows = 0;
    for (const SweepCurve &curve : curves) {
        header << journal::csvTextField(curve.legend)
               << journal::csvTextField(u"Erreur ("_s + curve.legend + u')');
        rows = std::max(rows, curve.result.points.size());
    }
    QByteArray bytes = "\xEF\xBB\xBF" + header.join(u';').toUtf8() + "\r\n";
    for (qsizetype i = 0; i < rows; ++i) {
        QStringList fields{QString()};
        for (const SweepCurve &curve : curves) {
            if (i >= curve.result.points.size()) {
                fields << QString() << QString();
                continue;
            }
            const SweepPoint &point = curve.result.points[i];
            if (fields.first().isEmpty())
                fields.first() = journal::csvNumberField(point.x);
            fields << (point.y ? journal::csvNumberField(*point.y) : QString())
                   << journal::csvTextField(point.reason);
        }
        bytes += fields.join(u';').toUtf8() + "\r\n";
    }
    return bytes;
}

} // namespace zorv::functions
