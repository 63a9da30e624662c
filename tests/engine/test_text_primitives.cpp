#include "engine/core/text_primitives.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace zorv::engine;

namespace {

// GetSeparator as its rule is written: one search per separator character, "not found" values
// replaced, then the smallest value. The engine does it in a single scan.
qsizetype separatorByRule(qsizetype start, const QString &text, int mode)
{
    const qsizetype length = text.size();
    qsizetype best = -1;
    for (const char16_t c : Separators) {
        const QString one(QChar{c});
        qsizetype v = 0;
        if (mode == 1) {
            v = FindBackward(start, text, one);
        } else if (mode > 1) {
            qsizetype from = std::max<qsizetype>(start, 1);
            if (mode == 3 && c == u'-' && from == start && start <= length
                && text[start - 1] == u'-')
                ++from;
            v = from > length ? 0 : text.indexOf(one, from - 1) + 1;
        }
        if (v == 0)
            v = length + 1;
        best = best < 0 ? v : std::min(best, v);
    }
    return best;
}

} // namespace

class TextPrimitivesTest : public QObject
{
    Q_OBJECT

private slots:
    void replaceAll_data();
    void replaceAll();
    void findBackward_data();
    void findBackward();
    void getSeparator_data();
    void getSeparator();
    void getSeparatorFollowsItsRule_data();
    void getSeparatorFollowsItsRule();
};

void TextPrimitivesTest::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plus minus becomes minus once per pair")
        << u"0+--4+9+0"_s << u"+-"_s << u"-"_s << u"0--4+9+0"_s;
    QTest::newRow("three minus signs give plus then minus")
        << u"---"_s << u"--"_s << u"+"_s << u"+-"_s;
    QTest::newRow("occurrences do not overlap") << u"aaa"_s << u"aa"_s << u"b"_s << u"ba"_s;
    QTest::newRow("absent find leaves the text") << u"1+2"_s << u"*"_s << u"/"_s << u"1+2"_s;
    QTest::newRow("empty text stays empty") << QString() << u"PI"_s << u"3"_s << QString();
    QTest::newRow("empty text and empty find") << QString() << QString() << u"x"_s << QString();
    QTest::newRow("empty find changes nothing") << u"abc"_s << QString() << u"x"_s << u"abc"_s;
    QTest::newRow("inserted digits are not searched again")
        << u"2PIPI"_s << u"PI"_s << u"3.14159265358979"_s << u"23.141592653589793.14159265358979"_s;
    QTest::newRow("replacement holding the find text is not searched again")
        << u"AA"_s << u"A"_s << u"AA"_s << u"AAAA"_s;
    QTest::newRow("removal of every space") << u" 1 + 2 "_s << u" "_s << QString() << u"1+2"_s;
    QTest::newRow("comparison is case-sensitive") << u"pi PI"_s << u"PI"_s << u"3"_s << u"pi 3"_s;
    QTest::newRow("one character of two units is one character")
        << u"3²+2²"_s << u"²"_s << u"^2"_s << u"3^2+2^2"_s;
}

void TextPrimitivesTest::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QCOMPARE(ReplaceAll(text, find, replacement), expected);
}

void TextPrimitivesTest::findBackward_data()
{
    QTest::addColumn<qsizetype>("start");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<qsizetype>("expected");

    QTest::newRow("last parenthesis counted from the end")
        << qsizetype(1) << u"0+(2+(3))+0"_s << u"("_s << qsizetype(5);
    QTest::newRow("parenthesis as last character is not found")
        << qsizetype(1) << u"2+("_s << u"("_s << qsizetype(3);
    QTest::newRow("parenthesis before the last character is found")
        << qsizetype(1) << u"2+(("_s << u"("_s << qsizetype(1);
    QTest::newRow("no occurrence gives the length")
        << qsizetype(1) << u"abc"_s << u"("_s << qsizetype(3);
    QTest::newRow("empty text gives 0") << qsizetype(1) << QString() << u"("_s << qsizetype(0);
    QTest::newRow("nearest plus left of the multiplication")
        << qsizetype(7) << u"0+2*-3-1+0"_s << u"+"_s << qsizetype(8);
    QTest::newRow("occurrence at the first examined position")
        << qsizetype(3) << u"0+2*-3-1+0"_s << u"-"_s << qsizetype(3);
    QTest::newRow("positions after the first examined one are ignored")
        << qsizetype(4) << u"0+2*-3-1+0"_s << u"-"_s << qsizetype(5);
    QTest::newRow("start beyond the text examines nothing")
        << qsizetype(5) << u"ab("_s << u"("_s << qsizetype(3);
    QTest::newRow("start 0 examines the last character")
        << qsizetype(0) << u"2+("_s << u"("_s << qsizetype(0);
    QTest::newRow("a longer find may reach past the first examined position")
        << qsizetype(1) << u"0+PI+PI"_s << u"PI"_s << qsizetype(1);
    QTest::newRow("a longer find is compared whole at the end of the text")
        << qsizetype(0) << u"PI+P"_s << u"PI"_s << qsizetype(3);
}

