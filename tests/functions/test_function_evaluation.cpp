// The calculator's rule: the inputs put in place of the placeholders, each box checked on its own,
// and the French sentence that names the box at fault.

#include "functions/core/function_evaluation.h"
#include "functions/core/function_file.h"
#include "functions/function_inputs.h"

#include <QTest>

using namespace zorv::functions;
using zorv::test::boxes;
using namespace Qt::StringLiterals;

class FunctionEvaluationTest : public QObject
{
    Q_OBJECT

private slots:
    void substitution_data();
    void substitution();
    void values_data();
    void values();
    void refusals_data();
    void refusals();
};

void FunctionEvaluationTest::substitution_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("used"); // the boxes used, as digits

    QTest::newRow("each input in parentheses")
        << u"d1*d2"_s << QStringList{u"1+2"_s, u"3"_s} << u"(1+2)*(3)"_s << u"12"_s;
    QTest::newRow("a later placeholder typed in box 1 is replaced in its turn")
        << u"d1"_s << QStringList{u"d2"_s, u"5"_s} << u"((5))"_s << u"12"_s;
    QTest::newRow("box 1 holding d1 leaves d1")
        << u"d1"_s << QStringList{u"d1"_s} << u"(d1)"_s << u"1"_s;
    QTest::newRow("an empty box gives empty parentheses")
        << u"d1d1"_s << QStringList{u""_s} << u"()()"_s << u"1"_s;
    QTest::newRow("upper-case D1 is no placeholder")
        << u"D1+d1"_s << QStringList{} << u"D1+(0)"_s << u"1"_s;
    QTest::newRow("texts as typed, blanks kept")
        << u"d6-d5"_s << QStringList{u""_s, u""_s, u""_s, u""_s, u" 2 "_s, u"1,5"_s}
        << u"(1,5)-( 2 )"_s << u"56"_s;
    QTest::newRow("no formula picked yet") << QString() << QStringList{} << u""_s << u""_s;
    QTest::newRow("missing formula has no placeholder")
        << ReadFailureText << QStringList{} << ReadFailureText << u""_s;
}

void FunctionEvaluationTest::substitution()
{
    QFETCH(QString, formula);
    QFETCH(QStringList, inputs);
    QFETCH(QString, expression);
    QFETCH(QString, used);
    const Substitution substitution = substituteInputs(formula, boxes(inputs));
    QCOMPARE(substitution.expression, expression);
    QString usedBoxes;
    for (int k = 1; k <= 6; ++k) {
        if (substitution.used[k - 1])
            usedBoxes += QString::number(k);
    }
    QCOMPARE(usedBoxes, used);
}

void FunctionEvaluationTest::values_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<double>("value");

    QTest::newRow("a sum typed in a box counts as one value")
        << u"d1*d2"_s << QStringList{u"1+2"_s, u"3"_s} << 9.0;
    QTest::newRow("a negative value squared is positive")
        << u"0,5*d1*d2²"_s << QStringList{u"100"_s, u"-10"_s} << 5000.0;
    QTest::newRow("a typed exponent is one value")
        << u"d1*d2"_s << QStringList{u"1E-6"_s, u"12"_s} << 1.2e-5;
    QTest::newRow("d3 typed in box 1 takes box 3's value")
        << u"d1+d2"_s << QStringList{u"d3"_s, u"1"_s, u"5"_s} << 6.0;
    QTest::newRow("boxes the formula does not use are not looked at")
        << u"d1"_s << QStringList{u"2"_s, u""_s, u"4k7"_s} << 2.0;
    QTest::newRow("a number before a placeholder multiplies")
        << u"2d1"_s << QStringList{u"5"_s} << 10.0;
    QTest::newRow("no formula picked yet gives 0") << QString() << QStringList{} << 0.0;
}

void FunctionEvaluationTest::values()
{
    QFETCH(QString, formula);
    QFETCH(QStringList, inputs);
    QFETCH(double, value);
    const FunctionEvaluation evaluation = evaluateFunction(u"F"_s, formula, boxes(inputs));
    QVERIFY2(evaluation.ok(), qPrintable(evaluation.reason));
    QCOMPARE(evaluation.value, value);
    QCOMPARE(evaluation.box, 0);
}

