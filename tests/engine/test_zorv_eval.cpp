#include "support/closed_pipe.h"
#include "support/temp_app_dir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Runs the built command-line evaluator, as a user or a script would.
class ZorvEvalTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void contract_data();
    void contract();
    void manyLines();
    void overlongLineIsRefusedAndSkipped();
    void functionFile_data();
    void functionFile();
    void resultWithItsUnit_data();
    void resultWithItsUnit();
    void functionOfTheUsersOwnFolder();
    void standardValues_data();
    void standardValues();
    void helpAndVersion_data();
    void helpAndVersion();
    void lostOutputIsNotSuccess_data();
    void lostOutputIsNotSuccess();

private:
    // A program folder holding a copy of the evaluator and function files of its own.
    QTemporaryDir m_program;
};

namespace {

struct Run
{
    QByteArray output;
    int exitCode = -1;
};

Run runEvaluator(const QStringList &arguments,
                 const QByteArray &input,
                 const QString &program = QString::fromUtf8(ZORV_EVAL_PATH),
                 const QString &workingFolder = QString())
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.readAllStandardOutput(),
            process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}

} // namespace

void ZorvEvalTest::contract_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("each argument evaluated")
        << QStringList{u"2(3+4)"_s, u"1,5 * 2"_s} << QByteArray() << QByteArray("14\n3\n") << 0;
    QTest::newRow("arguments win over standard input")
        << QStringList{u"1+1"_s} << QByteArray("5\n") << QByteArray("2\n") << 0;
    QTest::newRow("engine number text with point and exponent forms")
        << QStringList{u"1/3"_s, u"0.00001"_s, u"10°20*1,5"_s, u"-6"_s} << QByteArray()
        << QByteArray("0.333333333333333\n1E-05\n1.5E+20\n-6\n") << 0;
    QTest::newRow("a failed argument gives a French reason and status 1")
        << QStringList{u"1/0"_s, u"2"_s} << QByteArray()
        << QByteArray("erreur: division par z\xc3\xa9ro\n2\n") << 1;
    QTest::newRow("an argument that looks like an option is an expression")
        << QStringList{u"--5"_s} << QByteArray() << QByteArray("5\n") << 0;
    QTest::newRow("an empty argument is 0")
        << QStringList{QString()} << QByteArray() << QByteArray("0\n") << 0;
    QTest::newRow("lines ended by LF")
        << QStringList() << QByteArray("1+1\n2*3\n") << QByteArray("2\n6\n") << 0;
    QTest::newRow("lines ended by CR LF")
        << QStringList() << QByteArray("1+1\r\n2*3\r\n") << QByteArray("2\n6\n") << 0;
    QTest::newRow("last line without terminator")
        << QStringList() << QByteArray("1+1\n2*3") << QByteArray("2\n6\n") << 0;
    QTest::newRow("an empty line is an expression that reads 0")
        << QStringList() << QByteArray("1\n\n2\n") << QByteArray("1\n0\n2\n") << 0;
    QTest::newRow("empty standard input prints nothing")
        << QStringList() << QByteArray() << QByteArray() << 0;
    QTest::newRow("a failed line does not stop the others")
        << QStringList() << QByteArray("2 * (3\n0\xc2\xb0-1\n1E400\n4\n")
        << QByteArray("erreur: parenth\xc3\xa8se non ferm\xc3\xa9"
                      "e\n"
                      "erreur: z\xc3\xa9ro \xc3\xa9lev\xc3\xa9 \xc3\xa0 une puissance "
                      "n\xc3\xa9gative\n"
                      "erreur: d\xc3\xa9passement de capacit\xc3\xa9\n4\n")
        << 1;
    QTest::newRow("square and power signs in UTF-8") << QStringList()
                                                     << QByteArray("3\xc2\xb2+2\xc2\xb0"
                                                                   "3\n")
                                                     << QByteArray("17\n") << 0;
    const QByteArray unknown("erreur: caract\xc3\xa8re inconnu \xc2\xab ");
    QTest::newRow("invalid UTF-8 is an unknown character") << QStringList()
                                                           << QByteArray("\xff\xfe"
                                                                         "2+3\n")
                                                           << unknown + "\xef\xbf\xbd \xc2\xbb\n"
                                                           << 1;
    QTest::newRow("a NUL byte is named by its code") << QStringList()
                                                     << QByteArray("2+\0"
                                                                   "3\n",
                                                                   5)
                                                     << unknown + "U+0000 \xc2\xbb\n"
                                                     << 1;
    QTest::newRow("a lone carriage return is named by its code")
        << QStringList() << QByteArray("2\r+3\n") << unknown + "U+000D \xc2\xbb\n"
        << 1;
    QTest::newRow("a unit glued to a value")
        << QStringList{u"12 Hz"_s, u"1E-6*2"_s} << QByteArray() << unknown + "H \xc2\xbb\n2E-06\n"
        << 1;
}

