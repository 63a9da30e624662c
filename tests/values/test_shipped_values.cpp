#include "support/temp_app_dir.h"
#include "values/core/values_file.h"

#include <QMap>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>

using namespace zorv;
using namespace zorv::values;
using namespace Qt::StringLiterals;

namespace {

struct Section
{
    int line = 0;
    QMap<QString, QString> keys;
};

// The file as its author wrote it, read without the profile store, so that the store's reading
// can be compared with it.
struct RawValuesFile
{
    QByteArray bytes;
    QString text;
    bool decoded = false;
    QStringList problems;
    QMap<QString, Section> sections;
};

RawValuesFile readRaw()
{
    RawValuesFile raw;
    raw.bytes = test::readFile(test::shippedDataPath(u"res/Vals.fval"_s));
    QStringDecoder decoder("windows-1252");
    raw.text = decoder.decode(raw.bytes);
    raw.decoded = decoder.isValid() && !decoder.hasError();

    const QStringList lines = raw.text.split(u"\r\n"_s);
    QString current;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const int lineNumber = i + 1;
        if (line.startsWith(u'[')) {
            current = line.mid(1, line.indexOf(u']') - 1);
            if (raw.sections.contains(current))
                raw.problems << u"line %1: section %2 repeated"_s.arg(lineNumber).arg(current);
            raw.sections[current].line = lineNumber;
        } else if (const int equals = line.indexOf(u'='); equals >= 0) {
            if (current.isEmpty())
                raw.problems << u"line %1: key outside a section"_s.arg(lineNumber);
            else
                raw.sections[current].keys.insert(line.left(equals), line.mid(equals + 1));
        }
    }
    return raw;
}

} // namespace

class ShippedValuesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void isWindows1252WithCrLf();
    void everySectionIsAFilledSlot();
    void valuesAreWrittenForAFrenchReader();
    void readsBackExactlyAsWritten();

private:
    RawValuesFile m_raw;
};

void ShippedValuesTest::initTestCase()
{
    m_raw = readRaw();
    QVERIFY2(!m_raw.bytes.isEmpty(), "the values file ships with the program");
}

void ShippedValuesTest::isWindows1252WithCrLf()
{
    QVERIFY(m_raw.decoded);
    // Bytes that Windows-1252 leaves undefined would not read back as any character.
    for (const char undefined : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'})
        QVERIFY(!m_raw.bytes.contains(undefined));
    QVERIFY(m_raw.bytes.endsWith("\r\n"));
    QCOMPARE(m_raw.bytes.count('\n'), m_raw.bytes.count("\r\n"));
    QCOMPARE(m_raw.bytes.count('\r'), m_raw.bytes.count("\r\n"));
}

void ShippedValuesTest::everySectionIsAFilledSlot()
{
    QVERIFY2(m_raw.problems.isEmpty(), qPrintable(m_raw.problems.join(u'\n')));
    static const QRegularExpression slotSection(u"^E([1-9][0-9]{0,2})$"_s);
    QVERIFY2(m_raw.sections.size() >= 80, "at least 80 filled slots");
    for (auto it = m_raw.sections.cbegin(); it != m_raw.sections.cend(); ++it) {
        const QString where = u"section [%1], line %2"_s.arg(it.key()).arg(it->line);
        QVERIFY2(slotSection.match(it.key()).hasMatch(), qPrintable(where + u": not E1 to E999"_s));
        QCOMPARE(it->keys.keys(), QStringList({u"name"_s, u"val"_s}));
        for (const QString &text : it->keys) {
            QVERIFY2(!text.isEmpty(), qPrintable(where + u": empty key"_s));
            // At 254 characters the store would cut it; blanks at the ends and enclosing quotes
            // it would drop. Either way the text shown would not be the text written.
            QVERIFY2(text.size() < 254, qPrintable(where + u": too long"_s));
            QVERIFY2(text.trimmed() == text, qPrintable(where + u": blank at an end"_s));
            QVERIFY2(!text.startsWith(u'"') && !text.startsWith(u'\''),
                     qPrintable(where + u": starts with a quote"_s));
        }
    }
}

void ShippedValuesTest::valuesAreWrittenForAFrenchReader()
{
    // Decimal comma throughout; a decimal point would read as a thousands separator to a French
    // user and would not paste as a number into a French spreadsheet.
    static const QRegularExpression decimalPoint(u"[0-9]\\.[0-9]"_s);
    for (auto it = m_raw.sections.cbegin(); it != m_raw.sections.cend(); ++it) {
        const QString value = it->keys.value(u"val"_s);
        QVERIFY2(!decimalPoint.match(value).hasMatch(), qPrintable(it.key() + u": "_s + value));
    }
}

void ShippedValuesTest::readsBackExactlyAsWritten()
{
    test::TempAppDir appDir;
    appDir.copyFromShippedData(u"res/Vals.fval"_s);
    QStringList names;
    ValueTable table;
    readValuesFile([&names](const QString &name) { names.append(name); }, table);

    QCOMPARE(names.size(), SlotCount);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const Section section = m_raw.sections.value(sectionName(slot));
        QCOMPARE(names.at(slot - 1), section.keys.value(u"name"_s, FreeSlotName));
        QCOMPARE(table[slot], section.keys.value(u"val"_s, EmptyValue));
    }
}

QTEST_GUILESS_MAIN(ShippedValuesTest)
#include "test_shipped_values.moc"
