#pragma once

#include "platform/result_menu.h"

class QShortcut;
class QWidget;

namespace zorv {

// Where the context menus of the result boxes and the journal's lines lead in the program: the
// journal window, the standard values, the calculator and the equation engine. The program
// installs it with an InstalledScope<ResultLinks>.
class ProgramResultLinks final : public ResultLinks
{
public:
    void showJournal() override;
    void showStandardValues(double value, const QString &unit) override;
    void useInCalculator(int box, const QString &text) override;
    void showInEngine(const QString &expression) override;
    bool computeAgain(const QString &functionFile,
                      const QList<BoxText> &inputs,
                      const QString &wanted) override;
};

// Ctrl+J opens the journal from every window of the program that is not blocked by a modal one.
// The key belongs to `owner`, which must stay shown (the menu does, for the whole run).
QShortcut *addJournalShortcut(QWidget *owner);

} // namespace zorv