void ZorvEvalTest::contract()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);
    QFETCH(int, exitCode);
    const Run run = runEvaluator(arguments, input);
    QCOMPARE(run.output, output);
    QCOMPARE(run.exitCode, exitCode);
}

// Past what the engine takes, the rest of the line is skipped rather than kept in memory, and
// the next line is read as usual.
void ZorvEvalTest::overlongLineIsRefusedAndSkipped()
{
    QByteArray input = QByteArray(400'000, '1') + "\n2+2\n";
    const Run run = runEvaluator({}, input);
    QCOMPARE(run.output, QByteArray("erreur: expression trop longue\n4\n"));
    QCOMPARE(run.exitCode, 1);
}

void ZorvEvalTest::manyLines()
{
    QByteArray input;
    QByteArray expected;
    for (int i = 0; i < 2000; ++i) {
        input += QByteArray::number(i) + "+1\n";
        expected += QByteArray::number(i + 1) + '\n';
    }
    const Run run = runEvaluator({}, input);
    QCOMPARE(run.output, expected);
    QCOMPARE(run.exitCode, 0);
}

// The lines of ohm swept over 0..N-1 with the other input 2: "X 2X".
QByteArray sweepLines(int count)
{
    QByteArray lines;
    for (int x = 0; x < count; ++x)
        lines += QByteArray::number(x) + ' ' + QByteArray::number(2 * x) + '\n';
    return lines;
}

void ZorvEvalTest::initTestCase()
{
    const QString folder = m_program.path();
    QVERIFY(QFile::copy(QString::fromUtf8(ZORV_EVAL_PATH), folder + u"/zorv-eval"_s));
    zorv::test::writeFile(folder + u"/res/Fonc/ohm.zvfc"_s,
                          "[GeneralInfo]\r\nNomFonc=Loi d'Ohm\r\n[Calc]\r\nFnc=d1*d2\r\n");
    zorv::test::writeFile(folder + u"/res/Fonc/div.zvfc"_s,
                          "[GeneralInfo]\r\nNomFonc=Division\r\n[Calc]\r\nFnc=d1/d2\r\n");
    zorv::test::writeFile(folder + u"/res/Fonc/vide.zvfc"_s, "[GeneralInfo]\r\nNomFonc=Vide\r\n");
    zorv::test::writeFile(folder + u"/res/Fonc/rc.zvfc"_s,
                          "[GeneralInfo]\r\nNomFonc=RC\r\n[Calc]\r\nFnc=1000000/(2*PI*d1*d2)\r\n"
                          "[Unites]\r\nd1=kohm\r\nd2=nF\r\nResultat=Hz\r\n");
    zorv::test::writeFile(folder + u"/res/Fonc/longue.zvfc"_s,
                          "[GeneralInfo]\r\nNomFonc=Longue\r\n[Calc]\r\nFnc=d1"
                              + QByteArray("+0").repeated(146) + "+1000\r\n");
    zorv::test::writeFile(folder + u"/ailleurs/somme.zvfc"_s, "[Calc]\r\nFnc=d1+d2+d3+d4+d5+d6\r\n");
}

void ZorvEvalTest::functionFile_data()
{
    QTest::addColumn<QStringList>("arguments"); // after --fonction; %DIR% is the program folder
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("a file of res/Fonc, inputs in parentheses")
        << QStringList{u"ohm.zvfc"_s, u"1+2"_s, u"3"_s} << QByteArray("9\n") << 0;
    QTest::newRow("the name without .zvfc")
        << QStringList{u"ohm"_s, u"2,5"_s, u"4"_s} << QByteArray("10\n") << 0;
    QTest::newRow("missing values are 0")
        << QStringList{u"ohm"_s, u"7"_s} << QByteArray("0\n") << 0;
    QTest::newRow("a path, six values") << QStringList{u"%DIR%/ailleurs/somme.zvfc"_s,
                                                       u"1"_s,
                                                       u"2"_s,
                                                       u"3"_s,
                                                       u"4"_s,
                                                       u"5"_s,
                                                       u"0,5"_s}
                                        << QByteArray("15.5\n") << 0;
    QTest::newRow("a path relative to the current folder")
        << QStringList{u"ailleurs/somme.zvfc"_s, u"1"_s, u"2"_s} << QByteArray("3\n") << 0;
    QTest::newRow("an empty value names its input") << QStringList{u"ohm"_s, u"3"_s, u""_s}
                                                    << QByteArray("erreur: la donn\xc3\xa9"
                                                                  "e 2) est vide\n")
                                                    << 1;
    QTest::newRow("a refused value names its input")
        << QStringList{u"ohm"_s, u"4#7"_s, u"1"_s}
        << QByteArray("erreur: la donn\xc3\xa9"
                      "e 1) \xc2\xab 4#7 \xc2\xbb : caract\xc3\xa8re inconnu \xc2\xab # \xc2\xbb\n")
        << 1;
    QTest::newRow("a failure of the whole names the function")
        << QStringList{u"div"_s, u"5"_s, u"0"_s}
        << QByteArray("erreur: impossible de calculer \xc2\xab Division \xc2\xbb : division par "
                      "z\xc3\xa9ro\n")
        << 1;
    QTest::newRow("a file without formula")
        << QStringList{u"vide"_s}
        << QByteArray("erreur: la fonction \xc2\xab Vide \xc2\xbb n'a pas de formule : son "
                      "fichier ne contient pas la cl\xc3\xa9 \xc2\xab Fnc \xc2\xbb de la "
                      "section \xc2\xab Calc \xc2\xbb\n")
        << 1;
    QTest::newRow("a formula past what a function file gives back")
        << QStringList{u"longue"_s, u"5"_s}
        << QByteArray("erreur: la formule de \xc2\xab Longue \xc2\xbb d\xc3\xa9passe 254 "
                      "caract\xc3\xa8res\n")
        << 1;
    QTest::newRow("an unknown function")
        << QStringList{u"nulle"_s, u"1"_s}
        << QByteArray("erreur: fonction introuvable \xc2\xab nulle \xc2\xbb\n") << 1;
    QTest::newRow("solving for the input written ?")
        << QStringList{u"ohm"_s, u"?"_s, u"4"_s, u"="_s, u"10"_s} << QByteArray("2.5\n") << 0;
    QTest::newRow("no solution is an error")
        << QStringList{u"ohm"_s, u"?"_s, u"0"_s, u"="_s, u"10"_s}
        << QByteArray("erreur: aucune valeur de la donn\xc3\xa9"
                      "e 1) entre -1E+15 et 1E+15 ne donne 10\n")
        << 1;
    QTest::newRow("a wanted result missing after =")
        << QStringList{u"ohm"_s, u"?"_s, u"4"_s, u"="_s}
        << QByteArray("erreur: r\xc3\xa9sultat voulu manquant apr\xc3\xa8s \xc2\xab = \xc2\xbb\n")
        << 1;
    QTest::newRow("tolerances give nominal, minimum and maximum")
        << QStringList{u"ohm"_s, u"10\u00b110%"_s, u"2"_s, u"+-0,5"_s}
        << QByteArray("20 13.5 27.5\n") << 0;
    QTest::newRow("a solve reads the declared units")
        << QStringList{u"rc"_s, u"10 k\u03a9"_s, u"?"_s, u"="_s, u"1,592 kHz"_s}
        << QByteArray("9.9971697922045\n") << 0;
    QTest::newRow("a range reads the declared units")
        << QStringList{u"rc"_s, u"10 k\u03a9 \u00b15%"_s, u"10 nF"_s}
        << QByteArray("1591.54943091895 1515.76136277996 1675.315190441\n") << 0;
    QTest::newRow("a wanted result in another unit")
        << QStringList{u"rc"_s, u"10"_s, u"?"_s, u"="_s, u"1592 V"_s}
        << QByteArray("erreur: le r\xc3\xa9sultat voulu \xc2\xab 1592 V \xc2\xbb : unit\xc3\xa9 "
                      "\xc2\xab V \xc2\xbb au lieu de \xc2\xab Hz \xc2\xbb\n")
        << 1;
    QTest::newRow("no name is a usage error") << QStringList{} << QByteArray() << 2;
    QTest::newRow("seven values is a usage error")
        << QStringList{u"ohm"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s}
        << QByteArray() << 2;

    // A sweep: one of the values a range.
    QTest::newRow("sweep, 200 points by default")
        << QStringList{u"ohm"_s, u"0..199"_s, u"2"_s} << sweepLines(200) << 0;
    QTest::newRow("sweep of box 2, ends included, options after the values")
        << QStringList{u"ohm"_s, u"3"_s, u"-1..1"_s, u"--points"_s, u"5"_s}
        << QByteArray("-1 -3\n-0.5 -1.5\n0 0\n0.5 1.5\n1 3\n") << 0;
    QTest::newRow("logarithmic sweep, options first")
        << QStringList{u"ohm"_s, u"--log"_s, u"--points"_s, u"3"_s, u"1"_s, u"10..1000"_s}
        << QByteArray("10 10\n100 100\n1000 1000\n") << 0;
    QTest::newRow("a refused point keeps its line and the status 0")
        << QStringList{u"div"_s, u"1"_s, u"0..1"_s, u"--points"_s, u"2"_s}
        << QByteArray("0 erreur: impossible de calculer \xc2\xab Division \xc2\xbb : division "
                      "par z\xc3\xa9ro\n1 1\n")
        << 0;
    QTest::newRow("every point refused is status 1")
        << QStringList{u"ohm"_s, u"0..1"_s, u"x"_s, u"--points"_s, u"2"_s}
        << QByteArray("0 erreur: la donn\xc3\xa9"
                      "e 2) \xc2\xab x \xc2\xbb : caract\xc3\xa8re inconnu \xc2\xab x \xc2\xbb\n"
                      "1 erreur: la donn\xc3\xa9"
                      "e 2) \xc2\xab x \xc2\xbb : caract\xc3\xa8re inconnu \xc2\xab x \xc2\xbb\n")
        << 1;
    QTest::newRow("a logarithmic range across zero is refused")
        << QStringList{u"ohm"_s, u"-1..1"_s, u"2"_s, u"--log"_s}
        << QByteArray("erreur: l'\xc3\xa9"
                      "chelle logarithmique demande deux bornes non nulles et de m\xc3\xaame "
                      "signe\n")
        << 1;
    QTest::newRow("an unreadable end is named")
        << QStringList{u"ohm"_s, u"1..2y"_s, u"2"_s}
        << QByteArray("erreur: la borne \xc2\xab 2y \xc2\xbb : caract\xc3\xa8re inconnu "
                      "\xc2\xab y \xc2\xbb\n")
        << 1;
    QTest::newRow("points out of range is a usage error")
        << QStringList{u"ohm"_s, u"1..2"_s, u"--points"_s, u"10001"_s} << QByteArray() << 2;
    QTest::newRow("--points without a number is a usage error")
        << QStringList{u"ohm"_s, u"1..2"_s, u"--points"_s} << QByteArray() << 2;
    QTest::newRow("two ranges is a usage error")
        << QStringList{u"ohm"_s, u"1..2"_s, u"1..2"_s} << QByteArray() << 2;
    QTest::newRow("--log without a range is a usage error")
        << QStringList{u"ohm"_s, u"1"_s, u"2"_s, u"--log"_s} << QByteArray() << 2;
    QTest::newRow("an unknown option among the values is a usage error")
        << QStringList{u"ohm"_s, u"1..2"_s, u"--pas"_s} << QByteArray() << 2;
}

void ZorvEvalTest::functionFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, output);
    QFETCH(int, exitCode);
    arguments.replaceInStrings(u"%DIR%"_s, m_program.path());
    const Run run = runEvaluator(QStringList{u"--fonction"_s} + arguments,
                                 QByteArray(),
                                 m_program.path() + u"/zorv-eval"_s,
                                 m_program.path());
    QCOMPARE(run.output, output);
    QCOMPARE(run.exitCode, exitCode);
}

