#include "journal/windows/c_journal.h"

#include "engine/windows/q_resolution.h"
#include "functions/windows/c_calculs.h"
#include "journal/core/journal.h"
#include "journal/windows/journal_model.h"
#include "platform/platform.h"
#include "platform/result_menu.h"

#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zorv {
namespace {

// The window shows the program's journal; without one (a test of another window) an empty one
// that it keeps to itself.
journal::Journal *shownJournal(QObject *owner)
{
    if (journal::Journal *installed = journal::installedJournal())
        return installed;
    return new journal::Journal(QString(), owner);
}

QString countText(int shown, qsizetype total)
{
    const QString calculations = total == 1 ? u"1 calcul"_s : u"%1 calculs"_s.arg(total);
    if (shown == total)
        return calculations;
    return u"%1 sur %2"_s.arg(shown).arg(calculations);
}

} // namespace

c_journal::c_journal(QWidget *parent)
    : QWidget(parent)
    , m_journal(shownJournal(this))
    , m_model(new journal::JournalModel(*m_journal, this))
    , m_filter(new QSortFilterProxyModel(this))
{
    setObjectName(u"c_journal"_s);
    setWindowTitle(u"Journal des calculs"_s);
    m_filter->setSourceModel(m_model);
    m_filter->setFilterKeyColumn(-1);
    m_filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    buildControls();
    connect(m_filter, &QAbstractItemModel::rowsInserted, this, &c_journal::updateControls);
    connect(m_filter, &QAbstractItemModel::rowsRemoved, this, &c_journal::updateControls);
    connect(m_filter, &QAbstractItemModel::modelReset, this, &c_journal::updateControls);
    updateControls();
}

QSize c_journal::sizeHint() const
{
    return QSize(500, 330);
}

void c_journal::buildControls()
{
    lblFiltre = new QLabel(u"&Filtrer :"_s, this);
    txtFiltre = new QLineEdit(this);
    txtFiltre->setObjectName(u"txtFiltre"_s);
    txtFiltre->setAccessibleName(u"Filtre des calculs"_s);
    txtFiltre->setPlaceholderText(u"texte cherché dans la date ou le calcul"_s);
    txtFiltre->setClearButtonEnabled(true);
    lblFiltre->setBuddy(txtFiltre);
    connect(txtFiltre, &QLineEdit::textChanged, this, &c_journal::txtFiltre_Change);

    lstJournal = new QTreeView(this);
    lstJournal->setObjectName(u"lstJournal"_s);
    lstJournal->setAccessibleName(u"Calculs enregistrés, du plus récent au plus ancien"_s);
    lstJournal->setModel(m_filter);
    lstJournal->setRootIsDecorated(false);
    lstJournal->setUniformRowHeights(true);
    lstJournal->setAllColumnsShowFocus(true);
    lstJournal->setSelectionMode(QAbstractItemView::SingleSelection);
    lstJournal->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstJournal->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstJournal->setContextMenuPolicy(Qt::CustomContextMenu);
    // A long line keeps its result in sight; the tooltip shows it whole.
    lstJournal->setTextElideMode(Qt::ElideMiddle);
    // Measured on the text of a date rather than on 10,000 rows.
    lstJournal->header()->resizeSection(journal::JournalModel::DateColumn,
                                        lstJournal->fontMetrics().horizontalAdvance(
                                            u"00/00/0000 00:00:00"_s)
                                            + 16);
    lstJournal->header()->setStretchLastSection(true);
    connect(lstJournal, &QWidget::customContextMenuRequested, this, &c_journal::showLineMenu);
    connect(lstJournal->selectionModel(),
            &QItemSelectionModel::selectionChanged,
            this,
            &c_journal::updateControls);
    auto *deleteKey = new QShortcut(QKeySequence::Delete, lstJournal);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &c_journal::cmdSupprimer_Click);

    lblNombre = new QLabel(this);
    lblNombre->setObjectName(u"lblNombre"_s);

    cmdCopierResultat = addButton(u"cmdCopierResultat"_s,
                                  u"Copier le &résultat"_s,
                                  &c_journal::cmdCopierResultat_Click);
    cmdCopierLigne = addButton(u"cmdCopierLigne"_s,
                               u"Copier la &ligne"_s,
                               &c_journal::cmdCopierLigne_Click);
    cmdUtiliser = addButton(u"cmdUtiliser"_s, u"&Utiliser dans la donnée …"_s, nullptr);
    cmdUtiliser->setMenu(boxMenu(cmdUtiliser));
    cmdRecalculer = addButton(u"cmdRecalculer"_s,
                              u"Calculer à &nouveau"_s,
                              &c_journal::cmdRecalculer_Click);
    cmdSupprimer = addButton(u"cmdSupprimer"_s, u"&Supprimer"_s, &c_journal::cmdSupprimer_Click);
    cmdVider = addButton(u"cmdVider"_s, u"&Vider le journal"_s, &c_journal::cmdVider_Click);
    cmdExporter = addButton(u"cmdExporter"_s, u"E&xporter…"_s, &c_journal::cmdExporter_Click);

    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(lblFiltre);
    filterRow->addWidget(txtFiltre, 1);
    filterRow->addWidget(lblNombre);

    auto *buttons = new QGridLayout;
    buttons->addWidget(cmdCopierResultat, 0, 0);
    buttons->addWidget(cmdCopierLigne, 0, 1);
    buttons->addWidget(cmdUtiliser, 0, 2);
    buttons->addWidget(cmdRecalculer, 1, 0);
    buttons->addWidget(cmdSupprimer, 1, 1);
    auto *journalButtons = new QHBoxLayout;
    journalButtons->addWidget(cmdVider);
    journalButtons->addWidget(cmdExporter);
    buttons->addLayout(journalButtons, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(lstJournal, 1);
    layout->addLayout(buttons);

    setTabOrder(txtFiltre, lstJournal);
    const QList<QWidget *> order{lstJournal,
                                 cmdCopierResultat,
                                 cmdCopierLigne,
                                 cmdUtiliser,
                                 cmdRecalculer,
                                 cmdSupprimer,
                                 cmdVider,
                                 cmdExporter};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QPushButton *c_journal::addButton(const QString &name,
                                  const QString &caption,
                                  void (c_journal::*handler)())
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    if (handler)
        connect(button, &QPushButton::clicked, this, handler);
    return button;
}

