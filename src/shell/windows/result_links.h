#pragma once

#include "platform/result_menu.h"

class QShortcut;
class QWidget;

namespace zorv {

// Where the context menus of the result boxes lead in the program: the journal window and the
// standard values. Installs itself for its lifetime.
class ProgramResultLinks final : public ResultLinks
{
public:
    ProgramResultLinks();
    ~ProgramResultLinks() override;
    ProgramResultLinks(const ProgramResultLinks &) = delete;
    ProgramResultLinks &operator=(const ProgramResultLinks &) = delete;

    void showJournal() override;
    bool canShowStandardValues() const override;
    void showStandardValues(double value, const QString &unit) override;

private:
    ResultLinks *m_previous;
};

// Ctrl+J opens the journal from every window of the program that is not blocked by a modal one.
// The key belongs to `owner`, which must stay shown (the menu does, for the whole run).
QShortcut *addJournalShortcut(QWidget *owner);

} // namespace zorv
