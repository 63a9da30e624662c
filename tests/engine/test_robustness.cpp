#include "engine/core/calcule.h"
#include "engine/core/number_reading.h"
#include "engine/core/number_text.h"
#include "engine/exact_compare.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace zorv::engine;

namespace {

// The longest input the engine is meant for.
constexpr int MaxLength = 10000;

QString repeated(const QString &piece, int times)
{
    return piece.repeated(times);
}

// What the evaluation of an expression gives: its number text, or "erreur: " and the reason (as
// the command-line evaluator prints it).
QString outcome(const QString &expression)
{
    try {
        return numberText(Calcule(expression));
    } catch (const EvalError &error) {
        return u"erreur: "_s + error.reason();
    }
}

QString failureText(EvalFailure failure, const QString &detail = {})
{
    return u"erreur: "_s + frenchReason(failure, detail);
}

QString randomText(QRandomGenerator &random, const QString &kind, int length)
{
    static const QStringList pieces = {u"0"_s, u"1"_s, u"2"_s, u"5"_s, u"9"_s,  u"."_s, u","_s,
                                       u" "_s, u"+"_s, u"-"_s, u"*"_s, u"/"_s,  u"V"_s, u"v"_s,
                                       u"²"_s, u"°"_s, u"("_s, u")"_s, u"PI"_s, u"E"_s, u"x"_s};
    QString text;
    text.reserve(length + 2);
    while (text.size() < length) {
        if (kind == u"grammar")
            text.append(pieces[random.bounded(int(pieces.size()))]);
        else if (kind == u"bytes")
            text.append(QChar(char16_t(random.bounded(256))));
        else
            text.append(QChar(char16_t(random.bounded(0x10000))));
    }
    return text.left(length);
}

} // namespace

class RobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    void longInputs_data();
    void longInputs();
    void randomInputs_data();
    void randomInputs();
};

