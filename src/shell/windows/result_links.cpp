#include "shell/windows/result_links.h"

#include "engine/windows/q_resolution.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/calculator_answers.h"
#include "journal/windows/c_journal.h"
#include "values/windows/v_normalisees.h"

#include <QShortcut>

using namespace Qt::StringLiterals;

namespace zorv {

void ProgramResultLinks::showJournal()
{
    SingleInstance<c_journal>::show();
}

void ProgramResultLinks::showStandardValues(double value, const QString &unit)
{
    v_normalisees::open(value, unit);
}

void ProgramResultLinks::useInCalculator(int box, const QString &text)
{
    SingleInstance<c_calculs>::show()->setDonnee(box, text);
}

void ProgramResultLinks::showInEngine(const QString &expression)
{
    SingleInstance<q_resolution>::show()->setExpression(expression);
}

bool ProgramResultLinks::computeAgain(const QString &functionFile,
                                      const QList<BoxText> &inputs,
                                      const QString &wanted)
{
    c_calculs *calculator = SingleInstance<c_calculs>::show();
    if (!calculator->pickFunctionFile(functionFile))
        return false;
    for (const BoxText &input : inputs)
        calculator->setDonnee(input.box, input.text);
    setWantedResult(*calculator, wanted);
    calculator->Command1_Click();
    return true;
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
