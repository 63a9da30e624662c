#include "engine/core/calcule.h"
#include "engine/core/number_reading.h"
#include "engine/core/number_text.h"
#include "engine/exact_compare.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <limits>

using namespace Qt::StringLiterals;
using namespace zorv::engine;

namespace {

QString zeros(int count)
{
    return QString(count, u'0');
}

// ValSp's text of a number that has the given digits before and after the decimal point.
QString fixed31(const QString &integer, const QString &fraction)
{
    return integer + u'.' + fraction + zeros(31 - int(fraction.size()));
}

} // namespace

class NumbersTest : public QObject
{
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();
    void readNumberOverflow_data();
    void readNumberOverflow();
    void numberText_data();
    void numberText();
    void userNumberText_data();
    void userNumberText();
    void workingNumberText_data();
    void workingNumberText();
    void valSp_data();
    void valSp();
    void normaliseOperand_data();
    void normaliseOperand();
    void normaliseOperandOverflow_data();
    void normaliseOperandOverflow();
    void normalisationIsTheTextRoundTrip_data();
    void normalisationIsTheTextRoundTrip();
    void readOperandIsTheNearestDouble_data();
    void readOperandIsTheNearestDouble();
};

void NumbersTest::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("stops at the operator") << u"12.5+3"_s << 12.5;
    QTest::newRow("takes the sign and stops at the next") << u"-3-1"_s << -3.0;
    QTest::newRow("ignores a closing parenthesis") << u"7)+0"_s << 7.0;
    QTest::newRow("stops at a second point") << u"1.2.3"_s << 1.2;
    QTest::newRow("letters read as 0") << u"abc"_s << 0.0;
    QTest::newRow("empty text reads as 0") << QString() << 0.0;
    QTest::newRow("leading blanks are skipped") << u"  \t\n42"_s << 42.0;
    QTest::newRow("blank after the sign ends the number") << u"- 4"_s << 0.0;
    QTest::newRow("explicit plus sign") << u"+7"_s << 7.0;
    QTest::newRow("no digit before the point") << u".5"_s << 0.5;
    QTest::newRow("no digit after the point") << u"5."_s << 5.0;
    QTest::newRow("negative fraction") << u"-.25"_s << -0.25;
    QTest::newRow("a point alone reads as 0") << u"."_s << 0.0;
    QTest::newRow("a sign alone reads as 0") << u"-"_s << 0.0;
    QTest::newRow("two signs read as 0") << u"--3"_s << 0.0;
    QTest::newRow("leading zeros") << u"0012"_s << 12.0;
    QTest::newRow("comma is no decimal point") << u"1,5"_s << 1.0;
    QTest::newRow("exponent") << u"2E3"_s << 2000.0;
    QTest::newRow("lower-case exponent with sign") << u"2e-3"_s << 0.002;
    QTest::newRow("exponent marked D") << u"1.5D2"_s << 150.0;
    QTest::newRow("exponent marked d with plus") << u"1.5d+2"_s << 150.0;
    QTest::newRow("E without digit is not an exponent") << u"2E"_s << 2.0;
    QTest::newRow("E and sign without digit are not an exponent") << u"2E+"_s << 2.0;
    QTest::newRow("E followed by a letter") << u"3Ex"_s << 3.0;
    QTest::newRow("exponent alone reads as 0") << u"E5"_s << 0.0;
    QTest::newRow("square sign ends the number") << u"3²"_s << 3.0;
    QTest::newRow("Arabic-Indic digits are no digits") << u"\u0663"_s << 0.0;
    QTest::newRow("twenty digits") << u"12345678901234567890"_s << 12345678901234567890.0;
    QTest::newRow("smallest normal double")
        << u"2.2250738585072014E-308"_s << std::numeric_limits<double>::min();
    QTest::newRow("largest double")
        << u"1.7976931348623157E308"_s << std::numeric_limits<double>::max();
    QTest::newRow("a thousand leading zeros") << (zeros(1000) + u"25"_s) << 25.0;
    QTest::newRow("many digits with a small exponent") << (u'1' + zeros(400) + u"E-400"_s) << 1.0;
}

