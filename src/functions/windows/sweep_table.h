#pragma once

#include "functions/core/sweep_export.h"

#include <QAbstractTableModel>

namespace zorv {

// The points of the curves as a table: the abscissa, then one column per curve; a refused point
// shows its reason instead of a number.
class SweepTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setCurves(const QString &abscissaTitle, const QList<functions::SweepCurve> &curves);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString m_abscissaTitle;
    QList<functions::SweepCurve> m_curves;
};

} // namespace zorv
