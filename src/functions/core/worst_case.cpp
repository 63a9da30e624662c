#include "functions/core/worst_case.h"

#include "engine/core/calcule.h"
#include "engine/core/number_text.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace zorv::functions {

using namespace Qt::StringLiterals;

namespace {

struct Band
{
    int box;
    double low;
    double high;

    double at(double share) const { return low + (high - low) * share; }
};

RangeResult refusal(int box, const QString &message)
{
    return {.nominal = 0, .minimum = 0, .maximum = 0, .box = box, .reason = message};
}

QString boxLabel(int box)
{
    return u"La donnée "_s + QString::number(box) + u')';
}

// Marks no one types into a box (the private use area).
constexpr char16_t FirstMark = 0xE000;

class BandSearch
{
public:
    BandSearch(const QString &formula, const FunctionInputs &inputs, std::vector<Band> bands)
        : m_bands(std::move(bands))
    {
        // The formula substituted once, each moving box standing as a mark of its own that each
        // point replaces by its value.
        FunctionInputs marked = inputs;
        for (size_t i = 0; i < m_bands.size(); ++i)
            marked[m_bands[i].box - 1] = QChar(FirstMark + int(i));
        m_expression = substituteInputs(formula, marked).expression;
    }

    // The function with band i at share[i] of its width; false and the reason when refused.
    bool visit(const std::vector<double> &shares)
    {
        const std::optional<double> value = valueAt(shares);
        if (!value)
            return false;
        if (*value < m_minimum) {
            m_minimum = *value;
            m_lowest = shares;
        }
        if (*value > m_maximum) {
            m_maximum = *value;
            m_highest = shares;
        }
        return true;
    }

    // Between the lowest and the highest point found, of opposite signs, the function crosses
    // zero or a pole (a denominator crossing zero between two points of the search, where the
    // true range has no bound). Bisecting on the change of sign tells which: near a pole the
    // values outgrow every value found. False, with the reason, for a pole.
    bool bounded()
    {
        if (!(m_minimum < 0 && m_maximum > 0))
            return true;
        std::vector<double> negative = m_lowest, positive = m_highest, middle(m_lowest.size());
        std::optional<double> value;
        for (int i = 0; i < 60; ++i) {
            for (size_t j = 0; j < middle.size(); ++j)
                middle[j] = (negative[j] + positive[j]) / 2;
            value = valueAt(middle);
            if (!value)
                return false;
            (*value < 0 ? negative : positive) = middle;
        }
        if (std::abs(*value) <= std::max(-m_minimum, m_maximum))
            return true;
        m_refusal = u"la fonction n'est pas bornée (division par un nombre qui passe par zéro) "
                    u"près de "_s
                    + pointText(middle);
        return false;
    }

    // Every point of a grid of `steps` shares per band (2: the corners alone).
    bool grid(int steps)
    {
        std::vector<int> index(m_bands.size(), 0);
        std::vector<double> shares(m_bands.size(), 0.0);
        while (true) {
            for (size_t i = 0; i < index.size(); ++i)
                shares[i] = double(index[i]) / (steps - 1);
            if (!visit(shares))
                return false;
            size_t i = 0;
            while (i < index.size() && ++index[i] == steps)
                index[i++] = 0;
            if (i == index.size())
                return true;
        }
    }

    bool draws(int count)
    {
        std::mt19937 generator(RandomSeed);
        std::uniform_real_distribution<double> share(0.0, 1.0);
        std::vector<double> shares(m_bands.size());
        for (int n = 0; n < count; ++n) {
            for (double &s : shares)
                s = share(generator);
            if (!visit(shares))
                return false;
        }
        return true;
    }

    double minimum() const { return m_minimum; }

    double maximum() const { return m_maximum; }

    const QString &refusal() const { return m_refusal; }

private:
    std::optional<double> valueAt(const std::vector<double> &shares)
    {
        QString expression = m_expression;
        for (size_t i = 0; i < m_bands.size(); ++i)
            expression.replace(QChar(FirstMark + int(i)),
                               engine::numberText(m_bands[i].at(shares[i])));
        try {
            return engine::Calcule(expression);
        } catch (const engine::EvalError &error) {
            m_refusal = error.reason() + u" avec "_s + pointText(shares);
            return std::nullopt;
        }
    }