void NumbersTest::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    ZORV_COMPARE_EXACTLY(zorv::engine::readNumber(text), expected);
}

void NumbersTest::readNumberOverflow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<EvalFailure>("failure");
    const auto over = EvalFailure::Overflow;
    const auto under = EvalFailure::Underflow;
    QTest::newRow("exponent beyond the range") << u"1E400"_s << over;
    QTest::newRow("negative number beyond the range") << u"-1E309"_s << over;
    QTest::newRow("just above the largest double") << u"1.7976931348623159E308"_s << over;
    QTest::newRow("four hundred digits") << (u'1' + zeros(400)) << over;
    QTest::newRow("an exponent of many digits") << u"1E99999999999999999999999"_s << over;
    QTest::newRow("too small for a double") << u"1E-400"_s << under;
    QTest::newRow("below the smallest normal double") << u"1E-320"_s << under;
    QTest::newRow("smallest double") << u"4.9406564584124654E-324"_s << under;
    QTest::newRow("a thousand zeros after the point") << (u"0."_s + zeros(1000) + u'1') << under;
    QTest::newRow("an exponent of many digits going down")
        << u"-5E-99999999999999999999999"_s << under;
}

void NumbersTest::readNumberOverflow()
{
    QFETCH(QString, text);
    QFETCH(EvalFailure, failure);
    try {
        zorv::engine::readNumber(text);
        QFAIL("read without error");
    } catch (const EvalError &error) {
        QCOMPARE(error.failure(), failure);
    }
}

void NumbersTest::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a third has 15 digits") << 1.0 / 3 << u"0.333333333333333"_s;
    QTest::newRow("pi is rounded to 15 digits") << 4 * std::atan(1.0) << u"3.14159265358979"_s;
    QTest::newRow("two and a half") << 2.5 << u"2.5"_s;
    QTest::newRow("negative integer") << -6.0 << u"-6"_s;
    QTest::newRow("zero") << 0.0 << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
    QTest::newRow("two thirds rounds up") << 2.0 / 3 << u"0.666666666666667"_s;
    QTest::newRow("binary noise is rounded away") << 0.1 + 0.2 << u"0.3"_s;
    QTest::newRow("sixteen digits are rounded") << 123456789.123456789 << u"123456789.123457"_s;
    QTest::newRow("hundred keeps its zeros") << 100.0 << u"100"_s;
    QTest::newRow("smallest plain magnitude") << 0.0001 << u"0.0001"_s;
    QTest::newRow("rounding up into the plain range") << 9.9999999999999999e-5 << u"0.0001"_s;
    QTest::newRow("below the plain range") << 0.00001 << u"1E-05"_s;
    QTest::newRow("negative small number") << -0.00000015 << u"-1.5E-07"_s;
    QTest::newRow("largest plain integer") << 999999999999999.0 << u"999999999999999"_s;
    QTest::newRow("fifteen digits rounding into the exponent range")
        << 999999999999999.5 << u"1E+15"_s;
    QTest::newRow("1E15 takes the exponent form") << 1e15 << u"1E+15"_s;
    QTest::newRow("large number") << 1.5e20 << u"1.5E+20"_s;
    QTest::newRow("sixteen-digit integer") << 1234567890123456.0 << u"1.23456789012346E+15"_s;
    QTest::newRow("three-digit exponent") << 1e100 << u"1E+100"_s;
    QTest::newRow("negative three-digit exponent") << 1e-100 << u"1E-100"_s;
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << u"1.79769313486232E+308"_s;
    QTest::newRow("smallest double")
        << std::numeric_limits<double>::denorm_min() << u"4.94065645841247E-324"_s;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << u"inf"_s;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << u"nan"_s;
}

void NumbersTest::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(zorv::engine::numberText(value), expected);
}

