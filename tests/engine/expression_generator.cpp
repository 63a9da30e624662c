#include "engine/expression_generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

using namespace Qt::StringLiterals;

namespace zorv::test {
namespace {

// A stretch of an expression that reads as one value: a number, PI, a root, a square, a group, a
// power, or a whole chain. `reference` is self-delimiting (parenthesised where it could bind).
struct Piece
{
    QString engine;
    QString reference;
    long double value = 0;
    long double termScale = 0;
    bool arithmetic = true;
    bool extreme = false;
    bool squared = false; // ends with "²"
    // A root: squares and powers run before roots, so V9² is the root of 9², and its radicand
    // is kept to be raised before the root is taken (V(-4)² is 4).
    bool root = false;
    QString radicandReference;
    long double radicandValue = 0;
};

// An operand of a chain: a piece with or without a leading "-".
struct Operand
{
    bool negative = false;
    Piece atom;
};

constexpr QChar Implicit
    = u'\0'; // an implicit product: nothing in the engine's text, "*" for the reference

Piece combine(const Piece &left, const Piece &right)
{
    Piece piece;
    piece.termScale = std::max(left.termScale, right.termScale);
    piece.arithmetic = left.arithmetic && right.arithmetic;
    piece.extreme = left.extreme || right.extreme;
    return piece;
}

QString signedReference(const Operand &operand)
{
    return operand.negative ? u"(-"_s + operand.atom.reference + u')' : operand.atom.reference;
}

long double signedValue(const Operand &operand)
{
    return operand.negative ? -operand.atom.value : operand.atom.value;
}

Piece number(const QString &text)
{
    Piece piece;
    piece.engine = text;
    piece.reference = text;
    piece.reference.replace(u',', u'.').replace(u'e', u'E');
    piece.value = std::strtold(piece.reference.toLatin1().constData(), nullptr);
    piece.reference = u'(' + piece.reference + u')';
    const long double magnitude = std::fabs(piece.value);
    piece.extreme = magnitude != 0 && (magnitude > 1e100L || magnitude < 1e-100L);
    return piece;
}

Piece pi(const QString &spelling)
{
    Piece piece;
    piece.engine = spelling;
    piece.reference = u"(pi)"_s;
    piece.value = 3.14159265358979323846264338327950288L;
    piece.arithmetic = false;
    return piece;
}

Piece root(const Piece &operand, const QString &spelling)
{
    Piece piece = operand;
    piece.engine = spelling + operand.engine;
    piece.reference = u"(sqrt"_s + operand.reference + u')';
    piece.value = std::sqrt(operand.value); // NaN below 0, as the reference gives no real value
    piece.arithmetic = false;
    piece.squared = false;
    piece.root = true;
    piece.radicandReference = operand.reference;
    piece.radicandValue = operand.value;
    return piece;
}

Piece square(const Piece &operand)
{
    Piece piece = operand;
    piece.engine = operand.engine + u'²';
    if (operand.root) {
        piece.reference = u"(sqrt("_s + operand.radicandReference + u"^2))"_s;
        piece.value = std::sqrt(operand.radicandValue * operand.radicandValue);
        piece.root = false;
    } else {
        piece.reference = u'(' + operand.reference + u"^2)"_s;
        piece.value = operand.value * operand.value;
    }
    piece.arithmetic = false;
    piece.squared = true;
    return piece;
}

Piece group(const Piece &inner)
{
    Piece piece = inner;
    piece.engine = u'(' + inner.engine + u')';
    piece.squared = false;
    piece.root = false;
    return piece;
}

// The operator that another spelling of the engine's stands for: ^ × ÷ and the minus sign U+2212.
QChar canonical(QChar op)
{
    switch (op.unicode()) {
    case u'^':
        return u'°';
    case u'×':
        return u'*';
    case u'÷':
        return u'/';
    case 0x2212:
        return u'-';
    default:
        return op;
    }
}

// The chain read with the usual precedences: powers (whose left operand's sign stays outside,
// -2°2 is -4, while a sign after "°" belongs to the exponent), then products and quotients
// (implicit products among them) from left to right, then sums from left to right.
Piece chain(const QList<Operand> &operands, const QList<QChar> &operators, const QList<bool> &spaced)
{
    Piece whole;
    for (qsizetype i = 0; i < operands.size(); ++i) {
        if (i > 0) {
            const QChar op = operators[i - 1];
            const QString space = spaced[i - 1] ? u" "_s : QString();
            whole.engine += op == Implicit ? QString() : space + op + space;
        }
        whole.engine += (operands[i].negative ? u"-"_s : QString()) + operands[i].atom.engine;
    }

    // Powers, leaving factors with their signs.
    QList<Operand> factors{operands.first()};
    QList<QChar> factorOperators;
    for (qsizetype i = 1; i < operands.size(); ++i) {
        const QChar op = canonical(operators[i - 1]);
        if (op != u'°') {
            factors.append(operands[i]);
            factorOperators.append(op);
            continue;
        }
        Operand &base = factors.last();
        const Piece &exponent = operands[i].atom;
        Piece power = combine(base.atom, exponent);
        const QString raised = base.atom.root ? base.atom.radicandReference : base.atom.reference;
        power.reference = u'(' + raised + u'^' + signedReference(operands[i]) + u')';
        if (base.atom.root) {
            power.reference = u"(sqrt"_s + power.reference + u')';
            power.value = std::sqrt(std::pow(base.atom.radicandValue, signedValue(operands[i])));
        } else {
            power.value = std::pow(base.atom.value, signedValue(operands[i]));
        }
        power.arithmetic = false;
        base.atom = power;
    }

    // Products and quotients, leaving terms with their signs folded in.
    QList<Piece> terms;
    QList<QChar> termOperators;
    auto startTerm = [&terms](const Operand &factor) {
        Piece term = factor.atom;
        term.reference = signedReference(factor);
        term.value = signedValue(factor);
        terms.append(term);
    };
    startTerm(factors.first());
    for (qsizetype i = 1; i < factors.size(); ++i) {
        const QChar op = factorOperators[i - 1];
        if (op == u'+' || op == u'-') {
            startTerm(factors[i]);
            termOperators.append(op);
            continue;
        }
        Piece &term = terms.last();
        Piece product = combine(term, factors[i].atom);
        const QString reference = op == u'/' ? u"/"_s : u"*"_s;
        product.reference = u'(' + term.reference + reference + signedReference(factors[i]) + u')';
        product.value = op == u'/' ? term.value / signedValue(factors[i])
                                   : term.value * signedValue(factors[i]);
        product.arithmetic = term.arithmetic && factors[i].atom.arithmetic;
        term = product;
    }

    // Sums.
    Piece sum = terms.first();
    for (qsizetype i = 1; i < terms.size(); ++i) {
        const QChar op = termOperators[i - 1];
        Piece next = combine(sum, terms[i]);
        next.reference = u'(' + sum.reference + op + terms[i].reference + u')';
        next.value = op == u'+' ? sum.value + terms[i].value : sum.value - terms[i].value;
        next.termScale = std::max({next.termScale, std::fabs(sum.value), std::fabs(terms[i].value)});
        sum = next;
    }
    sum.engine = whole.engine;
    sum.squared = operands.size() == 1 && operands.first().atom.squared;
    return sum;
}

GeneratedExpression finished(const Piece &piece)
{
    return {piece.engine,
            piece.reference,
            piece.value,
            piece.termScale,
            piece.arithmetic,
            piece.extreme};
}

QString squareText(const QString &value)
{
    const Piece read = number(value);
    return QString::number(double(read.value * read.value), 'g', 15).replace(u'.', u',');
}

// A bit of randomness that gives the same stream on every platform.
class Stream
{
public:
    explicit Stream(std::uint32_t seed)
        : m_engine(seed)
    {}

