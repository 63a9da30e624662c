#include "support/temp_app_dir.h"
#include "values/core/values_file.h"

#include <QTest>

using namespace zorv;
using namespace zorv::values;
using namespace Qt::StringLiterals;

namespace {

const QString ValuesFile = u"res/Vals.fval"_s;

struct Slots
{
    QStringList names;
    ValueTable table;
};

Slots readAll()
{
    Slots result;
    readValuesFile([&result](const QString &name) { result.names.append(name); }, result.table);
    return result;
}

} // namespace

class ValuesFileTest : public QObject
{
    Q_OBJECT

private slots:
    void slotReadsAs_data();
    void slotReadsAs();
    void everySlotGivesOneNameInSlotOrder();
    void slotsOutsideOneTo999AreNeverRead();
    void missingFileGivesFreeEmptySlots();
    void namesComeBeforeValues();
};

void ValuesFileTest::slotReadsAs_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");

    const QByteArray firstAndThird = "[E1]\r\nname=Premier\r\nval=1,5 V\r\n"
                                     "[E3]\r\nname=Troisi\xe8me\r\nval=3 A\r\n";
    QTest::newRow("only E1 and E3: slot 1") << firstAndThird << 1 << u"Premier"_s << u"1,5 V"_s;
    QTest::newRow("only E1 and E3: slot 2 is free")
        << firstAndThird << 2 << FreeSlotName << EmptyValue;
    QTest::newRow("only E1 and E3: slot 3, Windows-1252 decoded")
        << firstAndThird << 3 << u"Troisième"_s << u"3 A"_s;
    QTest::newRow("only E1 and E3: slot 999 is free")
        << firstAndThird << 999 << FreeSlotName << EmptyValue;

    QTest::newRow("name without val has the empty value")
        << QByteArray("[E5]\r\nname=Sans valeur\r\n") << 5 << u"Sans valeur"_s << EmptyValue;
    QTest::newRow("val without name is a free slot with its value")
        << QByteArray("[E5]\r\nval=42\r\n") << 5 << FreeSlotName << u"42"_s;
    QTest::newRow("section in lower case is found")
        << QByteArray("[e12]\r\nname=Douze\r\nval=12\r\n") << 12 << u"Douze"_s << u"12"_s;
    QTest::newRow("keys in upper case are found")
        << QByteArray("[E7]\r\nNAME=Sept\r\nVAL=7\r\n") << 7 << u"Sept"_s << u"7"_s;
    QTest::newRow("a leading zero names another section")
        << QByteArray("[E07]\r\nname=Z\xe9ro sept\r\nval=7\r\n") << 7 << FreeSlotName << EmptyValue;
    QTest::newRow("last slot is read")
        << QByteArray("[E999]\r\nname=Dernier\r\nval=999\r\n") << 999 << u"Dernier"_s << u"999"_s;
    QTest::newRow("other keys are ignored")
        << QByteArray("[E4]\r\nnom=Quatre\r\nvaleur=4\r\n") << 4 << FreeSlotName << EmptyValue;
    QTest::newRow("value kept as text, not as a number")
        << QByteArray("[E2]\r\nname=Pi\r\nval=3,14159265358979\r\n") << 2 << u"Pi"_s
        << u"3,14159265358979"_s;
}

void ValuesFileTest::slotReadsAs()
{
    QFETCH(QByteArray, file);
    QFETCH(int, slot);
    QFETCH(QString, name);
    QFETCH(QString, value);
    test::TempAppDir appDir;
    appDir.writeFile(ValuesFile, file);

    const Slots read = readAll();
    QCOMPARE(read.names.size(), SlotCount);
    QCOMPARE(read.names.at(slot - 1), name);
    QCOMPARE(read.table[slot], value);
}

void ValuesFileTest::everySlotGivesOneNameInSlotOrder()
{
    test::TempAppDir appDir;
    QByteArray file;
    // Written in reverse, so that the order of the list can only come from the slot numbers.
    for (int slot = SlotCount; slot >= 1; --slot)
        file += "[E" + QByteArray::number(slot) + "]\r\nname=n" + QByteArray::number(slot)
                + "\r\nval=v" + QByteArray::number(slot) + "\r\n";
    appDir.writeFile(ValuesFile, file);

    const Slots read = readAll();
    QCOMPARE(read.names.size(), SlotCount);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        QCOMPARE(read.names.at(slot - 1), u'n' + QString::number(slot));
        QCOMPARE(read.table[slot], u'v' + QString::number(slot));
    }
    QCOMPARE(read.table[0], QString());
}

void ValuesFileTest::slotsOutsideOneTo999AreNeverRead()
{
    test::TempAppDir appDir;
    appDir.writeFile(ValuesFile,
                     "[E0]\r\nname=Z\xe9ro\r\nval=0\r\n[E1000]\r\nname=Mille\r\nval=1000\r\n");
    const Slots read = readAll();
    QCOMPARE(read.names.size(), SlotCount);
    QCOMPARE(read.names.count(FreeSlotName), SlotCount);
    QCOMPARE(read.table[0], QString());
    QCOMPARE(read.table[SlotCount], EmptyValue);
}

void ValuesFileTest::missingFileGivesFreeEmptySlots()
{
    test::TempAppDir appDir;
    const Slots read = readAll();
    QCOMPARE(read.names.size(), SlotCount);
    QCOMPARE(read.names.count(FreeSlotName), SlotCount);
    QCOMPARE(std::count(read.table.begin() + 1, read.table.end(), EmptyValue), SlotCount);
    QCOMPARE(read.table[0], QString());
}

void ValuesFileTest::namesComeBeforeValues()
{
    // Two passes: every name is handed over before the first value is stored.
    test::TempAppDir appDir;
    appDir.writeFile(ValuesFile, "[E1]\r\nname=Un\r\nval=1\r\n[E999]\r\nname=Fin\r\nval=999\r\n");
    ValueTable table;
    int valuesStoredWhenLastNameCame = -1;
    int names = 0;
    readValuesFile(
        [&](const QString &) {
            if (++names == SlotCount)
                valuesStoredWhenLastNameCame = int(
                    std::count_if(table.begin(), table.end(), [](const QString &v) {
                        return !v.isEmpty();
                    }));
        },
        table);
    QCOMPARE(valuesStoredWhenLastNameCame, 0);
    QCOMPARE(table[1], u"1"_s);
}

QTEST_GUILESS_MAIN(ValuesFileTest)
#include "test_values_file.moc"
