#pragma once

#include <QString>

#include <exception>

namespace zorv::engine {

// Why an evaluation failed.
enum class EvalFailure {
    UnclosedParenthesis, // a "(" without a ")" after it
    DivisionByZero,      // a division whose right operand is 0
    Overflow,            // a result, or a number read, outside the range of a double
    ZeroToNegativePower, // 0 raised to a negative power
};

// A short French phrase for the user naming the reason ("division par zéro"): lower case, no final
// stop, so that it reads after "erreur: " as well as inside a sentence.
QString frenchReason(EvalFailure failure);

// The error with which an evaluation ends instead of a value.
class EvalError : public std::exception
{
public:
    explicit EvalError(EvalFailure failure)
        : m_failure(failure)
    {}

    EvalFailure failure() const { return m_failure; }

    // The French reason, in UTF-8.
    const char *what() const noexcept override;

private:
    EvalFailure m_failure;
};

// Evaluates an expression by rewriting its text until a sum of signed numbers is left, and
// returns its value rounded to 15 significant digits. Throws EvalError on failure: a "(" without
// a ")" after it, a division by 0, 0 raised to a negative power, or a result or number read beyond
// the range of a double. Characters outside the grammar, missing operands and an empty text are no
// failure: they read as 0. Any text is safe to give: the time taken grows with the square of its
// length at worst.
double Calcule(const QString &TheCalcul);

} // namespace zorv::engine