    int below(int n) { return int(m_engine() % std::uint32_t(n)); }

    bool chance(int percent) { return below(100) < percent; }

    QString numberText();
    Piece atom(int depth);
    Piece exponent();
    Piece expression(int depth, int maximumOperands);

private:
    std::mt19937 m_engine;
};

QString Stream::numberText()
{
    const int kind = below(100);
    if (kind < 35)
        return QString::number(chance(3) ? 0 : 1 + below(99));
    const QString separator = kind >= 95 ? u"."_s : u","_s;
    const QString decimals = QString::number(below(1000)).rightJustified(1 + below(3), u'0');
    const QString mantissa = QString::number(below(kind < 70 ? 100 : 10)) + separator + decimals;
    if (kind < 70 || kind >= 95)
        return mantissa;
    const QString e = chance(30) ? u"e"_s : u"E"_s;
    const QString sign = chance(50) ? u"-"_s : (chance(30) ? u"+"_s : QString());
    const int power = kind < 90 ? below(13) : 100 + below(221);
    return (chance(50) ? mantissa : QString::number(1 + below(9))) + e + sign
           + QString::number(power);
}

Piece Stream::atom(int depth)
{
    const int kind = below(100);
    Piece piece;
    if (kind < 50) {
        piece = number(numberText());
    } else if (kind < 58) {
        static const std::array spellings{u"PI"_s, u"pi"_s, u"Pi"_s};
        piece = pi(spellings[below(3)]);
    } else if (kind < 72) {
        const Piece operand = depth < 2 && chance(40) ? group(expression(depth + 1, 3))
                                                      : number(numberText());
        piece = root(operand, chance(20) ? u"v"_s : u"V"_s);
    } else if (depth < 2) {
        piece = group(expression(depth + 1, 3));
    } else {
        piece = number(numberText());
    }
    return chance(15) ? square(piece) : piece;
}

Piece Stream::exponent()
{
    const int kind = below(100);
    if (kind < 55)
        return number(chance(70) ? QString::number(below(5)) : u"%1,5"_s.arg(below(3)));
    if (kind < 75)
        return root(number(QString::number(1 + below(16))), u"V"_s);
    const QList<Operand> operands{{false, number(QString::number(1 + below(3)))},
                                  {chance(30), number(QString::number(1 + below(3)))}};
    return group(chain(operands, {chance(50) ? u'+' : u'-'}, {false}));
}

bool endsAnImplicitProduct(const QString &text)
{
    return !text.isEmpty()
           && (text.back().isDigit() || text.back() == u')'
               || text.endsWith(u"I"_s, Qt::CaseInsensitive));
}

Piece Stream::expression(int depth, int maximumOperands)
{
    const int count = std::max(depth == 0 ? 2 : 1, 1 + below(maximumOperands));
    QList<Operand> operands;
    QList<QChar> operators;
    QList<bool> spaced;
    for (int i = 0; i < count; ++i) {
        QChar op = u'+';
        if (i > 0) {
            static constexpr std::array<QChar, 6> choices{u'+', u'-', u'*', u'/', u'°', Implicit};
            op = choices[below(int(choices.size()))];
            const Operand &previous = operands.last();
            if (op == u'°' && !operators.isEmpty() && operators.last() == u'°')
                op = u'*';
            if (op == u'°' && previous.atom.squared)
                op = u'/';
            operators.append(op);
            spaced.append(chance(20));
        }
        Operand operand;
        if (op == u'°') {
            operand.atom = exponent();
            operand.negative = chance(30);
            operands.append(operand);
            continue;
        }
        operand.atom = atom(depth);
        if (op == Implicit) {
            const QString &right = operand.atom.engine;
            const bool opens = right.startsWith(u'(') || right.startsWith(u'V', Qt::CaseInsensitive)
                               || right.startsWith(u'P', Qt::CaseInsensitive);
            const QString &left = operands.last().atom.engine;
            const bool closes = endsAnImplicitProduct(left)
                                && !(right.startsWith(u'P', Qt::CaseInsensitive)
                                     && left.endsWith(u'I', Qt::CaseInsensitive));
            if (!opens || !closes || operands.last().atom.squared)
                operators.last() = u'*';
            else
                spaced.last() = false;
        }
        // -2² at the start of a term squares the sign in the engine: left out.
        const bool startsATerm = i == 0 || op == u'+' || op == u'-';
        operand.negative = operators.isEmpty() || operators.last() != Implicit ? chance(30) : false;
        if (operand.negative && startsATerm && operand.atom.squared)
            operand.negative = false;
        operands.append(operand);
    }
    for (QChar &op : operators) {
        if (op == u'°' && chance(30))
            op = u'^';
        else if ((op == u'*' || op == u'/' || op == u'-') && chance(10))
            op = op == u'*' ? u'×' : (op == u'/' ? u'÷' : QChar(0x2212));
    }
    return chain(operands, operators, spaced);
}

} // namespace

QList<QStringList> everyTriple(const QStringList &values)
{
    QList<QStringList> triples;
    for (const QString &a : values)
        for (const QString &b : values)
            for (const QString &c : values)
                triples.append({a, b, c});
    return triples;
}

QList<GeneratedExpression> operatorGrid(const QList<QStringList> &triples)
{
    static constexpr std::array operators{u'+', u'-', u'*', u'/', u'°'};

    enum Grouping {
        Flat,
        LeftPair,
        RightPair,
        EachOperand,
        Groupings
    };

    QList<GeneratedExpression> expressions;
    for (const QStringList &triple : triples) {
        // Operand k in variant v: bit 0 its sign, bit 1 whether it is the root of its square.
        auto operand = [&triple](int k, int variant) {
            const Piece plain = number(triple[k]);
            return Operand{(variant & 1) != 0,
                           (variant & 2) != 0 ? root(number(squareText(triple[k])), u"V"_s) : plain};
        };
        for (int variants = 0; variants < 64; ++variants) {
            const std::array<Operand, 3> o{operand(0, variants & 3),
                                           operand(1, (variants >> 2) & 3),
                                           operand(2, (variants >> 4) & 3)};
            for (const QChar first : operators) {
                for (const QChar second : operators) {
                    for (int grouping = Flat; grouping < Groupings; ++grouping) {
                        Piece piece;
                        switch (grouping) {
                        case Flat:
                            piece = chain({o[0], o[1], o[2]}, {first, second}, {false, false});
                            break;
                        case LeftPair:
                            piece = chain({{false, group(chain({o[0], o[1]}, {first}, {false}))},
                                           o[2]},
                                          {second},
                                          {false});
                            break;
                        case RightPair:
                            piece = chain({o[0],
                                           {false, group(chain({o[1], o[2]}, {second}, {false}))}},
                                          {first},
                                          {false});
                            break;
                        default: {
                            QList<Operand> boxed;
                            for (const Operand &each : o)
                                boxed.append({false, group(chain({each}, {}, {}))});
                            piece = chain(boxed, {first, second}, {false, false});
                        }
                        }
                        expressions.append(finished(piece));
                    }
                }
            }
        }
    }
    return expressions;
}

QList<GeneratedExpression> randomExpressions(std::uint32_t seed, int count)
{
    Stream stream(seed);
    QList<GeneratedExpression> expressions;
    expressions.reserve(count);
    while (expressions.size() < count)
        expressions.append(finished(stream.expression(0, 5)));
    return expressions;
}

} // namespace zorv::test
