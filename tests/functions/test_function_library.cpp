// Every function shipped in res/Fonc, evaluated as the user would (pick, type, "&Calculer") and
// compared with the same physics written out here in SI units.

#include "engine/core/calcule.h"
#include "functions/core/function_details.h"
#include "functions/core/function_evaluation.h"
#include "functions/core/function_file.h"
#include "functions/core/function_list.h"
#include "functions/core/picked_function.h"
#include "functions/windows/c_calculs.h"
#include "platform/program_font.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"
#include "support/window_cleanup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>

#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>

using namespace zorv;
using namespace zorv::test;
using namespace Qt::StringLiterals;

namespace {

constexpr double pi = std::numbers::pi;
// Unit prefixes, so that each row reads as the physics with its units.
constexpr double kilo = 1e3;
constexpr double milli = 1e-3;
constexpr double micro = 1e-6;
constexpr double nano = 1e-9;

QStringList shippedFiles()
{
    return QDir(shippedDataPath(u"res/Fonc"_s)).entryList(QDir::Files, QDir::Name);
}

// The raw text of a key in a shipped file, before the profile store cuts it; nullopt when the
// section has no such key.
std::optional<QString> keyValue(const QStringList &lines, const QString &section, const QString &key)
{
    bool inSection = false;
    for (const QString &line : lines) {
        if (line.startsWith(u'['))
            inSection = line == u'[' + section + u']';
        else if (inSection && line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    }
    return std::nullopt;
}

QString rawValue(const QStringList &lines, const QString &section, const QString &key)
{
    return keyValue(lines, section, key).value_or(QString());
}

bool hasKey(const QStringList &lines, const QString &section, const QString &key)
{
    return keyValue(lines, section, key).has_value();
}

// One row per shipped file.
void addFileRows()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : shippedFiles())
        QTest::newRow(qPrintable(file)) << file;
}

// The categories of the shipped library, in the order the calculator's list reads them.
QStringList categories()
{
    return {u"Loi d'Ohm et puissance"_s,
            u"Résistances"_s,
            u"Condensateurs et circuits RC"_s,
            u"Inductances et circuits RL"_s,
            u"Résonance et filtres"_s,
            u"Amplificateurs opérationnels"_s,
            u"Diodes, LED et Zener"_s,
            u"Transistors bipolaires"_s,
            u"Alimentations et régulateurs"_s,
            u"Signaux et décibels"_s,
            u"Câbles et circuits imprimés"_s,
            u"Batteries"_s,
            u"Transformateurs"_s,
            u"Courant alternatif et triphasé"_s,
            u"Temporisateur NE555"_s};
}

// A unit symbol as a technician writes it: one the calculator knows, so that a misspelt one
// ("Ohm", "mm2") cannot ship.
bool knownUnit(const QString &unit)
{
    static const QSet<QString> units{u""_s,     u"ohm"_s,  u"F"_s,    u"H"_s,        u"Hz"_s,
                                     u"s"_s,    u"h"_s,    u"A"_s,    u"V"_s,        u"W"_s,
                                     u"J"_s,    u"C"_s,    u"Wh"_s,   u"mAh"_s,      u"VA"_s,
                                     u"var"_s,  u"T"_s,    u"m"_s,    u"mm"_s,       u"µm"_s,
                                     u"m²"_s,   u"cm²"_s,  u"mm²"_s,  u"°"_s,        u"°C"_s,
                                     u"%"_s,    u"dB"_s,   u"dBm"_s,  u"dBV"_s,      u"dBu"_s,
                                     u"°C/W"_s, u"V/µs"_s, u"1/°C"_s, u"ohm·mm²/m"_s};
    return units.contains(unit);
}

} // namespace

class FunctionLibraryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void values_data();
    void values();
    void signsAndExponents_data();
    void signsAndExponents();
    void fileFormat_data();
    void fileFormat();
    void workedExample_data();
    void workedExample();
    void workedExampleWrittenOtherwise_data();
    void workedExampleWrittenOtherwise();
    void filesReadInCategories();
    // Last: they count what the tests above checked.
    void everyShippedFileIsChecked();
    void everyShippedFileIsCheckedWithBothInputs();

private:
    std::unique_ptr<TempAppDir> m_app;
    std::unique_ptr<RecordingPlatform> m_platform;
    QSet<QString> m_checkedFiles;
    QSet<QString> m_checkedSigns;
};

void FunctionLibraryTest::initTestCase()
{
    installProgramFont();
    QLocale::setDefault(QLocale::c());
    QVERIFY(shippedFiles().size() >= 24);
    m_app = std::make_unique<TempAppDir>();
    m_app->copyFromShippedData(u"res/Fonc"_s);
    m_platform = std::make_unique<RecordingPlatform>();
}

void FunctionLibraryTest::cleanupTestCase()
{
    // The calculator serves every test function: it is closed once, at the end.
    const QStringList left = test::closeAllWindows();
    m_platform.reset();
    m_app.reset();
    QCOMPARE(left, QStringList());
}

