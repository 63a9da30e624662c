#pragma once

#include <QString>

#include <functional>
#include <optional>

class QLineEdit;
class QMenu;

namespace zorv {

// The windows that a result leads to — the journal of the calculations and the standard values —
// live above the windows that show results, which cannot name them. The program installs the way
// to them; without it (tests of one window, tools) their menu items are disabled.
class ResultLinks
{
public:
    virtual ~ResultLinks() = default;

    virtual void showJournal() = 0;

    virtual bool canShowStandardValues() const = 0;
    // `unit` is the unit of the value as the user reads it ("kΩ"), empty when it has none.
    virtual void showStandardValues(double value, const QString &unit) = 0;
};

ResultLinks *resultLinks();

// Installs the links (not owned) and returns the previous ones.
ResultLinks *setResultLinks(ResultLinks *links);

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

} // namespace zorv
