// The rules of the profile store, each shown by the bytes of a file: what a read gives, and what a
// write leaves on disk, byte for byte.

#include "settings/core/ini.h"
#include "settings/core/profile_codec.h"
#include "settings/core/profile_store.h"
#include "support/temp_app_dir.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace zorv;

namespace {

// The Windows-1252 bytes of a text, as the test expects them on disk.
QByteArray cp1252(const QString &text)
{
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

} // namespace

class IniRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void write_data();
    void write();
    void valueIsStoredAsItReadsBack_data();
    void valueIsStoredAsItReadsBack();
    void rewritingAValueWithBlanksKeepsTheLineAsItWas();
    void writingTwiceLeavesOneLineWithTheLastValue();
    void writingTheSameValueLeavesTheFileAlone();
    void refusedWrites_data();
    void refusedWrites();
    void unstorableCharacters_data();
    void unstorableCharacters();
    void roundTrip_data();
    void roundTrip();
    void decodingAgreesWithQtForEveryByte();
    void encodingAgreesWithQtForEveryCharacter();

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    // A path that no earlier test used, so that nothing parsed before stands in for the file.
    QString freshPath() { return m_dir.filePath(u"p%1.ini"_s.arg(++m_files)); }
};

void IniRulesTest::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString dflt = u"(défaut)"_s;
    const QByteArray a300(300, 'a');
    QTest::newRow("value of a key") << QByteArray("[s]\r\nk=v\r\n") << "s"
                                    << "k"
                                    << "v";
    QTest::newRow("nothing after the equals sign is the empty text, not the default")
        << QByteArray("[s]\r\nk=\r\n") << "s"
        << "k"
        << "";
    QTest::newRow("only blanks after the equals sign is the empty text")
        << QByteArray("[s]\r\nk= \t \r\n") << "s"
        << "k"
        << "";
    QTest::newRow("a value of 300 characters gives its first 254")
        << QByteArray("[s]\r\nk=" + a300 + "\r\n") << "s"
        << "k" << QString(254, u'a');
    QTest::newRow("a value of 254 characters is whole")
        << QByteArray("[s]\r\nk=" + QByteArray(254, 'b')) << "s"
        << "k" << QString(254, u'b');
    QTest::newRow("the cut counts characters of a UTF-8 file, not bytes")
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=" + QByteArray(300, 'x').replace("x", "\xC3\xA9"))
        << "s"
        << "k" << QString(254, u'é');
    QTest::newRow("the cut comes after removing the quotes")
        << QByteArray("[s]\r\nk=\"" + a300 + "\"") << "s"
        << "k" << QString(254, u'a');
    QTest::newRow("section and key asked in another letter case")
        << QByteArray("[GeneralInfo]\r\nNomFonc=Loi d'Ohm\r\n") << "generalinfo"
        << "NOMFONC"
        << "Loi d'Ohm";
    QTest::newRow("accented capitals match small letters")
        << cp1252(u"[ÉTÉ]\r\nCLÉ=oui\r\n"_s) << "été"
        << "clé"
        << "oui";
    QTest::newRow("the Greek capital Mu asks for the micro sign")
        << cp1252(u"[µ]\r\nk=1\r\n"_s) << "Μ"
        << "K"
        << "1";
    QTest::newRow("Œ and œ are one letter") << cp1252(u"[Œuvre]\r\nk=1\r\n"_s) << "œUVRE"
                                            << "K"
                                            << "1";
    QTest::newRow("blanks around key, equals sign and value")
        << QByteArray("[s]\r\n  k \t=  v w \t \r\n") << "s"
        << "k"
        << "v w";
    QTest::newRow("blanks inside the brackets and around the header")
        << QByteArray(" \t[ s ]  \r\nk=v\r\n") << "s"
        << "k"
        << "v";
    QTest::newRow("blanks around the names asked for") << QByteArray("[s]\r\nk=v\r\n") << " s "
                                                       << "\tk "
                                                       << "v";
    QTest::newRow("double quotes around the value are removed")
        << QByteArray("[s]\r\nk=\" a b \"\r\n") << "s"
        << "k"
        << " a b ";
    QTest::newRow("single quotes around the value are removed")
        << QByteArray("[s]\r\nk='x'\r\n") << "s"
        << "k"
        << "x";
    QTest::newRow("quotes that do not match stay") << QByteArray("[s]\r\nk=\"x'\r\n") << "s"
                                                   << "k"
                                                   << "\"x'";
    QTest::newRow("only one pair of quotes is removed")
        << QByteArray("[s]\r\nk=\"\"x\"\"\r\n") << "s"
        << "k"
        << "\"x\"";
    QTest::newRow("a lone quote stays") << QByteArray("[s]\r\nk=\"\r\n") << "s"
                                        << "k"
                                        << "\"";
    QTest::newRow("quotes inside the value stay") << QByteArray("[s]\r\nk=a \"b\" c\r\n") << "s"
                                                  << "k"
                                                  << "a \"b\" c";
    QTest::newRow("the first of duplicated keys counts")
        << QByteArray("[s]\r\nk=1\r\nK=2\r\n") << "s"
        << "k"
        << "1";
    QTest::newRow("the first of duplicated sections counts")
        << QByteArray("[s]\r\nk=1\r\n[S]\r\nk=2\r\n") << "s"
        << "k"
        << "1";
    QTest::newRow("keys of a repeated section are not seen")
        << QByteArray("[s]\r\na=1\r\n[t]\r\n[s]\r\nb=2\r\n") << "s"
        << "b" << dflt;
    QTest::newRow("missing file") << QByteArray() << "s"
                                  << "k" << dflt;
    QTest::newRow("missing section") << QByteArray("[t]\r\nk=v\r\n") << "s"
                                     << "k" << dflt;
    QTest::newRow("missing key") << QByteArray("[s]\r\nj=v\r\n") << "s"
                                 << "k" << dflt;
    QTest::newRow("empty file") << QByteArray("") << "s"
                                << "k" << dflt;
    QTest::newRow("a key before the first section belongs to none")
        << QByteArray("k=v\r\n[s]\r\n") << "s"
        << "k" << dflt;
    QTest::newRow("a key of the next section is not in this one")
        << QByteArray("[s]\r\n[t]\r\nk=v\r\n") << "s"
        << "k" << dflt;
    QTest::newRow("lines without an equals sign are ignored")
        << QByteArray("[s]\r\nk\r\n; k\r\nk=v\r\n") << "s"
        << "k"
        << "v";
    QTest::newRow("the name ends at the first equals sign") << QByteArray("[s]\r\nk=a=b\r\n") << "s"
                                                            << "k"
                                                            << "a=b";
    QTest::newRow("a comment line is a key of its own name") << QByteArray("[s]\r\n;k=1\r\n") << "s"
                                                             << "k" << dflt;
    QTest::newRow("a line with no name before the equals sign is no key")
        << QByteArray("[s]\r\n=v\r\n") << "s"
        << "" << dflt;
    QTest::newRow("LF line endings") << QByteArray("[s]\nk=v\nj=w\n") << "s"
                                     << "j"
                                     << "w";
    QTest::newRow("lone CR line endings") << QByteArray("[s]\rk=v\rj=w\r") << "s"
                                          << "j"
                                          << "w";
    QTest::newRow("mixed line endings") << QByteArray("[a]\rk=1\n[s]\r\nj=w\rk=v") << "s"
                                        << "k"
                                        << "v";
    QTest::newRow("a CR before LF is no part of the value") << QByteArray("[s]\r\nk=v\r\n") << "s"
                                                            << "k"
                                                            << "v";
    QTest::newRow("the last line needs no line break") << QByteArray("[s]\r\nk=v") << "s"
                                                       << "k"
                                                       << "v";
    QTest::newRow("a UTF-8 byte order mark does not hide the first section")
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=Donn\xC3\xA9"
                      "es\r\n")
        << "s"
        << "k"
        << "Données";
    QTest::newRow("a \"[\" without \"]\" is no header")
        << QByteArray("[s]\r\n[broken\r\nk=v\r\n") << "s"
        << "k"
        << "v";
    QTest::newRow("a \"[\" without \"]\" names no section")
        << QByteArray("[broken\r\nk=v\r\n") << "broken"
        << "k" << dflt;
    QTest::newRow("text after \"]\" is ignored") << QByteArray("[s] ; note\r\nk=v\r\n") << "s"
                                                 << "k"
                                                 << "v";
    QTest::newRow("a NUL byte ends the value") << QByteArray("[s]\r\nk=ab\0cd\r\n", 14) << "s"
                                               << "k"
                                               << "ab";
    QTest::newRow("a NUL byte elsewhere does not stop the reading")
        << QByteArray("[s]\r\nx\0y\r\nk=v\r\n", 16) << "s"
        << "k"
        << "v";
    QTest::newRow("tabs inside the value stay") << QByteArray("[s]\r\nk=a\tb\r\n") << "s"
                                                << "k"
                                                << "a\tb";
    QTest::newRow("a name with a character the file cannot hold is not found")
        << QByteArray("[s]\r\n?=v\r\n") << "s"
        << "Ω" << dflt;
    QTest::newRow("bytes undefined in Windows-1252 read as control characters")
        << QByteArray("[s]\r\nk=\x81\x8D\r\n") << "s"
        << "k" << u"\u0081\u008D"_s;
}

