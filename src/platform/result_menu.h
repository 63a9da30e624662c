#pragma once

#include "platform/hook.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QLineEdit;
class QMenu;
class QWidget;

namespace zorv {

// The text of one input box of the calculator (1 to 6).
struct BoxText
{
    int box = 0;
    QString text;
};

// The windows that a result leads to, and those into which the journal puts a calculation back,
// belong to subsystems that cannot name each other's windows: the journal window and the standard
// values stand above the calculating windows, which they also fill. The shell installs the way
// between them (Installed<ResultLinks>); without it (tests of one window, tools) the menu items
// and buttons that need it are disabled.
class ResultLinks
{
public:
    virtual ~ResultLinks() = default;

    virtual void showJournal() = 0;
    // `unit` is the unit of the value as the user reads it ("kΩ"), empty when it has none.
    virtual void showStandardValues(double value, const QString &unit) = 0;

    // Shows the calculator with the text in input box `box` (1 to 6).
    virtual void useInCalculator(int box, const QString &text) = 0;

    // Shows the equation engine with the expression in its box, to be computed again.
    virtual void showInEngine(const QString &expression) = 0;

    // Shows the calculator with the function of this file of the function folder picked, the
    // boxes filled and the result computed; false, with nothing changed, when the list no longer
    // holds the function. A solve gives the result it wanted (empty for a computation).
    virtual bool computeAgain(const QString &functionFile,
                              const QList<BoxText> &inputs,
                              const QString &wanted)
        = 0;
};

// The installed links, or nullptr.
inline ResultLinks *resultLinks()
{
    return Installed<ResultLinks>::get();
}

// A result as a box shows it.
struct ShownResult
{
    double value = 0;
    QString text; // in the user's locale, as it pastes into an input box
    QString unit; // as the user reads it ("kΩ"); empty when the result has none
    // The result in engineering form with its unit ("1,592 kHz"), which pastes into a box
    // declared in any prefix of the unit; empty when the result has no unit.
    QString textWithUnit;
};

// Gives the box a context menu of Qt's own items for it, then "Copier le résultat" (the text of
// the result, alone, to the clipboard), "Copier avec l'unité" for a result that has a unit,
// "Journal des calculs" (Ctrl+J) and "Valeurs normalisées"
// (for the value). `result` tells the result these items are about; without one the two result
// items are disabled.
void addResultMenu(QLineEdit *box, std::function<std::optional<ShownResult>()> result);

// The same items, added to a menu.
void addResultItems(QMenu *menu, const std::optional<ShownResult> &result);

// The menu "Utiliser dans la donnée" (object name mnuDonnees): an item "Donnée k)" per input box
// of the calculator (object names Donnee1 to Donnee6), each calling `use` with its box.
QMenu *inputBoxMenu(QWidget *parent, std::function<void(int box)> use);

} // namespace zorv