void FunctionLibraryTest::values_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<double>("expected");

    auto row = [](const char *file, const char *what, QStringList inputs, double expected) {
        QTest::addRow("%s: %s", file, what)
            << QString::fromLatin1(file) + u".zvfc"_s << inputs << expected;
    };
    // Inputs and results are in the units each file declares: SI units, mm² for a section.
    row("01_ohm_tension",
        "4.7 kOhm, 2.5 mA, in V",
        {u"4700"_s, u"0.0025"_s},
        4.7 * kilo * 2.5 * milli);
    row("01_ohm_courant", "12 V, 4.7 kOhm, in A", {u"12"_s, u"4700"_s}, 12 / (4.7 * kilo));
    row("01_ohm_courant", "5 V, 1 MOhm, in A", {u"5"_s, u"1E6"_s}, 5 / (1000 * kilo));
    row("01_ohm_resistance", "5 V, 2 mA, in Ohm", {u"5"_s, u"0,002"_s}, 5 / (2 * milli));
    row("01_puissance_tension_courant", "12 V, 500 mA, in W", {u"12"_s, u"0.5"_s}, 12 * 500 * milli);
    row("01_puissance_tension_resistance",
        "230 V, 47 kOhm, in W",
        {u"230"_s, u"47000"_s},
        230.0 * 230.0 / (47 * kilo));
    row("01_puissance_resistance_courant",
        "100 Ohm, 20 mA, in W",
        {u"100"_s, u"0.02"_s},
        100 * std::pow(20 * milli, 2));
    row("02_diviseur_tension",
        "12 V, 10 kOhm, 4.7 kOhm",
        {u"12"_s, u"10000"_s, u"4700"_s},
        12 * 4.7 * kilo / (10 * kilo + 4.7 * kilo));
    row("02_diviseur_tension",
        "typed with decimal commas",
        {u"12"_s, u"1,0E4"_s, u"4,7E3"_s},
        12 * 4.7 * kilo / (10 * kilo + 4.7 * kilo));
    row("02_diviseur_courant",
        "10 mA, 1 kOhm, 3.3 kOhm, in A",
        {u"0.01"_s, u"1000"_s, u"3300"_s},
        10 * milli * 3.3 * kilo / (1 * kilo + 3.3 * kilo));
    row("02_resistances_serie_2", "470 Ohm, 220 Ohm", {u"470"_s, u"220"_s}, 470.0 + 220.0);
    row("02_resistances_serie_3", "100, 220, 330 Ohm", {u"100"_s, u"220"_s, u"330"_s}, 650.0);
    row("02_resistances_parallele_2", "1 kOhm twice", {u"1000"_s, u"1000"_s}, 500.0);
    row("02_resistances_parallele_2",
        "10 Ohm and 1 MOhm",
        {u"10"_s, u"1000000"_s},
        10.0 * 1e6 / (10.0 + 1e6));
    row("02_resistances_parallele_2", "10 MOhm twice", {u"10000000"_s, u"10000000"_s}, 5e6);
    row("02_resistances_parallele_3",
        "100, 220, 330 Ohm",
        {u"100"_s, u"220"_s, u"330"_s},
        1 / (1 / 100.0 + 1 / 220.0 + 1 / 330.0));
    row("03_constante_temps_rc",
        "10 kOhm, 100 uF, in s",
        {u"10000"_s, u"0.0001"_s},
        10 * kilo * 100 * micro);
    row("03_constante_temps_rc", "1 kOhm, 1 nF, in s", {u"1000"_s, u"1E-9"_s}, 1 * kilo * 1 * nano);
    row("04_constante_temps_rl", "10 mH, 100 Ohm, in s", {u"0.01"_s, u"100"_s}, 10 * milli / 100);
    row("05_frequence_coupure_rc",
        "10 kOhm, 22 nF, in Hz",
        {u"10000"_s, u"22E-9"_s},
        1 / (2 * pi * 10 * kilo * 22 * nano));
    row("05_frequence_coupure_rc",
        "100 Ohm, 100 pF, in Hz",
        {u"100"_s, u"1E-10"_s},
        1 / (2 * pi * 0.1 * kilo * 0.1 * nano));
    row("05_frequence_coupure_rl",
        "100 Ohm, 10 mH, in Hz",
        {u"100"_s, u"0.01"_s},
        100 / (2 * pi * 10 * milli));
    row("05_frequence_resonance_lc",
        "1 mH, 100 nF, in Hz",
        {u"0.001"_s, u"1E-7"_s},
        1 / (2 * pi * std::sqrt(1 * milli * 100 * nano)));
    row("05_frequence_resonance_lc",
        "100 uH, 470 pF, in Hz",
        {u"1E-4"_s, u"4.7E-10"_s},
        1 / (2 * pi * std::sqrt(0.1 * milli * 0.47 * nano)));
    row("03_reactance_capacitive",
        "50 Hz, 10 uF, in Ohm",
        {u"50"_s, u"1E-5"_s},
        1 / (2 * pi * 50 * 10 * micro));
    row("03_reactance_capacitive",
        "1 MHz, 1 nF, in Ohm",
        {u"1000000"_s, u"1E-9"_s},
        1 / (2 * pi * 1e6 * 1 * nano));
    row("04_reactance_inductive",
        "50 Hz, 100 mH, in Ohm",
        {u"50"_s, u"0.1"_s},
        2 * pi * 50 * 100 * milli);
    row("05_impedance_serie", "30 Ohm, 40 Ohm", {u"30"_s, u"40"_s}, 50.0);
    row("05_impedance_serie", "100 Ohm, 318.3 Ohm", {u"100"_s, u"318.3"_s}, std::hypot(100, 318.3));
    row("03_energie_condensateur",
        "100 uF, 12 V, in J",
        {u"1E-4"_s, u"12"_s},
        0.5 * 100 * micro * 12 * 12);
    row("04_energie_inductance", "10 mH, 2 A, in J", {u"0.01"_s, u"2"_s}, 0.5 * 10 * milli * 2 * 2);
    row("03_charge_condensateur", "100 uF, 12 V, in C", {u"1E-4"_s, u"12"_s}, 100 * micro * 12);
    row("07_resistance_led",
        "5 V, 2 V, 20 mA, in Ohm",
        {u"5"_s, u"2"_s, u"0.02"_s},
        (5.0 - 2.0) / (20 * milli));
    row("07_resistance_led",
        "12 V, 3.2 V, 10 mA, in Ohm",
        {u"12"_s, u"3.2"_s, u"0.01"_s},
        (12 - 3.2) / (10 * milli));
    row("15_ne555_frequence",
        "1 kOhm, 10 kOhm, 10 nF, in Hz",
        {u"1000"_s, u"10000"_s, u"1E-8"_s},
        1 / (std::log(2.0) * (1 * kilo + 2 * 10 * kilo) * 0.01 * micro));
    row("15_ne555_frequence",
        "4.7 kOhm, 47 kOhm, 10 uF, in Hz",
        {u"4700"_s, u"47000"_s, u"1E-5"_s},
        1 / (std::log(2.0) * (4.7 * kilo + 2 * 47 * kilo) * 10 * micro));
    row("15_ne555_rapport_cyclique",
        "1 kOhm, 10 kOhm, in %",
        {u"1000"_s, u"10000"_s},
        100 * (1.0 + 10.0) / (1.0 + 2 * 10.0));
    row("15_ne555_monostable",
        "100 kOhm, 10 uF, in s",
        {u"100000"_s, u"1E-5"_s},
        std::log(3.0) * 100 * kilo * 10 * micro);
    // Resistivity in Ohm.mm2/m is the SI Ohm.m times a million.
    row("11_resistance_fil",
        "copper, 10 m, 1.5 mm2",
        {u"0.0172"_s, u"10"_s, u"1.5"_s},
        0.0172 * micro * 10 / (1.5 * micro));
    row("11_chute_tension_cable",
        "copper, 25 m, 10 A, 2.5 mm2",
        {u"0.0172"_s, u"25"_s, u"10"_s, u"2.5"_s},
        2 * 0.0172 * micro * 25 * 10 / (2.5 * micro));
    row("13_transformateur_tension",
        "230 V, 1000 and 52 turns",
        {u"230"_s, u"1000"_s, u"52"_s},
        230.0 * 52 / 1000);
    row("13_transformateur_courant",
        "0.5 A, 1000 and 52 turns",
        {u"0.5"_s, u"1000"_s, u"52"_s},
        0.5 * 1000 / 52);
    row("03_condensateurs_serie_2",
        "100 nF and 47 nF, in F",
        {u"1E-7"_s, u"4.7E-8"_s},
        1 / (1 / (100 * nano) + 1 / (47 * nano)));
    row("03_condensateurs_parallele_3",
        "100, 47, 22 nF, in F",
        {u"1E-7"_s, u"4.7E-8"_s, u"2.2E-8"_s},
        169 * nano);
    row("10_tension_efficace", "325 V peak", {u"325"_s}, 325 / std::sqrt(2.0));
    row("14_puissance_active", "230 V, 10 A, 0.8", {u"230"_s, u"10"_s, u"0.8"_s}, 230 * 10 * 0.8);
    row("06_ampli_non_inverseur", "10 kOhm, 47 kOhm", {u"10000"_s, u"47000"_s}, 1 + 47.0 / 10.0);
    row("06_ampli_inverseur", "10 kOhm, 47 kOhm", {u"10000"_s, u"47000"_s}, -47.0 / 10.0);
    row("10_frequence_periode", "20 ms, in Hz", {u"0.02"_s}, 1 / (20 * milli));
}