// The six input boxes of the calculator, by the captions of their labels.
QMenu *c_journal::boxMenu(QWidget *parent)
{
    auto *menu = new QMenu(u"&Utiliser dans la donnée"_s, parent);
    menu->setObjectName(u"mnuDonnees"_s);
    for (int box = 1; box <= 6; ++box) {
        QAction *action = menu->addAction(u"Donnée &%1)"_s.arg(box));
        action->setObjectName(u"Donnee%1"_s.arg(box));
        connect(action, &QAction::triggered, this, [this, box] { UtiliserDansDonnee(box); });
    }
    return menu;
}

void c_journal::showLineMenu(const QPoint &position)
{
    const std::optional<journal::Entry> entry = selectedEntry();
    if (!entry)
        return;
    auto *menu = new QMenu(this);
    menu->setObjectName(u"mnuLigne"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool result = !entry->refused();
    menu->addAction(u"Copier le &résultat"_s, this, &c_journal::cmdCopierResultat_Click)
        ->setEnabled(result);
    menu->addAction(u"Copier la &ligne"_s, this, &c_journal::cmdCopierLigne_Click);
    menu->addMenu(boxMenu(menu))->setEnabled(result);
    menu->addAction(u"Calculer à &nouveau"_s, this, &c_journal::cmdRecalculer_Click);
    menu->addAction(u"Valeurs n&ormalisées"_s, this, &c_journal::ValeursNormalisees)
        ->setEnabled(result && resultLinks() && resultLinks()->canShowStandardValues());
    menu->addSeparator();
    menu->addAction(u"&Supprimer"_s, this, &c_journal::cmdSupprimer_Click);
    menu->popup(lstJournal->viewport()->mapToGlobal(position));
}

std::optional<qsizetype> c_journal::selectedIndex() const
{
    const QModelIndexList rows = lstJournal->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return m_model->entryIndex(m_filter->mapToSource(rows.first()).row());
}

std::optional<journal::Entry> c_journal::selectedEntry() const
{
    const std::optional<qsizetype> index = selectedIndex();
    if (!index)
        return std::nullopt;
    return m_journal->entries().at(*index);
}

void c_journal::updateControls()
{
    const std::optional<journal::Entry> entry = selectedEntry();
    const bool result = entry && !entry->refused();
    cmdCopierResultat->setEnabled(result);
    cmdCopierLigne->setEnabled(entry.has_value());
    cmdUtiliser->setEnabled(result);
    cmdRecalculer->setEnabled(entry.has_value());
    cmdSupprimer->setEnabled(entry.has_value());
    const qsizetype total = m_journal->entries().size();
    cmdVider->setEnabled(total > 0);
    cmdExporter->setEnabled(total > 0);
    lblNombre->setText(countText(m_filter->rowCount(), total));
}

void c_journal::txtFiltre_Change()
{
    m_filter->setFilterFixedString(txtFiltre->text());
    updateControls();
}

void c_journal::cmdCopierResultat_Click()
{
    const std::optional<journal::Entry> entry = selectedEntry();
    if (entry && !entry->refused())
        platform().setClipboardText(journal::resultText(*entry));
}

void c_journal::cmdCopierLigne_Click()
{
    if (const std::optional<journal::Entry> entry = selectedEntry())
        platform().setClipboardText(journal::lineText(*entry));
}

void c_journal::UtiliserDansDonnee(int box)
{
    const std::optional<journal::Entry> entry = selectedEntry();
    if (!entry || entry->refused())
        return;
    SingleInstance<c_calculs>::show()->setDonnee(box, journal::resultText(*entry));
}

void c_journal::cmdRecalculer_Click()
{
    const std::optional<journal::Entry> entry = selectedEntry();
    if (!entry)
        return;
    if (entry->fromEngine()) {
        SingleInstance<q_resolution>::show()->setExpression(entry->expression);
        return;
    }
    c_calculs *calculator = SingleInstance<c_calculs>::show();
    if (!calculator->pickFunctionFile(entry->functionFile)) {
        platform().messageBox(u"La fonction « %1 » n'est plus dans la liste des fonctions : son "
                              u"calcul ne peut pas être refait."_s.arg(entry->source),
                              QString(),
                              MessageButtons::Ok,
                              MessageIcon::Warning);
        return;
    }
    for (const journal::Input &input : entry->inputs)
        calculator->setDonnee(input.box, input.text);
    calculator->Command1_Click();
}

void c_journal::cmdSupprimer_Click()
{
    const std::optional<qsizetype> index = selectedIndex();
    if (!index)
        return;
    const int row = lstJournal->selectionModel()->selectedRows().first().row();
    m_journal->remove(*index);
    // The next line takes the place of the one deleted, so that the key can be pressed again.
    const int next = std::min(row, m_filter->rowCount() - 1);
    if (next >= 0)
        lstJournal->setCurrentIndex(m_filter->index(next, 0));
    updateControls();
}

void c_journal::cmdVider_Click()
{
    const qsizetype total = m_journal->entries().size();
    if (total == 0)
        return;
    const QString question = u"Effacer %1 du journal ? Ils ne pourront pas être retrouvés."_s.arg(
        total == 1 ? u"le calcul"_s : u"les %1 calculs"_s.arg(total));
    if (platform().messageBox(question, QString(), MessageButtons::YesNo, MessageIcon::Warning)
        == MessageAnswer::Yes)
        m_journal->clear();
}

void c_journal::cmdExporter_Click()
{
    const QString suggested = QDir(QStandardPaths::writableLocation(
                                       QStandardPaths::DocumentsLocation))
                                  .filePath(u"journal-des-calculs.csv"_s);
    const std::optional<QString> path = platform().saveFileName(u"Exporter le journal des calculs"_s,
                                                                suggested,
                                                                u"Fichiers CSV (*.csv)"_s);
    if (!path)
        return;
    const QString failure = m_journal->exportTo(*path);
    if (!failure.isEmpty())
        platform().messageBox(failure, QString(), MessageButtons::Ok, MessageIcon::Warning);
}

void c_journal::ValeursNormalisees()
{
    const std::optional<journal::Entry> entry = selectedEntry();
    if (entry && entry->value && resultLinks() && resultLinks()->canShowStandardValues())
        resultLinks()->showStandardValues(*entry->value, entry->resultUnit);
}

} // namespace zorv
