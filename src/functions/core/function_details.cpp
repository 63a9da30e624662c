#include "functions/core/function_details.h"

#include "engine/core/calcule.h"
#include "functions/core/function_file.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace zorv::functions {

namespace {

// A key that the file leaves out reads as null, so that "no unit declared" and "declared without
// unit" (an empty value: a pure number) stay apart.
QString optionalValue(const QString &file, const QString &section, const QString &key)
{
    const QString value = ReadAClause(file, section, key);
    return value == ReadFailureText ? QString() : value.isNull() ? u""_s : value;
}

} // namespace

FunctionDetails readFunctionDetails(const QString &file)
{
    FunctionDetails details;
    details.category = optionalValue(file, u"GeneralInfo"_s, u"Categorie"_s);
    details.resultUnit = optionalValue(file, u"Unites"_s, u"Resultat"_s);
    details.exampleResult = optionalValue(file, u"Exemple"_s, u"Resultat"_s);
    for (int k = 0; k < 6; ++k) {
        const QString key = u"d"_s + QString::number(k + 1);
        details.units[k] = optionalValue(file, u"Unites"_s, key);
        const QString input = optionalValue(file, u"Exemple"_s, key);
        details.exampleInputs[k] = input.isNull() ? u"0"_s : input;
    }
    return details;
}

bool agreesWithExample(double value, double expected)
{
    const double gap = std::abs(value - expected);
    return expected == 0 ? gap <= 1e-12 : gap <= 1e-6 * std::abs(expected);
}

ExampleCheck checkExample(const PickedFunction &function, const FunctionDetails &details)
{
    ExampleCheck check;
    check.evaluation = evaluateFunction(function, details.exampleInputs);
    if (!details.hasExample())
        return check;
    try {
        check.expected = engine::Calcule(details.exampleResult);
    } catch (const engine::EvalError &) {
        return check; // a result that is no number agrees with nothing
    }
    check.agrees = check.evaluation.ok()
                   && agreesWithExample(check.evaluation.value, *check.expected);
    return check;
}

} // namespace zorv::functions
