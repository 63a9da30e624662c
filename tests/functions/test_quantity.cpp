#include "engine/core/calcule.h"
#include "engine/core/number_text.h"
#include "functions/core/function_evaluation.h"
#include "functions/core/picked_function.h"
#include "functions/core/quantity.h"
#include "functions/core/unit.h"
#include "support/temp_app_dir.h"

#include <QRegularExpression>
#include <QTest>

using namespace zorv;
using namespace zorv::functions;
using namespace Qt::StringLiterals;

namespace {

// The engine reads "4k7" once numbers may carry a prefix; rows that need it say so.
bool engineReadsPrefixes()
{
    try {
        return engine::Calcule(u"4k7"_s) == 4700;
    } catch (const engine::EvalError &) {
        return false;
    }
}

} // namespace

class QuantityTest : public QObject
{
    Q_OBJECT

private slots:
    void boxReading_data();
    void boxReading();
    void engineeringForm_data();
    void engineeringForm();
    void engineeringFormRoundTrips();
    void readmeTableReadsAsWritten();
};

void QuantityTest::boxReading_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("expected"); // the value in the declared unit, or the message
    QTest::addColumn<bool>("needsPrefixes");

    auto row = [](const char *name,
                  const QString &typed,
                  const QString &unit,
                  const QString &expected,
                  bool needsPrefixes = false) {
        QTest::newRow(name) << typed << unit << expected << needsPrefixes;
    };
    const QString none = u"la fonction ne déclare pas l'unité de cette donnée"_s;
    row("bare number in the declared unit", u"100"_s, u"nF"_s, u"100"_s);
    row("declared unit typed", u"100 nF"_s, u"nF"_s, u"100"_s);
    row("another prefix, no blank", u"0,1µF"_s, u"nF"_s, u"100"_s);
    row("greek mu", u"0,1μF"_s, u"nF"_s, u"100"_s);
    row("unprefixed unit, exponent", u"1E-7 F"_s, u"nF"_s, u"100"_s);
    row("prefixed unit in an SI box", u"100 nF"_s, u"F"_s, u"1E-07"_s);
    row("metres: unit read before prefix", u"25 m"_s, u"m"_s, u"25"_s);
    row("millimetres in metres", u"25 mm"_s, u"m"_s, u"0.025"_s);
    row("metres glued", u"25m"_s, u"m"_s, u"25"_s);
    row("omega", u"4,7 kΩ"_s, u"ohm"_s, u"4700"_s);
    row("ohm sign", u"4,7 k\u2126"_s, u"ohm"_s, u"4700"_s);
    row("ohm written", u"4,7 kohm"_s, u"kohm"_s, u"4.7"_s);
    row("ohms in a box in kohm", u"4700 ohm"_s, u"kohm"_s, u"4.7"_s);
    row("code letter R as unit", u"100R"_s, u"ohm"_s, u"100"_s);
    row("milliamperes", u"10 mA"_s, u"A"_s, u"0.01"_s);
    row("kilohertz", u"12 kHz"_s, u"Hz"_s, u"12000"_s);
    row("unit that takes no prefix", u"1,5 mm²"_s, u"mm²"_s, u"1.5"_s);
    row("degrees", u"20 °C"_s, u"°C"_s, u"20"_s);
    row("expression with a unit", u"(1+2) V"_s, u"V"_s, u"3"_s);
    row("no unit declared, plain sum", u"1+2"_s, QString(), u"3"_s);
    row("bare value, box in kohm", u"4,7"_s, u"kohm"_s, u"4.7"_s);

    row("another unit",
        u"100 mH"_s,
        u"F"_s,
        u"La donnée 1) « 100 mH » : unité « H » au lieu de « F »."_s);
    row("metres in a box in amperes",
        u"5 m"_s,
        u"A"_s,
        u"La donnée 1) « 5 m » : unité « m » au lieu de « A »."_s);
    row("ohms in a box in volts",
        u"4,7 kΩ"_s,
        u"V"_s,
        u"La donnée 1) « 4,7 kΩ » : unité « Ω » au lieu de « V »."_s);
    row("square metres for mm²",
        u"1,5 m²"_s,
        u"mm²"_s,
        u"La donnée 1) « 1,5 m² » : unité « m² » au lieu de « mm² »."_s);
    row("unit without a declared unit",
        u"5 V"_s,
        QString(),
        u"La donnée 1) « 5 V » : "_s + none + u'.');
    row("code without a declared unit",
        u"4k7"_s,
        QString(),
        u"La donnée 1) « 4k7 » : "_s + none + u'.');
    row("prefix without a declared unit",
        u"10m"_s,
        QString(),
        u"La donnée 1) « 10m » : "_s + none + u'.');
    row("unit without a value",
        u"nF"_s,
        u"nF"_s,
        u"La donnée 1) « nF » : valeur manquante avant l'unité « nF »."_s);
    row("prefixed and bare numbers in kohm",
        u"1k+2"_s,
        u"kohm"_s,
        u"La donnée 1) « 1k+2 » : nombres avec et sans préfixe mêlés : ambigu dans une donnée "
        u"en « kΩ »."_s);
    row("two prefixes",
        u"2k kΩ"_s,
        u"ohm"_s,
        u"La donnée 1) « 2k kΩ » : un préfixe dans la valeur et un autre dans l'unité."_s);

    row("code in kohm", u"4k7"_s, u"kohm"_s, u"4.7"_s, true);
    row("prefixed sum in kohm", u"1k+2k"_s, u"kohm"_s, u"3"_s, true);
    row("prefix in nF", u"100n"_s, u"nF"_s, u"100"_s, true);
    row("code in ohms", u"4k7"_s, u"ohm"_s, u"4700"_s, true);
    row("milli glued in amperes", u"10m"_s, u"A"_s, u"0.01"_s, true);
    row("product with a code in ohms", u"2*4k7"_s, u"ohm"_s, u"9400"_s, true);
    row("mixed sum in ohms is not ambiguous", u"1k+2"_s, u"ohm"_s, u"1002"_s, true);
    row("code R in kohm", u"R47"_s, u"kohm"_s, u"0.00047"_s, true);
}

