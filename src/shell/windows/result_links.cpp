#include "result_links.h"

#include "journal/windows/c_journal.h"

#include <QShortcut>

namespace zorv {

ProgramResultLinks::ProgramResultLinks()
    : m_previous(setResultLinks(this))
{}

ProgramResultLinks::~ProgramResultLinks()
{
    setResultLinks(m_previous);
}

void ProgramResultLinks::showJournal()
{
    SingleInstance<c_journal>::show();
}

// The standard values window is not part of the program yet: its menu items stay disabled until
// these two open it.
bool ProgramResultLinks::canShowStandardValues() const
{
    return false;
}

void ProgramResultLinks::showStandardValues(double) {}

QShortcut *addJournalShortcut(QWidget *owner)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), owner);
    shortcut->setObjectName(QStringLiteral("JournalShortcut"));
    shortcut->setContext(Qt::ApplicationShortcut);
    QObject::connect(shortcut, &QShortcut::activated, owner, [] {
        SingleInstance<c_journal>::show();
    });
    return shortcut;
}

} // namespace zorv
