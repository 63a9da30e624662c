#include "functions/core/replace_text.h"

#include <QTest>

using namespace zorv::functions;
using namespace Qt::StringLiterals;

class ReplaceTextTest : public QObject
{
    Q_OBJECT

private slots:
    void replaces_data();
    void replaces();
    void nullTextGivesEmptyText();
    void textsPastSixteenBitPositions();
};

void ReplaceTextTest::replaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sought");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");

    QTest::newRow("every occurrence") << u"d1*d2+d1"_s << u"d1"_s << u"3"_s << u"3*d2+3"_s;
    QTest::newRow("no occurrence leaves the text") << u"d2*d3"_s << u"d1"_s << u"3"_s << u"d2*d3"_s;
    QTest::newRow("empty text stays empty") << u""_s << u"d1"_s << u"3"_s << u""_s;
    QTest::newRow("letter case counts") << u"D1*d1"_s << u"d1"_s << u"3"_s << u"D1*3"_s;
    QTest::newRow("inside a longer word") << u"add1x"_s << u"d1"_s << u"7"_s << u"ad7x"_s;
    QTest::newRow("replacement equal to sought leaves the text")
        << u"d1+d1"_s << u"d1"_s << u"d1"_s << u"d1+d1"_s;
    QTest::newRow("replacement holding sought is not replaced again")
        << u"d1+d1"_s << u"d1"_s << u"d1d1"_s << u"d1d1+d1d1"_s;
    QTest::newRow("longer replacement") << u"d1*d1"_s << u"d1"_s << u"1+2"_s << u"1+2*1+2"_s;
    QTest::newRow("empty replacement skips an adjacent occurrence")
        << u"d1d1"_s << u"d1"_s << u""_s << u"d1"_s;
    QTest::newRow("empty replacement, separated occurrences")
        << u"d1+d1"_s << u"d1"_s << u""_s << u"+"_s;
    QTest::newRow("empty replacement, three in a row")
        << u"d1d1d1"_s << u"d1"_s << u""_s << u"d1"_s;
    QTest::newRow("empty replacement at the end") << u"2*d1"_s << u"d1"_s << u""_s << u"2*"_s;
    QTest::newRow("empty sought leaves the text") << u"d1"_s << u""_s << u"x"_s << u"d1"_s;
    QTest::newRow("characters beyond ASCII") << u"d1²+d1°2"_s << u"d1"_s << u"µ"_s << u"µ²+µ°2"_s;
}

void ReplaceTextTest::replaces()
{
    QFETCH(QString, text);
    QFETCH(QString, sought);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QCOMPARE(ReplaceText(text, sought, replacement), expected);
}

void ReplaceTextTest::nullTextGivesEmptyText()
{
    const QString result = ReplaceText(QString(), u"d1"_s, u"3"_s);
    QVERIFY(result.isEmpty());
    QVERIFY(!result.isNull());
}

void ReplaceTextTest::textsPastSixteenBitPositions()
{
    // 60000 characters: positions past 32767 must be reached like the others.
    const QString text = u"d1+"_s.repeated(20000);
    QCOMPARE(ReplaceText(text, u"d1"_s, u"42"_s), u"42+"_s.repeated(20000));
    QCOMPARE(ReplaceText(text, u"d1"_s, u""_s), u"+"_s.repeated(20000));
    const QString longInput = u"9"_s.repeated(40000);
    QCOMPARE(ReplaceText(u"d1*d1"_s, u"d1"_s, longInput), longInput + u'*' + longInput);
}

QTEST_GUILESS_MAIN(ReplaceTextTest)
#include "test_replace_text.moc"
