#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace zorv::engine {

// Why an evaluation failed.
enum class EvalFailure {
    UnclosedParenthesis, // a "(" without a ")" after it
    DivisionByZero,      // a division whose right operand is 0
    Overflow,            // a result, or a number read, outside the range of a double
    ZeroToNegativePower, // 0 raised to a negative power
    UnknownCharacter,    // a character outside the grammar (detail: the character)
    MalformedNumber,     // a number with a second decimal separator (detail: the number)
    MissingOperand,      // an operator without its operand
    NegativeRoot,        // the square root of a negative value
    NegativeBase,        // a negative value raised to a power that is not a whole number
    ChainedPowers,       // a power or a square in the exponent of a power
    MissingOperator,     // a value glued to what precedes it (detail: what precedes)
    UnopenedParenthesis, // a ")" without a "(" before it
    TooLong,             // more characters than the engine takes
    Underflow, // a value, typed or computed, not zero but below the smallest normal double
    NonPositiveLogarithm, // the logarithm of a value that is negative or zero
    OutOfDomain,          // an argument outside the domain of a function (asin(2))
    UnknownFunction,      // a name before "(" that is no function (detail: the name)
};

// A short French phrase for the user naming the reason ("division par zéro"): lower case, no final
// stop, so that it reads after "erreur: " as well as inside a sentence. Failures that name a part
// of the text take it as detail ("caractère inconnu « k »").
QString frenchReason(EvalFailure failure, const QString &detail = {});

// The error with which an evaluation ends instead of a value.
class EvalError : public std::exception
{
public:
    explicit EvalError(EvalFailure failure, QString detail = {});

    EvalFailure failure() const { return m_failure; }

    // The part of the text at fault, as the user wrote it; empty for the failures that name none.
    const QString &detail() const { return m_detail; }

    // The French reason, detail included.
    QString reason() const { return frenchReason(m_failure, m_detail); }

    // The French reason, in UTF-8.
    const char *what() const noexcept override { return m_what.constData(); }

private:
    EvalFailure m_failure;
    QString m_detail;
    QByteArray m_what;
};

// Evaluates an expression by rewriting its text until a sum of signed numbers is left, and
// returns its value rounded to 15 significant digits (the rewriting carries every value whole: only
// this result is rounded). The expression is first read as written
// (checkedExpression): what the rewriting would misread is refused. Throws EvalError on failure,
// with the reason and the part of the text at fault. Any text is safe to give: one longer than
// MaxExpressionLength is refused at once.
double Calcule(const QString &TheCalcul);

} // namespace zorv::engine
