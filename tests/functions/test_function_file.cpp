#include "functions/core/function_file.h"
#include "functions/core/function_list.h"
#include "support/temp_app_dir.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace zorv;
using namespace zorv::functions;
using namespace Qt::StringLiterals;

namespace {

QByteArray functionFile(const QString &name)
{
    QStringEncoder toWindows1252("windows-1252");
    return toWindows1252.encode(u"[GeneralInfo]\r\nNomFonc="_s + name
                                + u"\r\nNomAuteur=Test\r\n[Calc]\r\nFnc=d1\r\n"_s);
}

// Writes a file into the user's own function folder of `app`'s data folder.
bool writeUserFunction(const test::TempAppDir &app, const QString &file, const QString &name)
{
    const QString folder = app.userDataPath() + u"/Fonc/"_s;
    QFile out(folder + file);
    return QDir().mkpath(folder) && out.open(QIODevice::WriteOnly)
           && out.write(functionFile(name)) > 0;
}

} // namespace

class FunctionFileTest : public QObject
{
    Q_OBJECT

private slots:
    void readAClause_data();
    void readAClause();
    void listingOrderAndFilter_data();
    void listingOrderAndFilter();
    void listingLeavesOutSpecialFiles();
    void listingReadsEachName();
    void listingFillsTheArrays();
    void missingFolder();
    void moreFilesThanSlots();
    void relistingEmptiesLeftoverSlots();
    void usersOwnFunctions_data();
    void usersOwnFunctions();
    void usersFunctionsShareTheSlots();
};

void FunctionFileTest::readAClause_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray normal = "[GeneralInfo]\r\nNomFonc=Loi d'Ohm\r\n[ePrf]\r\nDescription=\r\n";
    QTest::newRow("present key") << normal << u"GeneralInfo"_s << u"NomFonc"_s << u"Loi d'Ohm"_s;
    QTest::newRow("missing key reads as the failure text")
        << normal << u"GeneralInfo"_s << u"NomAuteur"_s << ReadFailureText;
    QTest::newRow("missing section reads as the failure text")
        << normal << u"Calc"_s << u"Fnc"_s << ReadFailureText;
    QTest::newRow("empty value reads as empty") << normal << u"ePrf"_s << u"Description"_s << u""_s;
    QTest::newRow("names in another letter case")
        << QByteArray("[generalinfo]\r\nNOMFONC=Puissance\r\n") << u"GeneralInfo"_s << u"NomFonc"_s
        << u"Puissance"_s;
    QTest::newRow("Windows-1252 text") << QByteArray("[Fonc]\r\nd1=Capacit\xe9 C (\xb5"
                                                     "F)\r\n")
                                       << u"Fonc"_s << u"d1"_s << u"Capacité C (µF)"_s;
    QTest::newRow("long value cut to 254 characters")
        << QByteArray("[ePrf]\r\nDescription=" + QByteArray(300, 'x') + "\r\n") << u"ePrf"_s
        << u"Description"_s << QString(254, u'x');
    QTest::newRow("a file larger than a function file can be is not read")
        << normal + "; " + QByteArray(MaxFunctionFileSize, 'x') << u"GeneralInfo"_s << u"NomFonc"_s
        << ReadFailureText;
    QTest::newRow("stray text file")
        << QByteArray("just some notes\r\n") << u"GeneralInfo"_s << u"NomFonc"_s << ReadFailureText;
}

void FunctionFileTest::readAClause()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    test::TempAppDir app;
    app.writeFile(u"res/Fonc/f.zvfc"_s, content);
    QCOMPARE(ReadAClause(u"f.zvfc"_s, section, key), expected);
}

