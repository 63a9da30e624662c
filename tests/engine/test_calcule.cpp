#include "engine/core/calcule.h"
#include "engine/core/number_reading.h"
#include "engine/core/number_text.h"
#include "engine/exact_compare.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using namespace zorv::engine;

class CalculeTest : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void edgeCases_data();
    void edgeCases();
    void derivedCases_data();
    void derivedCases();
    void signedProducts_data();
    void signedProducts();
    void notation_data();
    void notation();
    void failures_data();
    void failures();
    void refusals_data();
    void refusals();
    void frenchReasons_data();
    void frenchReasons();

private:
    void addColumns();
    void checkValue();
};

void CalculeTest::addColumns()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("expected"); // the engine's number text of the value
}

void CalculeTest::checkValue()
{
    QFETCH(QString, expression);
    QFETCH(QString, expected);
    double value = 0;
    try {
        value = Calcule(expression);
    } catch (const EvalError &error) {
        QFAIL(qPrintable(u"evaluation failed: "_s + error.reason()));
    }
    QCOMPARE(numberText(value), expected);
    ZORV_COMPARE_EXACTLY(value, readNumber(expected));
}

void CalculeTest::workedExamples_data()
{
    addColumns();
    QTest::newRow("implicit product before a parenthesis") << u"2(3+4)"_s << u"14"_s;
    QTest::newRow("minus after the multiplication belongs to its operand")
        << u"2 * -3 - 1"_s << u"-7"_s;
    QTest::newRow("leading minus is squared, a later one is not") << u"-2²+3²"_s << u"13"_s;
    QTest::newRow("root of the number after V") << u"V9+1"_s << u"4"_s;
    QTest::newRow("divisions before multiplications") << u"10/4 * 2"_s << u"5"_s;
}

void CalculeTest::workedExamples()
{
    checkValue();
}

void CalculeTest::edgeCases_data()
{
    addColumns();
    QTest::newRow("empty input") << QString() << u"0"_s;
    QTest::newRow("three spaces") << u"   "_s << u"0"_s;
    QTest::newRow("comma as decimal point") << u"1,5 * 2"_s << u"3"_s;
    QTest::newRow("pi in lower case") << u"pi"_s << u"3.14159265358979"_s;
    QTest::newRow("implicit product before pi") << u"2pi"_s << u"6.28318530717959"_s;
    QTest::newRow("product of two negatives") << u"-2 * -3"_s << u"6"_s;
    QTest::newRow("division by a negative") << u"2/-4"_s << u"-0.5"_s;
    QTest::newRow("negative exponent") << u"2°-1"_s << u"0.5"_s;
    QTest::newRow("minus before a group") << u"-(2+3)"_s << u"-5"_s;
    QTest::newRow("square") << u"3²"_s << u"9"_s;
    QTest::newRow("square before product") << u"2 * 3²"_s << u"18"_s;
    QTest::newRow("minus at the start is squared") << u"-2²"_s << u"4"_s;
    QTest::newRow("negative group squared") << u"(-2)²"_s << u"4"_s;
    QTest::newRow("minus after a product sign is not squared") << u"3 * -2²"_s << u"-12"_s;
    QTest::newRow("square sign after a number ending in 0") << u"10+(0-2)²"_s << u"14"_s;
    QTest::newRow("a squared group keeps its sign whatever precedes it")
        << u"11+(0-2)²"_s << u"15"_s;
    QTest::newRow("leading minus applies to the power") << u"-2°2"_s << u"-4"_s;
    QTest::newRow("zero to the power zero") << u"0°0"_s << u"1"_s;
    QTest::newRow("root of a group") << u"V(9+7)"_s << u"4"_s;
    QTest::newRow("products between groups") << u"2(3)(4)"_s << u"24"_s;
    QTest::newRow("divisions from left to right") << u"8/2/2"_s << u"2"_s;
    QTest::newRow("product before subtraction") << u"1 - 2 * 3"_s << u"-5"_s;
    QTest::newRow("subtractions from left to right") << u"10-3-2"_s << u"5"_s;
    QTest::newRow("intermediate results carry every digit") << u"1/3 * 3"_s << u"1"_s;
    QTest::newRow("negative group after a minus") << u"2-(0-3)"_s << u"5"_s;
    QTest::newRow("negative group in a product") << u"2 * (0-3) - 1"_s << u"-7"_s;
    QTest::newRow("empty group") << u"()"_s << u"0"_s;
}