    QString pointText(const std::vector<double> &shares) const
    {
        QStringList parts;
        for (size_t i = 0; i < m_bands.size(); ++i)
            parts << QString::number(m_bands[i].box) + u") = "_s
                         + engine::userNumberText(m_bands[i].at(shares[i]));
        return parts.join(u", "_s);
    }

    std::vector<Band> m_bands;
    QString m_expression;
    double m_minimum = std::numeric_limits<double>::infinity();
    double m_maximum = -std::numeric_limits<double>::infinity();
    std::vector<double> m_lowest;
    std::vector<double> m_highest;
    QString m_refusal;
};

// Four significant digits, the trailing zeros kept (3,580): the label tells a precision.
QString fourDigits(double value, const QLocale &locale)
{
    const double magnitude = std::abs(value);
    if (value == 0)
        return u"0"_s;
    if (magnitude < 1E-4 || magnitude >= 1E+15)
        return locale.toString(value, 'E', 3);
    const int decimals = 3 - int(std::floor(std::log10(magnitude)));
    return decimals > 0 ? locale.toString(value, 'f', decimals)
                        : locale.toString(std::round(value), 'f', 0);
}

QString share(double value, double nominal, const QLocale &locale)
{
    const double percent = (value - nominal) / std::abs(nominal) * 100;
    const QString digits = locale.toString(std::abs(percent), 'f', 1);
    return (percent < 0 ? u"\u2212"_s : u"+"_s) + digits + u" %"_s;
}

// Whether the function is refused with box k at 0, the others as typed.
bool refusesZero(const QString &name, const QString &formula, FunctionInputs inputs, int k)
{
    inputs[k - 1] = u"0"_s;
    return !evaluateFunction(name, formula, inputs).ok();
}

} // namespace

RangeResult worstCase(const QString &name,
                      const QString &formula,
                      const FunctionInputs &inputs,
                      const InputTolerances &tolerances)
{
    const FunctionEvaluation nominal = evaluateFunction(name, formula, inputs);
    if (!nominal.ok())
        return refusal(nominal.box, nominal.reason);

    const Substitution substitution = substituteInputs(formula, inputs);
    std::vector<Band> bands;
    for (int k = 1; k <= 6; ++k) {
        const std::optional<Tolerance> &tolerance = tolerances[k - 1];
        if (!tolerance)
            continue;
        if (!substitution.used[k - 1]) {
            return refusal(k,
                           boxLabel(k)
                               + u" porte une tolérance, mais la formule ne l'utilise "
                                 u"pas."_s);
        }
        if (tolerance->relative && tolerance->amount >= 100
            && refusesZero(name, formula, inputs, k)) {
            return refusal(k,
                           boxLabel(k)
                               + u" : une tolérance de 100 % ou plus la rend nulle, "
                                 u"et la formule divise par elle."_s);
        }
        // The box was checked on its own by evaluateFunction: its value reads.
        const double value = engine::Calcule(u'(' + inputs[k - 1] + u')');
        const double half = tolerance->halfWidth(value);
        bands.push_back({k, value - half, value + half});
    }

    BandSearch search(formula, inputs, bands);
    const int count = int(bands.size());
    bool searched = search.grid(2);
    if (searched && count <= 3)
        searched = search.grid(GridPointsPerInput);
    else if (searched)
        searched = search.draws(RandomPoints);
    searched = searched && search.bounded();
    if (!searched) {
        const QString subject = name.isEmpty() ? u"cette fonction"_s : quotedText(name);
        return refusal(0, u"Pas de plage pour "_s + subject + u" : "_s + search.refusal() + u'.');
    }
    return {.nominal = nominal.value,
            .minimum = std::min(search.minimum(), nominal.value),
            .maximum = std::max(search.maximum(), nominal.value),
            .box = 0,
            .reason = {}};
}

QString rangeLabel(const RangeResult &range, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString label = fourDigits(range.nominal, plain) + u"  ["_s + fourDigits(range.minimum, plain)
                    + u" … "_s + fourDigits(range.maximum, plain) + u']';
    if (range.nominal != 0) {
        label += u"  "_s + share(range.minimum, range.nominal, plain) + u" / "_s
                 + share(range.maximum, range.nominal, plain);
    }
    return label;
}

} // namespace zorv::functions
