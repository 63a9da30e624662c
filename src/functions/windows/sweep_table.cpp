#include "functions/windows/sweep_table.h"

#include "engine/core/number_text.h"

namespace zorv {

using namespace Qt::StringLiterals;

void SweepTableModel::setCurves(const QString &abscissaTitle,
                                const QList<functions::SweepCurve> &curves)
{
    beginResetModel();
    m_abscissaTitle = abscissaTitle;
    m_curves = curves;
    endResetModel();
}

int SweepTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_curves.isEmpty())
        return 0;
    return int(m_curves.first().result.points.size());
}

int SweepTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || m_curves.isEmpty() ? 0 : int(m_curves.size()) + 1;
}

QVariant SweepTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid()
        || (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::TextAlignmentRole))
        return {};
    const int curve = index.column() == 0 ? 0 : index.column() - 1;
    const QList<functions::SweepPoint> &points = m_curves[curve].result.points;
    if (index.row() >= points.size())
        return {};
    const functions::SweepPoint &point = points[index.row()];
    if (role == Qt::TextAlignmentRole) {
        return index.column() == 0 || point.y ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                              : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (index.column() == 0)
        return engine::userNumberText(point.x);
    if (point.y)
        return engine::userNumberText(*point.y);
    return role == Qt::ToolTipRole ? point.reason : u"refusé : "_s + point.reason;
}

QVariant SweepTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section == 0)
        return m_abscissaTitle;
    return m_curves.value(section - 1).legend;
}

} // namespace zorv