void QuantityTest::boxReading()
{
    QFETCH(QString, typed);
    QFETCH(QString, unit);
    QFETCH(QString, expected);
    QFETCH(bool, needsPrefixes);
    if (needsPrefixes && !engineReadsPrefixes())
        QSKIP("the engine does not read prefixes yet");
    PickedFunction function;
    function.file = u"f.zvfc"_s;
    function.formula = u"d1"_s;
    function.units.inputs[0] = unit;
    const FunctionEvaluation evaluation = evaluateFunction(function, {typed});
    QCOMPARE(evaluation.ok() ? engine::numberText(evaluation.value) : evaluation.reason, expected);
    if (!evaluation.ok())
        QCOMPARE(evaluation.box, 1);
}

void QuantityTest::engineeringForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("expected");

    QTest::newRow("kilohertz") << 1591.54943091895 << u"Hz"_s << u"1.592 kHz"_s;
    QTest::newRow("megahertz") << 5032921.2104487 << u"Hz"_s << u"5.033 MHz"_s;
    QTest::newRow("ohms") << 150.0 << u"ohm"_s << u"150 Ω"_s;
    QTest::newRow("volts") << 3.8372 << u"V"_s << u"3.837 V"_s;
    QTest::newRow("rounding reaches the next prefix") << 999.96 << u"Hz"_s << u"1 kHz"_s;
    QTest::newRow("rounding stays below it") << 999.94 << u"Hz"_s << u"999.9 Hz"_s;
    QTest::newRow("declared with a prefix") << 4.7 << u"kohm"_s << u"4.7 kΩ"_s;
    QTest::newRow("declared prefix left") << 0.0047 << u"kohm"_s << u"4.7 Ω"_s;
    QTest::newRow("nanofarads") << 1E-7 << u"F"_s << u"100 nF"_s;
    QTest::newRow("micro written u") << 2.2 << u"uF"_s << u"2.2 µF"_s;
    QTest::newRow("negative") << -2200.0 << u"ohm"_s << u"-2.2 kΩ"_s;
    QTest::newRow("zero") << 0.0 << u"V"_s << u"0 V"_s;
    QTest::newRow("milliamperes up to amperes") << 1500.0 << u"mA"_s << u"1.5 A"_s;
    QTest::newRow("percent takes no prefix") << 12.3456 << u"%"_s << u"12.35 %"_s;
    QTest::newRow("decibels take no prefix") << -3010.3 << u"dB"_s << u"-3010 dB"_s;
    QTest::newRow("degrees take no prefix") << 1234.56 << u"°C"_s << u"1235 °C"_s;
    QTest::newRow("compound unit") << 0.0172 << u"ohm·mm²/m"_s << u"0.0172 Ω·mm²/m"_s;
    QTest::newRow("section") << 1.5 << u"mm²"_s << u"1.5 mm²"_s;
    QTest::newRow("below the prefixes") << 2.5E-20 << u"F"_s << u"2.5E-20 F"_s;
    QTest::newRow("no unit") << 0.123456 << QString() << u"0.1235"_s;
}

