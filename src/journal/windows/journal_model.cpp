#include "journal/windows/journal_model.h"

#include "journal/core/journal.h"

#include <QColor>

using namespace Qt::StringLiterals;

namespace zorv::journal {

JournalModel::JournalModel(Journal &journal, QObject *parent)
    : QAbstractTableModel(parent)
    , m_journal(journal)
    , m_count(journal.entries().size())
{
    connect(&journal, &Journal::entryAppended, this, &JournalModel::appended);
    connect(&journal, &Journal::entryRemoved, this, &JournalModel::removed);
    connect(&journal, &Journal::entriesReset, this, &JournalModel::reset);
}

int JournalModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_count);
}

int JournalModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant JournalModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_count)
        return {};
    const Entry &entry = m_journal.entries().at(entryIndex(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == DateColumn)
            return m_locale.toString(entry.time.date(), QLocale::ShortFormat) + u' '
                   + entry.time.toString(u"HH:mm:ss"_s);
        return lineText(entry, m_locale);
    case Qt::ToolTipRole:
        return lineText(entry, m_locale) + u"\nExpression : "_s + entry.expression;
    case Qt::ForegroundRole:
        if (entry.refused())
            return QColor(Qt::darkRed);
        return {};
    default:
        return {};
    }
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == DateColumn ? u"Date"_s : u"Calcul"_s;
}

void JournalModel::appended()
{
    beginInsertRows(QModelIndex(), 0, 0);
    ++m_count;
    endInsertRows();
}

void JournalModel::removed(qsizetype index)
{
    const int row = int(m_count - 1 - index);
    beginRemoveRows(QModelIndex(), row, row);
    --m_count;
    endRemoveRows();
}

void JournalModel::reset()
{
    beginResetModel();
    m_count = m_journal.entries().size();
    endResetModel();
}

} // namespace zorv::journal
