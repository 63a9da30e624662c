#include "functions/core/picked_function.h"

#include "functions/core/function_file.h"
#include "functions/core/function_list.h"

namespace zorv::functions {

using namespace Qt::StringLiterals;

namespace {

PickedFunction &current()
{
    static PickedFunction function;
    return function;
}

QString declaredUnit(const QString &file, const QString &key)
{
    const QString unit = ReadAClause(file, u"Unites"_s, key);
    return unit == ReadFailureText ? QString() : unit.trimmed();
}

} // namespace

PickedFunction readPickedFunction(const QString &name, const QString &file)
{
    PickedFunction function;
    function.name = name;
    function.file = file;
    function.formula = readFormula(file);
    for (int k = 1; k <= 6; ++k) {
        const QString key = u'd' + QString::number(k);
        function.legends[k - 1] = ReadAClause(file, u"Fonc"_s, key);
        function.units.inputs[k - 1] = declaredUnit(file, key);
    }
    function.description = ReadAClause(file, u"ePrf"_s, u"Description"_s);
    function.units.result = declaredUnit(file, u"Resultat"_s);
    return function;
}

std::optional<PickedFunction> changedSincePick(const PickedFunction &function)
{
    if (!function.picked())
        return std::nullopt;
    PickedFunction now = readPickedFunction(function.name, function.file);
    if (now == function)
        return std::nullopt;
    return now;
}

const PickedFunction &pickedFunction()
{
    return current();
}

void setPickedFunction(PickedFunction function)
{
    donnees::CurrentFormula = function.formula;
    current() = std::move(function);
}

} // namespace zorv::functions
