#include "tools/zorv-eval/sweep_arguments.h"

namespace zorv::tools {

using namespace Qt::StringLiterals;

namespace {

const QString PointsOption = u"--points"_s;
const QString LogOption = u"--log"_s;

bool isOption(const QString &value)
{
    return value.size() > 2 && value.startsWith(u"--"_s) && value[2].isLetter();
}

} // namespace

bool asksForSweep(const QStringList &values)
{
    return std::any_of(values.cbegin(), values.cend(), [](const QString &value) {
        return value.contains(u".."_s) || value == PointsOption || value == LogOption;
    });
}

std::variant<SweepArguments, QString> readSweepArguments(const QStringList &values)
{
    SweepArguments sweep;
    int ranges = 0;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QString &value = values[i];
        if (value == LogOption) {
            sweep.scale = functions::SweepScale::Logarithmic;
        } else if (value == PointsOption) {
            bool number = false;
            sweep.points = values.value(++i).toInt(&number);
            if (!number || sweep.points < functions::SweepMinPoints
                || sweep.points > functions::SweepMaxPoints) {
                return u"--points attend un nombre entier de %1 à %2"_s
                    .arg(functions::SweepMinPoints)
                    .arg(functions::SweepMaxPoints);
            }
        } else if (isOption(value)) {
            return u"option inconnue « %1 »"_s.arg(value);
        } else {
            sweep.values.append(value);
            if (value.contains(u".."_s)) {
                ++ranges;
                sweep.box = int(sweep.values.size());
            }
        }
    }
    if (sweep.values.size() > 6)
        return u"--fonction attend un nom et six valeurs au plus"_s;
    if (ranges == 0)
        return u"--points et --log demandent une donnée écrite DE..À"_s;
    if (ranges > 1)
        return u"une seule donnée peut être écrite DE..À"_s;
    return sweep;
}

} // namespace zorv::tools
