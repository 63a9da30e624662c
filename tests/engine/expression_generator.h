#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// Expressions for the differential test of the engine: each is written twice, as a user types it
// for the engine and, fully parenthesised, in the notation of the reference calculator, so that
// the reference reads it with the meaning the engine documents whatever its own precedences.
namespace zorv::test {

struct GeneratedExpression
{
    QString engine;    // as typed for the engine
    QString reference; // the same, for the reference calculator
    // Its value computed here in long double, and the largest magnitude among the terms of its
    // sums: a difference that cancels leaves rounding noise of about that size, not of the result.
    long double value = 0;
    long double termScale = 0;
    bool arithmetic = true; // only numbers, + - * / and parentheses
    bool extreme = false;   // a number beyond 1E+100 or below 1E-100: the range may be left
};

// Every expression of three operands and two operators (+ - * / °), each operand with and without
// a leading "-" and as a number or as the root of its square, flat, with either pair grouped and
// with each operand in its own parentheses (as the calculator puts the boxes in the formula). The
// three operands take, in turn, each of `triples` (number texts as typed).
QList<GeneratedExpression> operatorGrid(const QList<QStringList> &triples);

// Every ordered triple of the values, repeats included.
QList<QStringList> everyTriple(const QStringList &values);

// `count` longer expressions from a seeded stream: sums of products of powers, with decimal
// commas, powers of ten, SI prefixes and resistor codes, PI, roots, squares, the functions called
// by name, groups, implicit products, spaces, any letter case and the other spellings of the
// operators (^ × ÷ −).
// The one place where the engine's convention differs from the usual one, a minus at the start of
// a term before a squared number (-2² is 4), is left out.
QList<GeneratedExpression> randomExpressions(std::uint32_t seed, int count);

} // namespace zorv::test
