// Pictures of the journal of the calculations, after a few calculations in the calculator and the
// equation window, one of them refused.

#include "engine/windows/q_resolution.h"
#include "functions/core/function_evaluation.h"
#include "functions/core/function_list.h"
#include "functions/windows/c_calculs.h"
#include "journal/core/journal.h"
#include "journal/windows/c_journal.h"
#include "screenshots/shots.h"
#include "shell/windows/b_window.h"
#include "shell/windows/result_links.h"

#include <QLineEdit>
#include <QTreeView>

namespace {

using namespace zorv;
using namespace Qt::StringLiterals;

void compute(c_calculs *calculator, const QString &file, const QStringList &inputs)
{
    calculator->pickFunctionFile(file);
    for (int box = 1; box <= int(inputs.size()); ++box)
        calculator->setDonnee(box, inputs[box - 1]);
    calculator->Command1_Click();
}

// A refusal goes into the journal as the calculator records it, without the message box that the
// calculator would show.
void refused(const QString &file, const QStringList &inputs)
{
    const int index = int(
        std::find(donnees::FunctionFileNames.cbegin(), donnees::FunctionFileNames.cend(), file)
        - donnees::FunctionFileNames.cbegin());
    std::array<QString, 6> legends;
    std::array<QString, 6> texts;
    for (int k = 0; k < 6; ++k) {
        legends[k] = c_calculs::ReadAClause(file, u"Fonc"_s, u"d%1"_s.arg(k + 1));
        texts[k] = k < inputs.size() ? inputs[k] : u"0"_s;
    }
    const QString formula = c_calculs::ReadAClause(file, u"Calc"_s, u"Fnc"_s);
    const QString name = donnees::FunctionNames[index];
    const functions::FunctionEvaluation evaluation = functions::evaluateFunction(name,
                                                                                 formula,
                                                                                 texts);
    journal::Entry entry
        = journal::functionEntry(name, file, formula, legends, texts, evaluation.expression);
    if (evaluation.ok())
        entry.setResult(evaluation.value);
    else
        entry.setRefusal(evaluation.reason);
    journal::record(entry);
}

void evaluate(const QString &expression)
{
    q_resolution *window = SingleInstance<q_resolution>::get();
    window->setExpression(expression);
    window->Command1_Click();
}

void journalWindow(shots::Shots &s)
{
    journal::Journal journal(journal::journalFilePath());
    journal::JournalScope scope(journal);
    c_calculs *calculator = SingleInstance<c_calculs>::get();
    compute(calculator, u"05_frequence_coupure_rc.zvfc"_s, {u"10k"_s, u"22n"_s});
    compute(calculator, u"01_ohm_tension.zvfc"_s, {u"4k7"_s, u"2,5m"_s});
    evaluate(u"2(3+4) * 1,5"_s);
    refused(u"02_diviseur_tension.zvfc"_s, {u"12"_s, u"10k"_s, QString()});
    evaluate(u"V(3²+4²)"_s);
    compute(calculator, u"05_frequence_coupure_rc.zvfc"_s, {u"4k7"_s, u"100n"_s});
    SingleInstance<c_calculs>::close();
    SingleInstance<q_resolution>::close();

    MainFrameHost host;
    InstalledScope<FrameHost> hostScope(host);
    // The buttons that put a line back into the calculator are shown as the program shows them.
    ProgramResultLinks links;
    InstalledScope<ResultLinks> linksScope(links);
    c_journal *window = SingleInstance<c_journal>::show();
    auto *view = window->findChild<QTreeView *>(u"lstJournal"_s);
    view->setCurrentIndex(view->model()->index(0, 0));
    view->setFocus();
    s.take(window, u"c_journal"_s);
    s.take(SingleInstance<b_window>::find(), u"b_window-journal"_s);
    SingleInstance<c_journal>::close();
    SingleInstance<b_window>::close();
}

const shots::Registrar reg("6-journal", &journalWindow);

} // namespace
