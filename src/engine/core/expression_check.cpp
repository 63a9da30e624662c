#include "engine/core/expression_check.h"

#include "engine/core/calcule.h"
#include "engine/core/math_functions.h"
#include "engine/core/number_reading.h"
#include "engine/core/number_text.h"

#include <algorithm>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace zorv::engine {
namespace {

enum class Kind {
    Number,
    Function, // a function's name; its "(" follows
    Pi,
    Root,
    Power,
    Square,
    Plus,
    Minus,
    Times,
    Divide,
    Open,
    Close
};

struct Token
{
    Kind kind;
    QStringView text; // as typed, blanks left out
    double value = 0; // a number's value
    int function = 0; // a function's index
};

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u2007' || c == u'\u202F';
}

// The character at i as the user sees it: a pair of surrogates is one character, and one that
// shows nothing (a control character, a lone surrogate) is named by its code, U+000D.
QString characterAt(const QString &s, qsizetype i)
{
    if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
        return s.mid(i, 2);
    if (!s[i].isPrint())
        return u"U+%1"_s.arg(s[i].unicode(), 4, 16, QLatin1Char('0')).toUpper();
    return QString(s[i]);
}

std::optional<Kind> operatorKind(QChar c)
{
    switch (c.unicode()) {
    case u'V':
    case u'v':
        return Kind::Root;
    case u'°':
    case u'^':
        return Kind::Power;
    case u'²':
        return Kind::Square;
    case u'+':
        return Kind::Plus;
    case u'-':
    case u'\u2212': // the typographic minus
        return Kind::Minus;
    case u'*':
    case u'\u00D7':
        return Kind::Times;
    case u'/':
    case u'\u00F7':
        return Kind::Divide;
    case u'(':
        return Kind::Open;
    case u')':
        return Kind::Close;
    default:
        return std::nullopt;
    }
}

QString withoutBlanks(const QString &expression)
{
    QString s;
    s.reserve(expression.size());
    for (const QChar c : expression) {
        if (!isBlank(c))
            s.append(c);
    }
    return s;
}

// The character the rewriting reads for an operator, whichever spelling was typed (^, ×, ÷, −).
QChar canonical(Kind k)
{
    switch (k) {
    case Kind::Root:
        return u'V';
    case Kind::Power:
        return u'°';
    case Kind::Square:
        return u'²';
    case Kind::Plus:
        return u'+';
    case Kind::Minus:
        return u'-';
    case Kind::Times:
        return u'*';
    case Kind::Divide:
        return u'/';
    case Kind::Open:
        return u'(';
    default:
        return u')';
    }
}

// The name that starts at i: a run of letters (V, the root, ends it) followed by "(" is a
// function, known or not; any other letter is refused as it stands.
Token nameAt(const QString &s, qsizetype i)
{
    const qsizetype k = nameEnd(s, i);
    if (k == i || k >= s.size() || s[k] != u'(')
        throw EvalError(EvalFailure::UnknownCharacter, characterAt(s, i));
    const QStringView name = QStringView(s).mid(i, k - i);
    const std::optional<int> function = functionOfName(name);
    if (!function)
        throw EvalError(EvalFailure::UnknownFunction, name.toString());
    return {Kind::Function, name, 0, *function};
}

// The tokens of the text, which they point into.
std::vector<Token> tokens(const QString &s)
{
    std::vector<Token> out;
    out.reserve(size_t(s.size()));
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s[i];
        if (startsTypedNumber(s, i)) {
            const TypedNumber number = readTypedNumber(s, i);
            out.push_back({Kind::Number, QStringView(s).mid(i, number.end - i), number.value});
            i = number.end;
        } else if ((c == u'P' || c == u'p') && i + 1 < s.size()
                   && (s[i + 1] == u'I' || s[i + 1] == u'i')) {
            out.push_back({Kind::Pi, QStringView(s).mid(i, 2)});
            i += 2;
        } else if (const std::optional<Kind> kind = operatorKind(c)) {
            out.push_back({*kind, QStringView(s).mid(i, 1)});
            ++i;
        } else if (isAsciiLetter(c)) {
            out.push_back(nameAt(s, i));
            i += out.back().text.size();
        } else {
            throw EvalError(EvalFailure::UnknownCharacter, characterAt(s, i));
        }
    }
    return out;
}

bool isSign(Kind k)
{
    return k == Kind::Plus || k == Kind::Minus;
}

// A token after which a value ends: an operator may follow, or an implicit product.
bool endsValue(Kind k)
{
    return k == Kind::Number || k == Kind::Pi || k == Kind::Close || k == Kind::Square;
}

bool startsOperand(Kind k)
{
    return k == Kind::Number || k == Kind::Pi || k == Kind::Open || k == Kind::Root
           || k == Kind::Function;
}

// Walks the tokens once, refusing what the rewriting would misread, and writes the checked text.
class Checker
{
public:
    explicit Checker(std::vector<Token> tokens)
        : m_tokens(std::move(tokens))
    {
        m_out.reserve(2 * qsizetype(m_tokens.size()));
    }

    QString run()
    {
        for (m_i = 0; m_i < size(); ++m_i) {
            closeExponents();
            check();
        }
        closeExponents();
        if (m_depth > 0)
            throw EvalError(EvalFailure::UnclosedParenthesis);
        return m_out;
    }

private:
    qsizetype size() const { return qsizetype(m_tokens.size()); }

    const Token *at(qsizetype i) const { return i >= 0 && i < size() ? &m_tokens[i] : nullptr; }

