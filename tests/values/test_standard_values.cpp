#include "support/temp_app_dir.h"
#include "values/core/standard_values.h"
#include "values/core/values_file.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <limits>

using namespace zorv;
using namespace zorv::values;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(zorv::values::Series)

namespace {

QList<int> mantissas(Series series)
{
    const std::span<const int> values = seriesMantissas(series);
    return QList<int>(values.begin(), values.end());
}

// The series written in the shipped values file ("Série E24 (5 %)", a long one in halves), as
// whole numbers of its significant digits ("4,7" is 47).
QMap<QString, QList<int>> seriesOfTheValuesFile()
{
    test::TempAppDir appDir;
    appDir.copyFromShippedData(u"res/Vals.fval"_s);
    QStringList names;
    ValueTable table;
    readValuesFile([&names](const QString &name) { names.append(name); }, table);

    static const QRegularExpression SeriesName(u"^Série (E\\d+)\\b"_s);
    QMap<QString, QList<int>> series;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const QRegularExpressionMatch match = SeriesName.match(names.at(slot - 1));
        if (!match.hasMatch())
            continue;
        for (const QString &value : table[slot].split(u';'))
            series[match.captured(1)] << value.trimmed().remove(u',').toInt();
    }
    return series;
}

} // namespace

class StandardValuesTest : public QObject
{
    Q_OBJECT

private slots:
    void tablesAgreeWithTheValuesFile();
    void tablesFollowTheStandard_data();
    void tablesFollowTheStandard();
    void nearest_data();
    void nearest();
    void refusals_data();
    void refusals();
    void readValue_data();
    void readValue();
    void colourBands_data();
    void colourBands();
};

void StandardValuesTest::tablesAgreeWithTheValuesFile()
{
    const QMap<QString, QList<int>> shipped = seriesOfTheValuesFile();
    int compared = 0;
    for (const Series series : AllSeries) {
        if (!shipped.contains(seriesName(series)))
            continue;
        QCOMPARE(mantissas(series), shipped.value(seriesName(series)));
        ++compared;
    }
    // The values file holds E6 to E48 at least; a renamed entry must not pass unnoticed.
    QVERIFY2(compared >= 4, qPrintable(u"%1 series compared"_s.arg(compared)));
}

void StandardValuesTest::tablesFollowTheStandard_data()
{
    QTest::addColumn<Series>("series");
    QTest::addColumn<Series>("everyOther");     // the series of half as many values
    QTest::addColumn<QList<int>>("exceptions"); // where the published value is not the geometric one

    QTest::newRow("E12") << Series::E12 << Series::E6 << QList<int>{27, 33, 39, 47, 82};
    QTest::newRow("E24") << Series::E24 << Series::E12
                         << QList<int>{27, 30, 33, 36, 39, 43, 47, 82};
    QTest::newRow("E96") << Series::E96 << Series::E48 << QList<int>{};
    QTest::newRow("E192") << Series::E192 << Series::E96 << QList<int>{920};
}

// Every value of a decade is 10^(i/n) rounded to its significant digits, but for the published
// exceptions; each series holds every other value of the next.
void StandardValuesTest::tablesFollowTheStandard()
{
    QFETCH(Series, series);
    QFETCH(Series, everyOther);
    QFETCH(QList<int>, exceptions);

    const QList<int> values = mantissas(series);
    const int scale = significantDigits(series) == 2 ? 10 : 100;
    QCOMPARE(values.size(), seriesName(series).mid(1).toInt());
    QList<int> differing;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const int geometric = int(std::lround(scale * std::pow(10.0, double(i) / values.size())));
        if (values[i] != geometric)
            differing << values[i];
    }
    QCOMPARE(differing, exceptions);

    QList<int> halves;
    for (qsizetype i = 0; i < values.size(); i += 2)
        halves << values[i];
    QCOMPARE(mantissas(everyOther), halves);
}

void StandardValuesTest::nearest_data()
{
    QTest::addColumn<Series>("series");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("below");
    QTest::addColumn<double>("above");
    QTest::addColumn<double>("nearest");

    QTest::newRow("E24 723,43") << Series::E24 << 723.43 << 680.0 << 750.0 << 750.0;
    QTest::newRow("E12 across a decade") << Series::E12 << 0.95 << 0.82 << 1.0 << 1.0;
    QTest::newRow("E12 halfway, the lower") << Series::E12 << 1.1 << 1.0 << 1.2 << 1.0;
    QTest::newRow("E6 relative tie across a decade, the lower")
        << Series::E6 << 8.4 << 6.8 << 10.0 << 6.8;
    QTest::newRow("E6 just past the tie") << Series::E6 << 8.40000000000001 << 6.8 << 10.0 << 10.0;
    QTest::newRow("E192 halfway of three digits") << Series::E192 << 1.005 << 1.0 << 1.01 << 1.0;
    QTest::newRow("E192 published 9,20") << Series::E192 << 9.195 << 9.09 << 9.2 << 9.2;
    QTest::newRow("E24 exact value") << Series::E24 << 4.7e3 << 4.7e3 << 4.7e3 << 4.7e3;
    QTest::newRow("E12 a result that shows as 3,3") << Series::E12 << 3 * 1.1 << 3.3 << 3.3 << 3.3;
    QTest::newRow("E6 1E-15") << Series::E6 << 1e-15 << 1e-15 << 1e-15 << 1e-15;
    QTest::newRow("E48 below 1E+15") << Series::E48 << 9.99e14 << 9.53e14 << 1e15 << 1e15;
    QTest::newRow("E24 smallest") << Series::E24 << 1e-300 << 1e-300 << 1e-300 << 1e-300;
    QTest::newRow("E24 greatest") << Series::E24 << 1e300 << 1e300 << 1e300 << 1e300;
}

