#include "functions/windows/calculator_answers.h"

#include "engine/core/number_text.h"
#include "functions/core/function_list.h"
#include "functions/core/function_request.h"
#include "functions/windows/c_calculs.h"
#include "journal/core/journal.h"
#include "platform/platform.h"

#include <QLineEdit>
#include <QMenu>

namespace zorv {

using namespace Qt::StringLiterals;

namespace {

const QString WantedResultName = u"Résultat voulu"_s;

int unknownBox(const c_calculs &calculator)
{
    for (int k = 1; k <= 6; ++k) {
        if (calculator.txtDonnees[k]->text().trimmed() == functions::UnknownText)
            return k;
    }
    return 0;
}

void updateMode(c_calculs &calculator)
{
    QLineEdit *result = calculator.txtResultat;
    const bool wanted = unknownBox(calculator) != 0;
    if (wanted == !result->isReadOnly())
        return;
    // The result shown belongs to other inputs: in either mode it would be misread.
    calculator.showResult(std::nullopt, QString());
    result->setReadOnly(!wanted);
    result->setAccessibleName(wanted ? WantedResultName : u"Résultat"_s);
    result->setPlaceholderText(wanted ? u"résultat voulu"_s : QString());
    result->setToolTip(wanted ? u"Le résultat que la donnée « ? » doit donner"_s : QString());
}

void refuse(c_calculs &calculator, int box, const QString &message)
{
    // Keep the wanted result: it is the user's input.
    if (calculator.txtResultat->isReadOnly())
        calculator.showResult(std::nullopt, QString());
    platform().messageBox(message, AppTitle, MessageButtons::Ok, MessageIcon::Warning);
    QLineEdit *focus = box > 0 ? calculator.txtDonnees[box] : calculator.txtResultat;
    focus->setFocus();
    focus->selectAll();
}

// Writes a solution into the unknown's box and the function's value there into the result box.
void useSolution(c_calculs &calculator,
                 const QString &name,
                 const functions::FunctionAnswer &answer,
                 double solution)
{
    functions::FunctionInputs inputs = answer.values;
    inputs[answer.unknown - 1] = engine::numberText(solution);
    const functions::FunctionEvaluation check = functions::evaluateFunction(name,
                                                                            donnees::CurrentFormula,
                                                                            inputs);
    QLineEdit *box = calculator.txtDonnees[answer.unknown];
    box->setText(engine::userNumberText(solution));
    box->setCursorPosition(0); // the leading digits matter most in a narrow box
    if (check.ok())
        calculator.showResult(check.value, engine::userNumberText(check.value));
    box->setFocus();
}

void offerSolutions(c_calculs &calculator,
                    const QString &name,
                    const functions::FunctionAnswer &answer)
{
    auto *menu = new QMenu(&calculator);
    menu->setObjectName(u"mnuSolutions"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(u"Solutions"_s);
    QAction *title = menu->addAction(
        u"%1 solutions : choisissez la donnée %2)"_s.arg(answer.solutions.size())
            .arg(answer.unknown));
    title->setEnabled(false);
    menu->addSeparator();
    for (const double solution : answer.solutions) {
        QAction *action = menu->addAction(engine::userNumberText(solution));
        QObject::connect(action,
                         &QAction::triggered,
                         &calculator,
                         [&calculator, name, answer, solution] {
                             useSolution(calculator, name, answer, solution);
                         });
    }
    QLineEdit *box = calculator.txtDonnees[answer.unknown];
    menu->popup(box->mapToGlobal(QPoint(0, box->height())));
}

void showRange(c_calculs &calculator, const functions::FunctionAnswer &answer)
{
    const functions::RangeResult &range = answer.range;
    calculator.showResult(range.nominal, functions::rangeLabel(range));
    calculator.txtResultat->setCursorPosition(0);
    calculator.txtResultat->setToolTip(
        u"Nominal %1 ; minimum %2 ; maximum %3"_s.arg(engine::userNumberText(range.nominal),
                                                      engine::userNumberText(range.minimum),
                                                      engine::userNumberText(range.maximum)));
}

void record(c_calculs &calculator,
            const functions::FunctionInputs &inputs,
            const QString &wanted,
            const functions::FunctionAnswer &answer)
{
    journal::Entry entry = calculator.newJournalEntry(inputs, QString());
    entry.wanted = wanted.trimmed();
    if (!answer.ok()) {
        entry.setRefusal(answer.reason);
    } else if (answer.kind == functions::FunctionAnswer::Kind::Solutions) {
        entry.setSolutions(wanted.trimmed(),
                           QList<double>(answer.solutions.begin(), answer.solutions.end()));
    } else {
        entry.setRange(answer.range.nominal, answer.range.minimum, answer.range.maximum);
    }
    journal::record(entry);
}

} // namespace

void installWantedResultMode(c_calculs &calculator)
{
    for (int k = 1; k <= 6; ++k) {
        QObject::connect(calculator.txtDonnees[k],
                         &QLineEdit::textChanged,
                         &calculator,
                         [&calculator] { updateMode(calculator); });
    }
    QObject::connect(calculator.txtResultat, &QLineEdit::returnPressed, &calculator, [&calculator] {
        if (!calculator.txtResultat->isReadOnly())
            calculator.Command1_Click();
    });
}

functions::FunctionInputs valuesWithoutTolerances(const functions::FunctionInputs &boxes)
{
    functions::FunctionInputs values = boxes;
    for (int k = 1; k <= 6; ++k) {
        const functions::ToleranceReading reading = functions::readTolerance(boxes[k - 1], k);
        if (boxes[k - 1].trimmed() == functions::UnknownText)
            values[k - 1] = u"1"_s;
        else if (reading.ok() && reading.tolerance)
            values[k - 1] = reading.valueText;
    }
    return values;
}

functions::BoxShown shownWithTolerance(functions::BoxShown shown, const QString &typed, int box)
{
    if (typed.trimmed() == functions::UnknownText)
        return {.text = u"inconnue"_s, .refusal = {}};
    const functions::ToleranceReading reading = functions::readTolerance(typed, box);
    if (!reading.ok())
        return {.text = {}, .refusal = reading.reason};
    if (reading.tolerance && shown.refusal.isEmpty() && !shown.text.isEmpty())
        shown.text += u' ' + reading.tolerance->text;
    return shown;
}

void fillCalculatorBox(int box, const QString &text)
{
    SingleInstance<c_calculs>::show()->setDonnee(box, text);
}

void setWantedResult(c_calculs &calculator, const QString &wanted)
{
    if (!calculator.txtResultat->isReadOnly())
        calculator.txtResultat->setText(wanted);
}

bool answerSolveOrRange(c_calculs &calculator,
                        const QString &name,
                        const functions::FunctionInputs &inputs)
{
    const QString wanted = calculator.txtResultat->isReadOnly() ? QString()
                                                                : calculator.txtResultat->text();
    if (!functions::asksSolveOrRange(inputs, wanted))
        return false;
    const functions::FunctionAnswer answer = functions::answerFunction(functions::pickedFunction(),
                                                                       inputs,
                                                                       wanted);
    if (answer.ok() && answer.kind == functions::FunctionAnswer::Kind::Value)
        return false; // what looked like a tolerance stands in a box the formula does not use
    record(calculator, inputs, wanted, answer);
    if (!answer.ok()) {
        refuse(calculator, answer.box, answer.reason);
    } else if (answer.kind == functions::FunctionAnswer::Kind::Range) {
        showRange(calculator, answer);
    } else if (answer.solutions.size() == 1) {
        useSolution(calculator, name, answer, answer.solutions.front());
    } else {
        offerSolutions(calculator, name, answer);
    }
    return true;
}

} // namespace zorv
