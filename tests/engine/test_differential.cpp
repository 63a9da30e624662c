// The engine against an independent calculator on generated expressions. By default a bounded set
// (every expression of three operands and two operators on 2, 3 and 4, and a random stream);
// ZORV_DIFFERENTIAL=long takes every triple of 0,5 2 3 4 and a longer stream (scripts/differential).
// ZORV_DIFFERENTIAL_SEED and ZORV_DIFFERENTIAL_COUNT choose the stream, ZORV_DIFFERENTIAL_SHOW how
// many disagreements are listed.

#include "engine/core/calcule.h"
#include "engine/expression_generator.h"
#include "engine/reference_calculator.h"

#include <QElapsedTimer>
#include <QMap>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;
using namespace zorv;
using namespace zorv::test;

namespace {

int setting(const char *name, int otherwise)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : otherwise;
}

bool longRun()
{
    return qEnvironmentVariable("ZORV_DIFFERENTIAL") == u"long"_s;
}

// Relative 1E-12; where the terms of a sum cancel, their rounding noise is no disagreement.
bool sameValue(double engine, long double reference, long double termScale)
{
    const long double difference = std::fabs(engine - reference);
    return difference <= 1e-12L * std::max<long double>(std::fabs(engine), std::fabs(reference))
           || difference <= 1e-12L * termScale;
}

bool insideDoubles(long double value)
{
    const long double magnitude = std::fabs(value);
    return magnitude == 0 || (magnitude >= DBL_MIN && magnitude <= DBL_MAX);
}

// Why an expression that qalc computes may be refused. Numbers and the four operations must be
// computed unless the range of a double is left, which only numbers beyond 1E±100 can do in these
// few operations. Beyond them: a root or a power of a negative value, a logarithm of one that is
// not positive and a function outside its domain (which qalc takes through complex numbers),
// powers chained without parentheses, and any range. A text the generator wrote
// is well formed, so a refusal of its form is a fault.
bool acceptedRefusal(const GeneratedExpression &expression,
                     engine::EvalFailure failure,
                     long double reference)
{
    using engine::EvalFailure;
    const bool range = failure == EvalFailure::Overflow || failure == EvalFailure::Underflow;
    if (expression.arithmetic)
        return range && (expression.extreme || !insideDoubles(reference));
    return range || failure == EvalFailure::NegativeRoot || failure == EvalFailure::NegativeBase
           || failure == EvalFailure::NonPositiveLogarithm || failure == EvalFailure::OutOfDomain
           || failure == EvalFailure::ChainedPowers;
}

QString referenceText(long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.20Lg", value);
    return QString::fromLatin1(text);
}

} // namespace

class DifferentialTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheReferenceOutput_data();
    void readsTheReferenceOutput();
    void engineAgreesWithTheReference();
};

void DifferentialTest::readsTheReferenceOutput_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("real");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << u"3"_s << true << 3.0;
    QTest::newRow("its minus sign") << u"\u22124"_s << true << -4.0;
    QTest::newRow("exponent") << u"1.4142135623730950488E-200"_s << true
                              << 1.4142135623730950488e-200;
    QTest::newRow("beyond doubles") << u"1E-400"_s << true << 0.0;
    QTest::newRow("long integer") << u"150000000000000000000"_s << true << 1.5e20;
    QTest::newRow("division by zero") << u"1/0"_s << false << 0.0;
    QTest::newRow("imaginary") << u"1.4142135623730950488i"_s << false << 0.0;
    QTest::newRow("complex") << u"1 + 1.7320508075688772935i"_s << false << 0.0;
    QTest::newRow("infinity") << u"infinity"_s << false << 0.0;
    QTest::newRow("vector") << u"[1  5]"_s << false << 0.0;
    QTest::newRow("nothing") << QString() << false << 0.0;
}

void DifferentialTest::readsTheReferenceOutput()
{
    QFETCH(QString, line);
    QFETCH(bool, real);
    QFETCH(double, value);
    const std::optional<long double> read = readReferenceLine(line);
    QCOMPARE(read.has_value(), real);
    if (real && value != 0)
        QCOMPARE(double(*read), value);
}

