// Solving a function for one of its inputs, the tolerances a box may carry and the range they
// give, as the calculator and zorv-eval ask for them.

#include "engine/core/number_text.h"
#include "functions/core/function_request.h"
#include "functions/function_inputs.h"
#include "settings/core/ini.h"
#include "support/temp_app_dir.h"

#include <QDir>
#include <QTest>

#include <cmath>
#include <random>

using namespace zorv::functions;
using zorv::test::boxes;
using namespace Qt::StringLiterals;

namespace {

// What an answer says, in one text: its numbers, or the refusal.
QString answerText(const FunctionAnswer &answer)
{
    return answer.ok() ? answerLine(answer) : u"%1: "_s.arg(answer.box) + answer.reason;
}

} // namespace

class SolvingTest : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void solvingGivesBackThePoint();
    void tolerances_data();
    void tolerances();
    void arguments_data();
    void arguments();
};

void SolvingTest::answers_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("answer"); // the numbers, or "box: refusal"

    // Solving.
    QTest::newRow("one root") << u"d1*d2"_s << QStringList{u"?"_s, u"4"_s} << u"12"_s << u"3"_s;
    QTest::newRow("two roots, of either sign")
        << u"d1²-d1"_s << QStringList{u"?"_s} << u"6"_s << u"-2 3"_s;
    QTest::newRow("two positive roots close together")
        << u"d1²-5*d1"_s << QStringList{u"?"_s} << u"-6"_s << u"2 3"_s;
    QTest::newRow("a double root, where the curve only touches")
        << u"d1²-4*d1+5"_s << QStringList{u"?"_s} << u"1"_s << u"2"_s;
    QTest::newRow("a double root of a wanted zero")
        << u"(d1-0,5)²"_s << QStringList{u"?"_s} << u"0"_s << u"0.5"_s;
    QTest::newRow("a root at zero")
        << u"d1+d2"_s << QStringList{u"?"_s, u"5"_s} << u"5"_s << u"0"_s;
    QTest::newRow("a negative root")
        << u"d2+d1"_s << QStringList{u"?"_s, u"5"_s} << u"2"_s << u"-3"_s;
    QTest::newRow("a root far out")
        << u"d1*1E-12"_s << QStringList{u"?"_s} << u"1"_s << u"1000000000000"_s;
    QTest::newRow("a tiny root") << u"d1*1E+12"_s << QStringList{u"?"_s} << u"1E-3"_s << u"1E-15"_s;
    QTest::newRow("a pole is a gap, not a root")
        << u"1/(d1-1)"_s << QStringList{u"?"_s} << u"2"_s << u"1.5"_s;
    QTest::newRow("the refused half of a root is a gap")
        << u"V(d1)"_s << QStringList{u"?"_s} << u"3"_s << u"9"_s;
    QTest::newRow("a capacitor for 1592 Hz with 1 kOhm")
        << u"1000000/(2*PI*d1*d2)"_s << QStringList{u"1"_s, u"?"_s} << u"1592"_s
        << u"99.971697922045"_s;
    QTest::newRow("the unknown named twice")
        << u"d1*d3/(d2+d3)"_s << QStringList{u"12"_s, u"10"_s, u"?"_s} << u"4"_s << u"5"_s;
    QTest::newRow("no root: nothing reaches the wanted result")
        << u"d1²+1"_s << QStringList{u"?"_s} << u"0"_s
        << u"1: Aucune valeur de la donnée 1) entre -1E+15 et 1E+15 ne donne 0."_s;
    QTest::newRow("no root across a pole")
        << u"1/(d1-1)"_s << QStringList{u"?"_s} << u"0"_s
        << u"1: Aucune valeur de la donnée 1) entre -1E+15 et 1E+15 ne donne 0."_s;
    QTest::newRow("an unknown the formula does not use")
        << u"d1*d2"_s << QStringList{u"2"_s, u"3"_s, u"?"_s} << u"6"_s
        << u"3: La formule n'utilise pas la donnée 3) : elle ne peut pas être l'inconnue."_s;
    QTest::newRow("two unknowns")
        << u"d1*d2"_s << QStringList{u"?"_s, u" ? "_s} << u"6"_s
        << u"2: Une seule donnée peut être inconnue : la donnée 1) et la donnée 2) portent « ? »."_s;
    QTest::newRow("no wanted result")
        << u"d1*d2"_s << QStringList{u"2"_s, u"?"_s} << u" "_s
        << u"2: Indiquez le résultat voulu pour trouver la donnée 2)."_s;
    QTest::newRow("an unreadable wanted result")
        << u"d1*d2"_s << QStringList{u"2"_s, u"?"_s} << u"6x"_s
        << u"0: Le résultat voulu « 6x » : caractère inconnu « x »."_s;
    QTest::newRow("another box at fault") << u"d1*d2"_s << QStringList{u"2y"_s, u"?"_s} << u"6"_s
                                          << u"1: La donnée 1) « 2y » : caractère inconnu « y »."_s;
    QTest::newRow("a wanted result without an unknown")
        << u"d1*d2"_s << QStringList{u"2"_s, u"3"_s} << u"6"_s
        << u"0: Un résultat voulu demande une donnée inconnue : écrivez « ? » dans sa case."_s;
    QTest::newRow("a tolerance beside an unknown")
        << u"d1*d2"_s << QStringList{u"?"_s, u"3 ±5%"_s} << u"6"_s
        << u"2: La donnée 2) porte une tolérance : on ne cherche une inconnue qu'avec des "
           u"valeurs exactes."_s;

    // Ranges: nominal, minimum, maximum (checked by hand and by a brute-force grid).
    QTest::newRow("no tolerance: the value alone")
        << u"d1*d2"_s << QStringList{u"2"_s, u"3"_s} << QString() << u"6"_s;
    QTest::newRow("a divider of 5 % parts, the lower part named twice")
        << u"d1*d3/(d2+d3)"_s << QStringList{u"12"_s, u"10 ±5%"_s, u"4,7 +-5 %"_s} << QString()
        << u"3.83673469387755 3.58035415970598 4.10252857637686"_s;
    QTest::newRow("an RC cut-off with 5 % and 10 % parts")
        << u"1000000/(2*PI*d1*d2)"_s << QStringList{u"1 5%"_s, u"100 ±10%"_s} << QString()
        << u"1591.54943091895 1377.96487525451 1861.46132271223"_s;
    QTest::newRow("an absolute tolerance")
        << u"d1+d2"_s << QStringList{u"3,3 ±0,1"_s, u"1"_s} << QString() << u"4.3 4.2 4.4"_s;
    QTest::newRow("not monotonic: the top lies inside the band, not at a corner")
        << u"d1*(10-d1)"_s << QStringList{u"4 ±50%"_s} << QString() << u"24 16 25"_s;
    QTest::newRow("six toleranced inputs")
        << u"d1+d2+d3+d4+d5+d6"_s
        << QStringList{u"1±1%"_s, u"1±1%"_s, u"1±1%"_s, u"1±1%"_s, u"1±1%"_s, u"1±1%"_s}
        << QString() << u"6 5.94 6.06"_s;
    QTest::newRow("a tolerance on a box the formula does not use")
        << u"d1*d2"_s << QStringList{u"2"_s, u"3"_s, u"4 ±1%"_s} << QString()
        << u"3: La donnée 3) porte une tolérance, mais la formule ne l'utilise pas."_s;
    QTest::newRow("an unreadable tolerance in a box the formula does not use is not looked at")
        << u"d1*d2"_s << QStringList{u"2"_s, u"3"_s, u"4%"_s} << QString() << u"6"_s;
    QTest::newRow("100 % on a value the formula divides by")
        << u"d1/d2"_s << QStringList{u"1"_s, u"2 ±100%"_s} << QString()
        << u"2: La donnée 2) : une tolérance de 100 % ou plus la rend nulle, et la formule "
           u"divise par elle."_s;
    QTest::newRow("100 % on a factor is a band through zero")
        << u"d1*d2"_s << QStringList{u"2 ±100%"_s, u"3"_s} << QString() << u"6 0 12"_s;
    QTest::newRow("a pole between the points searched refuses the range")
        << u"d1/(d2-PI)"_s << QStringList{u"1"_s, u"3,1 ±10%"_s} << QString()
        << u"0: Pas de plage pour cette fonction : la fonction n'est pas bornée (division par un "
           u"nombre qui passe par zéro) près de 2) = 3.14159265358979."_s;
    QTest::newRow("a pole met exactly refuses the range")
        << u"d1/(d2-3)"_s << QStringList{u"1"_s, u"3,1 ±10%"_s} << QString()
        << u"0: Pas de plage pour cette fonction : division par zéro avec 2) = 3."_s;
    QTest::newRow("a zero crossed inside the band is no pole")
        << u"d1-3"_s << QStringList{u"3,1 ±10%"_s} << QString() << u"0.1 -0.21 0.41"_s;
    QTest::newRow("a division by zero inside the band refuses the range")
        << u"d1/(d2-1)"_s << QStringList{u"1"_s, u"1,5 ±1"_s} << QString()
        << u"0: Pas de plage pour cette fonction : division par zéro avec 2) = 1."_s;
}