    bool is(qsizetype i, Kind k) const { return at(i) && at(i)->kind == k; }

    // What follows a run of signs starting at i.
    qsizetype afterSigns(qsizetype i) const
    {
        while (at(i) && isSign(at(i)->kind))
            ++i;
        return i;
    }

    void requireOperandAt(qsizetype i) const
    {
        if (!at(i) || !startsOperand(at(i)->kind))
            throw EvalError(EvalFailure::MissingOperand);
    }

    void requireValueBefore() const
    {
        if (!at(m_i - 1) || !endsValue(at(m_i - 1)->kind))
            throw EvalError(EvalFailure::MissingOperand);
    }

    // A value right after "²", a number right after ")", a number or "PI" right after "PI", would
    // be glued to what precedes it: the rewriting implies no product there.
    void refuseGluedValue(Kind value) const
    {
        const Token *before = at(m_i - 1);
        if (!before)
            return;
        const bool glued = before->kind == Kind::Square
                           || (before->kind == Kind::Pi
                               && (value == Kind::Number || value == Kind::Pi))
                           || (before->kind == Kind::Close && value == Kind::Number);
        if (glued)
            throw EvalError(EvalFailure::MissingOperator, before->text.toString());
    }

    // The index just after the operand that starts at i, its signs and roots included: a number,
    // PI or a whole group.
    qsizetype operandEnd(qsizetype i) const
    {
        i = afterSigns(i);
        while (is(i, Kind::Root))
            i = afterSigns(i + 1);
        requireOperandAt(i);
        if (is(i, Kind::Function))
            ++i;
        if (!is(i, Kind::Open))
            return i + 1;
        for (int depth = 0; at(i); ++i) {
            depth += is(i, Kind::Open) ? 1 : is(i, Kind::Close) ? -1 : 0;
            if (depth == 0)
                return i + 1;
        }
        return i;
    }

    // The ")" of each exponent put in parentheses that ends before token m_i.
    void closeExponents()
    {
        while (!m_closeAt.empty() && m_closeAt.back() == m_i) {
            m_out += u')';
            m_closeAt.pop_back();
        }
    }

    void check()
    {
        const Token &t = m_tokens[size_t(m_i)];
        switch (t.kind) {
        case Kind::Number:
            refuseGluedValue(t.kind);
            // Written whole and exactly, an exponent or a prefix applied.
            m_out += workingNumberText(t.value);
            return;
        case Kind::Function:
            refuseGluedValue(t.kind);
            m_out += functionMarker(t.function);
            return;
        case Kind::Pi:
        case Kind::Open:
            refuseGluedValue(t.kind);
            if (t.kind == Kind::Open)
                ++m_depth;
            m_out += t.kind == Kind::Open ? u"("_s : t.text.toString();
            return;
        case Kind::Close:
            if (--m_depth < 0)
                throw EvalError(EvalFailure::UnopenedParenthesis);
            if (at(m_i - 1) && !endsValue(at(m_i - 1)->kind) && !is(m_i - 1, Kind::Open))
                throw EvalError(EvalFailure::MissingOperand);
            m_out += u')';
            return;
        case Kind::Root:
            refuseGluedValue(t.kind);
            requireOperandAt(afterSigns(m_i + 1));
            m_out += canonical(t.kind);
            return;
        case Kind::Square:
            if (is(m_i - 1, Kind::Square))
                throw EvalError(EvalFailure::ChainedPowers);
            requireValueBefore();
            m_out += canonical(t.kind);
            return;
        case Kind::Power: {
            if (is(m_i - 1, Kind::Square))
                throw EvalError(EvalFailure::ChainedPowers);
            requireValueBefore();
            const qsizetype end = operandEnd(m_i + 1);
            if (is(end, Kind::Power) || is(end, Kind::Square))
                throw EvalError(EvalFailure::ChainedPowers);
            m_out += canonical(t.kind);
            // Roots are reduced after powers: a root in the exponent goes in parentheses, so that
            // the power takes its value whole.
            if (is(afterSigns(m_i + 1), Kind::Root)) {
                m_out += u'(';
                m_closeAt.push_back(end);
            }
            return;
        }
        case Kind::Times:
        case Kind::Divide:
            requireValueBefore();
            requireOperandAt(afterSigns(m_i + 1));
            m_out += canonical(t.kind);
            return;
        case Kind::Plus:
        case Kind::Minus:
            writeSigns();
            return;
        }
    }

    // A run of signs: after a value its first sign is the operation and stays as typed; the others
    // only give the operand its sign, which one "-" or nothing says alike.
    void writeSigns()
    {
        const qsizetype end = afterSigns(m_i);
        requireOperandAt(end);
        qsizetype i = m_i;
        if (at(m_i - 1) && endsValue(at(m_i - 1)->kind))
            m_out += canonical(m_tokens[size_t(i++)].kind);
        int minuses = 0;
        for (; i < end; ++i)
            minuses += is(i, Kind::Minus) ? 1 : 0;
        if (minuses % 2 == 1)
            m_out += u'-';
        m_i = end - 1;
    }

    std::vector<Token> m_tokens;
    std::vector<qsizetype> m_closeAt; // token indexes, innermost last
    qsizetype m_i = 0;
    int m_depth = 0;
    QString m_out;
};

} // namespace

QString checkedExpression(const QString &TheCalcul)
{
    if (TheCalcul.size() > MaxExpressionLength)
        throw EvalError(EvalFailure::TooLong);
    const QString text = withoutBlanks(TheCalcul);
    return Checker(tokens(text)).run();
}

} // namespace zorv::engine
