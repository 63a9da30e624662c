#include "functions/core/function_request.h"

#include "engine/core/calcule.h"
#include "engine/core/number_reading.h"
#include "engine/core/number_text.h"
#include "functions/core/quantity.h"
#include "functions/core/unit.h"

namespace zorv::functions {

using namespace Qt::StringLiterals;

namespace {

FunctionAnswer refusal(int box, const QString &message)
{
    FunctionAnswer answer;
    answer.box = box;
    answer.reason = message;
    return answer;
}

QString boxLabel(int box)
{
    return u"donnée "_s + QString::number(box) + u')';
}

FunctionAnswer solve(const QString &name,
                     const QString &formula,
                     const FunctionInputs &values,
                     int unknown,
                     const QString &wantedText)
{
    const SolveResult solved = solveFunction(name, formula, values, unknown, wantedText);
    if (!solved.ok())
        return refusal(solved.box, solved.reason);
    FunctionAnswer answer;
    answer.kind = FunctionAnswer::Kind::Solutions;
    answer.value = solved.wanted;
    answer.solutions = solved.solutions;
    answer.unknown = unknown;
    answer.values = values;
    return answer;
}

bool startsWithPlusMinus(const QString &text)
{
    return text.startsWith(u"±"_s) || text.startsWith(u"+-"_s) || text.startsWith(u"+/-"_s);
}

} // namespace

FunctionAnswer answerFunction(const QString &name,
                              const QString &formula,
                              const FunctionInputs &boxes,
                              const QString &wantedText)
{
    const std::array<bool, 6> used = substituteInputs(formula, boxes).used;
    int unknown = 0;
    FunctionInputs values;
    InputTolerances tolerances;
    int toleranced = 0;
    for (int k = 1; k <= 6; ++k) {
        if (boxes[k - 1].trimmed() == UnknownText) {
            if (unknown != 0) {
                return refusal(k,
                               u"Une seule donnée peut être inconnue : la "_s + boxLabel(unknown)
                                   + u" et la "_s + boxLabel(k) + u" portent « ? »."_s);
            }
            unknown = k;
            values[k - 1] = boxes[k - 1];
            continue;
        }
        const ToleranceReading reading = readTolerance(boxes[k - 1], k);
        // A box the formula does not use is not looked at, as in a plain calculation, unless it
        // carries a tolerance, which would then be ignored in silence (worstCase refuses it).
        if (!reading.ok() && !used[k - 1]) {
            values[k - 1] = boxes[k - 1];
            continue;
        }
        if (!reading.ok())
            return refusal(k, reading.reason);
        // A box without a tolerance goes to the engine as typed, as it always has.
        values[k - 1] = reading.tolerance ? reading.valueText : boxes[k - 1];
        tolerances[k - 1] = reading.tolerance;
        if (reading.tolerance && toleranced == 0)
            toleranced = k;
    }

    if (unknown != 0) {
        if (toleranced != 0) {
            return refusal(toleranced,
                           u"La "_s + boxLabel(toleranced)
                               + u" porte une tolérance : on ne cherche une inconnue "
                                 u"qu'avec des valeurs exactes."_s);
        }
        return solve(name, formula, values, unknown, wantedText);
    }
    if (!wantedText.trimmed().isEmpty()) {
        return refusal(0,
                       u"Un résultat voulu demande une donnée inconnue : écrivez « ? » dans "
                       u"sa case."_s);
    }
    FunctionAnswer answer;
    answer.values = values;
    if (toleranced != 0) {
        answer.range = worstCase(name, formula, values, tolerances);
        if (!answer.range.ok())
            return refusal(answer.range.box, answer.range.reason);
        answer.kind = FunctionAnswer::Kind::Range;
        answer.value = answer.range.nominal;
        answer.tolerances = tolerances;
        return answer;
    }
    const FunctionEvaluation evaluation = evaluateFunction(name, formula, values);
    if (!evaluation.ok())
        return refusal(evaluation.box, evaluation.reason);
    answer.value = evaluation.value;
    return answer;
}

namespace {

// The text in the declared unit, for the engine: a value typed with its unit or a prefix
// ("4,7 kΩ", "100n") becomes its number in that unit; a text to take as typed stays as it is.
// Empty, with the reason in `reason`, when the text cannot be read in that unit.
QString inDeclaredUnit(const QString &text, const QString &declared, QString &reason)
{
    const BoxReading reading = readBoxText(text, parseUnit(declared));
    if (!reading.ok()) {
        reason = reading.reason;
        return {};
    }
    if (reading.asTyped)
        return text;
    try {
        const double value = engine::Calcule(reading.expression) * reading.factor;
        return engine::numberText(engine::normaliseOperand(value));
    } catch (const engine::EvalError &error) {
        reason = error.reason();
        return {};
    }
}

} // namespace

FunctionAnswer answerFunction(const PickedFunction &function,
                              const FunctionInputs &boxes,
                              const QString &wantedText)
{
    FunctionInputs converted = boxes;
    for (int k = 1; k <= 6; ++k) {
        const QString &typed = boxes[k - 1];
        if (typed.trimmed() == UnknownText || typed.trimmed().isEmpty())
            continue;
        const ToleranceReading reading = readTolerance(typed, k);
        if (!reading.ok())
            continue; // refused below, where the formula tells whether the box counts
        QString reason;
        const QString value = inDeclaredUnit(reading.valueText,
                                             function.units.inputs[k - 1],
                                             reason);
        if (!reason.isEmpty()) {
            return refusal(k,
                           u"La "_s + boxLabel(k) + u' ' + quotedText(reading.valueText) + u" : "_s
                               + reason + u'.');
        }
        // The tolerance keeps its text: a share, or an amount in the box's declared unit.
        const QString trimmed = typed.trimmed();
        converted[k - 1] = value + trimmed.mid(reading.valueText.size());
    }
    QString wanted = wantedText;
    if (!wantedText.trimmed().isEmpty()) {
        QString reason;
        wanted = inDeclaredUnit(wantedText.trimmed(), function.units.result, reason);
        if (!reason.isEmpty()) {
            return refusal(0,
                           u"Le résultat voulu "_s + quotedText(wantedText.trimmed()) + u" : "_s
                               + reason + u'.');
        }
    }
    return answerFunction(function.name, function.formula, converted, wanted);
}

bool asksSolveOrRange(const FunctionInputs &boxes, const QString &wantedText)
{
    if (!wantedText.trimmed().isEmpty())
        return true;
    for (int k = 1; k <= 6; ++k) {
        if (boxes[k - 1].trimmed() == UnknownText)
            return true;
        // A tolerance badly written is told as such, not as an unreadable number.
        const ToleranceReading reading = readTolerance(boxes[k - 1], k);
        if (!reading.ok() || reading.tolerance)
            return true;
    }
    return false;
}

QString answerLine(const FunctionAnswer &answer)
{
    QList<double> numbers{answer.value};
    if (answer.kind == FunctionAnswer::Kind::Solutions)
        numbers = QList<double>(answer.solutions.begin(), answer.solutions.end());
    else if (answer.kind == FunctionAnswer::Kind::Range)
        numbers << answer.range.minimum << answer.range.maximum;
    QStringList texts;
    for (const double number : numbers)
        texts << engine::numberText(number);
    return texts.join(u' ');
}

FunctionArguments readFunctionArguments(const QStringList &arguments)
{
    FunctionArguments read;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument.startsWith(u'=')) {
            if (read.hasWanted)
                return {{}, {}, false, u"un seul « = » est admis"_s};
            const QString wanted = argument.size() == 1 ? arguments.value(++i) : argument.mid(1);
            if (wanted.trimmed().isEmpty())
                return {{}, {}, false, u"résultat voulu manquant après « = »"_s};
            read.wanted = wanted;
            read.hasWanted = true;
        } else if (read.hasWanted) {
            return {{}, {}, false, u"valeur en trop après le résultat voulu"_s};
        } else if (startsWithPlusMinus(argument) && !read.boxes.isEmpty()) {
            read.boxes.last() += u' ' + argument;
        } else {
            read.boxes << argument;
        }
    }
    return read;
}

} // namespace zorv::functions