void ZorvEvalTest::resultWithItsUnit_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("exitCode");

    const QStringList rc{u"--fonction"_s, u"rc"_s, u"10 kΩ"_s, u"10 nF"_s};
    QTest::newRow("values with their units, the number alone")
        << rc << QByteArray("1591.54943091895\n") << 0;
    QTest::newRow("--unite") << QStringList{u"--unite"_s} + rc
                             << QByteArray("1591.54943091895 Hz\n") << 0;
    QTest::newRow("--ingenieur") << QStringList{u"--ingenieur"_s} + rc << QByteArray("1.592 kHz\n")
                                 << 0;
    QTest::newRow("values in the declared units")
        << QStringList{u"--ingenieur"_s, u"--fonction"_s, u"rc"_s, u"10"_s, u"1E-8 F"_s}
        << QByteArray("1.592 kHz\n") << 0;
    QTest::newRow("no unit declared: the number alone")
        << QStringList{u"--unite"_s, u"--fonction"_s, u"ohm"_s, u"2"_s, u"3"_s} << QByteArray("6\n")
        << 0;
    QTest::newRow("another unit is refused")
        << QStringList{u"--unite"_s, u"--fonction"_s, u"rc"_s, u"10"_s, u"10 mH"_s}
        << QByteArray("erreur: la donn\xc3\xa9"
                      "e 2) \xc2\xab 10 mH \xc2\xbb : unit\xc3\xa9 \xc2\xab H \xc2\xbb au lieu de "
                      "\xc2\xab F \xc2\xbb\n")
        << 1;
    QTest::newRow("--unite without --fonction")
        << QStringList{u"--unite"_s, u"1+1"_s} << QByteArray() << 2;
}