void FunctionEvaluationTest::refusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("message");

    const QString f = u"F"_s;
    QTest::newRow("empty box") << f << u"d1*d2"_s << QStringList{u"3"_s, u""_s} << 2
                               << u"La donnée 2) est vide."_s;
    QTest::newRow("blank box") << f << u"d1*d2"_s << QStringList{u"3"_s, u" \u00A0"_s} << 2
                               << u"La donnée 2) est vide."_s;
    QTest::newRow("the first faulty box is told")
        << f << u"d2+d1"_s << QStringList{u""_s, u""_s} << 1 << u"La donnée 1) est vide."_s;
    QTest::newRow("unknown character") << f << u"d1"_s << QStringList{u"12 Hz"_s} << 1
                                       << u"La donnée 1) « 12 Hz » : caractère inconnu « H »."_s;
    QTest::newRow("a unit after the value") << f << u"d2*d1"_s << QStringList{u"2"_s, u"12 V"_s}
                                            << 2 << u"La donnée 2) « 12 V » : opérande manquant."_s;
    QTest::newRow("a resistivity copied with its unit")
        << f << u"d1*d2/d3"_s << QStringList{u"1,7241E-08 ohm·m"_s, u"10"_s, u"1,5"_s} << 1
        << u"La donnée 1) « 1,7241E-08 ohm·m » : caractère inconnu « o »."_s;
    QTest::newRow("division by zero in a box") << f << u"d1+d2"_s << QStringList{u"1/0"_s} << 1
                                               << u"La donnée 1) « 1/0 » : division par zéro."_s;
    QTest::newRow("unclosed parenthesis in a box")
        << f << u"d1*2"_s << QStringList{u"(2"_s} << 1
        << u"La donnée 1) « (2 » : parenthèse non fermée."_s;
    QTest::newRow("parentheses of a box cannot pair with the formula's")
        << f << u"d1*d2"_s << QStringList{u"2)*(3"_s, u"4"_s} << 1
        << u"La donnée 1) « 2)*(3 » : parenthèse fermante sans parenthèse ouvrante."_s;
    QTest::newRow("box 1 holding its own placeholder")
        << f << u"d1"_s << QStringList{u"d1"_s} << 1
        << u"La donnée 1) « d1 » : caractère inconnu « d »."_s;
    QTest::newRow("a fault reached through d3 is told in box 3")
        << f << u"d1"_s << QStringList{u"d3*2"_s, u"0"_s, u"1/0"_s} << 3
        << u"La donnée 3) « 1/0 » : division par zéro."_s;
    QTest::newRow("box 1 checked once its d3 is replaced")
        << f << u"d1"_s << QStringList{u"d3 2"_s, u"0"_s, u"5"_s} << 1
        << u"La donnée 1) « d3 2 » : opérateur manquant après « ) »."_s;
    QTest::newRow("a long text is shortened")
        << f << u"d1"_s << QStringList{u"1/0+"_s + QString(60, u'1')} << 1
        << u"La donnée 1) « 1/0+"_s + QString(35, u'1') + u"… » : division par zéro."_s;
    QTest::newRow("division by zero of the whole, named by the function")
        << u"Diviseur"_s << u"d1/d2"_s << QStringList{u"5"_s, u"0"_s} << 0
        << u"Impossible de calculer « Diviseur » : division par zéro."_s;
    QTest::newRow("a failure without a function name")
        << QString() << u"V(d1)"_s << QStringList{u"-4"_s} << 0
        << u"Impossible de calculer cette fonction : racine carrée d'un nombre négatif."_s;
    QTest::newRow("a formula the engine refuses")
        << u"Filtre"_s << u"d1 kHz"_s << QStringList{u"5"_s} << 0
        << u"Impossible de calculer « Filtre » : caractère inconnu « k »."_s;
    QTest::newRow("a function file without formula")
        << u"Résistance d'un fil"_s << ReadFailureText << QStringList{u""_s} << 0
        << u"La fonction « Résistance d'un fil » n'a pas de formule : son fichier ne contient "
           u"pas la clé « Fnc » de la section « Calc »."_s;
}

void FunctionEvaluationTest::refusals()
{
    QFETCH(QString, name);
    QFETCH(QString, formula);
    QFETCH(QStringList, inputs);
    QFETCH(int, box);
    QFETCH(QString, message);
    const FunctionEvaluation evaluation = evaluateFunction(name, formula, boxes(inputs));
    QCOMPARE(evaluation.reason, message);
    QCOMPARE(evaluation.box, box);
    QVERIFY(!evaluation.ok());
}

QTEST_GUILESS_MAIN(FunctionEvaluationTest)
#include "test_function_evaluation.moc"
