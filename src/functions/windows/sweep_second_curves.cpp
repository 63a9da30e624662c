// The curves that a sweep draws after the function's: the function again with other values of
// one of its inputs, or another function of the list over the same range.

#include "functions/windows/sweep_second_curves.h"

#include "functions/core/function_list.h"
#include "functions/core/picked_function.h"
#include "functions/core/unit.h"

namespace zorv {

using namespace Qt::StringLiterals;

namespace {

// The curves one plot holds: the function and at most five more.
constexpr int MostSecondCurves = 5;

// What a legend names, without its unit or its comment, for the legend of a curve: "Résistance R1,
// côté entrée (kOhm)" gives "Résistance R1".
QString shortLegend(const QString &legend)
{
    qsizetype cut = legend.size();
    for (const QChar mark : {u',', u'('}) {
        const qsizetype at = legend.indexOf(mark);
        if (at > 0)
            cut = std::min(cut, at);
    }
    return legend.left(cut).trimmed();
}

} // namespace

QList<SecondSweep> otherValuesSweeps(const functions::SweepRequest &first,
                                     int held,
                                     const QString &valuesText,
                                     QString &firstLegend,
                                     QString &problem)
{
    const QString legend = shortLegend(first.function.legends[held - 1]);
    QStringList values = valuesText.split(u';', Qt::SkipEmptyParts);
    for (QString &value : values)
        value = value.trimmed();
    values.removeAll(QString());
    if (values.size() > MostSecondCurves) {
        problem = u"Seconde courbe : %1 valeurs au plus ; les suivantes sont laissées de côté."_s
                      .arg(MostSecondCurves);
        values = values.mid(0, MostSecondCurves);
    }
    firstLegend = legend + u" = "_s + first.inputs[held - 1];
    QList<SecondSweep> sweeps;
    for (const QString &value : values) {
        functions::SweepRequest other = first;
        other.inputs[held - 1] = value;
        sweeps.append(
            {other, legend + u" = "_s + value, functions::shownUnit(first.function.units.result)});
    }
    return sweeps;
}

SecondSweep otherFunctionSweep(const functions::SweepRequest &first, const QString &name, int slot)
{
    const functions::PickedFunction function
        = functions::readPickedFunction(name, donnees::FunctionFileNames[slot]);
    // The same quantity, where the other function has it among its inputs; else the same box.
    int otherBox = first.box;
    for (int k = 1; k <= 6; ++k) {
        if (function.legends[k - 1] == first.function.legends[first.box - 1])
            otherBox = k;
    }
    return {{function, first.inputs, otherBox, first.range},
            function.name,
            functions::shownUnit(function.units.result)};
}

} // namespace zorv
