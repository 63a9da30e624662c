#include "engine/core/calcule.h"

#include "engine/core/expression_check.h"
#include "engine/core/math_functions.h"
#include "engine/core/normalisation.h"
#include "engine/core/number_reading.h"
#include "engine/core/number_text.h"
#include "engine/core/text_primitives.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

// The evaluator rewrites one working text W. Positions in it are 1-based, as in the rules it
// follows; the helpers below turn them into QString's 0-based indexes in one place. Every value
// goes back into W as its working number text (1E~05): with the exponent's sign written "-" the
// scan would take it for an operator and the value would fall apart. Its sign is combined with the
// signs written before it (spliceValue), so that W never holds a run of signs.
namespace zorv::engine {
namespace {

QString quoted(const QString &part)
{
    return u"« "_s + part + u" »"_s;
}

// W[from..to], empty when to < from.
QStringView stretch(const QString &w, qsizetype from, qsizetype to)
{
    if (to < from)
        return {};
    return QStringView(w).mid(from - 1, to - from + 1);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Whether the character ends a value, so that a sign after it is an operation of the sum rather
// than the sign of the operand that follows.
bool endsValue(QChar c)
{
    return isDigit(c) || c == u'.' || c == u')' || c == u'²';
}

// W = W[1..from-1] & value & W[to+1..len], the value's sign combined with the run of signs just
// before it as arithmetic combines them: "2*-" and -3 give "2*3", "0--" and 6 give "0+6". After a
// value the first sign of the run is an operation of the sum, which becomes the one sign; elsewhere
// (after an operator, a "(" or at the start) the run is the operand's sign, "-" or nothing. (The
// rule has every splice followed by turning each "," of W into "."; W holds no "," once
// normalised and values are written with ".", so that would change nothing.) Returns where the
// new text begins.
qsizetype spliceValue(QString &w, qsizetype from, qsizetype to, double value)
{
    qsizetype begin = from; // W[begin..from-1] is the run of signs
    bool negative = value < 0;
    while (begin > 1 && (w[begin - 2] == u'-' || w[begin - 2] == u'+')) {
        --begin;
        negative ^= w[begin - 1] == u'-';
    }
    const bool operation = begin < from && begin > 1 && endsValue(w[begin - 2]);
    QString text = operation ? QString(negative ? u'-' : u'+') : negative ? u"-"_s : QString();
    text += workingNumberText(std::abs(value));
    w.replace(begin - 1, to - begin + 1, text);
    return begin;
}

// The nearest separator before p, or 0.
qsizetype leftSeparator(const QString &w, qsizetype p)
{
    return w.size() - GetSeparator(w.size() - p + 1, w, 1);
}

// The first separator after p, or len + 1.
qsizetype rightSeparator(const QString &w, qsizetype p, int mode)
{
    return GetSeparator(p + 1, w, mode);
}

double operand(const QString &w, qsizetype from, qsizetype to)
{
    return readOperand(stretch(w, from, to));
}

// Operands are finite and never negative under "°" and "V" (a sign is a separator, so it stays
// outside the operand; a negative group is raised before it is spliced, a negative root refused),
// so a result that is not finite can only be an overflow. A result below the smallest normal
// double has lost digits, and one that is zero while the exact one is not (exactZero false) has
// lost them all: both are refused.
double checked(double result, bool exactZero = true)
{
    if (!std::isfinite(result))
        throw EvalError(EvalFailure::Overflow);
    if (result == 0 ? !exactZero : std::abs(result) < std::numeric_limits<double>::min())
        throw EvalError(EvalFailure::Underflow);
    return result;
}

double evaluate(const QString &expression);

// A group followed by "²" or "°" is raised at once, its sign included: spliced into the text, a
// negative value would leave its sign outside the power ((0-2)² would be -4).
double raised(QString &w, qsizetype c, double v)
{
    if (c >= w.size())
        return v;
    if (w[c] == u'²') {
        w.remove(c, 1);
        return checked(v * v, v == 0);
    }
    if (w[c] != u'°')
        return v;
    const qsizetype p = c + 1;
    // The exponent ends at the ")" of an enclosing group too: ((2)°2) keeps its outer ")".
    const qsizetype close = w.indexOf(u')', p);
    qsizetype q = rightSeparator(w, p, 3);
    if (close >= 0)
        q = std::min(q, close + 1);
    const double b = operand(w, p + 1, q - 1);
    w.remove(c, q - 1 - c);
    if (v == 0 && b < 0)
        throw EvalError(EvalFailure::ZeroToNegativePower);
    if (v < 0 && b != std::floor(b))
        throw EvalError(EvalFailure::NegativeBase);
    return checked(std::pow(v, b), v == 0);
}

// Innermost group first: the last "(" and the first ")" after it enclose a text without any
// parenthesis, so the recursive call never recurses again. A function's marker before the "("
// takes the group's value as its argument.
void reduceGroups(QString &w)
{
    qsizetype start = 1; // the search never looks at the last character
    for (;;) {
        const qsizetype fromEnd = FindBackward(start, w, u"(");
        if (fromEnd == w.size())
            return;
        qsizetype p = w.size() - fromEnd;
        const qsizetype c = w.indexOf(u')', p - 1) + 1;
        if (c == 0)
            throw EvalError(EvalFailure::UnclosedParenthesis);
        double v = evaluate(stretch(w, p + 1, c - 1).toString());
        if (p >= 2) {
            if (const std::optional<int> function = markedFunction(w[p - 2])) {
                v = applyFunction(*function, v);
                --p;
            }
        }
        p = spliceValue(w, p, c, raised(w, c, v));
        // From p on, W now holds no "(": the next search starts before p.
        start = w.size() - p + 1;
    }
}

// Each pass below reduces the first occurrence of its character until none is left. A reduction
// keeps W[1..s] as it was, and that stretch held no occurrence, so the next search starts at s.

void reduceSquares(QString &w)
{
    for (qsizetype i = w.indexOf(u'²'); i >= 0; i = w.indexOf(u'²', i)) {
        const qsizetype p = i + 1;
        const qsizetype s = leftSeparator(w, p);
        // The minus at s stays in place: behind "0+" the square gets a second minus, which the
        // sign rewriting of the sum turns into "+".
        const bool negated = s >= 3 && stretch(w, s - 2, s) == u"0+-";
        const double x = operand(w, s + 1, p - 1);
        const qsizetype q = rightSeparator(w, p, 2);
        const double square = checked(x * x, x == 0);
        i = spliceValue(w, s + 1, q - 1, negated ? -square : square) - 1;
    }
}

// a op b, where a "-" directly after the operator is the sign of b.
template<typename Operation>
void reduceInfix(QString &w, char16_t op, Operation compute)
{
    for (qsizetype i = w.indexOf(QChar(op)); i >= 0; i = w.indexOf(QChar(op), i)) {
        const qsizetype p = i + 1;
        const qsizetype s = leftSeparator(w, p);
        const double a = operand(w, s + 1, p - 1);
        const qsizetype q = rightSeparator(w, p, 3);
        const double b = operand(w, p + 1, q - 1);
        i = spliceValue(w, s + 1, q - 1, compute(a, b)) - 1;
    }
}

void reducePowers(QString &w)
{
    reduceInfix(w, u'°', [](double a, double b) {
        if (a == 0 && b < 0)
            throw EvalError(EvalFailure::ZeroToNegativePower);
        return checked(std::pow(a, b), a == 0);
    });
}

// A "-" directly after "V" makes the operand negative: its root is refused unless it is 0. In a
// run of roots the last one is taken first, the others then take its value.
void reduceRoots(QString &w)
{
    for (qsizetype i = w.indexOf(u'V'); i >= 0; i = w.indexOf(u'V', i)) {
        while (i + 1 < w.size() && w[i + 1] == u'V')
            ++i;
        const qsizetype p = i + 1;
        const bool negative = p < w.size() && w[p] == u'-';
        const qsizetype q = rightSeparator(w, negative ? p + 1 : p, 2);
        const double x = negative && w[p + 1] == u'V' ? 1 : operand(w, p + 1, q - 1);
        if (negative && x != 0)
            throw EvalError(EvalFailure::NegativeRoot);
        const qsizetype s = leftSeparator(w, p);
        i = std::max<qsizetype>(spliceValue(w, s + 1, q - 1, std::sqrt(std::abs(x))) - 2, 0);
    }
}

void reduceDivisions(QString &w)
{
    reduceInfix(w, u'/', [](double a, double b) {
        if (b == 0)
            throw EvalError(EvalFailure::DivisionByZero);
        return checked(a / b, a == 0);
    });
}

void reduceProducts(QString &w)
{
    reduceInfix(w, u'*', [](double a, double b) { return checked(a * b, a == 0 || b == 0); });
}

// What is left is a chain of signed numbers; each sign takes the number that follows it.
double sum(QString w)
{
    const qsizetype q = GetSeparator(1, w, 2);
    double total = operand(w, 1, q);
    w = ReplaceAll(w, u"+-", u"-");
    w = ReplaceAll(w, u"--", u"+");
    w = ReplaceAll(w, u"++", u"+");
    const qsizetype n = w.size();
    for (qsizetype i = 1; i <= n; ++i) {
        const QChar c = w[i - 1];
        if (c == u'+')
            total = checked(total + operand(w, i + 1, n));
        else if (c == u'-')
            total = checked(total - operand(w, i + 1, n));
    }
    return total;
}

// A checked expression, or the text of a group: groups go through here again, already checked.
double evaluate(const QString &expression)
{
    QString w = normalised(expression);
    reduceGroups(w);
    reduceSquares(w);
    reducePowers(w);
    reduceRoots(w);
    reduceDivisions(w);
    reduceProducts(w);
    return sum(std::move(w));
}

} // namespace

QString frenchReason(EvalFailure failure, const QString &detail)
{
    switch (failure) {
    case EvalFailure::UnclosedParenthesis:
        return u"parenthèse non fermée"_s;
    case EvalFailure::DivisionByZero:
        return u"division par zéro"_s;
    case EvalFailure::Overflow:
        return u"dépassement de capacité"_s;
    case EvalFailure::ZeroToNegativePower:
        return u"zéro élevé à une puissance négative"_s;
    case EvalFailure::UnknownCharacter:
        return u"caractère inconnu "_s + quoted(detail);
    case EvalFailure::MalformedNumber:
        return u"nombre mal formé "_s + quoted(detail);
    case EvalFailure::MissingOperand:
        return u"opérande manquant"_s;
    case EvalFailure::NegativeRoot:
        return u"racine carrée d'un nombre négatif"_s;
    case EvalFailure::NegativeBase:
        return u"puissance non entière d'un nombre négatif"_s;
    case EvalFailure::ChainedPowers:
        return u"puissances enchaînées : ajoutez des parenthèses"_s;
    case EvalFailure::MissingOperator:
        return u"opérateur manquant après "_s + quoted(detail);
    case EvalFailure::UnopenedParenthesis:
        return u"parenthèse fermante sans parenthèse ouvrante"_s;
    case EvalFailure::TooLong:
        return u"expression trop longue"_s;
    case EvalFailure::Underflow:
        return u"valeur trop petite"_s;
    case EvalFailure::NonPositiveLogarithm:
        return u"logarithme d'un nombre négatif ou nul"_s;
    case EvalFailure::OutOfDomain:
        return u"hors du domaine de la fonction"_s;
    case EvalFailure::UnknownFunction:
        return u"fonction inconnue "_s + quoted(detail);
    }
    return u"erreur de calcul"_s;
}

EvalError::EvalError(EvalFailure failure, QString detail)
    : m_failure(failure)
    , m_detail(std::move(detail))
    , m_what(frenchReason(m_failure, m_detail).toUtf8())
{}

double Calcule(const QString &TheCalcul)
{
    return normaliseOperand(evaluate(checkedExpression(TheCalcul)));
}

} // namespace zorv::engine
