#include "shell/windows/result_links.h"

#include "journal/windows/c_journal.h"
#include "platform/window_openers.h"

#include <QShortcut>

using namespace Qt::StringLiterals;

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

bool ProgramResultLinks::canShowStandardValues() const
{
    return true;
}

void ProgramResultLinks::showStandardValues(double value, const QString &unit)
{
    openStandardValues(value, unit);
}

QShortcut *addJournalShortcut(QWidget *owner)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), owner);
    shortcut->setObjectName(u"JournalShortcut"_s);
    shortcut->setContext(Qt::ApplicationShortcut);
    QObject::connect(shortcut, &QShortcut::activated, owner, [] {
        SingleInstance<c_journal>::show();
    });
    return shortcut;
}

} // namespace zorv