void IniRulesTest::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const QString path = freshPath();
    if (!file.isNull())
        test::writeFile(path, file);
    QCOMPARE(ReadIniValue(section, key, path, u"(défaut)"_s), expected);
}

void IniRulesTest::write_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("a new file holds the header line and the key line")
        << false << QByteArray() << "cl"
        << "aubcdaub"
        << "1" << QByteArray("[cl]\r\naubcdaub=1\r\n");
    QTest::newRow("an empty file gets the header line and the key line")
        << true << QByteArray("") << "cl"
        << "aubcdaub"
        << "1" << QByteArray("[cl]\r\naubcdaub=1\r\n");
    QTest::newRow("an existing key's value is replaced in its line")
        << true << QByteArray("[s]\r\nk=old\r\nz=1\r\n") << "s"
        << "k"
        << "new" << QByteArray("[s]\r\nk=new\r\nz=1\r\n");
    QTest::newRow("the key's spelling and blanks stay around the new value")
        << true << QByteArray("[S]\r\n  Key = old  \r\n") << "s"
        << "KEY"
        << "new" << QByteArray("[S]\r\n  Key = new  \r\n");
    QTest::newRow("an empty value is replaced") << true << QByteArray("[s]\r\nk=\r\n") << "s"
                                                << "k"
                                                << "1" << QByteArray("[s]\r\nk=1\r\n");
    QTest::newRow("a quoted value is replaced with its quotes")
        << true << QByteArray("[s]\r\nk=\"a b\"\r\n") << "s"
        << "k"
        << "c" << QByteArray("[s]\r\nk=c\r\n");
    QTest::newRow("a missing key goes after the last key line of its section")
        << true << QByteArray("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n") << "a"
        << "z"
        << "3" << QByteArray("[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n");
    QTest::newRow("a key of a section without keys goes under its header")
        << true << QByteArray("[a]\r\n; note\r\n[b]\r\n") << "a"
        << "z"
        << "3" << QByteArray("[a]\r\nz=3\r\n; note\r\n[b]\r\n");
    QTest::newRow("a missing section goes at the end of the file")
        << true << QByteArray("[a]\r\nx=1\r\n") << "b"
        << "y"
        << "2" << QByteArray("[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
    QTest::newRow("a last line without line break gets one before a new key")
        << true << QByteArray("[a]\r\nx=1") << "a"
        << "y"
        << "2" << QByteArray("[a]\r\nx=1\r\ny=2\r\n");
    QTest::newRow("a last line without line break gets one before a new section")
        << true << QByteArray("[a]\r\nx=1") << "b"
        << "y"
        << "2" << QByteArray("[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
    QTest::newRow("a file with LF line endings gets LF lines")
        << true << QByteArray("[a]\nx=1\n") << "b"
        << "y"
        << "2" << QByteArray("[a]\nx=1\n[b]\ny=2\n");
    QTest::newRow("a file with lone CR line endings gets CR lines")
        << true << QByteArray("[a]\rx=1\r") << "a"
        << "y"
        << "2" << QByteArray("[a]\rx=1\ry=2\r");
    QTest::newRow("untouched lines keep their own line endings")
        << true << QByteArray("[a]\nx=1\r\n[b]\ry=2\n") << "b"
        << "y"
        << "3" << QByteArray("[a]\nx=1\r\n[b]\ry=3\n");
    QTest::newRow("the first of duplicated keys is written")
        << true << QByteArray("[a]\r\nk=1\r\nk=2\r\n") << "a"
        << "k"
        << "9" << QByteArray("[a]\r\nk=9\r\nk=2\r\n");
    QTest::newRow("the first of duplicated sections gets the new key")
        << true << QByteArray("[a]\r\nx=1\r\n[b]\r\n[a]\r\ny=2\r\n") << "a"
        << "z"
        << "3" << QByteArray("[a]\r\nx=1\r\nz=3\r\n[b]\r\n[a]\r\ny=2\r\n");
    QTest::newRow("a section found in another case keeps its spelling")
        << true << QByteArray("[CL]\r\n") << "cl"
        << "aubcdaub"
        << "1" << QByteArray("[CL]\r\naubcdaub=1\r\n");
    QTest::newRow("a dotless ı finds the section I")
        << true << QByteArray("\xEF\xBB\xBF[I]\r\n") << "ı"
        << "k"
        << "1" << QByteArray("\xEF\xBB\xBF[I]\r\nk=1\r\n");
    QTest::newRow("a dotted İ finds the section i")
        << true << QByteArray("\xEF\xBB\xBF[i]\r\nk=0\r\n") << "İ"
        << "K"
        << "1" << QByteArray("\xEF\xBB\xBF[i]\r\nk=1\r\n");
    QTest::newRow("a final sigma finds the section of capital Σ")
        << true << QByteArray("\xEF\xBB\xBF[\xCE\xA3]\r\n") << "ς"
        << "k"
        << "1" << QByteArray("\xEF\xBB\xBF[\xCE\xA3]\r\nk=1\r\n");
    QTest::newRow("blanks around the names are not written")
        << false << QByteArray() << " cl "
        << " k\t"
        << "1" << QByteArray("[cl]\r\nk=1\r\n");
    QTest::newRow("an empty value") << false << QByteArray() << "s"
                                    << "k"
                                    << "" << QByteArray("[s]\r\nk=\r\n");
    QTest::newRow("accented texts are written in Windows-1252")
        << false << QByteArray() << "Légende"
        << "d1"
        << "Données µ ° ²" << cp1252(u"[Légende]\r\nd1=Données µ ° ²\r\n"_s);
    QTest::newRow("a UTF-8 file with byte order mark is written in UTF-8")
        << true << QByteArray("\xEF\xBB\xBF[s]\r\n") << "s"
        << "k"
        << "é Ω" << QByteArray("\xEF\xBB\xBF[s]\r\nk=\xC3\xA9 \xCE\xA9\r\n");
    QTest::newRow("text before the first section is kept")
        << true << QByteArray("\x01junk=1\r\n[a]\r\n") << "a"
        << "k"
        << "v" << QByteArray("\x01junk=1\r\n[a]\r\nk=v\r\n");
    QTest::newRow("NUL bytes in other lines are kept")
        << true << QByteArray("[a]\r\nx=\0\r\nk=1\r\n", 16) << "a"
        << "k"
        << "2" << QByteArray("[a]\r\nx=\0\r\nk=2\r\n", 16);
    QTest::newRow("a \"[\" without \"]\" stays in its section")
        << true << QByteArray("[a]\r\nx=1\r\n[b\r\n") << "a"
        << "y"
        << "2" << QByteArray("[a]\r\nx=1\r\ny=2\r\n[b\r\n");
}

void IniRulesTest::write()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    const QString path = freshPath();
    if (exists)
        test::writeFile(path, before);
    QCOMPARE(WriteIniValue(section, key, value, path), 1);
    QCOMPARE(test::readFile(path), after);
    QCOMPARE(ReadIniValue(section, key, path, u"(défaut)"_s), value);
}