void ZorvEvalTest::resultWithItsUnit()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, output);
    QFETCH(int, exitCode);
    const Run run = runEvaluator(arguments, QByteArray(), m_program.path() + u"/zorv-eval"_s);
    QCOMPARE(run.output, output);
    QCOMPARE(run.exitCode, exitCode);
}

// An installed program folder, which the user cannot write to: the user's functions are in the
// data folder, and found by name after the shipped ones.
void ZorvEvalTest::functionOfTheUsersOwnFolder()
{
    QTemporaryDir installed;
    QTemporaryDir data;
    QVERIFY(QFile::copy(QString::fromUtf8(ZORV_EVAL_PATH), installed.path() + u"/zorv-eval"_s));
    zorv::test::writeFile(installed.path() + u"/res/Fonc/ohm.zvfc"_s, "[Calc]\r\nFnc=d1*d2\r\n");
    zorv::test::writeFile(data.path() + u"/zorv/Fonc/mienne.zvfc"_s, "[Calc]\r\nFnc=d1-d2\r\n");
    QVERIFY(QFile::setPermissions(installed.path(), QFile::ReadOwner | QFile::ExeOwner));
    const bool wasSet = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    const QString program = installed.path() + u"/zorv-eval"_s;
    const Run shipped = runEvaluator({u"--fonction"_s, u"ohm"_s, u"5"_s, u"2"_s}, {}, program);
    const Run own = runEvaluator({u"--fonction"_s, u"mienne"_s, u"5"_s, u"2"_s}, {}, program);
    if (wasSet)
        qputenv("XDG_DATA_HOME", before);
    else
        qunsetenv("XDG_DATA_HOME");
    QFile::setPermissions(installed.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(shipped.output, QByteArray("10\n"));
    QCOMPARE(own.output, QByteArray("3\n"));
}

void ZorvEvalTest::standardValues_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("exitCode");

    const auto normalisee = [](const QStringList &rest) {
        return QStringList{u"--normalisee"_s} + rest;
    };
    QTest::newRow("below, above and nearest, decimal comma")
        << normalisee({u"E24"_s, u"723,43"_s}) << QByteArray("680 750 750\n") << 0;
    QTest::newRow("one line per value, across a decade, lower on a tie")
        << normalisee({u"E12"_s, u"0.95"_s, u"1,1"_s, u"47"_s})
        << QByteArray("0.82 1 1\n1 1.2 1\n47 47 47\n") << 0;
    QTest::newRow("the published E192 value, not the geometric one")
        << normalisee({u"e192"_s, u"9,195"_s}) << QByteArray("9.09 9.2 9.2\n") << 0;
    QTest::newRow("engine number texts at the far decades")
        << normalisee({u"E6"_s, u"1E-15"_s, u" 9D14 "_s})
        << QByteArray("1E-15 1E-15 1E-15\n680000000000000 1E+15 1E+15\n") << 0;
    QTest::newRow("what is not a positive number is an error line")
        << normalisee({u"E24"_s, u"0"_s, u"-5"_s, u"12abc"_s, u"2"_s})
        << QByteArray("erreur: \xc2\xab 0 \xc2\xbb n'est pas un nombre positif\n"
                      "erreur: \xc2\xab -5 \xc2\xbb n'est pas un nombre positif\n"
                      "erreur: \xc2\xab 12abc \xc2\xbb n'est pas un nombre\n2 2 2\n")
        << 1;
    QTest::newRow("an unknown series is a usage error")
        << normalisee({u"E7"_s, u"1"_s}) << QByteArray() << 2;
    QTest::newRow("no value is a usage error") << normalisee({u"E12"_s}) << QByteArray() << 2;
    QTest::newRow("an unknown option is a usage error")
        << QStringList{u"--normalise"_s, u"E12"_s, u"1"_s} << QByteArray() << 2;
    QTest::newRow("after --, an option name is an expression")
        << QStringList{u"--"_s, u"--normalisee"_s, u"2"_s}
        << QByteArray("erreur: caract\xc3\xa8re inconnu \xc2\xab n \xc2\xbb\n2\n") << 1;
}

