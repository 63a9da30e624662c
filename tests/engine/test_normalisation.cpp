#include "engine/core/normalisation.h"
#include "engine/core/text_primitives.h"

#include <QRandomGenerator>
#include <QTest>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;
using namespace zorv::engine;

namespace {

// The normalisation as its steps are written: one ReplaceAll each, in order.
QString normalisedByRules(const QString &expression)
{
    std::vector<std::pair<QString, QString>> rules = {
        {u" "_s, QString()},
        {u","_s, u"."_s},
        {u"PI("_s, u"PI*("_s},
        {u")PI"_s, u")*PI"_s},
        {u")("_s, u")*("_s},
        {u")V"_s, u")*V"_s},
        {u"PIV"_s, u"PI*V"_s},
    };
    for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
        const QString d(QChar{digit});
        rules.emplace_back(d + u'(', d + u"*("_s);
        rules.emplace_back(d + u'V', d + u"*V"_s);
        rules.emplace_back(d + u"PI"_s, d + u"*PI"_s);
    }
    rules.emplace_back(u"PI"_s, u"3.141592653589793"_s);
    rules.emplace_back(u","_s, u"."_s);
    QString w = (u"0+"_s + expression + u"+0"_s).toUpper();
    for (const auto &[find, replacement] : rules)
        w = ReplaceAll(w, find, replacement);
    return w;
}

} // namespace

class NormalisationTest : public QObject
{
    Q_OBJECT

private slots:
    void workingText_data();
    void workingText();
    void sameAsTheRulesInOrder_data();
    void sameAsTheRulesInOrder();
};

void NormalisationTest::workingText_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("workingText");

    QTest::newRow("wrapped between 0+ and +0") << u"1"_s << u"0+1+0"_s;
    QTest::newRow("empty expression") << QString() << u"0++0"_s;
    QTest::newRow("upper case") << u"v9"_s << u"0+V9+0"_s;
    QTest::newRow("spaces removed") << u" 2 * -3 "_s << u"0+2*-3+0"_s;
    QTest::newRow("comma becomes point") << u"1,5"_s << u"0+1.5+0"_s;
    QTest::newRow("product after a digit before a group") << u"2(3+4)"_s << u"0+2*(3+4)+0"_s;
    QTest::newRow("product after a digit before a root") << u"2V9"_s << u"0+2*V9+0"_s;
    QTest::newRow("product after a digit before pi") << u"2pi"_s << u"0+2*3.141592653589793+0"_s;
    QTest::newRow("product between pi and a group") << u"PI(2)"_s << u"0+3.141592653589793*(2)+0"_s;
    QTest::newRow("product between a group and pi") << u"(2)PI"_s << u"0+(2)*3.141592653589793+0"_s;
    QTest::newRow("product between groups") << u"(1)(2)"_s << u"0+(1)*(2)+0"_s;
    QTest::newRow("product between a group and a root") << u"(4)V4"_s << u"0+(4)*V4+0"_s;
    QTest::newRow("product between pi and a root") << u"PIV4"_s << u"0+3.141592653589793*V4+0"_s;
    QTest::newRow("no product between a group and a digit") << u"(2)3"_s << u"0+(2)3+0"_s;
    QTest::newRow("no product between pi and a digit") << u"PI2"_s << u"0+3.1415926535897932+0"_s;
    QTest::newRow("no product between pi and pi")
        << u"PIPI"_s << u"0+3.1415926535897933.141592653589793+0"_s;
    QTest::newRow("pi on both sides of a group")
        << u"PI(1)PI"_s << u"0+3.141592653589793*(1)*3.141592653589793+0"_s;
    QTest::newRow("other characters stay") << u"2x²°"_s << u"0+2X²°+0"_s;
}

void NormalisationTest::workingText()
{
    QFETCH(QString, expression);
    QFETCH(QString, workingText);
    QCOMPARE(normalised(expression), workingText);
}

void NormalisationTest::sameAsTheRulesInOrder_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {11u, 12u, 13u, 14u})
        QTest::addRow("random texts, seed %u", seed) << seed;
}

// The engine applies the multiplication rules in one scan.
void NormalisationTest::sameAsTheRulesInOrder()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QString alphabet = u"PpIiVv()07 ,*+"_s;
    for (int n = 0; n < 3000; ++n) {
        QString expression;
        const int length = random.bounded(14);
        for (int i = 0; i < length; ++i)
            expression.append(alphabet[random.bounded(int(alphabet.size()))]);
        QCOMPARE(normalised(expression), normalisedByRules(expression));
    }
}

QTEST_GUILESS_MAIN(NormalisationTest)
#include "test_normalisation.moc"
