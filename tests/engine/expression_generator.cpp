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
    bool absorbed = false; // a sum in it lost a whole term to rounding (PI + 1E-20)
    bool squared = false;  // ends with "²"
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
    piece.absorbed = left.absorbed || right.absorbed;
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

// The rounding noise of a^b from that of a and b, taken over a step rather than from the slope, so
// that a power of a base that is itself noise around 0 (sin(PI)³) is noise too.
long double powerNoise(long double a, long double aNoise, long double b, long double bNoise)
{
    constexpr long double Step = 1e-15L;
    const long double magnitude = std::fabs(a);
    const long double value = std::pow(magnitude, b);
    const long double fromBase = std::fabs(std::pow(magnitude + Step * aNoise, b) - value) / Step;
    const long double fromExponent = magnitude == 0
                                         ? 0
                                         : value * std::fabs(std::log(magnitude)) * bNoise;
    return std::isfinite(fromBase) ? fromBase + fromExponent : fromExponent;
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
        piece.termScale = powerNoise(operand.value, operand.termScale, 2, 0);
    }
    piece.arithmetic = false;
    piece.squared = true;
    return piece;
}

// A number with an SI prefix (4,7k, 100n, 2,2µ) or a resistor code (4k7, 2R2, R47): `digits` and
// `decimals` as typed, `letter` standing after the number or in the place of its separator.
Piece prefixed(const QString &digits, const QString &decimals, QChar letter, bool code)
{
    struct Prefix
    {
        QChar letter;
        const char *power;
    };

    static constexpr std::array<Prefix, 13> prefixes{{{u'f', "-15"},
                                                      {u'p', "-12"},
                                                      {u'n', "-9"},
                                                      {u'u', "-6"},
                                                      {QChar(0xb5), "-6"},
                                                      {QChar(0x3bc), "-6"},
                                                      {u'm', "-3"},
                                                      {u'k', "3"},
                                                      {u'K', "3"},
                                                      {u'M', "6"},
                                                      {u'G', "9"},
                                                      {u'T', "12"},
                                                      {u'R', "0"}}};
    const auto *prefix = std::find_if(prefixes.begin(), prefixes.end(), [letter](const Prefix &p) {
        return p.letter == letter;
    });
    Piece piece;
    const QString mantissa = (digits.isEmpty() ? u"0"_s : digits)
                             + (decimals.isEmpty() ? QString() : u'.' + decimals);
    piece.engine = code ? digits + letter + decimals
                        : digits + (decimals.isEmpty() ? QString() : u',' + decimals) + letter;
    piece.reference = u"(("_s + mantissa + u")*(1E"_s + QLatin1StringView(prefix->power) + u"))"_s;
    piece.value = std::strtold(mantissa.toLatin1().constData(), nullptr)
                  * std::pow(10.0L, std::strtold(prefix->power, nullptr));
    piece.arithmetic = false;
    return piece;
}