void IniRulesTest::valueIsStoredAsItReadsBack_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("blanks at the ends are not written, as they are not read")
        << u" \t1 "_s << QByteArray("k=1\r\n") << u"1"_s;
    QTest::newRow("enclosing quotes are written and read back without")
        << u"'x'"_s << QByteArray("k='x'\r\n") << u"x"_s;
    QTest::newRow("blanks inside quotes are written and read back")
        << u" ' x ' "_s << QByteArray("k=' x '\r\n") << u" x "_s;
}

void IniRulesTest::valueIsStoredAsItReadsBack()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, line);
    QFETCH(QString, readBack);
    const QString path = freshPath();
    QCOMPARE(WriteIniValue(u"s"_s, u"k"_s, value, path), 1);
    QCOMPARE(test::readFile(path), QByteArray("[s]\r\n") + line);
    QCOMPARE(ReadIniValue(u"s"_s, u"k"_s, path, QString()), readBack);
}

// A value with blanks at its ends, written again and again (the authoring window writes its boxes
// as they are), neither grows the line nor loses the blanks that the line had by hand.
void IniRulesTest::rewritingAValueWithBlanksKeepsTheLineAsItWas()
{
    const QString path = freshPath();
    test::writeFile(path, "[s]\r\nk = old \r\n");
    for (int i = 0; i < 5; ++i)
        QCOMPARE(WriteIniValue(u"s"_s, u"k"_s, u"  v  "_s, path), 1);
    QCOMPARE(test::readFile(path), QByteArray("[s]\r\nk = v \r\n"));
}