void NumbersTest::userNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    const QLocale french(QLocale::French, QLocale::France);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("French decimal comma") << 7.5 << french << u"7,5"_s;
    QTest::newRow("French half") << 0.5 << french << u"0,5"_s;
    QTest::newRow("French has no group separator") << 1234567.25 << french << u"1234567,25"_s;
    QTest::newRow("French exponent form") << 1.5e20 << french << u"1,5E+20"_s;
    QTest::newRow("French small number") << 0.00001 << french << u"1E-05"_s;
    QTest::newRow("French negative") << -6.0 << french << u"-6"_s;
    QTest::newRow("German decimal comma") << 2.25 << german << u"2,25"_s;
    QTest::newRow("C locale keeps the point") << 7.5 << QLocale::c() << u"7.5"_s;
    QTest::newRow("English has no group separator")
        << 1234567.25 << QLocale(QLocale::English, QLocale::UnitedStates) << u"1234567.25"_s;
}

void NumbersTest::userNumberText()
{
    QFETCH(double, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(zorv::engine::userNumberText(value, locale), expected);
}

void NumbersTest::workingNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain range as the number text") << 2.5 << u"2.5"_s;
    QTest::newRow("large number without the exponent's plus") << 1.5e20 << u"1.5E20"_s;
    QTest::newRow("small number with the exponent's minus as ~") << 0.00001 << u"1E~05"_s;
    QTest::newRow("negative small number") << -0.000000123 << u"-1.23E~07"_s;
    QTest::newRow("every digit of a large number")
        << 1234567890123456789.0 << u"1234567890123456768"_s;
    QTest::newRow("the seventeen digits of a third") << 1.0 / 3 << u"0.3333333333333333"_s;
    QTest::newRow("zero") << -0.0 << u"0"_s;
}

void NumbersTest::workingNumberText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(zorv::engine::workingNumberText(value), expected);
}

void NumbersTest::valSp_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two and a half") << u"2.5"_s << fixed31(u"2"_s, u"5"_s);
    QTest::newRow("minus six") << u"-6"_s << (u'-' + fixed31(u"6"_s, QString()));
    QTest::newRow("zero") << u"0"_s << fixed31(u"0"_s, QString());
    QTest::newRow("a tenth is written as typed, not as its binary value")
        << u"0.1"_s << fixed31(u"0"_s, u"1"_s);
    QTest::newRow("a third as its number text")
        << u"0.333333333333333"_s << fixed31(u"0"_s, u"333333333333333"_s);
    QTest::newRow("exponent form is read") << u"1E-05"_s << fixed31(u"0"_s, u"00001"_s);
    QTest::newRow("large number without exponent")
        << u"1.5E+20"_s << fixed31(u"150000000000000000000"_s, QString());
    QTest::newRow("digits below the 31st decimal are rounded off")
        << u"1.23456789012345E-20"_s << fixed31(u"0"_s, u"0000000000000000000123456789012"_s);
    QTest::newRow("rounding carries up")
        << u"9.99999999999999E-20"_s << fixed31(u"0"_s, u"0000000000000000001"_s);
    QTest::newRow("half of the 31st decimal rounds up")
        << u"5E-32"_s << fixed31(u"0"_s, zeros(30) + u'1');
    QTest::newRow("below half of the 31st decimal is zero")
        << u"4.99999999999999E-32"_s << fixed31(u"0"_s, QString());
    QTest::newRow("a negative that rounds to zero has no sign")
        << u"-4E-32"_s << fixed31(u"0"_s, QString());
    QTest::newRow("only the leading number counts") << u"12.5+3"_s << fixed31(u"12"_s, u"5"_s);
    QTest::newRow("sixteen digits are rounded to fifteen")
        << u"0.1234567890123456"_s << fixed31(u"0"_s, u"123456789012346"_s);
    QTest::newRow("text without number") << u"abc"_s << fixed31(u"0"_s, QString());
}

void NumbersTest::valSp()
{
    QFETCH(QString, number);
    QFETCH(QString, expected);
    QCOMPARE(ValSp(number), expected);
}