void SolvingTest::answers()
{
    QFETCH(QString, formula);
    QFETCH(QStringList, inputs);
    QFETCH(QString, wanted);
    QFETCH(QString, answer);
    QCOMPARE(answerText(answerFunction({}, formula, boxes(inputs), wanted)), answer);
}

// Every input of every shipped function, at random points of its domain: solving for it with the
// result of the others gives back the point among its solutions.
void SolvingTest::solvingGivesBackThePoint()
{
    const QDir folder(zorv::test::shippedDataPath(u"res/Fonc"_s));
    const QStringList files = folder.entryList(QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 24);
    std::mt19937 generator(1234);
    std::uniform_real_distribution<double> decade(-1.0, 3.0);
    int solved = 0;
    for (const QString &file : files) {
        const QString formula = zorv::ReadIniValue(u"Calc"_s, u"Fnc"_s, folder.filePath(file), {});
        for (int round = 0; round < 3; ++round) {
            FunctionInputs inputs;
            for (QString &input : inputs)
                input = zorv::engine::numberText(std::pow(10.0, decade(generator)));
            const FunctionEvaluation forward = evaluateFunction(file, formula, inputs);
            // A point outside the function's domain (a charge to more than the source) is no
            // point of it.
            if (!forward.ok())
                continue;
            const Substitution substitution = substituteInputs(formula, inputs);
            for (int k = 1; k <= 6; ++k) {
                if (!substitution.used[k - 1])
                    continue;
                FunctionInputs question = inputs;
                question[k - 1] = u"?"_s;
                const FunctionAnswer answer = answerFunction(file,
                                                             formula,
                                                             question,
                                                             zorv::engine::numberText(
                                                                 forward.value));
                // Where the function hardly depends on this input (a charge complete long ago, a
                // resistance beside a much larger reactance), the point cannot be told from its
                // neighbours at the engine's precision: no solver gives it back.
                FunctionInputs nearby = inputs;
                nearby[k - 1] = zorv::engine::numberText(inputs[k - 1].toDouble() * 1.001);
                const double moved = evaluateFunction(file, formula, nearby).value - forward.value;
                if (std::abs(moved) <= 1E-6 * std::abs(forward.value))
                    continue;
                const QString what = u"%1, donnée %2 = %3: "_s.arg(file).arg(k).arg(inputs[k - 1]);
                QVERIFY2(answer.ok(), qPrintable(what + answer.reason));
                const double point = inputs[k - 1].toDouble();
                const bool found
                    = std::any_of(answer.solutions.begin(), answer.solutions.end(), [&](double x) {
                          return std::abs(x - point) <= 1E-6 * std::abs(point);
                      });
                QVERIFY2(found, qPrintable(what + answerText(answer)));
                ++solved;
            }
        }
    }
    QVERIFY(solved > 150);
}