void QuantityTest::engineeringForm()
{
    QFETCH(double, value);
    QFETCH(QString, unit);
    QFETCH(QString, expected);
    QCOMPARE(engineeringText(value, parseUnit(unit)), expected);
}

// The engineering form reads back, in a box of any prefix of its unit, as the value at 4 digits:
// what "Copier avec l'unité" pastes is what was shown.
void QuantityTest::engineeringFormRoundTrips()
{
    const QStringList units{u"Hz"_s, u"kHz"_s, u"ohm"_s, u"kohm"_s, u"nF"_s, u"F"_s, u"mA"_s};
    for (const QString &declared : units) {
        const Unit unit = parseUnit(declared);
        for (double value = 1.234E-13; value < 1E13; value *= 7.31) {
            const QString shown = userEngineeringText(value, unit, QLocale(QLocale::French));
            for (const QString &box : units) {
                if (parseUnit(box).base != unit.base)
                    continue;
                PickedFunction function;
                function.file = u"f.zvfc"_s;
                function.formula = u"d1"_s;
                function.units.inputs[0] = box;
                const FunctionEvaluation read = evaluateFunction(function, {shown});
                QVERIFY2(read.ok(), qPrintable(shown + u" in "_s + box + u": "_s + read.reason));
                const double expected
                    = QString::number(value * std::pow(10.0, unit.exponent), 'e', 3).toDouble()
                      / std::pow(10.0, parseUnit(box).exponent);
                QVERIFY2(qAbs(read.value - expected) <= 1E-12 * qAbs(expected),
                         qPrintable(shown + u" in "_s + box));
            }
        }
    }
}

// README's table of what a box reads: "| `4k7` | kohm | 4,7 kΩ |", or "refusé : reason".
void QuantityTest::readmeTableReadsAsWritten()
{
    const QStringList lines
        = QString::fromUtf8(test::readFile(test::shippedDataPath(u"../README.md"_s))).split(u'\n');
    qsizetype i = lines.indexOf(u"| typed | declared unit | the box reads |"_s);
    QVERIFY(i >= 0);
    static const QRegularExpression row(u"^\\| `([^`]+)` \\| ([^|]*) \\| ([^|]+) \\|$"_s);
    int rows = 0;
    for (i += 2; i < lines.size() && lines.at(i).startsWith(u'|'); ++i, ++rows) {
        const QRegularExpressionMatch match = row.match(lines.at(i));
        QVERIFY2(match.hasMatch(), qPrintable(lines.at(i)));
        const QString typed = match.captured(1);
        const QString declared = match.captured(2) == u"(none)" ? QString() : match.captured(2);
        if (!engineReadsPrefixes() && countPrefixes(typed).prefixed > 0 && !declared.isEmpty())
            continue; // read by the engine once it reads prefixes
        PickedFunction function;
        function.file = u"f.zvfc"_s;
        function.formula = u"d1"_s;
        function.units.inputs[0] = declared;
        const FunctionEvaluation read = evaluateFunction(function, {typed});
        const QString head = u"La donnée 1) « "_s + typed + u" » : "_s;
        const QString got = read.ok() ? engine::userNumberText(read.value, QLocale(QLocale::French))
                                            + u' ' + shownUnit(declared)
                                      : u"refusé : "_s + read.reason.mid(head.size()).chopped(1);
        QCOMPARE(got, match.captured(3));
    }
    QVERIFY(rows >= 10);
}

QTEST_MAIN(QuantityTest)
#include "test_quantity.moc"