// A function of the engine applied to `argument`, spelt `name` in some letter case. Its rounding
// noise is that of the argument times the slope of the function there.
Piece function(const QString &name, const Piece &argument)
{
    const QString lower = name.toLower();
    const long double x = argument.value;
    long double value = 0;
    long double slope = 1;
    if (lower == u"ln"_s || lower == u"log"_s) {
        const long double base = lower == u"ln"_s ? 1 : std::log(10.0L);
        value = std::log(x) / base;
        slope = 1 / (std::fabs(x) * base);
    } else if (lower == u"exp"_s) {
        value = std::exp(x);
        slope = value;
    } else if (lower == u"sin"_s) {
        value = std::sin(x);
    } else if (lower == u"cos"_s) {
        value = std::cos(x);
    } else if (lower == u"tan"_s) {
        value = std::tan(x);
        slope = 1 + value * value;
    } else if (lower == u"asin"_s || lower == u"acos"_s) {
        value = lower == u"asin"_s ? std::asin(x) : std::acos(x);
        slope = 1 / std::sqrt(std::fabs(1 - x * x));
    } else if (lower == u"atan"_s) {
        value = std::atan(x);
    } else if (lower == u"abs"_s) {
        value = std::fabs(x);
    } else {
        value = std::sqrt(x);
        slope = 1 / (2 * value);
    }
    Piece piece;
    piece.engine = name + u'(' + argument.engine + u')';
    // qalc leaves the tangent of an exact number unevaluated; it evaluates the sine and cosine.
    piece.reference = lower == u"tan"_s ? u"(sin("_s + argument.reference + u")/cos("_s
                                              + argument.reference + u"))"_s
                                        : u'(' + (lower == u"log"_s ? u"log10"_s : lower) + u'('
                                              + argument.reference + u"))"_s;
    piece.value = value;
    piece.termScale = std::fabs(slope) * std::max(std::fabs(x), argument.termScale);
    piece.arithmetic = false;
    piece.extreme = argument.extreme;
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
        const long double raisedValue = base.atom.root ? base.atom.radicandValue : base.atom.value;
        power.value = std::pow(raisedValue, signedValue(operands[i]));
        power.termScale = powerNoise(raisedValue,
                                     base.atom.termScale,
                                     signedValue(operands[i]),
                                     exponent.termScale);
        if (base.atom.root) {
            power.reference = u"(sqrt"_s + power.reference + u')';
            power.value = std::sqrt(power.value);
            if (power.value > 0)
                power.termScale /= 2 * power.value;
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
        const long double factor = signedValue(factors[i]);
        product.value = op == u'/' ? term.value / factor : term.value * factor;
        // Noise scales with the other operand: a factor that is noise around 0 (tan(PI)) times a
        // large one is large noise, not a disagreement.
        const long double noise = factors[i].atom.termScale;
        product.termScale = op == u'/' ? term.termScale / std::fabs(factor)
                                             + std::fabs(term.value) * noise / (factor * factor)
                                       : term.termScale * std::fabs(factor)
                                             + std::fabs(term.value) * noise;
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
        const long double small = std::min(std::fabs(sum.value), std::fabs(terms[i].value));
        const long double large = std::max(std::fabs(sum.value), std::fabs(terms[i].value));
        next.termScale = std::max(next.termScale, large);
        next.absorbed = next.absorbed || (small != 0 && small < 1e-15L * large);
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
    Piece prefixedNumber();
    Piece functionCall(int depth);
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

Piece Stream::prefixedNumber()
{
    static const QString letters = u"fpnuµμmkKMGTR"_s;
    const QChar letter = letters[below(int(letters.size()))];
    const QString digits = letter == u'R' && chance(30) ? QString()
                                                        : QString::number(1 + below(999));
    const QString decimals = letter == u'R' || chance(60) ? QString::number(below(100)) : QString();
    const bool code = letter == u'R' || (!decimals.isEmpty() && chance(60));
    return prefixed(digits.isEmpty() && !code ? u"1"_s : digits, decimals, letter, code);
}

Piece Stream::functionCall(int depth)
{
    static const std::array names{u"ln"_s,
                                  u"log"_s,
                                  u"exp"_s,
                                  u"sin"_s,
                                  u"cos"_s,
                                  u"tan"_s,
                                  u"asin"_s,
                                  u"acos"_s,
                                  u"atan"_s,
                                  u"abs"_s,
                                  u"sqrt"_s};
    QString name = names[below(int(names.size()))];
    if (chance(20))
        name = name.toUpper();
    else if (chance(10))
        name[0] = name[0].toUpper();
    const QString lower = name.toLower();
    if (lower == u"asin"_s || lower == u"acos"_s) {
        // Mostly inside the domain, at times just outside it.
        const bool negative = chance(30);
        const QString text = chance(85) ? u"0,"_s + QString::number(below(1000)) : u"1,5"_s;
        return function(name, chain({{negative, number(text)}}, {}, {}));
    }
    Piece argument = depth < 2 && chance(50) ? expression(depth + 1, 3) : number(numberText());
    // Far from 0 the periodic functions lose every digit, and exp leaves the doubles.
    const bool periodic = lower == u"sin"_s || lower == u"cos"_s || lower == u"tan"_s;
    // Where a term of the argument is lost to rounding, the zero of sin(PI + 1E-20) is the engine's
    // answer and qalc's is 1E-20.
    if ((periodic && (std::fabs(argument.value) > 1e6L || argument.absorbed))
        || (lower == u"exp"_s && argument.extreme) || !std::isfinite(argument.value))
        argument = number(QString::number(below(10)));
    return function(name, argument);
}

Piece Stream::atom(int depth)
{
    const int kind = below(100);
    Piece piece;
    if (kind < 38) {
        piece = number(numberText());
    } else if (kind < 46) {
        piece = prefixedNumber();
    } else if (kind < 54) {
        piece = functionCall(depth);
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
            const bool call = !right.isEmpty() && right.front().isLetter()
                              && !right.startsWith(u'V', Qt::CaseInsensitive)
                              && !right.startsWith(u'P', Qt::CaseInsensitive)
                              && right.contains(u'(');
            const bool opens = right.startsWith(u'(') || right.startsWith(u'V', Qt::CaseInsensitive)
                               || right.startsWith(u'P', Qt::CaseInsensitive) || call;
            const QString &left = operands.last().atom.engine;
            const bool closes = endsAnImplicitProduct(left)
                                && !((right.startsWith(u'P', Qt::CaseInsensitive) || call)
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