void SolvingTest::tolerances_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reading"); // value | amount | % or absolute, or the refusal

    QTest::newRow("none") << u" 10k "_s << u"10k"_s;
    QTest::newRow("a share after ±") << u"10k ±5%"_s << u"10k | 5 | %"_s;
    QTest::newRow("a share after a blank") << u"10k 5%"_s << u"10k | 5 | %"_s;
    QTest::newRow("a blank before %") << u"100n ±10 %"_s << u"100n | 10 | %"_s;
    QTest::newRow("a share after a blank, blank before %") << u"100n 10 %"_s << u"100n | 10 | %"_s;
    QTest::newRow("absolute, decimal commas") << u"3,3 ±0,1"_s << u"3,3 | 0.1 | abs"_s;
    QTest::newRow("typed +-") << u"10k+-5%"_s << u"10k | 5 | %"_s;
    QTest::newRow("typed +/-") << u"10k +/- 0,5 %"_s << u"10k | 0.5 | %"_s;
    QTest::newRow("a value with its unit") << u"4,7 kΩ ±1 %"_s << u"4,7 kΩ | 1 | %"_s;
    QTest::newRow("no value") << u"±5%"_s
                              << u"La donnée 2) « ±5% » : valeur manquante avant la tolérance."_s;
    QTest::newRow("a share glued to the value")
        << u"10k5%"_s
        << u"La donnée 2) « 10k5% » : séparez la valeur et la tolérance par une espace ou « ± »."_s;
    QTest::newRow("no amount") << u"10 ± %"_s
                               << u"La donnée 2) « 10 ± % » : tolérance manquante après « ± »."_s;
    QTest::newRow("negative") << u"10 ±-5%"_s
                              << u"La donnée 2) « 10 ±-5% » : tolérance négative."_s;
    QTest::newRow("negative after a blank")
        << u"10 −5%"_s << u"La donnée 2) « 10 −5% » : tolérance négative."_s;
    QTest::newRow("unreadable")
        << u"10 ±5x%"_s
        << u"La donnée 2) « 10 ±5x% » : tolérance « 5x » illisible, caractère inconnu « x »."_s;
}

