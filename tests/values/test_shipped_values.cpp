#include "engine/core/calcule.h"
#include "support/temp_app_dir.h"
#include "values/core/values_file.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
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

// A value that holds one quantity: the value alone, so that what "C&opier" puts on the clipboard
// can be pasted into a calculator box. Lists (" ; "), ranges (" à ") and texts stay text.
bool isOneQuantity(const QString &value)
{
    static const QRegularExpression startsAsNumber(u"^-?[0-9]"_s);
    return startsAsNumber.match(value).hasMatch() && !value.contains(u" ; "_s)
           && !value.contains(u" à "_s);
}

// The number a value writes, read without the engine and rounded to the 15 significant digits of
// the program's arithmetic.
double writtenNumber(const QString &value)
{
    bool ok = false;
    const double number = QString(value).replace(u',', u'.').toDouble(&ok);
    return ok ? QString::number(number, 'g', 15).toDouble() : qQNaN();
}

// The units in which the values file gives each subject's quantity: for the names
// "Cuivre recuit : résistivité (ohm·m)", subject "Cuivre recuit", unit "ohm·m".
QMap<QString, QSet<QString>> unitsBySubject(const RawValuesFile &raw, const QString &quantity)
{
    const QRegularExpression named(u"^(.+) : "_s + QRegularExpression::escape(quantity)
                                   + u" \\((.+)\\)$"_s);
    QMap<QString, QSet<QString>> units;
    for (const Section &section : raw.sections) {
        const QRegularExpressionMatch match = named.match(section.keys.value(u"name"_s));
        if (match.hasMatch())
            units[match.captured(1)].insert(match.captured(2));
    }
    return units;
}

// A unit as a function's legend writes it ("Ohm.mm²/m"), in the spelling of the values file.
QString valuesFileUnit(const QString &legendUnit)
{
    return legendUnit.toLower().replace(u'.', u'·');
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
    void everyQuantityPastesIntoACalculatorBox_data();
    void everyQuantityPastesIntoACalculatorBox();
    void wellKnownValues_data();
    void wellKnownValues();
    void unitsThatFunctionsAskFor_data();
    void unitsThatFunctionsAskFor();

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

void ShippedValuesTest::everyQuantityPastesIntoACalculatorBox_data()
{
    QTest::addColumn<QString>("value");
    int quantities = 0;
    for (auto it = m_raw.sections.cbegin(); it != m_raw.sections.cend(); ++it) {
        const QString value = it->keys.value(u"val"_s);
        if (!isOneQuantity(value))
            continue;
        ++quantities;
        QTest::newRow(qPrintable(it.key() + u": "_s + it->keys.value(u"name"_s))) << value;
    }
    QVERIFY(quantities >= 150);
}

void ShippedValuesTest::everyQuantityPastesIntoACalculatorBox()
{
    QFETCH(QString, value);
    // The unit belongs in the name: after the number it would be refused in a calculator box.
    static const QRegularExpression plainNumber(u"^-?[0-9]+(,[0-9]+)?(E[+-][0-9]+)?$"_s);
    QVERIFY2(plainNumber.match(value).hasMatch(), qPrintable(value));
    // The calculator puts a box's text in place of its placeholder in parentheses.
    double computed = qQNaN();
    try {
        computed = engine::Calcule(u"("_s + value + u")"_s);
    } catch (const engine::EvalError &error) {
        QFAIL(qPrintable(error.reason()));
    }
    QVERIFY2(computed == writtenNumber(value), qPrintable(QString::number(computed, 'g', 17)));
}

void ShippedValuesTest::wellKnownValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("expected");
    QTest::newRow("c") << u"Vitesse de la lumière dans le vide c (m/s)"_s << 299792458.0;
    QTest::newRow("h") << u"Constante de Planck h (J·s)"_s << 6.62607015e-34;
    QTest::newRow("e") << u"Charge élémentaire e (C)"_s << 1.602176634e-19;
    QTest::newRow("me") << u"Masse de l'électron (kg)"_s << 9.1093837015e-31;
    QTest::newRow("e/me") << u"Charge massique de l'électron e/me (C/kg)"_s << -1.75882001076e11;
    QTest::newRow("gn") << u"Pesanteur normale gn (m/s²)"_s << 9.80665;
    QTest::newRow("Hg") << u"Point triple du mercure (°C)"_s << -38.8344;
    QTest::newRow("Cu, SI") << u"Cuivre recuit : résistivité (ohm·m)"_s << 1.7241e-8;
    QTest::newRow("Cu, wire") << u"Cuivre recuit : résistivité (ohm·mm²/m)"_s << 0.017241;
    QTest::newRow("Al, wire") << u"Aluminium : résistivité (ohm·mm²/m)"_s << 0.028264;
}

void ShippedValuesTest::wellKnownValues()
{
    QFETCH(QString, name);
    QFETCH(double, expected);
    QStringList found;
    for (const Section &section : m_raw.sections)
        if (section.keys.value(u"name"_s) == name)
            found << section.keys.value(u"val"_s);
    QCOMPARE(found.size(), 1);
    // Exactly: the double nearest to the value as published.
    const double computed = engine::Calcule(u"("_s + found.first() + u")"_s);
    QVERIFY2(computed == expected, qPrintable(QString::number(computed, 'g', 17)));
}

void ShippedValuesTest::unitsThatFunctionsAskFor_data()
{
    // A legend that begins with the quantity, and the name under which the values file gives it.
    QTest::addColumn<QString>("legendQuantity");
    QTest::addColumn<QString>("valuesQuantity");
    QTest::newRow("resistivity") << u"Résistivité"_s << u"résistivité"_s;
    QTest::newRow("wire section") << u"Section"_s << u"section"_s;
}

void ShippedValuesTest::unitsThatFunctionsAskFor()
{
    QFETCH(QString, legendQuantity);
    QFETCH(QString, valuesQuantity);
    const QMap<QString, QSet<QString>> units = unitsBySubject(m_raw, valuesQuantity);
    QVERIFY(!units.isEmpty());

    // The unit is what the legend's parentheses open with: "(Ohm.mm²/m ; cuivre 0,0172)".
    const QRegularExpression legend(u"^d[1-6]="_s + legendQuantity + u" [^(]*\\(([^ ;,)]+)"_s);
    const QDir functions(test::shippedDataPath(u"res/Fonc"_s));
    int asked = 0;
    for (const QString &file : functions.entryList(QDir::Files)) {
        QStringDecoder decoder("windows-1252");
        const QString text = decoder.decode(test::readFile(functions.filePath(file)));
        for (const QString &line : text.split(u"\r\n"_s)) {
            const QRegularExpressionMatch match = legend.match(line);
            if (!match.hasMatch())
                continue;
            ++asked;
            const QString unit = valuesFileUnit(match.captured(1));
            for (auto it = units.cbegin(); it != units.cend(); ++it)
                QVERIFY2(it->contains(unit),
                         qPrintable(file + u": no "_s + it.key() + u" in "_s + unit));
        }
    }
    QVERIFY(asked >= 2);
}

QTEST_GUILESS_MAIN(ShippedValuesTest)
#include "test_shipped_values.moc"
