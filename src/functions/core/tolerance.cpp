#include "functions/core/tolerance.h"

#include "engine/core/calcule.h"
#include "functions/core/function_evaluation.h"

#include <QStringList>

#include <cmath>

namespace zorv::functions {

using namespace Qt::StringLiterals;

namespace {

// The ways of typing "±", the longest first so that "+/-" is not read as "+" and "/-".
const QStringList &plusMinusSigns()
{
    static const QStringList signs{u"±"_s, u"+/-"_s, u"+-"_s};
    return signs;
}

struct Split
{
    QString value;
    QString amount; // "%" included for a share
    QString sign;   // the "±" as typed, or empty when the share follows a blank
};

// Where the tolerance begins: after the last "±" (as typed), or, for a share without "±", after
// the last blank. Without either the text carries none.
std::optional<Split> splitTolerance(const QString &text)
{
    for (const QString &sign : plusMinusSigns()) {
        const qsizetype at = text.lastIndexOf(sign);
        if (at >= 0)
            return Split{text.left(at).trimmed(), text.mid(at + sign.size()).trimmed(), sign};
    }
    if (!text.endsWith(u'%'))
        return std::nullopt;
    QString share = text.chopped(1).trimmed();
    const qsizetype blank = share.lastIndexOf(u' ');
    if (blank < 0)
        return Split{{}, text, {}};
    return Split{share.left(blank).trimmed(), share.mid(blank + 1) + u'%', {}};
}

bool isMinus(QChar c)
{
    return c == u'-' || c == u'\u2212';
}

} // namespace

double Tolerance::halfWidth(double value) const
{
    return relative ? std::abs(value) * amount / 100 : amount;
}

ToleranceReading readTolerance(const QString &text, int box)
{
    const QString trimmed = text.trimmed();
    const std::optional<Split> split = splitTolerance(trimmed);
    if (!split)
        return {.valueText = trimmed, .tolerance = std::nullopt, .reason = {}};

    const QString label = u"La donnée "_s + QString::number(box) + u") "_s + quotedText(trimmed)
                          + u" : "_s;
    auto refused = [&](const QString &reason) {
        return ToleranceReading{.valueText = trimmed,
                                .tolerance = std::nullopt,
                                .reason = label + reason + u'.'};
    };
    if (split->value.isEmpty()) {
        return refused(split->sign.isEmpty()
                           ? u"séparez la valeur et la tolérance par une espace ou « ± »"_s
                           : u"valeur manquante avant la tolérance"_s);
    }
    QString amount = split->amount;
    const bool relative = amount.endsWith(u'%');
    if (relative)
        amount = amount.chopped(1).trimmed();
    if (amount.isEmpty())
        return refused(u"tolérance manquante après "_s + quotedText(split->sign));
    if (isMinus(amount.front()))
        return refused(u"tolérance négative"_s);
    double value = 0;
    try {
        value = engine::Calcule(amount);
    } catch (const engine::EvalError &error) {
        return refused(u"tolérance "_s + quotedText(amount) + u" illisible, "_s + error.reason());
    }
    if (value < 0)
        return refused(u"tolérance négative"_s);
    const QString written = split->sign.isEmpty() ? split->amount : u"±"_s + split->amount;
    return {.valueText = split->value,
            .tolerance = Tolerance{.amount = value, .relative = relative, .text = written},
            .reason = {}};
}

} // namespace zorv::functions
