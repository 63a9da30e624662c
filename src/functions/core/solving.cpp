#include "functions/core/solving.h"

#include "engine/core/calcule.h"
#include "engine/core/number_text.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zorv::functions {

using namespace Qt::StringLiterals;

namespace {

// Grid points per decade: neighbours differ by a factor of about 1.26, fine enough that the
// roots of the shipped formulas fall in brackets of their own, few enough for the time budget.
constexpr int PointsPerDecade = 10;
constexpr double Agreement = 1E-9;
constexpr int MaxIterations = 200;

// Stands for the unknown in the substituted formula; no one types it into a box.
constexpr QChar UnknownMark = QChar(0xE000);

// The function less the wanted result, as a function of the unknown alone.
class Residual
{
public:
    Residual(QString expression, double wanted)
        : m_expression(std::move(expression))
        , m_wanted(wanted)
    {}

    // f(x) - wanted, or nothing where the engine refuses the point.
    std::optional<double> operator()(double x) const
    {
        QString expression = m_expression;
        expression.replace(UnknownMark, engine::numberText(x));
        try {
            return engine::Calcule(expression) - m_wanted;
        } catch (const engine::EvalError &) {
            return std::nullopt;
        }
    }

    double wanted() const { return m_wanted; }

private:
    QString m_expression;
    double m_wanted;
};

struct Point
{
    double x;
    std::optional<double> r; // the residual; nothing in a gap
};

// The grid over the real line, in ascending order; the positive half is evaluated first.
std::vector<Point> scan(const Residual &residual)
{
    const int steps = 30 * PointsPerDecade;
    std::vector<Point> positive;
    std::vector<Point> negative;
    for (int i = 0; i <= steps; ++i) {
        const double x = std::pow(10.0, -15.0 + double(i) / PointsPerDecade);
        positive.push_back({x, residual(x)});
    }
    for (int i = 0; i <= steps; ++i) {
        const double x = -std::pow(10.0, -15.0 + double(i) / PointsPerDecade);
        negative.push_back({x, residual(x)});
    }
    std::vector<Point> line(negative.rbegin(), negative.rend());
    line.push_back({0.0, residual(0.0)});
    line.insert(line.end(), positive.begin(), positive.end());
    return line;
}

bool sameSign(double a, double b)
{
    return (a < 0) == (b < 0);
}

// Brent's method on a bracket [a, b] where the residual changes sign; nothing when the engine
// refuses a point inside it. The engine reads the unknown to 15 significant digits: narrower
// steps would see the same point.
std::optional<double> brent(const Residual &residual, double a, double fa, double b, double fb)
{
    double c = b, fc = fb, d = b - a, e = d;
    for (int i = 0; i < MaxIterations; ++i) {
        if (sameSign(fb, fc)) {
            c = a, fc = fa;
            d = e = b - a;
        }
        if (std::abs(fc) < std::abs(fb)) {
            a = b, b = c, c = a;
            fa = fb, fb = fc, fc = fa;
        }
        const double tolerance = 2E-15 * std::abs(b) + 1E-300;
        const double m = (c - b) / 2;
        if (std::abs(m) <= tolerance || fb == 0)
            return b;
        if (std::abs(e) >= tolerance && std::abs(fa) > std::abs(fb)) {
            double p, q;
            const double s = fb / fa;
            if (a == c) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc, r = fb / fc;
                p = s * (2 * m * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            p = std::abs(p);
            if (2 * p < std::min(3 * m * q - std::abs(tolerance * q), std::abs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        } else {
            d = e = m;
        }
        a = b, fa = fb;
        b += std::abs(d) > tolerance ? d : std::copysign(tolerance, m);
        const std::optional<double> next = residual(b);
        if (!next)
            return std::nullopt;
        fb = *next;
    }
    return b;
}

// Golden-section search for the smallest |residual| in [a, c]; nothing on a gap.
std::optional<double> lowestPoint(const Residual &residual, double a, double c)
{
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double x1 = c - ratio * (c - a), x2 = a + ratio * (c - a);
    std::optional<double> r1 = residual(x1), r2 = residual(x2);
    for (int i = 0; i < MaxIterations && r1 && r2; ++i) {
        if (std::abs(c - a) <= 1E-15 * std::max(std::abs(a), std::abs(c)))
            break;
        if (std::abs(*r1) < std::abs(*r2)) {
            c = x2, x2 = x1, r2 = r1;
            x1 = c - ratio * (c - a);
            r1 = residual(x1);
        } else {
            a = x1, x1 = x2, r1 = r2;
            x2 = a + ratio * (c - a);
            r2 = residual(x2);
        }
    }
    if (!r1 || !r2)
        return std::nullopt;
    return std::abs(*r1) < std::abs(*r2) ? x1 : x2;
}

double roundedTo(double x, int digits)
{
    return QString::number(x, 'g', digits).toDouble();
}

// The candidate with the fewest significant digits that leaves the residual no larger, so that a
// root found as 1.99999999999997 is given as 2 when 2 is as good; nothing when it is refused.
std::optional<std::pair<double, double>> shortest(const Residual &residual, double x)
{
    x = roundedTo(x, 15);
    const std::optional<double> r = residual(x);
    if (!r)
        return std::nullopt;
    for (int digits = 1; digits < 15; ++digits) {
        const double shorter = roundedTo(x, digits);
        if (const std::optional<double> rs = residual(shorter); rs && std::abs(*rs) <= std::abs(*r))
            return std::pair{shorter, *rs};
    }
    return std::pair{x, *r};
}

// The end of the run of values around x (on the side of `direction`) where the engine, which
// rounds its result to 15 digits, gives exactly the wanted result.
double plateauEdge(const Residual &residual, double x, double direction)
{
    double inside = x;
    double step = x == 0 ? 1E-30 : std::abs(x) * 1E-15;
    double outside = x;
    bool left = false;
    for (int i = 0; i < 64 && !left; ++i, step *= 2) {
        outside = x + direction * step;
        const std::optional<double> r = residual(outside);
        left = !r || *r != 0;
        if (!left)
            inside = outside;
    }
    if (!left)
        return inside;
    for (int i = 0; i < 40; ++i) {
        const double middle = inside + (outside - inside) / 2;
        if (middle == inside || middle == outside)
            break;
        const std::optional<double> r = residual(middle);
        (r && *r == 0 ? inside : outside) = middle;
    }
    return inside;
}

// The solution to give for a candidate x. Where the wanted result is hit exactly, it is hit over
// a run of values, not always centred on the root (the rounding of the result is not symmetric):
// the value given is the one with the fewest digits in the middle three quarters of the run (2,
// not 1.99999999999997). Elsewhere the shortest value that is as good.
std::optional<std::pair<double, double>> polished(const Residual &residual, double x)
{
    x = roundedTo(x, 15);
    const std::optional<double> r = residual(x);
    if (!r)
        return std::nullopt;
    if (*r != 0)
        return shortest(residual, x);
    const double low = plateauEdge(residual, x, -1);
    const double high = plateauEdge(residual, x, +1);
    const double middle = low + (high - low) / 2;
    for (int digits = 1; digits <= 15; ++digits) {
        const double candidate = roundedTo(middle, digits);
        if (std::abs(candidate - middle) > (high - low) * 3 / 8)
            continue;
        if (const std::optional<double> rc = residual(candidate); rc && *rc == 0)
            return std::pair{candidate, 0.0};
    }
    return std::pair{x, 0.0};
}

// The sizes of the results around a candidate: the measure of "equal to 1E-9" when the wanted
// result is 0.
double scaleAround(const Residual &residual, const Point &left, const Point &right)
{
    if (residual.wanted() != 0)
        return std::abs(residual.wanted());
    return std::max(std::abs(*left.r), std::abs(*right.r));
}

class Solver
{
public:
    explicit Solver(const Residual &residual)
        : m_residual(residual)
    {}

    void consider(std::optional<double> x, double scale)
    {
        if (!x)
            return;
        const auto candidate = polished(m_residual, *x);
        if (candidate && std::abs(candidate->second) <= Agreement * scale)
            m_solutions.push_back(candidate->first);
    }

    std::vector<double> solutions()
    {
        std::sort(m_solutions.begin(), m_solutions.end());
        // The same root reached from two sides is one solution, written the shorter way.
        std::vector<double> distinct;
        for (const double x : m_solutions) {
            if (distinct.empty()
                || std::abs(x - distinct.back())
                       > Agreement * std::max(std::abs(x), std::abs(distinct.back())))
                distinct.push_back(x);
            else if (engine::numberText(x).size() < engine::numberText(distinct.back()).size())
                distinct.back() = x;
        }
        return distinct;
    }

    void search(const std::vector<Point> &line)
    {
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i].r && *line[i].r == 0) {
                i = zeroRun(line, i);
                continue;
            }
            if (i + 1 == line.size() || !line[i].r || !line[i + 1].r)
                continue;
            const Point &a = line[i], &b = line[i + 1];
            if (*b.r != 0 && !sameSign(*a.r, *b.r)) {
                consider(brent(m_residual, a.x, *a.r, b.x, *b.r), scaleAround(m_residual, a, b));
            } else if (i + 2 < line.size()) {
                const Point &c = line[i + 2];
                if (c.r && *c.r != 0 && sameSign(*b.r, *c.r) && std::abs(*b.r) < std::abs(*a.r)
                    && std::abs(*b.r) < std::abs(*c.r))
                    consider(lowestPoint(m_residual, a.x, c.x), scaleAround(m_residual, a, c));
            }
        }
    }

private:
    // Neighbouring points that all hit the wanted result exactly lie closer together than the
    // engine's 15 digits can tell apart (5 + 1E-15 is 5): they are one solution, 0 when the run
    // holds it, else the value polished from its middle. Returns the run's last point.
    size_t zeroRun(const std::vector<Point> &line, size_t first)
    {
        size_t last = first;
        bool holdsZero = false;
        for (; last < line.size() && line[last].r && *line[last].r == 0; ++last)
            holdsZero = holdsZero || line[last].x == 0;
        --last;
        const double middle = holdsZero ? 0.0 : line[(first + last) / 2].x;
        const auto candidate = polished(m_residual, middle);
        m_solutions.push_back(candidate ? candidate->first : middle);
        return last;
    }

    const Residual &m_residual;
    std::vector<double> m_solutions;
};

SolveResult refusal(int box, const QString &message)
{
    return {.solutions = {}, .wanted = 0, .box = box, .reason = message};
}

QString boxLabel(int box)
{
    return u"donnée "_s + QString::number(box) + u')';
}

} // namespace