void FunctionLibraryTest::values()
{
    QFETCH(QString, file);
    QFETCH(QStringList, inputs);
    QFETCH(double, expected);
    m_checkedFiles.insert(file);

    c_calculs *calculator = SingleInstance<c_calculs>::get();
    const qsizetype index = std::find(donnees::FunctionFileNames.cbegin(),
                                      donnees::FunctionFileNames.cend(),
                                      file)
                            - donnees::FunctionFileNames.cbegin();
    QVERIFY2(index < donnees::FunctionSlots, qPrintable(file));
    calculator->findChild<QComboBox *>(u"cmbFonction"_s)->setCurrentIndex(int(index));
    calculator->cmbFonction_Click();
    for (int k = 1; k <= 6; ++k)
        calculator->findChild<QLineEdit *>(u"txtDonnees"_s + QString::number(k))
            ->setText(k <= inputs.size() ? inputs[k - 1] : u"0"_s);
    calculator->Command1_Click();

    QVERIFY(m_platform->messages.isEmpty());
    const QString shown = calculator->findChild<QLineEdit *>(u"txtResultat"_s)->text();
    bool isNumber = false;
    const double result = shown.toDouble(&isNumber);
    QVERIFY2(isNumber, qPrintable(shown));
    // Twelve significant digits.
    QVERIFY2(std::abs(result - expected) <= 1e-12 * std::abs(expected),
             qPrintable(u"shown %1, expected %2"_s.arg(shown).arg(expected, 0, 'g', 15)));
}