void StandardValuesTest::nearest()
{
    QFETCH(Series, series);
    QFETCH(double, value);
    QFETCH(double, below);
    QFETCH(double, above);
    QFETCH(double, nearest);

    const std::optional<NearestValues> found = nearestValues(series, value);
    QVERIFY(found);
    QCOMPARE(found->below.value(), below);
    QCOMPARE(found->above.value(), above);
    QCOMPARE(found->nearest.value(), nearest);
    QVERIFY(qAbs(found->belowError - (value - below) / value) < 1e-12);
    QVERIFY(qAbs(found->aboveError - (above - value) / value) < 1e-12);
}

void StandardValuesTest::refusals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("reason");

    const QString notPositive = u"n'est pas un nombre positif"_s;
    const QString outOfRange = u"est hors de la plage de 1E-300 à 1E+300"_s;
    QTest::newRow("0") << 0.0 << notPositive;
    QTest::newRow("negative") << -4.7 << notPositive;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << notPositive;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << outOfRange;
    QTest::newRow("too small") << 9.9e-301 << outOfRange;
    QTest::newRow("too great") << 1.1e300 << outOfRange;
}

void StandardValuesTest::refusals()
{
    QFETCH(double, value);
    QFETCH(QString, reason);
    QCOMPARE(refusalReason(value), reason);
    for (const Series series : AllSeries)
        QVERIFY(!nearestValues(series, value));
}

void StandardValuesTest::readValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value"); // 0: refused
    QTest::addColumn<QString>("reason");

    QTest::newRow("decimal comma") << u"723,43"_s << 723.43 << QString();
    QTest::newRow("point, blanks, exponent") << u" 4.7E3 "_s << 4700.0 << QString();
    QTest::newRow("D exponent, leading point") << u".5d-3"_s << 0.0005 << QString();
    QTest::newRow("plus sign, trailing comma") << u"+12,"_s << 12.0 << QString();
    QTest::newRow("resistor code") << u"4k7"_s << 4700.0 << QString();
    QTest::newRow("prefix") << u"100n"_s << 1e-7 << QString();
    QTest::newRow("a prefix and a unit") << u"100nF"_s << 0.0 << u"« 100nF » n'est pas un nombre"_s;
    QTest::newRow("trailing letters") << u"12abc"_s << 0.0 << u"« 12abc » n'est pas un nombre"_s;
    QTest::newRow("two separators") << u"1,2.3"_s << 0.0 << u"« 1,2.3 » n'est pas un nombre"_s;
    QTest::newRow("empty") << QString() << 0.0 << u"«  » n'est pas un nombre"_s;
    QTest::newRow("negative") << u"-5"_s << 0.0 << u"« -5 » n'est pas un nombre positif"_s;
    QTest::newRow("zero") << u"0,0"_s << 0.0 << u"« 0,0 » n'est pas un nombre positif"_s;
    QTest::newRow("below a double")
        << u"1E-400"_s << 0.0 << u"« 1E-400 » est hors de la plage de 1E-300 à 1E+300"_s;
    QTest::newRow("beyond a double")
        << u"1E400"_s << 0.0 << u"« 1E400 » : dépassement de capacité"_s;
}

void StandardValuesTest::readValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, reason);
    const ValueReading reading = values::readValue(text);
    QCOMPARE(reading.value.value_or(0.0), value);
    QCOMPARE(reading.reason, reason);
}

void StandardValuesTest::colourBands_data()
{
    QTest::addColumn<Series>("series");
    QTest::addColumn<double>("value");
    QTest::addColumn<QStringList>("bands"); // empty: no colour code

    QTest::newRow("E24 4,7 kOhm") << Series::E24 << 4.7e3
                                  << QStringList{u"jaune"_s, u"violet"_s, u"rouge"_s, u"or"_s};
    QTest::newRow("E6 without tolerance band")
        << Series::E6 << 68.0 << QStringList{u"bleu"_s, u"gris"_s, u"noir"_s, u"aucune"_s};
    QTest::newRow("E12 gold multiplier")
        << Series::E12 << 1.0 << QStringList{u"marron"_s, u"noir"_s, u"or"_s, u"argent"_s};
    QTest::newRow("E192 silver multiplier")
        << Series::E192 << 9.2
        << QStringList{u"blanc"_s, u"rouge"_s, u"noir"_s, u"argent"_s, u"vert"_s};
    QTest::newRow("E48 white multiplier")
        << Series::E48 << 9.53e11
        << QStringList{u"blanc"_s, u"vert"_s, u"orange"_s, u"blanc"_s, u"rouge"_s};
    QTest::newRow("E48 beyond white") << Series::E48 << 1e12 << QStringList();
    QTest::newRow("E24 below silver") << Series::E24 << 0.091 << QStringList();
}

void StandardValuesTest::colourBands()
{
    QFETCH(Series, series);
    QFETCH(double, value);
    QFETCH(QStringList, bands);
    const std::optional<NearestValues> found = nearestValues(series, value);
    QVERIFY(found);
    QCOMPARE(found->nearest.value(), value);
    QCOMPARE(values::colourBands(series, found->nearest).value_or(QStringList()), bands);
}

QTEST_GUILESS_MAIN(StandardValuesTest)
#include "test_standard_values.moc"