SolveResult solveFunction(const QString &name,
                          const QString &formula,
                          const FunctionInputs &inputs,
                          int unknown,
                          const QString &wantedText)
{
    // The other boxes are checked as the calculator checks them, with a harmless value in the
    // unknown's box; a failure of the whole may come from that value and is no refusal.
    FunctionInputs probe = inputs;
    probe[unknown - 1] = u"1"_s;
    const FunctionEvaluation check = evaluateFunction(name, formula, probe);
    if (!check.ok() && (check.box != 0 || check.expression.isEmpty()))
        return refusal(check.box, check.reason);

    probe[unknown - 1] = UnknownMark;
    const Substitution substitution = substituteInputs(formula, probe);
    if (!substitution.used[unknown - 1]) {
        return refusal(unknown,
                       u"La formule n'utilise pas la "_s + boxLabel(unknown)
                           + u" : elle ne peut pas être l'inconnue."_s);
    }

    const QString wanted = wantedText.trimmed();
    if (wanted.isEmpty())
        return refusal(unknown,
                       u"Indiquez le résultat voulu pour trouver la "_s + boxLabel(unknown) + u'.');
    double wantedValue = 0;
    try {
        wantedValue = engine::Calcule(wanted);
    } catch (const engine::EvalError &error) {
        return refusal(0,
                       u"Le résultat voulu "_s + quotedText(wanted) + u" : "_s + error.reason()
                           + u'.');
    }

    const Residual residual(substitution.expression, wantedValue);
    Solver solver(residual);
    solver.search(scan(residual));
    SolveResult result{.solutions = solver.solutions(),
                       .wanted = wantedValue,
                       .box = 0,
                       .reason = {}};
    if (result.solutions.empty()) {
        result.box = unknown;
        result.reason = u"Aucune valeur de la "_s + boxLabel(unknown) + u" entre "_s
                        + engine::userNumberText(-LargestSearched) + u" et "_s
                        + engine::userNumberText(LargestSearched) + u" ne donne "_s + wanted + u'.';
    }
    return result;
}

} // namespace zorv::functions
