// The points of a sweep: where they stand, that both ends are met exactly, which ranges are
// refused, and that a refused evaluation leaves a gap with its reason instead of a number.

#include "functions/core/axis_ticks.h"
#include "functions/core/sweep.h"
#include "functions/core/sweep_export.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace zorv::functions;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(SweepScale)

namespace {

using Doubles = QList<double>;

FunctionInputs boxes(const QStringList &typed)
{
    FunctionInputs inputs;
    for (int k = 0; k < 6; ++k)
        inputs[k] = k < typed.size() ? typed[k] : u"0"_s;
    return inputs;
}

// A function of no file, with no declared unit.
PickedFunction function(const QString &name, const QString &formula)
{
    PickedFunction picked;
    picked.name = name;
    picked.formula = formula;
    return picked;
}

// The points as "x:y" or "x:-" for a gap, for one readable comparison.
QString written(const SweepResult &result)
{
    QStringList texts;
    for (const SweepPoint &point : result.points)
        texts << QString::number(point.x) + u':' + (point.y ? QString::number(*point.y) : u"-"_s);
    return texts.join(u' ');
}

} // namespace

class SweepTest : public QObject
{
    Q_OBJECT

private slots:
    void points_data();
    void points();
    void spacingProperty();
    void ranges_data();
    void ranges();
    void engineering_data();
    void engineering();
    void ticksProperty();
    void csv();
};

void SweepTest::points_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("box");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("count");
    QTest::addColumn<SweepScale>("scale");
    QTest::addColumn<QString>("points"); // as written(); empty when refused as a whole
    QTest::addColumn<QString>("reason"); // the fault, or the first refusal; a part of it

    const auto lin = SweepScale::Linear;
    const auto log = SweepScale::Logarithmic;
    QTest::newRow("linear, ends included") << u"d1*2"_s << QStringList{} << 1 << 0.0 << 1.0 << 5
                                           << lin << u"0:0 0.25:0.5 0.5:1 0.75:1.5 1:2"_s << u""_s;
    QTest::newRow("descending range")
        << u"d1"_s << QStringList{} << 1 << 1.0 << -1.0 << 3 << lin << u"1:1 0:0 -1:-1"_s << u""_s;
    QTest::newRow("logarithmic, one point a decade")
        << u"d1"_s << QStringList{} << 1 << 10.0 << 1e6 << 6 << log
        << u"10:10 100:100 1000:1000 10000:10000 100000:100000 1e+06:1e+06"_s << u""_s;
    QTest::newRow("logarithmic over negative values")
        << u"d1"_s << QStringList{} << 1 << -1.0 << -100.0 << 3 << log
        << u"-1:-1 -10:-10 -100:-100"_s << u""_s;
    QTest::newRow("other boxes held, box 2 varied") << u"d1/d2"_s << QStringList{u"6"_s} << 2 << 1.0
                                                    << 3.0 << 3 << lin << u"1:6 2:3 3:2"_s << u""_s;
    QTest::newRow("two points are the two ends")
        << u"d1"_s << QStringList{} << 1 << 0.1 << 0.3 << 2 << lin << u"0.1:0.1 0.3:0.3"_s << u""_s;
    QTest::newRow("a refused point is a gap with its reason")
        << u"1/d1"_s << QStringList{} << 1 << -1.0 << 1.0 << 3 << lin << u"-1:-1 0:- 1:1"_s
        << u"division par zéro"_s;
    QTest::newRow("a fault in a held box refuses every point")
        << u"d1+d2"_s << QStringList{u"0"_s, u"2x"_s} << 1 << 0.0 << 1.0 << 2 << lin << u"0:- 1:-"_s
        << u"La donnée 2)"_s;
    QTest::newRow("a box the formula does not use")
        << u"d1"_s << QStringList{} << 3 << 0.0 << 1.0 << 5 << lin << u""_s
        << u"La donnée 3) n'intervient pas"_s;
    QTest::newRow("logarithmic across zero")
        << u"d1"_s << QStringList{} << 1 << -1.0 << 1.0 << 5 << log << u""_s << u"même signe"_s;
    QTest::newRow("logarithmic from zero")
        << u"d1"_s << QStringList{} << 1 << 0.0 << 1.0 << 5 << log << u""_s << u"non nulles"_s;
    QTest::newRow("equal ends") << u"d1"_s << QStringList{} << 1 << 2.0 << 2.0 << 5 << lin << u""_s
                                << u"égales"_s;
    QTest::newRow("one point") << u"d1"_s << QStringList{} << 1 << 0.0 << 1.0 << 1 << lin << u""_s
                               << u"entre 2 et 10000"_s;
    QTest::newRow("too many points") << u"d1"_s << QStringList{} << 1 << 0.0 << 1.0 << 10001 << lin
                                     << u""_s << u"entre 2 et 10000"_s;
    QTest::newRow("infinite end") << u"d1"_s << QStringList{} << 1 << 0.0 << qInf() << 5 << lin
                                  << u""_s << u"finis"_s;
}