void TextPrimitivesTest::findBackward()
{
    QFETCH(qsizetype, start);
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(qsizetype, expected);
    QCOMPARE(FindBackward(start, text, find), expected);
}

void TextPrimitivesTest::getSeparator_data()
{
    QTest::addColumn<qsizetype>("start");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::addColumn<qsizetype>("expected");

    const QString example = u"0+2*-3-1+0"_s;
    QTest::newRow("mode 1 finds the plus left of the multiplication")
        << qsizetype(7) << example << 1 << qsizetype(8);
    QTest::newRow("mode 3 skips the sign of the right operand")
        << qsizetype(5) << example << 3 << qsizetype(7);
    QTest::newRow("mode 2 takes the minus at start")
        << qsizetype(5) << example << 2 << qsizetype(5);
    QTest::newRow("mode 1 without separator gives the length")
        << qsizetype(1) << u"2²"_s << 1 << qsizetype(2);
    QTest::newRow("mode 2 without separator gives the length plus one")
        << qsizetype(1) << u"2²"_s << 2 << qsizetype(3);
    QTest::newRow("mode 3 without separator gives the length plus one")
        << qsizetype(1) << u"2²"_s << 3 << qsizetype(3);
    QTest::newRow("mode 3 skips a leading minus but not the next one")
        << qsizetype(2) << u"2--3"_s << 3 << qsizetype(3);
    QTest::newRow("mode 3 counts a plus at start") << qsizetype(2) << u"2+3"_s << 3 << qsizetype(2);
    QTest::newRow("mode 3 with only the leading minus finds nothing")
        << qsizetype(2) << u"2-3"_s << 3 << qsizetype(4);
    QTest::newRow("mode 1 takes the nearest of different separators")
        << qsizetype(2) << u"1+2/3*4V5-6"_s << 1 << qsizetype(3);
    QTest::newRow("mode 1 sees a minus as the nearest")
        << qsizetype(1) << u"1+2/3*4V5-6"_s << 1 << qsizetype(1);
    QTest::newRow("mode 2 finds a division") << qsizetype(1) << u"ab/c"_s << 2 << qsizetype(3);
    QTest::newRow("mode 2 finds a root sign") << qsizetype(1) << u"2V3"_s << 2 << qsizetype(2);
    QTest::newRow("lower-case v is no separator") << qsizetype(1) << u"2v3"_s << 2 << qsizetype(4);
    QTest::newRow("power and square signs are no separators")
        << qsizetype(1) << u"2°3²"_s << 2 << qsizetype(5);
    QTest::newRow("mode 4 searches as mode 2") << qsizetype(5) << example << 4 << qsizetype(5);
    QTest::newRow("mode 0 finds nothing") << qsizetype(5) << example << 0 << qsizetype(11);
    QTest::newRow("negative mode finds nothing") << qsizetype(5) << example << -1 << qsizetype(11);
    QTest::newRow("start past the end in mode 2") << qsizetype(12) << example << 2 << qsizetype(11);
    QTest::newRow("empty text in mode 1 gives 1, since 0 counts as not found")
        << qsizetype(1) << QString() << 1 << qsizetype(1);
    QTest::newRow("empty text in mode 3") << qsizetype(1) << QString() << 3 << qsizetype(1);
}

void TextPrimitivesTest::getSeparator()
{
    QFETCH(qsizetype, start);
    QFETCH(QString, text);
    QFETCH(int, mode);
    QFETCH(qsizetype, expected);
    QCOMPARE(GetSeparator(start, text, mode), expected);
}

void TextPrimitivesTest::getSeparatorFollowsItsRule_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 4u, 5u})
        QTest::newRow(qPrintable(u"random texts, seed %1"_s.arg(seed))) << seed;
}

void TextPrimitivesTest::getSeparatorFollowsItsRule()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QString alphabet = u"+/*V-0.(²"_s;
    for (int n = 0; n < 300; ++n) {
        QString text;
        const int length = random.bounded(13);
        for (int i = 0; i < length; ++i)
            text.append(alphabet[random.bounded(int(alphabet.size()))]);
        for (qsizetype start = -1; start <= length + 2; ++start) {
            for (int mode = 0; mode <= 4; ++mode) {
                if (GetSeparator(start, text, mode) != separatorByRule(start, text, mode)) {
                    QFAIL(qPrintable(
                        u"GetSeparator(%1, \"%2\", %3) is %4, the rule gives %5"_s.arg(start)
                            .arg(text)
                            .arg(mode)
                            .arg(GetSeparator(start, text, mode))
                            .arg(separatorByRule(start, text, mode))));
                }
            }
        }
    }
}

QTEST_GUILESS_MAIN(TextPrimitivesTest)
#include "test_text_primitives.moc"