void CalculeTest::edgeCases()
{
    checkValue();
}

void CalculeTest::derivedCases_data()
{
    addColumns();
    QTest::newRow("product between pi and a group") << u"PI(2)"_s << u"6.28318530717959"_s;
    QTest::newRow("product between a group and pi") << u"(1)PI"_s << u"3.14159265358979"_s;
    QTest::newRow("product between a group and a root") << u"(4)V4"_s << u"8"_s;
    QTest::newRow("product between pi and a root") << u"PIV4"_s << u"6.28318530717959"_s;
    QTest::newRow("product between a digit and a root") << u"2V9"_s << u"6"_s;
    QTest::newRow("root sign in lower case") << u"v9"_s << u"3"_s;
    QTest::newRow("pi in mixed case") << u"Pi"_s << u"3.14159265358979"_s;
    QTest::newRow("spaces inside a group") << u" 2 ( 3 + 4 ) "_s << u"14"_s;
    QTest::newRow("comma and point together") << u"0,5+0.25"_s << u"0.75"_s;
    QTest::newRow("square sign after 0 and plus") << u"0+-2²"_s << u"4"_s;
    QTest::newRow("no square sign after 1 and plus") << u"1+-2²"_s << u"-3"_s;
    QTest::newRow("square sign after 20 and plus") << u"20+(0-3)²"_s << u"29"_s;
    QTest::newRow("squares before roots") << u"V16²"_s << u"16"_s;
    QTest::newRow("a run of roots, innermost first") << u"VV81"_s << u"3"_s;
    QTest::newRow("divisions before multiplications, product first in the text")
        << u"2*3/4"_s << u"1.5"_s;
    QTest::newRow("power before product") << u"2°2*3"_s << u"12"_s;
    QTest::newRow("power after product sign") << u"3*2°2"_s << u"12"_s;
    QTest::newRow("product before sum") << u"2+3*4"_s << u"14"_s;
    QTest::newRow("negative first term") << u"-3+5"_s << u"2"_s;
    QTest::newRow("two minus signs make a plus") << u"3--2"_s << u"5"_s;
    QTest::newRow("plus minus is a minus") << u"3+-2"_s << u"1"_s;
    QTest::newRow("minus plus is a minus") << u"3-+2"_s << u"1"_s;
    QTest::newRow("three minus signs are a minus") << u"5---2"_s << u"3"_s;
    QTest::newRow("signs after a product sign give the operand its sign") << u"2*--3"_s << u"6"_s;
    QTest::newRow("a fraction to a fractional power") << u"2°0.5"_s << u"1.4142135623731"_s;
    QTest::newRow("minus before a fractional power") << u"-8°0.5"_s << u"-2.82842712474619"_s;
    QTest::newRow("a third") << u"1/3"_s << u"0.333333333333333"_s;
    QTest::newRow("two thirds round up") << u"2/3"_s << u"0.666666666666667"_s;
    QTest::newRow("three thirds") << u"1/3+1/3+1/3"_s << u"1"_s;
    QTest::newRow("two thirds times three") << u"2/3*3"_s << u"2"_s;
    QTest::newRow("no last-digit error through a chain") << u"0,017241*25/1,5"_s << u"0.28735"_s;
    QTest::newRow("an RC cut-off to its last digit")
        << u"1/(2*PI*1000*100E-9)"_s << u"1591.54943091895"_s;
    QTest::newRow("binary noise is rounded away") << u"0.1+0.2"_s << u"0.3"_s;
    QTest::newRow("exponent without sign is read whole") << u"1E3"_s << u"1000"_s;
    QTest::newRow("a typed exponent is one operand") << u"1E-6"_s << u"1E-06"_s;
    QTest::newRow("typed exponent times a million") << u"1E-6*1000000"_s << u"1"_s;
    QTest::newRow("typed exponent plus one") << u"2E3+1"_s << u"2001"_s;
    QTest::newRow("typed exponent with a comma") << u"2*1,5E-3"_s << u"0.003"_s;
    QTest::newRow("typed exponent in lower case") << u"2,2e3"_s << u"2200"_s;
    QTest::newRow("typed exponent with a plus sign") << u"1.5E+20"_s << u"1.5E+20"_s;
    QTest::newRow("the D form of an exponent") << u"1D3/4"_s << u"250"_s;
    QTest::newRow("Planck's constant keeps its digits")
        << u"6,62607015E-34*1E34"_s << u"6.62607015"_s;
    QTest::newRow("a tiny product comes back whole") << u"1E-40*1E40"_s << u"1"_s;
    QTest::newRow("an electron's mass keeps its digits")
        << u"9,1093837E-31"_s << u"9.1093837E-31"_s;
    QTest::newRow("no-break spaces group digits") << u"1\u00A0000,5+1\u202F000"_s << u"2000.5"_s;
    QTest::newRow("a negative group to a power") << u"(0-2)°3"_s << u"-8"_s;
    QTest::newRow("a group's power inside a group") << u"1+((0-2)°2)*3"_s << u"13"_s;
    QTest::newRow("a negative group after a product sign") << u"2*-(0-3)"_s << u"6"_s;
    QTest::newRow("a negative group after two minus signs") << u"5--(0-3)"_s << u"2"_s;
    QTest::newRow("a negative value squared in a product") << u"0,5*(100)*(-10)²"_s << u"5000"_s;
    QTest::newRow("a negative root of zero") << u"V-0"_s << u"0"_s;
    QTest::newRow("small result of a product is spliced back whole")
        << u"0.001*0.001"_s << u"1E-06"_s;
    QTest::newRow("small group result is spliced back whole") << u"(0.00001)*3"_s << u"3E-05"_s;
    QTest::newRow("large result is spliced back whole") << u"10°20*1,5"_s << u"1.5E+20"_s;
    QTest::newRow("large group result is divided whole") << u"(10°20)/10"_s << u"1E+19"_s;
    QTest::newRow("a product of 1E-30 survives")
        << u"0.0000000001*0.0000000001*0.0000000001"_s << u"1E-30"_s;
    QTest::newRow("below 1E-31 an operand keeps its digits")
        << u"0.0000000001*0.0000000001*0.0000000001*0.0000000001"_s << u"1E-40"_s;
    QTest::newRow("tab around an operator") << u"2\t+\t3"_s << u"5"_s;
    QTest::newRow("tab inside a product") << u"2*\t3"_s << u"6"_s;
    QTest::newRow("negative zero is zero") << u"-0"_s << u"0"_s;
    QTest::newRow("a number read at its 15 digits")
        << u"1.23456789012345678"_s << u"1.23456789012346"_s;
    QTest::newRow("square of a large number") << u"100000000²"_s << u"1E+16"_s;
    QTest::newRow("a root as an exponent") << u"2°V9"_s << u"8"_s;
    QTest::newRow("a negative root as an exponent") << u"2°-V9"_s << u"0.125"_s;
    QTest::newRow("a root of a group as an exponent") << u"2°V(4+5)*3"_s << u"24"_s;
    QTest::newRow("zero times a tiny value is zero") << u"0*1E-300*1E-300"_s << u"0"_s;
}

