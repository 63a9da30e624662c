#include "platform/result_menu.h"

#include "platform/platform.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace zorv {
namespace {

ResultLinks *currentLinks = nullptr;

} // namespace

ResultLinks *resultLinks()
{
    return currentLinks;
}

ResultLinks *setResultLinks(ResultLinks *links)
{
    ResultLinks *previous = currentLinks;
    currentLinks = links;
    return previous;
}

void addResultItems(QMenu *menu, const std::optional<ShownResult> &result)
{
    QAction *copy = menu->addAction(u"Copier le &résultat"_s);
    copy->setObjectName(u"CopierResultat"_s);
    copy->setEnabled(result.has_value());
    if (result) {
        QObject::connect(copy, &QAction::triggered, menu, [text = result->text] {
            platform().setClipboardText(text);
        });
    }

    if (result && !result->textWithUnit.isEmpty()) {
        QAction *withUnit = menu->addAction(u"Copier avec l'&unité"_s);
        withUnit->setObjectName(u"CopierAvecUnite"_s);
        QObject::connect(withUnit, &QAction::triggered, menu, [text = result->textWithUnit] {
            platform().setClipboardText(text);
        });
    }

    QAction *journal = menu->addAction(u"&Journal des calculs"_s);
    journal->setObjectName(u"JournalDesCalculs"_s);
    // Shown as a hint: the key itself is the program's, in every window.
    journal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    journal->setShortcutContext(Qt::WidgetShortcut);
    journal->setEnabled(currentLinks != nullptr);
    QObject::connect(journal, &QAction::triggered, menu, [] {
        if (currentLinks)
            currentLinks->showJournal();
    });

    QAction *standard = menu->addAction(u"Valeurs &normalisées"_s);
    standard->setObjectName(u"ValeursNormalisees"_s);
    standard->setEnabled(result && currentLinks && currentLinks->canShowStandardValues());
    if (result) {
        QObject::connect(standard,
                         &QAction::triggered,
                         menu,
                         [value = result->value, unit = result->unit] {
                             if (currentLinks)
                                 currentLinks->showStandardValues(value, unit);
                         });
    }
}

void addResultMenu(QLineEdit *box, std::function<std::optional<ShownResult>()> result)
{
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box,
                     &QWidget::customContextMenuRequested,
                     box,
                     [box, result = std::move(result)](const QPoint &position) {
                         QMenu *menu = box->createStandardContextMenu();
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->addSeparator();
                         addResultItems(menu, result());
                         menu->popup(box->mapToGlobal(position));
                     });
}

} // namespace zorv