void FunctionFileTest::listingOrderAndFilter_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("ascending without regard to case")
        << QStringList{u"b.zvfc"_s, u"A.zvfc"_s, u"c.txt"_s}
        << QStringList{u"A.zvfc"_s, u"b.zvfc"_s, u"c.txt"_s};
    QTest::newRow("hidden file left out")
        << QStringList{u"b.zvfc"_s, u".hidden.zvfc"_s} << QStringList{u"b.zvfc"_s};
    QTest::newRow("temporary file of a killed write left out")
        << QStringList{u"b.zvfc"_s, u".b.zvfc.Ab12Cd.tmp"_s} << QStringList{u"b.zvfc"_s};
    QTest::newRow("subfolder left out")
        << QStringList{u"b.zvfc"_s, u"sub/x.zvfc"_s} << QStringList{u"b.zvfc"_s};
    QTest::newRow("any extension counts")
        << QStringList{u"notes"_s, u"f.ZVFC"_s} << QStringList{u"f.ZVFC"_s, u"notes"_s};
    QTest::newRow("names differing only in case keep a fixed order")
        << QStringList{u"ohm.zvfc"_s, u"Ohm.zvfc"_s, u"OHM.zvfc"_s}
        << QStringList{u"OHM.zvfc"_s, u"Ohm.zvfc"_s, u"ohm.zvfc"_s};
    QTest::newRow("accented names") << QStringList{u"énergie.zvfc"_s, u"z.zvfc"_s, u"e.zvfc"_s}
                                    << QStringList{u"e.zvfc"_s, u"z.zvfc"_s, u"énergie.zvfc"_s};
    QTest::newRow("empty folder") << QStringList{} << QStringList{};
}

void FunctionFileTest::listingOrderAndFilter()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);
    test::TempAppDir app;
    app.makeDir(u"res/Fonc"_s);
    for (const QString &file : files)
        app.writeFile(u"res/Fonc/"_s + file, functionFile(file));
    QCOMPARE(functionFileNames(donnees::FunctionDir), expected);
    const FunctionListing listing = listFunctions();
    QCOMPARE(listing.names, expected); // each file names its function after itself
    QVERIFY(listing.folderReadable);
    QCOMPARE(listing.leftOut, 0);
}

void FunctionFileTest::listingLeavesOutSpecialFiles()
{
    test::TempAppDir app;
    app.writeFile(u"res/Fonc/f.zvfc"_s, functionFile(u"F"_s));
    const QByteArray fifo = QFile::encodeName(app.filePath(u"res/Fonc/pipe"_s));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    const QByteArray dangling = QFile::encodeName(app.filePath(u"res/Fonc/gone.zvfc"_s));
    QCOMPARE(::symlink("nowhere.zvfc", dangling.constData()), 0);
    QCOMPARE(functionFileNames(donnees::FunctionDir), QStringList{u"f.zvfc"_s});
}

void FunctionFileTest::listingReadsEachName()
{
    test::TempAppDir app;
    app.writeFile(u"res/Fonc/a.zvfc"_s, functionFile(u"Loi d'Ohm"_s));
    app.writeFile(u"res/Fonc/b.zvfc"_s, "[Calc]\r\nFnc=d1\r\n");
    app.writeFile(u"res/Fonc/c.zvfc"_s, "[GeneralInfo]\r\nNomFonc=\r\n");
    app.writeFile(u"res/Fonc/d.zvfc"_s, functionFile(u"Loi d'Ohm"_s));
    const FunctionListing listing = listFunctions();
    QCOMPARE(listing.names, (QStringList{u"Loi d'Ohm"_s, ReadFailureText, u""_s, u"Loi d'Ohm"_s}));
}

void FunctionFileTest::listingFillsTheArrays()
{
    test::TempAppDir app;
    app.writeFile(u"res/Fonc/b.zvfc"_s, functionFile(u"Bee"_s));
    app.writeFile(u"res/Fonc/A.zvfc"_s, functionFile(u"Ay"_s));
    listFunctions();
    QCOMPARE(donnees::FunctionFileNames[0], u"A.zvfc"_s);
    QCOMPARE(donnees::FunctionNames[0], u"Ay"_s);
    QCOMPARE(donnees::FunctionFileNames[1], u"b.zvfc"_s);
    QCOMPARE(donnees::FunctionNames[1], u"Bee"_s);
}

void FunctionFileTest::missingFolder()
{
    test::TempAppDir app;
    const FunctionListing listing = listFunctions();
    QVERIFY(!listing.folderReadable);
    QVERIFY(listing.names.isEmpty());
}