// Signed products and quotients: a computed negative value spliced after "*-", "/-" or "--"
// combines with the signs around it as arithmetic does.
void CalculeTest::signedProducts_data()
{
    addColumns();

    const struct
    {
        const char16_t *expression;
        const char16_t *expected;
    } rows[] = {
        {u"-2*-3*-4", u"-24"},
        {u"2*-3/-4", u"1.5"},
        {u"-2/-3/-4", u"-0.166666666666667"},
        {u"2--3*-4", u"-10"},
        {u"2--3/-4", u"1.25"},
        {u"2*-3/-V9", u"2"},
        {u"(2)*(-3)/((2)+(-3))", u"6"},
        {u"(1)*(-12)/(-4)", u"3"},
        {u"-(2)*-(3)*-(4)", u"-24"},
        {u"2°-1*-4", u"-2"},
        {u"-V4*-V9", u"6"},
        // What stays as documented.
        {u"-2²", u"4"},
        {u"3*-2²", u"-12"},
        {u"-2°2", u"-4"},
        {u"10+-2²", u"14"},
        {u"6/2(3)", u"9"},
        {u"1/2PI", u"1.5707963267949"},
    };

    for (const auto &row : rows) {
        const QString expression = QString::fromUtf16(row.expression);
        QTest::newRow(qPrintable(expression)) << expression << QString::fromUtf16(row.expected);
    }
}

