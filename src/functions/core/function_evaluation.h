#pragma once

#include <QLocale>
#include <QString>

#include <array>

namespace zorv::functions {

// The texts of the six input boxes, for the placeholders "d1" to "d6".
using FunctionInputs = std::array<QString, 6>;

// The formula with its placeholders replaced, and which boxes that took.
struct Substitution
{
    QString expression;
    std::array<bool, 6> used{}; // used[k - 1]: the placeholder of box k was in the text at its turn
};

// Each placeholder "dk" in turn, k from 1 to 6, replaced by "(" + text of box k + ")" through
// ReplaceText: a sum typed in a box counts as one value, a negative value squared is positive, and
// a placeholder of a later box typed in an earlier one is replaced in its turn.
Substitution substituteInputs(const QString &formula, const FunctionInputs &inputs);

// A box's text quoted for a message: « 4k7 », a long text shortened with "…".
QString quotedText(const QString &text);

// What evaluating a function gave: its value, or the French sentence that tells why there is none.
struct FunctionEvaluation
{
    double value = 0;   // meaningful only when ok()
    QString expression; // the text given to the engine; empty when the formula is missing
    int box = 0;        // the input box at fault (1 to 6), 0 when the fault lies in no one box
    QString reason;     // empty on success

    bool ok() const { return reason.isEmpty(); }
};

// Evaluates a function's formula with the texts of its input boxes, as the calculator does: the
// expression of substituteInputs, evaluated by the engine.
//
// Only the boxes that the substitution used are looked at. Each is checked on its own before the
// whole is evaluated, in the order of the boxes, but after the later boxes that its text names (so
// that a fault is told in the box where it was typed); the first fault is told:
// - a blank box: "La donnée 2) est vide." (box 2);
// - a box refused by the engine, as it stands once the later placeholders in it are replaced:
//   "La donnée 1) « 4k7 » : caractère inconnu « k »." (box 1; a long text is shortened).
// Faults that lie in no one box (box 0):
// - a formula read from a file that has none (ReadFailureText), before anything else:
//   "La fonction « NAME » n'a pas de formule : ...";
// - a formula longer than a function file holds whole (see readFormula), which is never computed
//   from its start: "La formule de « NAME » dépasse 254 caractères.";
// - the whole refused or failing: "Impossible de calculer « NAME » : division par zéro."
// `name` is the function's name as listed; when it is empty the messages say "cette fonction".
FunctionEvaluation evaluateFunction(const QString &name,
                                    const QString &formula,
                                    const FunctionInputs &inputs);

struct PickedFunction;

// The picked function evaluated with the texts of its input boxes, as above, each box read in the
// unit that the function declares for it (readBoxText): a box that needs converting goes into the
// formula as its value in the declared unit. A box refused by that reading is told as the engine's
// refusals are: "La donnée 2) « 100 mH » : unité « H » au lieu de « F »."
FunctionEvaluation evaluateFunction(const PickedFunction &function, const FunctionInputs &inputs);

// How the calculator read box k (1 to 6) for this function, to be shown beside it.
struct BoxShown
{
    QString text;    // its value in the declared unit with that unit ("4,7 kΩ", "1E-07 F")
    QString refusal; // when it cannot be read: the sentence that "Calculer" would show
};

// Nothing (both empty) for a blank box or a bare number, which need no telling; otherwise the
// value, or why there is none. Placeholders of later boxes in the text are read as in the formula.
BoxShown shownReading(const PickedFunction &function,
                      const FunctionInputs &inputs,
                      int k,
                      const QLocale &locale = QLocale());

} // namespace zorv::functions