void IniRulesTest::writingTwiceLeavesOneLineWithTheLastValue()
{
    const QString path = freshPath();
    test::writeFile(path, "[a]\r\nx=1\r\n");
    QCOMPARE(WriteIniValue(u"a"_s, u"k"_s, u"1"_s, path), 1);
    QCOMPARE(WriteIniValue(u"a"_s, u"k"_s, u"2"_s, path), 1);
    QCOMPARE(test::readFile(path), QByteArray("[a]\r\nx=1\r\nk=2\r\n"));
}

void IniRulesTest::writingTheSameValueLeavesTheFileAlone()
{
    const QString path = freshPath();
    test::writeFile(path, "[a]\r\nk=1\r\n");
    const QDateTime modified = QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
    const QFile::Permissions permissions = QFileInfo(path).permissions();
    QCOMPARE(WriteIniValue(u"a"_s, u"k"_s, u"1"_s, path), 1);
    QCOMPARE(test::readFile(path), QByteArray("[a]\r\nk=1\r\n"));
    QCOMPARE(QFileInfo(path).fileTime(QFileDevice::FileModificationTime), modified);
    QCOMPARE(QFileInfo(path).permissions(), permissions);
}

void IniRulesTest::refusedWrites_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("a value with a character Windows-1252 cannot hold") << "s"
                                                                       << "k"
                                                                       << "10 Ω";
    QTest::newRow("a key with a character Windows-1252 cannot hold") << "s"
                                                                     << "R≤"
                                                                     << "1";
    QTest::newRow("a section with a character Windows-1252 cannot hold") << "→"
                                                                         << "k"
                                                                         << "1";
    QTest::newRow("a value with a line feed, which would make a line of its own") << "s"
                                                                                  << "k"
                                                                                  << "1\n[x]";
    QTest::newRow("a value with a carriage return") << "s"
                                                    << "k"
                                                    << "1\r2";
    QTest::newRow("a value with a NUL") << "s"
                                        << "k" << u"1\u00002"_s;
    QTest::newRow("a key with a line break") << "s"
                                             << "k\nj"
                                             << "1";
    QTest::newRow("a key with an equals sign, which would end it early") << "s"
                                                                         << "a=b"
                                                                         << "1";
    QTest::newRow("a key starting with a bracket, which would read as a header") << "s"
                                                                                 << "[k"
                                                                                 << "1";
    QTest::newRow("a section with a closing bracket") << "a]b"
                                                      << "k"
                                                      << "1";
    QTest::newRow("an empty key") << "s"
                                  << ""
                                  << "1";
    QTest::newRow("a key of blanks only") << "s"
                                          << " \t "
                                          << "1";
    QTest::newRow("an empty section") << ""
                                      << "k"
                                      << "1";
}