void CalculeTest::signedProducts()
{
    checkValue();
}

// The technician's notation: prefixes, resistor codes, functions and other spellings. Each row is
// the value's number text, or "erreur : " and the reason.
void CalculeTest::notation_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("outcome");

    const struct
    {
        const char16_t *expression;
        const char16_t *outcome;
    } rows[] = {
        {u"4,7k", u"4700"},
        {u"100n", u"1E-07"},
        {u"2,2µ", u"2.2E-06"},
        {u"2,2μ+2,2u", u"4.4E-06"},
        {u"10m", u"0.01"},
        {u"1G", u"1000000000"},
        {u"3f*1T", u"0.003"},
        {u"4k7", u"4700"},
        {u"2R2", u"2.2"},
        {u"R47", u"0.47"},
        {u"1M5", u"1500000"},
        {u"4n7", u"4.7E-09"},
        {u"4µ7", u"4.7E-06"},
        {u"2K2", u"2200"},
        {u"2pi", u"6.28318530717959"},
        {u"2p", u"2E-12"},
        {u"2TAN(1)", u"3.1148154493098"},
        {u"2T", u"2000000000000"},
        {u"2*4k7-1k", u"8400"},
        {u"20*log(10)", u"20"},
        {u"exp(1)", u"2.71828182845905"},
        {u"sin(PI/6)", u"0.5"},
        {u"COS(0)+Acos(1)", u"1"},
        {u"atan(1)*4", u"3.14159265358979"},
        {u"asin(1)", u"1.5707963267949"},
        {u"sin(PI)+cos(PI/2)+tan(2PI)", u"0"},
        {u"1/sin(PI)", u"erreur : division par zéro"},
        {u"tan(PI/2)", u"erreur : hors du domaine de la fonction"},
        {u"sin(3,14159265358979)", u"3.23108914886517E-15"},
        {u"abs(0-3)", u"3"},
        {u"sqrt(2)", u"1.4142135623731"},
        {u"2ln(3)", u"2.19722457733622"},
        {u"-ln(exp(2))²", u"-4"},
        {u"2°log(100)", u"4"},
        {u"2^3", u"8"},
        {u"6×7÷2", u"21"},
        {u"5−2", u"3"},
        {u"4,7k7", u"erreur : nombre mal formé « 4,7k7 »"},
        {u"4k7,5", u"erreur : nombre mal formé « 4k7,5 »"},
        {u"4kk", u"erreur : nombre mal formé « 4kk »"},
        {u"1kM", u"erreur : nombre mal formé « 1kM »"},
        {u"1E3k", u"erreur : nombre mal formé « 1E3k »"},
        {u"100nF", u"erreur : caractère inconnu « F »"},
        {u"k", u"erreur : caractère inconnu « k »"},
        {u"*k5", u"erreur : caractère inconnu « k »"},
        {u"2R", u"erreur : caractère inconnu « R »"},
        {u"ln(0)", u"erreur : logarithme d'un nombre négatif ou nul"},
        {u"ln(0-1)", u"erreur : logarithme d'un nombre négatif ou nul"},
        {u"log(0)", u"erreur : logarithme d'un nombre négatif ou nul"},
        {u"asin(2)", u"erreur : hors du domaine de la fonction"},
        {u"sqrt(0-1)", u"erreur : racine carrée d'un nombre négatif"},
        {u"exp(1000)", u"erreur : dépassement de capacité"},
        {u"exp(0-1000)", u"erreur : valeur trop petite"},
        {u"sinh(1)", u"erreur : fonction inconnue « sinh »"},
        {u"sin 30", u"erreur : caractère inconnu « s »"},
        {u"sin()", u"0"},
        {u"ln(2", u"erreur : parenthèse non fermée"},
    };

    for (const auto &row : rows) {
        const QString expression = QString::fromUtf16(row.expression);
        QTest::newRow(qPrintable(expression)) << expression << QString::fromUtf16(row.outcome);
    }
}

