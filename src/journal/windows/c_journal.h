#pragma once

#include "journal/core/journal_entry.h"
#include "platform/single_instance.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSortFilterProxyModel;
class QTreeView;

namespace zorv {

namespace journal {
class Journal;
class JournalModel;
} // namespace journal

// The journal of the calculations: one line per evaluation, newest first, filtered by the text
// typed above them; from a line, its result goes to the clipboard or into an input box of the
// calculator, or the calculation is made again.
class c_journal : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::FrameChild;

    explicit c_journal(QWidget *parent = nullptr);

    QSize sizeHint() const override;

    // The entry of the selected line, if a line is selected.
    std::optional<journal::Entry> selectedEntry() const;

    void txtFiltre_Change();
    void cmdCopierResultat_Click();
    void cmdCopierLigne_Click();
    void UtiliserDansDonnee(int box);
    void cmdRecalculer_Click();
    void cmdSupprimer_Click();
    void cmdVider_Click();
    void cmdExporter_Click();
    void ValeursNormalisees();

    QLabel *lblFiltre = nullptr;
    QLineEdit *txtFiltre = nullptr;
    QTreeView *lstJournal = nullptr;
    QLabel *lblNombre = nullptr;
    QPushButton *cmdCopierResultat = nullptr;
    QPushButton *cmdCopierLigne = nullptr;
    QPushButton *cmdUtiliser = nullptr;
    QPushButton *cmdRecalculer = nullptr;
    QPushButton *cmdSupprimer = nullptr;
    QPushButton *cmdVider = nullptr;
    QPushButton *cmdExporter = nullptr;

private:
    void buildControls();
    void buildFilter();
    void buildList();
    void buildButtons();
    void layOut();
    QMenu *boxMenu(QWidget *parent);
    void showLineMenu(const QPoint &position);
    std::optional<qsizetype> selectedIndex() const;
    void updateControls();

    journal::Journal *m_journal;
    journal::JournalModel *m_model;
    QSortFilterProxyModel *m_filter;
};

} // namespace zorv