void IniRulesTest::refusedWrites()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QString path = freshPath();
    const QByteArray before("[s]\r\nk=old\r\n");
    test::writeFile(path, before);
    QCOMPARE(WriteIniValue(section, key, value, path), 0);
    QCOMPARE(test::readFile(path), before);
    QCOMPARE(ReadIniValue(u"s"_s, u"k"_s, path, QString()), u"old"_s);

    const QString absent = freshPath();
    QCOMPARE(WriteIniValue(section, key, value, absent), 0);
    QVERIFY(!QFile::exists(absent));
}

void IniRulesTest::unstorableCharacters_data()
{
    QTest::addColumn<QByteArray>("before"); // a null array: no file
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("at"); // the first character refused, -1 for none
    const QByteArray file("[s]\r\nk=old\r\n");
    const QByteArray utf8File("\xEF\xBB\xBF[s]\r\nk=old\r\n");
    const QString emoji = u"ok 😀"_s;
    QTest::newRow("plain text") << file << u"Tension U (V)"_s << -1;
    QTest::newRow("empty text") << file << QString() << -1;
    QTest::newRow("Western accents and signs") << file << u"Énergie ½ × µF ² ° € – …"_s << -1;
    QTest::newRow("question mark is itself") << file << u"quoi ?"_s << -1;
    QTest::newRow("tab") << file << u"a\tb"_s << -1;
    QTest::newRow("ohm sign") << file << u"R (kΩ) ≤ 10"_s << 4;
    QTest::newRow("arrow") << file << u"a → b"_s << 2;
    QTest::newRow("Greek tau") << file << u"τ = R × C"_s << 0;
    QTest::newRow("line feed") << file << u"deux\nlignes"_s << 4;
    QTest::newRow("carriage return") << file << u"a\rb"_s << 1;
    QTest::newRow("NUL") << file << (u"a"_s + QChar(0)) << 1;
    QTest::newRow("emoji outside the basic plane") << file << emoji << 3;
    QTest::newRow("a new file is Windows-1252") << QByteArray() << u"kΩ"_s << 1;
    QTest::newRow("UTF-8 file: ohm sign and emoji") << utf8File << u"kΩ 😀"_s << -1;
    QTest::newRow("UTF-8 file: a line feed") << utf8File << u"a\nb"_s << 1;
    QTest::newRow("UTF-8 file: a lone high surrogate") << utf8File << emoji.left(4) + u'x' << 3;
    QTest::newRow("UTF-8 file: a lone low surrogate") << utf8File << emoji.mid(4) << 0;
    QTest::newRow("UTF-8 file: a pair the wrong way round")
        << utf8File << QString(emoji[4]) + emoji[3] << 0;
}