void RobustnessTest::longInputs_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("expected");

    QTest::newRow("deep nesting") << (repeated(u"("_s, 4999) + u'1' + repeated(u")"_s, 4999))
                                  << u"1"_s;
    QTest::newRow("deep nesting of sums")
        << (repeated(u"(1+"_s, 2499) + u'1' + repeated(u")"_s, 2499)) << u"2500"_s;
    QTest::newRow("deep nesting of products")
        << (repeated(u"1*("_s, 2499) + u'1' + repeated(u")"_s, 2499)) << u"1"_s;
    QTest::newRow("groups side by side") << repeated(u"(1)"_s, 3333) << u"1"_s;
    QTest::newRow("empty groups side by side") << repeated(u"()"_s, 5000) << u"0"_s;
    QTest::newRow("opening parentheses only")
        << repeated(u"("_s, MaxLength) << failureText(EvalFailure::UnclosedParenthesis);
    QTest::newRow("closing parentheses only")
        << repeated(u")"_s, MaxLength) << failureText(EvalFailure::UnopenedParenthesis);
    QTest::newRow("long sum") << (repeated(u"1+"_s, 4999) + u'1') << u"5000"_s;
    QTest::newRow("long difference") << (repeated(u"1-"_s, 4999) + u'1') << u"-4998"_s;
    QTest::newRow("long product of ones") << (repeated(u"1*"_s, 4999) + u'1') << u"1"_s;
    QTest::newRow("long product of twos")
        << (repeated(u"2*"_s, 4999) + u'2') << failureText(EvalFailure::Overflow);
    QTest::newRow("long chain of divisions") << (repeated(u"1/"_s, 4999) + u'1') << u"1"_s;
    QTest::newRow("long chain of powers")
        << (repeated(u"2°"_s, 4999) + u'2') << failureText(EvalFailure::ChainedPowers);
    QTest::newRow("long chain of squares")
        << (u'2' + repeated(u"²"_s, 9999)) << failureText(EvalFailure::ChainedPowers);
    QTest::newRow("long chain of roots") << (repeated(u"V"_s, 9999) + u'4') << u"1"_s;
    QTest::newRow("long run of minus signs") << (repeated(u"-"_s, 9999) + u'1') << u"-1"_s;
    QTest::newRow("long run of plus signs") << (repeated(u"+"_s, 9999) + u'1') << u"1"_s;
    QTest::newRow("long run of digits")
        << repeated(u"9"_s, MaxLength) << failureText(EvalFailure::Overflow);
    QTest::newRow("long fraction")
        << (u"0."_s + repeated(u"0"_s, 9997) + u'1') << failureText(EvalFailure::Underflow);
    QTest::newRow("long run of points")
        << repeated(u"1."_s, 5000)
        << failureText(EvalFailure::MalformedNumber, repeated(u"1."_s, 5000));
    QTest::newRow("long run of pi")
        << repeated(u"PI"_s, 5000) << failureText(EvalFailure::MissingOperator, u"PI"_s);
    QTest::newRow("long run of products with pi")
        << repeated(u"2PI"_s, 3333) << failureText(EvalFailure::MissingOperator, u"PI"_s);
    QTest::newRow("long product with pi")
        << (repeated(u"2PI*"_s, 2499) + u'2') << failureText(EvalFailure::Overflow);
    QTest::newRow("long run of commas")
        << repeated(u","_s, MaxLength)
        << failureText(EvalFailure::MalformedNumber, repeated(u","_s, MaxLength));
    QTest::newRow("long run of spaces") << repeated(u" "_s, MaxLength) << u"0"_s;
    QTest::newRow("long run of power signs")
        << repeated(u"°"_s, MaxLength) << failureText(EvalFailure::MissingOperand);
    QTest::newRow("long run of division signs")
        << repeated(u"/"_s, MaxLength) << failureText(EvalFailure::MissingOperand);
    QTest::newRow("long run of exponent forms")
        << repeated(u"1E9"_s, 3333) << failureText(EvalFailure::UnknownCharacter, u"E"_s);
    QTest::newRow("long product of exponent forms")
        << (repeated(u"1E9*"_s, 33) + u"1E-297"_s) << u"1"_s;
    QTest::newRow("many large results spliced as long texts")
        << (repeated(u"(9°300)+"_s, 1249) + u"(9°300)"_s) << u"2.34240962985601E+289"_s;
    QTest::newRow("many tiny results spliced as long texts")
        << (repeated(u"(1/9°300)+"_s, 999) + u"(1/9°300)"_s) << u"5.33638516537718E-284"_s;
}

void RobustnessTest::longInputs()
{
    QFETCH(QString, expression);
    QFETCH(QString, expected);
    QVERIFY(expression.size() <= MaxLength);
    QCOMPARE(outcome(expression), expected);
}

void RobustnessTest::randomInputs_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<quint32>("seed");
    for (const QString &kind : {u"grammar"_s, u"bytes"_s, u"characters"_s}) {
        for (quint32 seed = 1; seed <= 4; ++seed)
            QTest::addRow("%s, seed %u", qPrintable(kind), seed) << kind << seed;
    }
}

// Whatever the text, the evaluation ends with a finite value rounded to 15 digits or with an
// evaluation error.
void RobustnessTest::randomInputs()
{
    QFETCH(QString, kind);
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    for (int n = 0; n < 40; ++n) {
        const int length = n == 0 ? MaxLength : random.bounded(1, MaxLength + 1);
        const QString expression = randomText(random, kind, length);
        try {
            const double value = Calcule(expression);
            QVERIFY(std::isfinite(value));
            ZORV_COMPARE_EXACTLY(normaliseOperand(value), value);
            ZORV_COMPARE_EXACTLY(readNumber(numberText(value)), value);
        } catch (const EvalError &) {
        }
    }
}

QTEST_GUILESS_MAIN(RobustnessTest)
#include "test_robustness.moc"
