#pragma once

#include <QAbstractTableModel>
#include <QLocale>

namespace zorv::journal {

class Journal;

// The entries of a journal as the journal window lists them: newest first, a column for the date
// and one for the line. Rows follow the journal as it changes.
class JournalModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        DateColumn,
        LineColumn,
        ColumnCount
    };

    explicit JournalModel(Journal &journal, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The position in Journal::entries() of the entry on this row.
    qsizetype entryIndex(int row) const { return m_count - 1 - row; }

private:
    void appended();
    void removed(qsizetype index);
    void reset();

    Journal &m_journal;
    qsizetype m_count = 0;
    QLocale m_locale;
};

} // namespace zorv::journal