// The authoring window asks the store which character it would refuse, and the store refuses
// exactly that.
void IniRulesTest::unstorableCharacters()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, text);
    QFETCH(int, at);
    const QString path = freshPath();
    if (!before.isNull())
        test::writeFile(path, before);
    QCOMPARE(settings::firstUnstorableCharacter(path, text), qsizetype(at));
    QCOMPARE(WriteIniValue(u"s"_s, u"k"_s, text, path), at < 0 ? 1 : 0);
    if (at < 0)
        QCOMPARE(ReadIniValue(u"s"_s, u"k"_s, path, QString()), text);
    else
        QCOMPARE(test::readFile(path), before);
}

void IniRulesTest::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : {"Données",
                             "Effectué",
                             "Légende",
                             "µ",
                             "°",
                             "²",
                             "€ ‚ ƒ „ … † ‡ ˆ ‰",
                             "Š ‹ Œ Ž ‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ",
                             "àâäçéèêëîïôöùûüÿ ÀÂÄÇÉÈÊË"})
        QTest::newRow(text) << QString::fromUtf8(text);
}

void IniRulesTest::roundTrip()
{
    QFETCH(QString, text);
    const QString path = freshPath();
    QCOMPARE(WriteIniValue(text, text, text, path), 1);
    QCOMPARE(test::readFile(path),
             cp1252(u'[' + text + u"]\r\n"_s + text + u'=' + text + u"\r\n"_s));
    QCOMPARE(ReadIniValue(text.toUpper(), text.toLower(), path, QString()), text);
    // Another spelling of the same path is parsed afresh from the disk.
    const QString sameFile = m_dir.path() + u"/./"_s + QFileInfo(path).fileName();
    QCOMPARE(ReadIniValue(text, text, sameFile, QString()), text);
}

void IniRulesTest::decodingAgreesWithQtForEveryByte()
{
    QStringDecoder decoder("windows-1252");
    QVERIFY(decoder.isValid());
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray bytes(1, char(byte));
        const QString expected = decoder.decode(bytes);
        QCOMPARE(settings::decodeProfileText(settings::ProfileEncoding::Windows1252, bytes),
                 expected);
    }
}

void IniRulesTest::encodingAgreesWithQtForEveryCharacter()
{
    QVERIFY(QStringEncoder("windows-1252").isValid());
    // Qt's converter reads the five bytes that Windows-1252 leaves undefined as control characters
    // but will not write them back; the store does, so that such a byte survives a rewrite.
    const QString undefinedBytes = u"\u0081\u008D\u008F\u0090\u009D"_s;
    QCOMPARE(settings::encodeProfileText(settings::ProfileEncoding::Windows1252, undefinedBytes),
             QByteArray("\x81\x8D\x8F\x90\x9D"));
    for (char16_t c = 1; c < 0xD800; ++c) {
        const QString text(QChar{c});
        if (undefinedBytes.contains(text))
            continue;
        QStringEncoder encoder("windows-1252"); // a fresh one: an error stays set
        const QByteArray expected = encoder.encode(text);
        const bool representable = !encoder.hasError();
        const std::optional<QByteArray> bytes
            = settings::encodeProfileText(settings::ProfileEncoding::Windows1252, text);
        QVERIFY2(bytes.has_value() == representable, qPrintable(QString::number(c, 16)));
        if (bytes)
            QCOMPARE(*bytes, expected);
    }
}

QTEST_GUILESS_MAIN(IniRulesTest)
#include "test_ini_rules.moc"