void FunctionLibraryTest::everyShippedFileIsChecked()
{
    QStringList unchecked;
    for (const QString &file : shippedFiles())
        if (!m_checkedFiles.contains(file))
            unchecked.append(file);
    QCOMPARE(unchecked, QStringList());
}

void FunctionLibraryTest::signsAndExponents_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<double>("expected");

    // kind "negative": one input below zero; "exponent": inputs typed as the values window copies
    // them ("4,7E3"). Where no input of a function can be negative in a passive circuit, the
    // negative row stands for a negative-impedance converter, and the formula must still be the
    // algebra its description writes.
    auto row = [](const char *file,
                  const char *kind,
                  const char *what,
                  QStringList inputs,
                  double expected) {
        QTest::addRow("%s: %s, %s", file, kind, what)
            << QString::fromLatin1(file) + u".zvfc"_s << QString::fromLatin1(kind) << inputs
            << expected;
    };
    row("01_ohm_tension",
        "negative",
        "4.7 kOhm, -2.5 mA",
        {u"4,7E3"_s, u"-2,5E-3"_s},
        -4.7 * kilo * 2.5 * milli);
    row("01_ohm_tension", "exponent", "4.7 MOhm, 2.5 uA", {u"4,7E6"_s, u"2,5E-6"_s}, 4.7e6 * 2.5e-6);
    row("01_ohm_courant", "negative", "-12 V, 4.7 kOhm", {u"-12"_s, u"4700"_s}, -12 / (4.7 * kilo));
    row("01_ohm_courant", "exponent", "12 V, 4.7 MOhm", {u"12"_s, u"4,7E6"_s}, 12 / 4.7e6);
    row("01_ohm_resistance", "negative", "-5 V, -2 mA", {u"-5"_s, u"-0,002"_s}, -5 / (-2 * milli));
    row("01_ohm_resistance", "exponent", "5 V, 2 uA", {u"5"_s, u"2E-6"_s}, 5 / 2e-6);
    row("01_puissance_tension_courant",
        "negative",
        "-12 V, -500 mA",
        {u"-12"_s, u"-0,5"_s},
        -12 * -500 * milli);
    row("01_puissance_tension_courant",
        "exponent",
        "12 V, 500 mA",
        {u"1,2E1"_s, u"5E-1"_s},
        12 * 0.5);
    row("01_puissance_tension_resistance",
        "negative",
        "-230 V, 47 kOhm",
        {u"-230"_s, u"47000"_s},
        230.0 * 230.0 / (47 * kilo));
    row("01_puissance_tension_resistance",
        "exponent",
        "230 V, 47 kOhm",
        {u"2,3E2"_s, u"4,7E4"_s},
        230.0 * 230.0 / (47 * kilo));
    row("01_puissance_resistance_courant",
        "negative",
        "100 Ohm, -20 mA",
        {u"100"_s, u"-0,02"_s},
        100 * std::pow(-20 * milli, 2));
    row("01_puissance_resistance_courant",
        "exponent",
        "100 Ohm, 20 mA",
        {u"1E2"_s, u"2E-2"_s},
        100 * std::pow(20 * milli, 2));
    row("02_diviseur_tension",
        "negative",
        "-12 V, 10 kOhm, 4.7 kOhm",
        {u"-12"_s, u"10"_s, u"4,7"_s},
        -12 * 4.7 / (10 + 4.7));
    row("02_diviseur_tension",
        "exponent",
        "12 V, 10 MOhm, 4.7 MOhm",
        {u"12"_s, u"1E4"_s, u"4,7E3"_s},
        12 * 4.7e6 / (10e6 + 4.7e6));
    row("02_diviseur_courant",
        "negative",
        "-10 mA, 1 kOhm, 3.3 kOhm",
        {u"-0,01"_s, u"1000"_s, u"3300"_s},
        -10 * milli * 3.3 / (1 + 3.3));
    row("02_diviseur_courant",
        "exponent",
        "10 uA, 1 kOhm, 3.3 kOhm",
        {u"1E-5"_s, u"1000"_s, u"3300"_s},
        10 * micro * 3.3 / (1 + 3.3));
    row("02_resistances_serie_2",
        "negative",
        "470 Ohm, -220 Ohm",
        {u"470"_s, u"-220"_s},
        470.0 - 220.0);
    row("02_resistances_serie_2", "exponent", "4.7 MOhm, 220 kOhm", {u"4,7E6"_s, u"2,2E5"_s}, 4.92e6);
    row("02_resistances_serie_3",
        "negative",
        "100, 220, -330 Ohm",
        {u"100"_s, u"220"_s, u"-330"_s},
        -10.0);
    row("02_resistances_serie_3",
        "exponent",
        "1, 2.2, 3.3 MOhm",
        {u"1E6"_s, u"2,2E6"_s, u"3,3E6"_s},
        6.5e6);
    row("02_resistances_parallele_2",
        "negative",
        "1 kOhm, -2 kOhm",
        {u"1000"_s, u"-2000"_s},
        1000.0 * -2000.0 / (1000.0 - 2000.0));
    row("02_resistances_parallele_2", "exponent", "1 MOhm twice", {u"1E6"_s, u"1E6"_s}, 5e5);
    row("02_resistances_parallele_3",
        "negative",
        "100, 220, -330 Ohm",
        {u"100"_s, u"220"_s, u"-330"_s},
        1 / (1 / 100.0 + 1 / 220.0 - 1 / 330.0));
    row("02_resistances_parallele_3",
        "exponent",
        "1, 2.2, 3.3 kOhm",
        {u"1E3"_s, u"2,2E3"_s, u"3,3E3"_s},
        1 / (1 / 1e3 + 1 / 2.2e3 + 1 / 3.3e3));
    row("03_constante_temps_rc",
        "negative",
        "-10 kOhm, 100 uF",
        {u"-10000"_s, u"0,0001"_s},
        -10 * kilo * 100 * micro);
    row("03_constante_temps_rc", "exponent", "1 MOhm, 1 nF", {u"1E6"_s, u"1E-9"_s}, 1e6 * 1e-9);
    row("04_constante_temps_rl",
        "negative",
        "10 mH, -100 Ohm",
        {u"0,01"_s, u"-100"_s},
        10 * milli / -100);
    row("04_constante_temps_rl", "exponent", "10 uH, 1 kOhm", {u"1E-5"_s, u"1E3"_s}, 10e-6 / 1e3);
    row("05_frequence_coupure_rc",
        "negative",
        "-10 kOhm, 22 nF",
        {u"-10000"_s, u"0,000000022"_s},
        1 / (2 * pi * -10 * kilo * 22 * nano));
    row("05_frequence_coupure_rc",
        "exponent",
        "10 kOhm, 22 pF",
        {u"1E4"_s, u"2,2E-11"_s},
        1 / (2 * pi * 10 * kilo * 22e-12));
    row("05_frequence_coupure_rl",
        "negative",
        "-100 Ohm, 10 mH",
        {u"-100"_s, u"0,01"_s},
        -100 / (2 * pi * 10 * milli));
    row("05_frequence_coupure_rl",
        "exponent",
        "100 Ohm, 10 uH",
        {u"1E2"_s, u"1E-5"_s},
        100 / (2 * pi * 10e-6));
    row("05_frequence_resonance_lc",
        "negative",
        "-1 mH, -100 nF",
        {u"-0,001"_s, u"-0,0000001"_s},
        1 / (2 * pi * std::sqrt(1 * milli * 100 * nano)));
    row("05_frequence_resonance_lc",
        "exponent",
        "100 uH, 470 pF",
        {u"1E-4"_s, u"4,7E-10"_s},
        1 / (2 * pi * std::sqrt(0.1 * milli * 0.47 * nano)));
    row("03_reactance_capacitive",
        "negative",
        "-50 Hz, 10 uF",
        {u"-50"_s, u"0,00001"_s},
        1 / (2 * pi * -50 * 10 * micro));
    row("03_reactance_capacitive",
        "exponent",
        "1 MHz, 1 nF",
        {u"1E6"_s, u"1E-9"_s},
        1 / (2 * pi * 1e6 * 1e-9));
    row("04_reactance_inductive",
        "negative",
        "-50 Hz, 100 mH",
        {u"-50"_s, u"0,1"_s},
        2 * pi * -50 * 100 * milli);
    row("04_reactance_inductive",
        "exponent",
        "1 MHz, 10 uH",
        {u"1E6"_s, u"1E-5"_s},
        2 * pi * 1e6 * 10e-6);
    // A capacitive reactance is negative by the usual sign convention; the modulus is the same.
    row("05_impedance_serie",
        "negative",
        "100 Ohm, -318.3 Ohm",
        {u"100"_s, u"-318,3"_s},
        std::hypot(100, 318.3));
    row("05_impedance_serie", "exponent", "30 kOhm, 40 kOhm", {u"3E4"_s, u"4E4"_s}, 5e4);
    row("03_energie_condensateur",
        "negative",
        "100 uF, -10 V",
        {u"0,0001"_s, u"-10"_s},
        0.5 * 100 * micro * 10 * 10);
    row("03_energie_condensateur",
        "exponent",
        "2.2 mF, 5 V",
        {u"2,2E-3"_s, u"5"_s},
        0.5 * 2.2e-3 * 25);
    row("04_energie_inductance",
        "negative",
        "10 mH, -2 A",
        {u"0,01"_s, u"-2"_s},
        0.5 * 10 * milli * 4);
    row("04_energie_inductance", "exponent", "1 uH, 1 kA", {u"1E-6"_s, u"1E3"_s}, 0.5 * 1e-6 * 1e6);
    row("03_charge_condensateur",
        "negative",
        "100 uF, -12 V",
        {u"0,0001"_s, u"-12"_s},
        100 * micro * -12);
    row("03_charge_condensateur", "exponent", "1 pF, 12 V", {u"1E-12"_s, u"12"_s}, 1e-12 * 12);
    // A negative supply with the LED turned round: the same resistor.
    row("07_resistance_led",
        "negative",
        "-5 V, -2 V, -20 mA",
        {u"-5"_s, u"-2"_s, u"-0,02"_s},
        (-5.0 + 2.0) / (-20 * milli));
    row("07_resistance_led", "exponent", "5 V, 2 V, 20 uA", {u"5"_s, u"2"_s, u"2E-5"_s}, 3 / 20e-6);
    row("15_ne555_frequence",
        "negative",
        "1 kOhm, 10 kOhm, -10 nF",
        {u"1000"_s, u"10000"_s, u"-0,00000001"_s},
        1 / (std::log(2.0) * (1 * kilo + 2 * 10 * kilo) * -0.01 * micro));
    row("15_ne555_frequence",
        "exponent",
        "1 kOhm, 10 kOhm, 10 nF",
        {u"1E3"_s, u"1E4"_s, u"1E-8"_s},
        1 / (std::log(2.0) * (1 * kilo + 2 * 10 * kilo) * 0.01 * micro));
    row("15_ne555_rapport_cyclique",
        "negative",
        "-1 kOhm, 10 kOhm",
        {u"-1"_s, u"10"_s},
        100 * (-1.0 + 10.0) / (-1.0 + 2 * 10.0));
    row("15_ne555_rapport_cyclique",
        "exponent",
        "1 MOhm, 10 MOhm",
        {u"1E3"_s, u"1E4"_s},
        100 * (1.0 + 10.0) / (1.0 + 2 * 10.0));
    row("15_ne555_monostable",
        "negative",
        "-100 kOhm, 10 uF",
        {u"-100000"_s, u"0,00001"_s},
        std::log(3.0) * -100 * kilo * 10 * micro);
    row("15_ne555_monostable",
        "exponent",
        "1 MOhm, 100 nF",
        {u"1E6"_s, u"1E-7"_s},
        std::log(3.0) * 1e6 * 100 * nano);
    // Resistivity in Ohm.mm2/m is the SI Ohm.m times a million.
    row("11_resistance_fil",
        "negative",
        "copper, 10 m, -1.5 mm2",
        {u"0,017241"_s, u"10"_s, u"-1,5"_s},
        0.017241 * micro * 10 / (-1.5 * micro));
    row("11_resistance_fil",
        "exponent",
        "copper, 10 m, 1.5 mm2",
        {u"1,7241E-2"_s, u"1E1"_s, u"1,5"_s},
        0.017241 * micro * 10 / (1.5 * micro));
    // Current flowing the other way: the drop changes sign.
    row("11_chute_tension_cable",
        "negative",
        "copper, 25 m, -10 A, 2.5 mm2",
        {u"0,017241"_s, u"25"_s, u"-10"_s, u"2,5"_s},
        2 * 0.017241 * micro * 25 * -10 / (2.5 * micro));
    row("11_chute_tension_cable",
        "exponent",
        "copper, 1 km, 10 A, 2.5 mm2",
        {u"1,7241E-2"_s, u"1E3"_s, u"1E1"_s, u"2,5"_s},
        2 * 0.017241 * micro * 1e3 * 10 / (2.5 * micro));
    // Instantaneous values of the other half-wave.
    row("13_transformateur_tension",
        "negative",
        "-230 V, 1000 and 52 turns",
        {u"-230"_s, u"1000"_s, u"52"_s},
        -230.0 * 52 / 1000);
    row("13_transformateur_tension",
        "exponent",
        "230 V, 1000 and 52 turns",
        {u"2,3E2"_s, u"1E3"_s, u"5,2E1"_s},
        230.0 * 52 / 1000);
    row("13_transformateur_courant",
        "negative",
        "-0.5 A, 1000 and 52 turns",
        {u"-0,5"_s, u"1000"_s, u"52"_s},
        -0.5 * 1000 / 52);
    row("13_transformateur_courant",
        "exponent",
        "0.5 A, 1000 and 52 turns",
        {u"5E-1"_s, u"1E3"_s, u"5,2E1"_s},
        0.5 * 1000 / 52);
    row("03_condensateurs_serie_2",
        "negative",
        "100 nF, -47 nF",
        {u"1E-7"_s, u"-4,7E-8"_s},
        1 / (1 / (100 * nano) + 1 / (-47 * nano)));
    row("03_condensateurs_serie_2",
        "exponent",
        "100 pF, 47 pF",
        {u"1E-10"_s, u"4,7E-11"_s},
        1 / (1 / 100e-12 + 1 / 47e-12));
    row("03_condensateurs_parallele_3",
        "negative",
        "100, 47, -22 nF",
        {u"1E-7"_s, u"4,7E-8"_s, u"-2,2E-8"_s},
        125 * nano);
    row("03_condensateurs_parallele_3",
        "exponent",
        "1, 4.7, 2.2 uF",
        {u"1E-6"_s, u"4,7E-6"_s, u"2,2E-6"_s},
        7.9 * micro);
    row("10_tension_efficace", "negative", "-325 V peak", {u"-325"_s}, -325 / std::sqrt(2.0));
    row("10_tension_efficace", "exponent", "325 kV peak", {u"3,25E5"_s}, 325e3 / std::sqrt(2.0));
    // A power factor below zero: the load gives power back.
    row("14_puissance_active",
        "negative",
        "230 V, 10 A, -0.8",
        {u"230"_s, u"10"_s, u"-0,8"_s},
        230 * 10 * -0.8);
    row("14_puissance_active",
        "exponent",
        "230 V, 10 mA, 0.8",
        {u"230"_s, u"1E-2"_s, u"8E-1"_s},
        230 * 10 * milli * 0.8);
    row("06_ampli_non_inverseur",
        "negative",
        "10 kOhm, -4.7 kOhm",
        {u"10"_s, u"-4,7"_s},
        1 - 4.7 / 10.0);
    row("06_ampli_non_inverseur",
        "exponent",
        "10 kOhm, 1 MOhm",
        {u"1E1"_s, u"1E3"_s},
        1 + 1000.0 / 10.0);
    row("06_ampli_inverseur", "negative", "-10 kOhm, 47 kOhm", {u"-10"_s, u"47"_s}, -47.0 / -10.0);
    row("06_ampli_inverseur", "exponent", "10 kOhm, 1 MOhm", {u"1E1"_s, u"1E3"_s}, -1000.0 / 10.0);
    row("10_frequence_periode", "negative", "-20 ms", {u"-0,02"_s}, 1 / (-20 * milli));
    row("10_frequence_periode", "exponent", "1 us", {u"1E-6"_s}, 1 / micro);
}