void NumbersTest::normaliseOperand_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("short number unchanged") << 2.5 << 2.5;
    QTest::newRow("a third to 15 digits") << 1.0 / 3 << 0.333333333333333;
    QTest::newRow("binary noise rounded away") << 0.1 + 0.2 << 0.3;
    QTest::newRow("large number to 15 digits") << 1234567890123456789.0 << 1.23456789012346e18;
    QTest::newRow("small number keeps 15 digits")
        << 1.23456789012345678e-20 << 1.23456789012346e-20;
    QTest::newRow("below the 31st decimal keeps its digits") << 4e-32 << 4e-32;
    QTest::newRow("Planck's constant") << 6.62607015e-34 << 6.62607015e-34;
    QTest::newRow("negative small number") << -1.5e-30 << -1.5e-30;
}

void NumbersTest::normaliseOperand()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    ZORV_COMPARE_EXACTLY(zorv::engine::normaliseOperand(value), expected);
}

void NumbersTest::normaliseOperandOverflow_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("largest double rounds beyond the range") << std::numeric_limits<double>::max();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void NumbersTest::normaliseOperandOverflow()
{
    QFETCH(double, value);
    try {
        zorv::engine::normaliseOperand(value);
        QFAIL("normalised without error");
    } catch (const EvalError &error) {
        QCOMPARE(error.failure(), EvalFailure::Overflow);
    }
}

void NumbersTest::normalisationIsTheTextRoundTrip_data()
{
    QTest::addColumn<int>("lowestExponent");
    QTest::addColumn<int>("highestExponent");
    QTest::newRow("plain range") << -4 << 14;
    QTest::newRow("around the 31st decimal") << -36 << -15;
    QTest::newRow("large numbers") << 15 << 300;
    QTest::newRow("tiny numbers") << -307 << -37;
}

// The normalisation is the reading of the number text (15 significant digits, at every
// magnitude); the engine computes it without the texts.
void NumbersTest::normalisationIsTheTextRoundTrip()
{
    QFETCH(int, lowestExponent);
    QFETCH(int, highestExponent);
    QRandomGenerator random(quint32(lowestExponent * 1000 + highestExponent));
    for (int n = 0; n < 2000; ++n) {
        const double mantissa = 1 + 9 * random.generateDouble();
        const int exponent = lowestExponent + random.bounded(highestExponent - lowestExponent + 1);
        const double value = (random.bounded(2) ? -1 : 1) * mantissa * std::pow(10.0, exponent);
        const double byText = zorv::engine::readNumber(zorv::engine::numberText(value)) + 0.0;
        const double normalised = zorv::engine::normaliseOperand(value);
        if (normalised != byText || std::signbit(normalised) != std::signbit(byText)) {
            QFAIL(qPrintable(u"%1 normalises to %2, its texts give %3"_s.arg(value, 0, 'g', 17)
                                 .arg(normalised, 0, 'g', 17)
                                 .arg(byText, 0, 'g', 17)));
        }
        // The text spliced into the working text reads back as the very same double.
        ZORV_COMPARE_EXACTLY(zorv::engine::readNumber(zorv::engine::workingNumberText(value)),
                             value);
    }
}

void NumbersTest::readOperandIsTheNearestDouble_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {21u, 22u, 23u})
        QTest::addRow("random number texts, seed %u", seed) << seed;
}

// The engine reads an operand as the double nearest to its digits, however many: the C library's
// reading is the referee.
void NumbersTest::readOperandIsTheNearestDouble()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    for (int n = 0; n < 5000; ++n) {
        QString text = random.bounded(4) == 0 ? u"-"_s : QString();
        const int digits = random.bounded(1, 21);
        const int point = random.bounded(digits + 1);
        for (int i = 0; i < digits; ++i) {
            if (i == point)
                text.append(u'.');
            // Zeros are frequent, so that leading and trailing ones are tried.
            text.append(QChar(u'0' + (random.bounded(3) == 0 ? 0 : random.bounded(10))));
        }
        if (random.bounded(2))
            text.append(u"E-"_s + QString::number(random.bounded(40)));
        ZORV_COMPARE_EXACTLY(readOperand(text),
                             std::strtod(text.toLatin1().constData(), nullptr) + 0.0);
    }
}

QTEST_GUILESS_MAIN(NumbersTest)
#include "test_numbers.moc"