void CalculeTest::notation()
{
    QFETCH(QString, expression);
    QFETCH(QString, outcome);
    try {
        QCOMPARE(numberText(Calcule(expression)), outcome);
    } catch (const EvalError &error) {
        QCOMPARE(u"erreur : "_s + error.reason(), outcome);
    }
}

void CalculeTest::derivedCases()
{
    checkValue();
}

void CalculeTest::failures_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<EvalFailure>("failure");

    QTest::newRow("unclosed parenthesis after an operator")
        << u"2 * (3"_s << EvalFailure::UnclosedParenthesis;
    QTest::newRow("parenthesis alone") << u"("_s << EvalFailure::UnclosedParenthesis;
    QTest::newRow("outer parenthesis left open") << u"((1)"_s << EvalFailure::UnclosedParenthesis;
    QTest::newRow("closing before opening") << u")("_s << EvalFailure::UnopenedParenthesis;
    QTest::newRow("open parenthesis checked before the division inside")
        << u"(1/0"_s << EvalFailure::UnclosedParenthesis;
    QTest::newRow("division by a group that is 0") << u"3/(1-1)"_s << EvalFailure::DivisionByZero;
    QTest::newRow("division by 0") << u"1/0"_s << EvalFailure::DivisionByZero;
    QTest::newRow("failure inside a group ends the evaluation")
        << u"2+(1/0)"_s << EvalFailure::DivisionByZero;
    QTest::newRow("zero to a negative power") << u"0°-1"_s << EvalFailure::ZeroToNegativePower;
    QTest::newRow("zero to a negative group") << u"0°(0-2)"_s << EvalFailure::ZeroToNegativePower;
    QTest::newRow("power beyond the range") << u"10°400"_s << EvalFailure::Overflow;
    QTest::newRow("number read beyond the range") << u"1E400"_s << EvalFailure::Overflow;
    QTest::newRow("number read beyond the range in an operand")
        << u"2*1E400"_s << EvalFailure::Overflow;
    QTest::newRow("product beyond the range") << u"1E308*10"_s << EvalFailure::Overflow;
    QTest::newRow("quotient beyond the range")
        << u"1E300/0.000000000000000000001"_s << EvalFailure::Overflow;
    QTest::newRow("square beyond the range") << u"(1E200)²"_s << EvalFailure::Overflow;
    QTest::newRow("sum beyond the range") << u"1E308+1E308"_s << EvalFailure::Overflow;
    QTest::newRow("largest double rounds beyond the range")
        << u"1.7976931348623157E308"_s << EvalFailure::Overflow;
    QTest::newRow("product below the smallest double")
        << u"1E-200*1E-200*1E300"_s << EvalFailure::Underflow;
    QTest::newRow("product that loses digits")
        << u"1E-160*1E-160*1E300"_s << EvalFailure::Underflow;
    QTest::newRow("typed number below the smallest normal double")
        << u"1E-320"_s << EvalFailure::Underflow;
    QTest::newRow("quotient below the range") << u"1E-300/1E300"_s << EvalFailure::Underflow;
    QTest::newRow("power below the range") << u"10°-400"_s << EvalFailure::Underflow;
    QTest::newRow("square below the range") << u"(1E-200)²"_s << EvalFailure::Underflow;
}