void FunctionLibraryTest::signsAndExponents()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(QStringList, inputs);
    QFETCH(double, expected);
    m_checkedSigns.insert(file + u' ' + kind);

    QStringDecoder fromWindows1252("windows-1252");
    const QStringList lines = QString(
                                  fromWindows1252(readFile(shippedDataPath(u"res/Fonc/"_s + file))))
                                  .split(u"\r\n"_s);
    // Each input goes in place of its placeholder in parentheses, as the calculator puts it.
    functions::FunctionInputs boxes;
    for (int k = 0; k < 6; ++k)
        boxes[k] = k < inputs.size() ? inputs[k] : u"0"_s;
    const QString expression
        = functions::substituteInputs(rawValue(lines, u"Calc"_s, u"Fnc"_s), boxes).expression;

    double result = 0;
    try {
        result = engine::Calcule(expression);
    } catch (const engine::EvalError &error) {
        QFAIL(qPrintable(expression + u": "_s + error.reason()));
    }
    QVERIFY2(std::abs(result - expected) <= 1e-12 * std::abs(expected),
             qPrintable(u"%1 gives %2, expected %3"_s.arg(expression)
                            .arg(result, 0, 'g', 15)
                            .arg(expected, 0, 'g', 15)));
}

void FunctionLibraryTest::everyShippedFileIsCheckedWithBothInputs()
{
    QStringList unchecked;
    for (const QString &file : shippedFiles())
        for (const QString &kind : {u"negative"_s, u"exponent"_s})
            if (!m_checkedSigns.contains(file + u' ' + kind))
                unchecked.append(file + u' ' + kind);
    QCOMPARE(unchecked, QStringList());
}