void FunctionFileTest::moreFilesThanSlots()
{
    test::TempAppDir app;
    const int files = donnees::FunctionSlots + 5;
    for (int i = 0; i < files; ++i) {
        const QString name = u"%1"_s.arg(i, 4, 10, QChar(u'0'));
        app.writeFile(u"res/Fonc/"_s + name + u".zvfc"_s, functionFile(name));
    }
    const FunctionListing listing = listFunctions();
    QCOMPARE(listing.names.size(), donnees::FunctionSlots);
    QCOMPARE(listing.leftOut, 5);
    QCOMPARE(listing.names.first(), u"0000"_s);
    QCOMPARE(listing.names.last(), u"0999"_s);
    QCOMPARE(donnees::FunctionFileNames[donnees::FunctionSlots - 1], u"0999.zvfc"_s);
}

void FunctionFileTest::relistingEmptiesLeftoverSlots()
{
    test::TempAppDir app;
    app.writeFile(u"res/Fonc/a.zvfc"_s, functionFile(u"A"_s));
    app.writeFile(u"res/Fonc/b.zvfc"_s, functionFile(u"B"_s));
    listFunctions();
    QFile::remove(app.filePath(u"res/Fonc/b.zvfc"_s));
    listFunctions();
    QCOMPARE(donnees::FunctionFileNames[0], u"a.zvfc"_s);
    QVERIFY(donnees::FunctionFileNames[1].isEmpty());
    QVERIFY(donnees::FunctionNames[1].isEmpty());
}

void FunctionFileTest::usersOwnFunctions_data()
{
    QTest::addColumn<bool>("programFolderWritable");
    QTest::addColumn<QStringList>("expectedNames");
    QTest::newRow("read-only program folder: the user's functions follow the shipped ones")
        << false << QStringList{u"Ay"_s, u"Bee"_s, u"Mienne"_s, u"Zed"_s};
    // There the user's functions are in res/Fonc/: the data folder is not the user's place.
    QTest::newRow("writable program folder: the data folder is not listed")
        << true << QStringList{u"Ay"_s, u"Bee"_s};
}

void FunctionFileTest::usersOwnFunctions()
{
    QFETCH(bool, programFolderWritable);
    QFETCH(QStringList, expectedNames);
    test::TempAppDir app;
    app.writeFile(u"res/Fonc/b.zvfc"_s, functionFile(u"Bee"_s));
    app.writeFile(u"res/Fonc/a.zvfc"_s, functionFile(u"Ay"_s));
    QVERIFY(writeUserFunction(app, u"z.zvfc"_s, u"Zed"_s));
    QVERIFY(writeUserFunction(app, u"M.zvfc"_s, u"Mienne"_s));
    if (!programFolderWritable)
        QVERIFY(QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::ExeOwner));

    const FunctionListing listing = listFunctions();
    QCOMPARE(listing.names, expectedNames);
    QCOMPARE(donnees::FunctionFileNames[1], u"b.zvfc"_s);
    if (!programFolderWritable) {
        // A user's file is entered by its full path, through which every reader finds it.
        QCOMPARE(donnees::FunctionFileNames[2],
                 QDir::toNativeSeparators(app.userDataPath() + u"/Fonc/M.zvfc"_s));
        QCOMPARE(ReadAClause(donnees::FunctionFileNames[3], u"Calc"_s, u"Fnc"_s), u"d1"_s);
    }
    QVERIFY(donnees::FunctionFileNames[expectedNames.size()].isEmpty());
}

void FunctionFileTest::usersFunctionsShareTheSlots()
{
    test::TempAppDir app;
    for (int i = 0; i < donnees::FunctionSlots - 1; ++i)
        app.writeFile(u"res/Fonc/%1.zvfc"_s.arg(i, 4, 10, QChar(u'0')), functionFile(u"f"_s));
    QVERIFY(writeUserFunction(app, u"a.zvfc"_s, u"a.zvfc"_s));
    QVERIFY(writeUserFunction(app, u"b.zvfc"_s, u"b.zvfc"_s));
    QVERIFY(QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::ExeOwner));
    const FunctionListing listing = listFunctions();
    QCOMPARE(listing.names.size(), donnees::FunctionSlots);
    QCOMPARE(listing.names.last(), u"a.zvfc"_s);
    QCOMPARE(listing.leftOut, 1);
}

QTEST_GUILESS_MAIN(FunctionFileTest)
#include "test_function_file.moc"
