#include "journal/windows/journal_problems.h"

#include "journal/core/journal.h"
#include "platform/platform.h"

namespace zorv::journal {

void showProblemsOf(Journal &journal)
{
    QObject::connect(
        &journal,
        &Journal::problemFound,
        &journal,
        [](const QString &text) {
            platform().messageBox(text, QString(), MessageButtons::Ok, MessageIcon::Warning);
        },
        Qt::QueuedConnection);
}

} // namespace zorv::journal