void FunctionLibraryTest::fileFormat_data()
{
    addFileRows();
}

void FunctionLibraryTest::fileFormat()
{
    QFETCH(QString, file);
    QVERIFY(QRegularExpression(u"^[a-z0-9_]+\\.zvfc$"_s).match(file).hasMatch());
    const QByteArray bytes = readFile(shippedDataPath(u"res/Fonc/"_s + file));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    for (const char undefined : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'})
        QVERIFY(!bytes.contains(undefined));
    QStringDecoder fromWindows1252("windows-1252");
    const QStringList lines = QString(fromWindows1252(bytes)).split(u"\r\n"_s);

    const QString formula = rawValue(lines, u"Calc"_s, u"Fnc"_s);
    QVERIFY(!formula.isEmpty());
    QVERIFY(!rawValue(lines, u"GeneralInfo"_s, u"NomFonc"_s).isEmpty());
    QCOMPARE(rawValue(lines, u"GeneralInfo"_s, u"NomAuteur"_s), u"Équipe ZORV"_s);
    for (int k = 1; k <= 6; ++k) {
        const QString placeholder = u"d"_s + QString::number(k);
        const QString legend = rawValue(lines, u"Fonc"_s, placeholder);
        QVERIFY2(!legend.isEmpty(), qPrintable(placeholder));
        // Unused inputs say so; used ones carry a legend.
        QCOMPARE(legend == u"(Vide)"_s, !formula.contains(placeholder));
    }
    const QString description = rawValue(lines, u"ePrf"_s, u"Description"_s);
    // What it computes, the unit of the result, where it holds: a few lines, read whole.
    QVERIFY(description.contains(u"Résultat"_s));
    QVERIFY(description.contains(u"Vaut"_s));
    QVERIFY2(description.size() >= 100 && description.size() <= 254,
             qPrintable(QString::number(description.size())));
    // Constants are written out in full, so that the formula "+" shows reads without a power of ten.
    QVERIFY(!QRegularExpression(u"[0-9.]E[-+]?[0-9]"_s, QRegularExpression::CaseInsensitiveOption)
                 .match(formula)
                 .hasMatch());

    QVERIFY(categories().contains(rawValue(lines, u"GeneralInfo"_s, u"Categorie"_s)));
    // Each input the formula uses declares its unit, and its legend names it; an empty unit is a
    // pure number. Unused inputs declare none and have no example value.
    for (int k = 1; k <= 6; ++k) {
        const QString placeholder = u"d"_s + QString::number(k);
        const bool used = formula.contains(placeholder);
        const QString unit = rawValue(lines, u"Unites"_s, placeholder);
        QCOMPARE(hasKey(lines, u"Unites"_s, placeholder), used);
        QCOMPARE(hasKey(lines, u"Exemple"_s, placeholder), used);
        if (!used)
            continue;
        QVERIFY2(knownUnit(unit), qPrintable(placeholder + u' ' + unit));
        // A prefix in the example scales from the unit's own base: it may only stand where the
        // declared unit has none (not "2k" in a box in mAh).
        const QString example = rawValue(lines, u"Exemple"_s, placeholder);
        if (QRegularExpression(u"[0-9][fpnuµmkKMGTR][0-9]*$"_s).match(example).hasMatch())
            QVERIFY2(!unit.isEmpty()
                         && !QRegularExpression(u"^(mm|cm|µm|mA)"_s).match(unit).hasMatch(),
                     qPrintable(placeholder + u' ' + example + u' ' + unit));
        const QString legend = rawValue(lines, u"Fonc"_s, placeholder);
        QVERIFY2(legend.contains(unit.isEmpty() ? u"(sans unité)"_s : u'(' + unit),
                 qPrintable(legend));
    }
    QVERIFY(hasKey(lines, u"Unites"_s, u"Resultat"_s));
    const QString resultUnit = rawValue(lines, u"Unites"_s, u"Resultat"_s);
    QVERIFY2(knownUnit(resultUnit), qPrintable(resultUnit));
}

void FunctionLibraryTest::workedExample_data()
{
    addFileRows();
}

// The example the information window shows, evaluated as the calculator evaluates those inputs,
// against the result that an independent computation of the textbook formula gave.
void FunctionLibraryTest::workedExample()
{
    QFETCH(QString, file);
    m_checkedFiles.insert(file);
    const functions::FunctionDetails details = functions::readFunctionDetails(file);
    QVERIFY(details.hasExample());
    const functions::FunctionEvaluation evaluation
        = functions::evaluateFunction(functions::readPickedFunction(file, file),
                                      details.exampleInputs);
    QVERIFY2(evaluation.ok(), qPrintable(evaluation.reason));
    const double expected = engine::Calcule(details.exampleResult);
    QVERIFY2(functions::agreesWithExample(evaluation.value, expected),
             qPrintable(u"%1 gives %2, expected %3"_s.arg(evaluation.expression)
                            .arg(evaluation.value, 0, 'g', 15)
                            .arg(details.exampleResult)));
}

void FunctionLibraryTest::workedExampleWrittenOtherwise_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    for (const QString &file : shippedFiles())
        for (const QString &kind : {u"negative"_s, u"exponent"_s})
            QTest::newRow(qPrintable(file + u' ' + kind)) << file << kind;
}