void SweepTest::points()
{
    QFETCH(QString, formula);
    QFETCH(QStringList, inputs);
    QFETCH(int, box);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(int, count);
    QFETCH(SweepScale, scale);
    QFETCH(QString, points);
    QFETCH(QString, reason);

    const SweepResult result = sweepFunction(
        {function(u"f"_s, formula), boxes(inputs), box, {from, to, count, scale}});
    QCOMPARE(written(result), points);
    const QString told = points.isEmpty() ? result.fault : result.firstRefusal;
    QVERIFY2(reason.isEmpty() ? told.isEmpty() : told.contains(reason), qPrintable(told));
    int gaps = 0;
    for (const SweepPoint &point : result.points) {
        QCOMPARE(point.y.has_value(), point.reason.isEmpty());
        gaps += point.y ? 0 : 1;
    }
    QCOMPARE(result.refused, gaps);
}

// Over random ranges: the count asked, both ends exactly, every step the same (the same ratio on
// a logarithmic scale), to the 15 digits a point is written with.
void SweepTest::spacingProperty()
{
    QRandomGenerator random(23);
    const auto uniform = [&random](double low, double high) {
        return low + (high - low) * random.generateDouble();
    };
    for (int run = 0; run < 400; ++run) {
        const bool logarithmic = run % 2 == 1;
        const double sign = run % 4 == 3 ? -1 : 1;
        const double from = logarithmic ? sign * std::pow(10, uniform(-12, 12))
                                        : uniform(-1e6, 1e6);
        const double to = logarithmic ? from * std::pow(10, uniform(-9, 9)) : uniform(-1e6, 1e6);
        const int count = 2 + int(random.bounded(500));
        const SweepRange range{from,
                               to,
                               count,
                               logarithmic ? SweepScale::Logarithmic : SweepScale::Linear};
        if (!sweepRangeFault(range).isEmpty())
            continue;
        const Doubles xs = sweepAbscissas(range);
        QCOMPARE(xs.size(), count);
        QCOMPARE(xs.front(), QString::number(from, 'g', 15).toDouble());
        QCOMPARE(xs.back(), QString::number(to, 'g', 15).toDouble());
        const auto coordinate = [&](double x) { return logarithmic ? std::log(std::abs(x)) : x; };
        const double step = (coordinate(to) - coordinate(from)) / (count - 1);
        const double scale = logarithmic ? 1 : std::max(std::abs(from), std::abs(to));
        for (int i = 1; i < count; ++i) {
            const double seen = coordinate(xs[i]) - coordinate(xs[i - 1]);
            if (std::abs(seen - step) > 1e-12 * scale + 1e-12 * std::abs(step))
                QFAIL(qPrintable(u"run %1, step %2: %3 instead of %4"_s.arg(run)
                                     .arg(i)
                                     .arg(seen, 0, 'g', 17)
                                     .arg(step, 0, 'g', 17)));
        }
    }
}

void SweepTest::ranges_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unit"); // declared for the varied box
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<QString>("reason"); // a part of the refusal; empty when read

    QTest::newRow("two numbers") << u"10..1000"_s << u""_s << 10.0 << 1000.0 << u""_s;
    QTest::newRow("decimal and negative ends") << u"-1.5..2.5"_s << u""_s << -1.5 << 2.5 << u""_s;
    QTest::newRow("expressions as ends") << u"2*3..(1+1)*2"_s << u""_s << 6.0 << 4.0 << u""_s;
    QTest::newRow("no dots") << u"10-20"_s << u""_s << 0.0 << 0.0 << u"DE..À"_s;
    QTest::newRow("three dots") << u"1...2"_s << u""_s << 0.0 << 0.0 << u"un seul « .. »"_s;
    QTest::newRow("empty end") << u"..5"_s << u""_s << 0.0 << 0.0 << u"vide"_s;
    QTest::newRow("prefixes where no unit is declared")
        << u"10..1M"_s << u""_s << 10.0 << 1e6 << u""_s;
    QTest::newRow("ends in the declared unit, with prefixes")
        << u"100 nF..1 µF"_s << u"nF"_s << 100.0 << 1000.0 << u""_s;
    QTest::newRow("an end in another unit is named")
        << u"1..10 mH"_s << u"nF"_s << 0.0 << 0.0 << u"La borne « 10 mH » : unité"_s;
    QTest::newRow("unreadable end named")
        << u"1..5x"_s << u""_s << 0.0 << 0.0 << u"La borne « 5x »"_s;
}

