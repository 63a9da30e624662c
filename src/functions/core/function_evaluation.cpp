#include "functions/core/function_evaluation.h"

#include "engine/core/calcule.h"
#include "engine/core/number_reading.h"
#include "engine/core/number_text.h"
#include "engine/core/text_primitives.h"
#include "functions/core/function_file.h"
#include "functions/core/picked_function.h"
#include "functions/core/quantity.h"
#include "functions/core/replace_text.h"

#include <QList>
#include <QRegularExpression>

namespace zorv::functions {

using namespace Qt::StringLiterals;

namespace {

// Past this length a box's text is shortened in a message, which must stay readable.
constexpr qsizetype QuotedTextLength = 40;

QString placeholder(int k)
{
    return u'd' + QString::number(k);
}

// Parentheses make the box's text one value whatever operators stand around its placeholder.
QString asValue(const QString &text)
{
    return u'(' + text + u')';
}

QString functionCalled(const QString &name)
{
    return name.isEmpty() ? u"cette fonction"_s : engine::quoted(name, QuotedTextLength);
}

// Box k's text as the engine will see it: the placeholders of later boxes in it replaced in their
// turn, as in the whole expression.
QString valueText(QString text, int k, const FunctionInputs &inputs)
{
    for (int j = k + 1; j <= 6; ++j)
        text = ReplaceText(text, placeholder(j), asValue(inputs[j - 1]));
    return text;
}

// Appends box k to the checking order after the later boxes that its text names, so that a box
// holding "d3" is checked after box 3: a fault typed in box 3 is then told as box 3's.
void appendInCheckingOrder(int k, const FunctionInputs &inputs, QList<int> &order)
{
    if (order.contains(k))
        return;
    for (int j = k + 1; j <= 6; ++j) {
        if (inputs[k - 1].contains(placeholder(j)))
            appendInCheckingOrder(j, inputs, order);
    }
    order.append(k);
}

FunctionEvaluation failure(const QString &expression, int box, const QString &message)
{
    return {.value = 0, .expression = expression, .box = box, .reason = message};
}

// The fault of box k on its own, or an empty text.
QString boxFault(int k, const FunctionInputs &inputs)
{
    const QString &typed = inputs[k - 1];
    const QString label = u"La donnée "_s + QString::number(k) + u')';
    if (typed.trimmed().isEmpty())
        return label + u" est vide."_s;
    try {
        engine::Calcule(valueText(inputs[k - 1], k, inputs));
    } catch (const engine::EvalError &error) {
        return label + u' ' + engine::quoted(typed, QuotedTextLength) + u" : "_s + error.reason()
               + u'.';
    }
    return {};
}

} // namespace

QString quotedText(const QString &text)
{
    return engine::quoted(text, QuotedTextLength);
}

Substitution substituteInputs(const QString &formula, const FunctionInputs &inputs)
{
    Substitution substitution{.expression = formula};
    for (int k = 1; k <= 6; ++k) {
        substitution.used[k - 1] = substitution.expression.contains(placeholder(k));
        substitution.expression = ReplaceText(substitution.expression,
                                              placeholder(k),
                                              asValue(inputs[k - 1]));
    }
    return substitution;
}

FunctionEvaluation evaluateFunction(const QString &name,
                                    const QString &formula,
                                    const FunctionInputs &inputs)
{
    if (formula == ReadFailureText) {
        QString subject = name.isEmpty()
                              ? u"Cette fonction"_s
                              : u"La fonction "_s + engine::quoted(name, QuotedTextLength);
        return failure({},
                       0,
                       subject
                           + u" n'a pas de formule : son fichier ne contient pas la clé « Fnc » "
                             u"de la section « Calc »."_s);
    }

    if (formula.size() > MaxClauseLength) {
        return failure({},
                       0,
                       u"La formule de "_s + functionCalled(name) + u" dépasse "_s
                           + QString::number(MaxClauseLength) + u" caractères."_s);
    }

    const Substitution substitution = substituteInputs(formula, inputs);
    QList<int> order;
    for (int k = 1; k <= 6; ++k) {
        if (substitution.used[k - 1])
            appendInCheckingOrder(k, inputs, order);
    }
    for (const int k : order) {
        if (const QString fault = boxFault(k, inputs); !fault.isEmpty())
            return failure(substitution.expression, k, fault);
    }

    try {
        const double value = engine::Calcule(substitution.expression);
        return {.value = value, .expression = substitution.expression, .box = 0, .reason = {}};
    } catch (const engine::EvalError &error) {
        return failure(substitution.expression,
                       0,
                       u"Impossible de calculer "_s + functionCalled(name) + u" : "_s
                           + error.reason() + u'.');
    }
}

BoxShown shownReading(const PickedFunction &function,
                      const FunctionInputs &inputs,
                      int k,
                      const QLocale &locale)
{
    static const QRegularExpression bareNumber(
        u"^\\s*[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([EeDd][+-]?\\d+)?\\s*$"_s);
    const QString &typed = inputs[k - 1];
    if (typed.trimmed().isEmpty() || bareNumber.match(typed).hasMatch())
        return {};
    PickedFunction alone = function;
    alone.formula = placeholder(k);
    const FunctionEvaluation read = evaluateFunction(alone, inputs);
    if (!read.ok())
        return {.text = {}, .refusal = read.reason};
    const Unit unit = parseUnit(function.units.inputs[k - 1]);
    QString text = engine::userNumberText(read.value, locale);
    if (unit.declared())
        text += u' ' + shownUnit(unit.written);
    return {.text = text, .refusal = {}};
}

FunctionEvaluation evaluateFunction(const PickedFunction &function, const FunctionInputs &inputs)
{
    const Substitution typed = substituteInputs(function.formula, inputs);
    QList<int> order;
    for (int k = 1; k <= 6; ++k) {
        if (typed.used[k - 1])
            appendInCheckingOrder(k, inputs, order);
    }
    // Each box that needs converting is replaced by its value in the declared unit; the others
    // go into the formula as typed. Later boxes come first in the order, so a box naming one
    // finds its value already converted.
    FunctionInputs engineTexts = inputs;
    for (const int k : order) {
        const QString &text = inputs[k - 1];
        if (function.formula == ReadFailureText || text.trimmed().isEmpty())
            break; // told by the evaluation below, as before
        const BoxReading reading = readBoxText(text, parseUnit(function.units.inputs[k - 1]));
        const QString label = u"La donnée "_s + QString::number(k) + u") "_s
                              + engine::quoted(text, QuotedTextLength) + u" : "_s;
        if (!reading.ok())
            return failure(typed.expression, k, label + reading.reason + u'.');
        if (reading.asTyped)
            continue;
        try {
            const double value = engine::Calcule(valueText(reading.expression, k, engineTexts))
                                 * reading.factor;
            engineTexts[k - 1] = engine::numberText(engine::normaliseOperand(value));
        } catch (const engine::EvalError &error) {
            return failure(typed.expression, k, label + error.reason() + u'.');
        }
    }
    return evaluateFunction(function.name, function.formula, engineTexts);
}

} // namespace zorv::functions