// Every example again, each value written as the values window copies it ("4,7E3") or as the
// negative of its negative: the formula must read each box as one value wherever it stands
// (under a square, a power, a function), so the result may not change.
void FunctionLibraryTest::workedExampleWrittenOtherwise()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    m_checkedSigns.insert(file + u' ' + kind);
    const functions::FunctionDetails details = functions::readFunctionDetails(file);
    const QString formula = functions::ReadAClause(file, u"Calc"_s, u"Fnc"_s);
    const functions::FunctionEvaluation plain = functions::evaluateFunction(file,
                                                                            formula,
                                                                            details.exampleInputs);
    QVERIFY2(plain.ok(), qPrintable(plain.reason));

    functions::FunctionInputs rewritten;
    for (int k = 0; k < 6; ++k) {
        const double value = engine::Calcule(details.exampleInputs[k]);
        rewritten[k] = kind == u"exponent"_s ? QString::number(value, 'E', 14).replace(u'.', u',')
                                             : u"-(-"_s + details.exampleInputs[k] + u')';
    }
    const functions::FunctionEvaluation other = functions::evaluateFunction(file,
                                                                            formula,
                                                                            rewritten);
    QVERIFY2(other.ok(), qPrintable(other.expression + u": "_s + other.reason));
    QVERIFY2(functions::agreesWithExample(other.value, plain.value),
             qPrintable(u"%1 gives %2, %3 gave %4"_s.arg(other.expression)
                            .arg(other.value, 0, 'g', 15)
                            .arg(plain.expression)
                            .arg(plain.value, 0, 'g', 15)));
}

// The calculator lists files by name: the number that begins each name keeps a category together
// and puts the categories in the order of the list of categories.
void FunctionLibraryTest::filesReadInCategories()
{
    const QStringList known = categories();
    QMap<QString, int> perCategory;
    for (const QString &file : shippedFiles()) {
        const QString category = functions::readFunctionDetails(file).category;
        QCOMPARE(file.left(3), u"%1_"_s.arg(int(known.indexOf(category)) + 1, 2, 10, QChar(u'0')));
        ++perCategory[category];
    }
    QCOMPARE(perCategory.size(), known.size());
    for (auto it = perCategory.cbegin(); it != perCategory.cend(); ++it)
        QVERIFY2(it.value() >= 5, qPrintable(it.key()));
    QVERIFY(shippedFiles().size() >= 100);
}

QTEST_MAIN(FunctionLibraryTest)
#include "test_function_library.moc"