// Every input the engine cannot read as written, refused with the part at fault.
void CalculeTest::refusals_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("reason");
    const QString missingOperand = u"opérande manquant"_s;
    const QString chained = u"puissances enchaînées : ajoutez des parenthèses"_s;
    const QString negativeRoot = u"racine carrée d'un nombre négatif"_s;

    const struct
    {
        const char16_t *expression;
        QString reason;
    } rows[] = {
        {u"abc", u"caractère inconnu « a »"_s},
        {u"12 kHz", u"caractère inconnu « H »"_s},
        {u"12 Ω", u"caractère inconnu « Ω »"_s},
        {u"1,7241E-08 ohm·m", u"caractère inconnu « o »"_s},
        {u"2E", u"caractère inconnu « E »"_s},
        {u"2,5,3", u"nombre mal formé « 2,5,3 »"_s},
        {u"1.2.3", u"nombre mal formé « 1.2.3 »"_s},
        {u"1,5.2", u"nombre mal formé « 1,5.2 »"_s},
        {u"1E3.5", u"nombre mal formé « 1E3.5 »"_s},
        {u"2+,", u"nombre mal formé « , »"_s},
        {u"5*", missingOperand},
        {u"*5", missingOperand},
        {u"2°", missingOperand},
        {u"²", missingOperand},
        {u"V", missingOperand},
        {u"12 V", missingOperand},
        {u"5+", missingOperand},
        {u"2**3", missingOperand},
        {u"(5-)", missingOperand},
        {u"(/2)", missingOperand},
        {u"V-4", negativeRoot},
        {u"V(0-4)", negativeRoot},
        {u"2*V-9", negativeRoot},
        {u"2°3°2", chained},
        {u"2°3²", chained},
        {u"2²°3", chained},
        {u"2²²", chained},
        {u"2°(3)²", chained},
        {u"(2)3", u"opérateur manquant après « ) »"_s},
        {u"pi2", u"opérateur manquant après « pi »"_s},
        {u"PIPI", u"opérateur manquant après « PI »"_s},
        {u"3²2", u"opérateur manquant après « ² »"_s},
        {u"3²(2)", u"opérateur manquant après « ² »"_s},
        {u"3²V4", u"opérateur manquant après « ² »"_s},
        {u"2)+1", u"parenthèse fermante sans parenthèse ouvrante"_s},
        {u"(0-8)°0,5", u"puissance non entière d'un nombre négatif"_s},
    };

    for (const auto &row : rows)
        QTest::newRow(qPrintable(QString::fromUtf16(row.expression)))
            << QString::fromUtf16(row.expression) << row.reason;
    QTest::newRow("too long") << u"1+"_s.repeated(50'000) + u'1' << u"expression trop longue"_s;
}

namespace {

// The error with which the evaluation of the expression ends, or none when it gives a value.
std::optional<EvalError> errorOf(const QString &expression)
{
    try {
        Calcule(expression);
    } catch (const EvalError &error) {
        return error;
    }
    return std::nullopt;
}

} // namespace

void CalculeTest::refusals()
{
    QFETCH(QString, expression);
    QFETCH(QString, reason);
    const std::optional<EvalError> error = errorOf(expression);
    QVERIFY2(error, "evaluated to a value");
    QCOMPARE(error->reason(), reason);
    QCOMPARE(QString::fromUtf8(error->what()), reason);
}

void CalculeTest::failures()
{
    QFETCH(QString, expression);
    QFETCH(EvalFailure, failure);
    const std::optional<EvalError> error = errorOf(expression);
    QVERIFY2(error, "evaluated to a value");
    QCOMPARE(error->failure(), failure);
}

void CalculeTest::frenchReasons_data()
{
    QTest::addColumn<EvalFailure>("failure");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unclosed parenthesis")
        << EvalFailure::UnclosedParenthesis << u"parenthèse non fermée"_s;
    QTest::newRow("division by zero") << EvalFailure::DivisionByZero << u"division par zéro"_s;
    QTest::newRow("overflow") << EvalFailure::Overflow << u"dépassement de capacité"_s;
    QTest::newRow("zero to a negative power")
        << EvalFailure::ZeroToNegativePower << u"zéro élevé à une puissance négative"_s;
}

void CalculeTest::frenchReasons()
{
    QFETCH(EvalFailure, failure);
    QFETCH(QString, reason);
    QCOMPARE(frenchReason(failure), reason);
    QCOMPARE(QString::fromUtf8(EvalError(failure).what()), reason);
}

QTEST_GUILESS_MAIN(CalculeTest)
#include "test_calcule.moc"