void ZorvEvalTest::standardValues()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, output);
    QFETCH(int, exitCode);
    const Run run = runEvaluator(arguments, QByteArray());
    QCOMPARE(run.output, output);
    QCOMPARE(run.exitCode, exitCode);
}

void ZorvEvalTest::helpAndVersion_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("help names every mode and the exit statuses")
        << u"--help"_s << QByteArray("3 si la sortie n'a pas pu");
    QTest::newRow("version") << u"--version"_s << QByteArray("zorv-eval 1.00.1\n");
}

void ZorvEvalTest::helpAndVersion()
{
    QFETCH(QString, option);
    QFETCH(QByteArray, expected);
    const Run run = runEvaluator({option}, QByteArray());
    QVERIFY2(run.output.contains(expected), run.output.constData());
    QCOMPARE(run.exitCode, 0);
}

void ZorvEvalTest::lostOutputIsNotSuccess_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("pipe"); // a closed pipe rather than a full device

    for (const bool pipe : {false, true}) {
        const char *sink = pipe ? "closed pipe" : "full device";
        QTest::addRow("arguments, %s", sink) << QStringList{u"1+1"_s} << QByteArray() << pipe;
        QTest::addRow("standard input, %s", sink)
            << QStringList() << QByteArray("1+1\n2+2\n") << pipe;
        QTest::addRow("standard values, %s", sink)
            << QStringList{u"--normalisee"_s, u"E6"_s, u"2"_s} << QByteArray() << pipe;
    }
}

void ZorvEvalTest::lostOutputIsNotSuccess()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(bool, pipe);
    const QString full = u"/dev/full"_s;
    if (!pipe && !QFile::exists(full))
        QSKIP("no device that is always full");
    QProcess process;
    const zorv::test::ClosedPipe closedPipe;
    if (pipe)
        closedPipe.attachStandardOutput(process);
    else
        process.setStandardOutputFile(full);
    process.start(QString::fromUtf8(ZORV_EVAL_PATH), arguments);
    QVERIFY(process.waitForStarted());
    process.write(input);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 3);
}

QTEST_GUILESS_MAIN(ZorvEvalTest)
#include "test_zorv_eval.moc"