void SweepTest::ranges()
{
    QFETCH(QString, text);
    QFETCH(QString, unit);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(QString, reason);

    const std::variant<SweepRange, QString> read
        = readSweepRange(text, SweepDefaultPoints, SweepScale::Linear, parseUnit(unit));
    if (const QString *refusal = std::get_if<QString>(&read)) {
        QVERIFY2(!reason.isEmpty() && refusal->contains(reason), qPrintable(*refusal));
        return;
    }
    QVERIFY2(reason.isEmpty(), "read instead of refused");
    QCOMPARE(std::get<SweepRange>(read).from, from);
    QCOMPARE(std::get<SweepRange>(read).to, to);
}

void SweepTest::engineering_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("kilo") << 1000.0 << 3 << u"1 k"_s;
    QTest::newRow("decimal comma, zeros dropped") << 2500.0 << 3 << u"2,5 k"_s;
    QTest::newRow("no prefix") << 47.0 << 3 << u"47"_s;
    QTest::newRow("micro") << 4.7e-6 << 3 << u"4,7 µ"_s;
    QTest::newRow("negative milli") << -0.002 << 3 << u"-2 m"_s;
    QTest::newRow("rounding up to the next prefix") << 999.9996 << 3 << u"1 k"_s;
    QTest::newRow("tera") << 3e12 << 3 << u"3 T"_s;
    QTest::newRow("beyond the prefixes") << 1e15 << 3 << u"1E+15"_s;
    QTest::newRow("zero") << 0.0 << 3 << u"0"_s;
}

void SweepTest::engineering()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(engineeringText(value, decimals, QLocale(QLocale::French)), text);
}

// Over random ranges, linear and logarithmic: graduations in order, inside the range, a handful
// of them, and labels that tell each from its neighbours.
void SweepTest::ticksProperty()
{
    const QLocale french(QLocale::French);
    QRandomGenerator random(1);
    for (int run = 0; run < 1000; ++run) {
        const bool logarithmic = run % 2 == 1;
        double low = 0;
        double high = 0;
        if (logarithmic) {
            low = std::pow(10, -12 + 24 * random.generateDouble());
            high = low * std::pow(10, 0.3 + 8 * random.generateDouble());
        } else {
            const double width = std::pow(10, -9 + 18 * random.generateDouble());
            low = (random.generateDouble() - 0.5) * width * 20;
            high = low + width;
        }
        const QList<AxisTick> ticks = logarithmic ? logarithmicTicks(low, high, french)
                                                  : linearTicks(low, high, french);
        const QString where
            = u"run %1: %2..%3"_s.arg(run).arg(low, 0, 'g', 17).arg(high, 0, 'g', 17);
        QVERIFY2(ticks.size() >= (logarithmic ? 1 : 3) && ticks.size() <= 16, qPrintable(where));
        QStringList labels;
        for (qsizetype i = 0; i < ticks.size(); ++i) {
            QVERIFY2(ticks[i].value >= low - (high - low) * 1e-9
                         && ticks[i].value <= high + (high - low) * 1e-9,
                     qPrintable(where));
            QVERIFY2(i == 0 || ticks[i].value > ticks[i - 1].value, qPrintable(where));
            QVERIFY2(!labels.contains(ticks[i].label), qPrintable(where + u' ' + ticks[i].label));
            labels << ticks[i].label;
        }
    }
}

void SweepTest::csv()
{
    const SweepResult first = sweepFunction({function(u"f"_s, u"1/d1"_s), boxes({}), 1, {0, 1, 2}});
    const SweepResult second = sweepFunction(
        {function(u"g"_s, u"d1-1,5"_s), boxes({}), 1, {0, 1, 2}});
    QCOMPARE(sweepCsv(u"x; en V"_s, {{u"1/x"_s, first}, {u"x-1,5"_s, second}}),
             QByteArray("\xEF\xBB\xBF\"x; en V\";1/x;Erreur (1/x);x-1,5;Erreur (x-1,5)\r\n"
                        "0;;Impossible de calculer \xC2\xAB f \xC2\xBB : division par z\xC3\xA9ro.;"
                        "-1,5;\r\n"
                        "1;1;;-0,5;\r\n"));
}

QTEST_GUILESS_MAIN(SweepTest)
#include "test_sweep.moc"