void SolvingTest::tolerances()
{
    QFETCH(QString, text);
    QFETCH(QString, reading);
    const ToleranceReading read = readTolerance(text, 2);
    QString got = read.ok() ? read.valueText : read.reason;
    if (read.tolerance) {
        got += u" | "_s + zorv::engine::numberText(read.tolerance->amount)
               + (read.tolerance->relative ? u" | %"_s : u" | abs"_s);
    }
    QCOMPARE(got, reading);
}

void SolvingTest::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reading"); // boxes joined by "|", then "= wanted", or the refusal

    QTest::newRow("values only") << QStringList{u"1"_s, u"2"_s} << u"1|2"_s;
    QTest::newRow("an unknown and a wanted result")
        << QStringList{u"1"_s, u"?"_s, u"3"_s, u"="_s, u"1592"_s} << u"1|?|3 = 1592"_s;
    QTest::newRow("the wanted result glued to =")
        << QStringList{u"?"_s, u"=1592"_s} << u"? = 1592"_s;
    QTest::newRow("a tolerance as an argument of its own")
        << QStringList{u"12"_s, u"10k"_s, u"±5%"_s, u"4k7+-5%"_s} << u"12|10k ±5%|4k7+-5%"_s;
    QTest::newRow("nothing after =")
        << QStringList{u"?"_s, u"="_s} << u"résultat voulu manquant après « = »"_s;
    QTest::newRow("two =") << QStringList{u"?"_s, u"="_s, u"1"_s, u"="_s, u"2"_s}
                           << u"un seul « = » est admis"_s;
    QTest::newRow("a value after the wanted result") << QStringList{u"?"_s, u"="_s, u"1"_s, u"2"_s}
                                                     << u"valeur en trop après le résultat voulu"_s;
}

void SolvingTest::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reading);
    const FunctionArguments read = readFunctionArguments(arguments);
    QString got = read.boxes.join(u'|');
    if (read.hasWanted)
        got += u" = "_s + read.wanted;
    QCOMPARE(read.ok() ? got : read.reason, reading);
}

QTEST_GUILESS_MAIN(SolvingTest)
#include "test_solving.moc"
