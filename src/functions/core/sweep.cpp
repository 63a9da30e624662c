#include "functions/core/sweep.h"

#include "engine/core/calcule.h"
#include "engine/core/number_text.h"
#include "functions/core/function_file.h"
#include "functions/core/quantity.h"

#include <cmath>

namespace zorv::functions {

using namespace Qt::StringLiterals;

namespace {

// The value as the engine writes it and reads it back: 15 significant digits.
double asWritten(double value)
{
    return engine::numberText(value).toDouble();
}

QString quotedBound(const QString &text)
{
    return u"« "_s + text.trimmed() + u" »"_s;
}

} // namespace

QString sweepRangeFault(const SweepRange &range)
{
    if (range.points < SweepMinPoints || range.points > SweepMaxPoints) {
        return u"Le nombre de points doit être compris entre %1 et %2."_s.arg(SweepMinPoints)
            .arg(SweepMaxPoints);
    }
    if (!std::isfinite(range.from) || !std::isfinite(range.to))
        return u"Les bornes du balayage doivent être des nombres finis."_s;
    if (asWritten(range.from) == asWritten(range.to))
        return u"Les deux bornes du balayage sont égales : il n'y a rien à parcourir."_s;
    if (range.scale == SweepScale::Logarithmic
        && (range.from == 0 || range.to == 0 || (range.from < 0) != (range.to < 0))) {
        return u"L'échelle logarithmique demande deux bornes non nulles et de même signe."_s;
    }
    return {};
}

QList<double> sweepAbscissas(const SweepRange &range)
{
    if (!sweepRangeFault(range).isEmpty())
        return {};
    QList<double> xs;
    xs.reserve(range.points);
    const double last = range.points - 1;
    const bool logarithmic = range.scale == SweepScale::Logarithmic;
    // Each point from the ends, never by adding a step: the error does not grow along the range.
    const double ratio = logarithmic ? std::log(range.to / range.from) : 0;
    for (int i = 0; i < range.points; ++i) {
        const double t = i / last;
        const double x = logarithmic ? range.from * std::exp(ratio * t)
                                     : range.from + (range.to - range.from) * t;
        xs.append(asWritten(x));
    }
    xs.front() = asWritten(range.from);
    xs.back() = asWritten(range.to);
    return xs;
}

std::variant<double, QString> readSweepBound(const QString &text, const Unit &unit)
{
    if (text.trimmed().isEmpty())
        return u"Une borne du balayage est vide."_s;
    BoxReading reading;
    reading.expression = text;
    if (unit.declared()) {
        reading = readBoxText(text, unit);
        if (!reading.ok())
            return u"La borne "_s + quotedBound(text) + u" : "_s + reading.reason + u'.';
    }
    try {
        return engine::Calcule(reading.expression) * reading.factor;
    } catch (const engine::EvalError &error) {
        return u"La borne "_s + quotedBound(text) + u" : "_s + error.reason() + u'.';
    }
}

std::variant<SweepRange, QString> readSweepRange(const QString &text,
                                                 int points,
                                                 SweepScale scale,
                                                 const Unit &unit)
{
    const qsizetype dots = text.indexOf(u".."_s);
    if (dots < 0 || text.indexOf(u".."_s, dots + 1) >= 0) {
        return u"La plage "_s + quotedBound(text)
               + u" doit s'écrire DE..À, avec un seul « .. » entre les bornes."_s;
    }
    SweepRange range{.points = points, .scale = scale};
    for (const auto &[part, end] :
         {std::pair{text.left(dots), &range.from}, std::pair{text.mid(dots + 2), &range.to}}) {
        const std::variant<double, QString> bound = readSweepBound(part, unit);
        if (const QString *reason = std::get_if<QString>(&bound))
            return *reason;
        *end = std::get<double>(bound);
    }
    if (const QString fault = sweepRangeFault(range); !fault.isEmpty())
        return fault;
    return range;
}

SweepResult sweepFunction(const SweepRequest &request)
{
    SweepResult result;
    if (request.function.formula == ReadFailureText) {
        // Told as the calculator tells it, rather than as a box that the formula does not use.
        result.fault = evaluateFunction(request.function, request.inputs).reason;
        return result;
    }
    result.fault = sweepRangeFault(request.range);
    if (result.fault.isEmpty() && (request.box < 1 || request.box > 6))
        result.fault = u"La donnée à faire varier doit être l'une des données 1) à 6)."_s;
    if (result.fault.isEmpty()
        && !substituteInputs(request.function.formula, request.inputs).used[request.box - 1]) {
        result.fault = u"La donnée %1) n'intervient pas dans la formule : la faire varier ne "
                       u"changerait rien."_s.arg(request.box);
    }
    if (!result.fault.isEmpty())
        return result;

    const QList<double> xs = sweepAbscissas(request.range);
    result.points.reserve(xs.size());
    FunctionInputs inputs = request.inputs;
    for (const double x : xs) {
        inputs[request.box - 1] = engine::numberText(x);
        const FunctionEvaluation evaluation = evaluateFunction(request.function, inputs);
        if (evaluation.ok()) {
            result.points.append({x, evaluation.value, {}});
            continue;
        }
        result.points.append({x, std::nullopt, evaluation.reason});
        if (result.refused++ == 0)
            result.firstRefusal = evaluation.reason;
    }
    return result;
}

} // namespace zorv::functions