void DifferentialTest::engineAgreesWithTheReference()
{
    if (referenceCalculator().isEmpty())
        QSKIP("qalc is not installed (scripts/deps --differential installs it): "
              "the engine is not compared with it");
    QElapsedTimer timer;
    timer.start();

    const bool isLong = longRun();
    const auto seed = std::uint32_t(setting("ZORV_DIFFERENTIAL_SEED", 1));
    QList<GeneratedExpression> expressions = operatorGrid(
        isLong ? everyTriple({u"0,5"_s, u"2"_s, u"3"_s, u"4"_s})
               : QList<QStringList>{{u"2"_s, u"3"_s, u"4"_s}});
    expressions += randomExpressions(seed,
                                     setting("ZORV_DIFFERENTIAL_COUNT", isLong ? 100'000 : 3000));

    // The reference first checked on values known to 20 digits: a reference rounding to fewer
    // digits, or reading a product or a power differently, would make the comparison worthless.
    const QList<std::pair<QString, long double>> known{
        {u"(sqrt(2))"_s, 1.41421356237309504880L},
        {u"((1)/(3)*(3))"_s, 1.0L},
        {u"((2)*(-(3))/(-(4)))"_s, 1.5L},
        {u"(-((2)^(2)))"_s, -4.0L},
        {u"((1E-200)*(1E-200)*(1E300))"_s, 1e-100L},
    };
    QStringList references;
    for (const auto &[reference, value] : known)
        references.append(reference);
    for (const GeneratedExpression &expression : std::as_const(expressions))
        references.append(expression.reference);
    QString error;
    const std::optional<QList<std::optional<long double>>> values = referenceValues(references,
                                                                                    error);
    QVERIFY2(values, qPrintable(error));
    for (qsizetype i = 0; i < known.size(); ++i) {
        QVERIFY2((*values)[i]
                     && std::fabs(*(*values)[i] - known[i].second)
                            <= 1e-19L * std::fabs(known[i].second),
                 qPrintable(known[i].first));
    }

    qsizetype equal = 0;
    qsizetype refused = 0;
    qsizetype unreal = 0;
    QStringList disagreements;
    QMap<QString, int> reasons; // of the refusals where qalc gives a value
    for (qsizetype i = 0; i < expressions.size(); ++i) {
        const GeneratedExpression &expression = expressions[i];
        const std::optional<long double> reference = (*values)[known.size() + i];
        std::optional<double> value;
        std::optional<engine::EvalError> failure;
        try {
            value = engine::Calcule(expression.engine);
        } catch (const engine::EvalError &caught) {
            failure = caught;
        }
        QString fault;
        if (!reference) {
            ++unreal;
            if (value)
                fault = u"gives %1 where qalc gives no real number"_s.arg(*value, 0, 'g', 17);
        } else if (value) {
            if (sameValue(*value, *reference, expression.termScale))
                ++equal;
            else
                fault
                    = u"gives %1, qalc %2"_s.arg(*value, 0, 'g', 17).arg(referenceText(*reference));
        } else {
            ++refused;
            ++reasons[engine::frenchReason(failure->failure())];
            if (!acceptedRefusal(expression, failure->failure(), *reference))
                fault = u"refused (%1), qalc %2"_s.arg(failure->reason(), referenceText(*reference));
        }
        if (!fault.isEmpty())
            disagreements.append(expression.engine + u"  →  "_s + fault + u"   ["_s
                                 + expression.reference + u']');
    }

    qInfo().noquote() << u"%1 expressions: %2 equal, %3 refused, %4 without a real value in qalc, "
                         "%5 disagreements; %6 s"_s.arg(expressions.size())
                             .arg(equal)
                             .arg(refused)
                             .arg(unreal)
                             .arg(disagreements.size())
                             .arg(double(timer.elapsed()) / 1000, 0, 'f', 1);
    for (auto reason = reasons.cbegin(); reason != reasons.cend(); ++reason)
        qInfo().noquote()
            << u"  refused, qalc computes: %1 × %2"_s.arg(reason.value()).arg(reason.key());
    const int shown = setting("ZORV_DIFFERENTIAL_SHOW", 40);
    for (const QString &line : disagreements.mid(0, shown))
        qInfo().noquote() << line;
    QVERIFY2(disagreements.isEmpty(),
             qPrintable(u"%1 of %2 expressions disagree"_s.arg(disagreements.size())
                            .arg(expressions.size())));
}

QTEST_GUILESS_MAIN(DifferentialTest)
#include "test_differential.moc"
