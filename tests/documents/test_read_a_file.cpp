#include "documents/core/read_a_file.h"
#include "support/temp_app_dir.h"

#include <QFile>
#include <QTest>

using namespace zorv;
using namespace Qt::StringLiterals;

class ReadAfileTest : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void windows1252IsDecoded_data();
    void windows1252IsDecoded();
    void unreadableIsAFailure_data();
    void unreadableIsAFailure();
    void fileWithoutReadPermissionIsAFailure();
    void fileLargerThanTheBoundIsAFailure();
    void fileAtTheBoundIsRead();
};

void ReadAfileTest::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty file gives an empty text") << QByteArray() << QString();
    QTest::newRow("each line ends with CR LF") << "un\r\ndeux\r\n"_ba << u"un\r\ndeux\r\n"_s;
    QTest::newRow("last line without a break gets CR LF") << "un\r\ndeux"_ba << u"un\r\ndeux\r\n"_s;
    QTest::newRow("a single line without a break") << "seul"_ba << u"seul\r\n"_s;
    QTest::newRow("a lone CR ends a line") << "un\rdeux\r"_ba << u"un\r\ndeux\r\n"_s;
    QTest::newRow("a lone LF ends a line") << "un\ndeux\n"_ba << u"un\r\ndeux\r\n"_s;
    QTest::newRow("mixed line ends") << "a\rb\nc\r\nd"_ba << u"a\r\nb\r\nc\r\nd\r\n"_s;
    QTest::newRow("LF CR is two breaks") << "a\n\rb"_ba << u"a\r\n\r\nb\r\n"_s;
    QTest::newRow("CR CR LF is an empty line") << "a\r\r\nb"_ba << u"a\r\n\r\nb\r\n"_s;
    QTest::newRow("blank lines are kept") << "\r\n\r\nx\r\n\r\n"_ba << u"\r\n\r\nx\r\n\r\n"_s;
    QTest::newRow("only a line break is one empty line") << "\r\n"_ba << u"\r\n"_s;
    QTest::newRow("blanks at both ends of a line are kept") << "  x  \r\n"_ba << u"  x  \r\n"_s;
    QTest::newRow("a NUL byte is a character")
        << QByteArray("a\0b", 3) << u"a"_s + QChar(0) + u"b\r\n"_s;
}

void ReadAfileTest::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    test::TempAppDir dir;
    dir.writeFile(u"docs/doc.dczv"_s, bytes);
    const std::optional<QString> read = documents::ReadAfile(dir.filePath(u"docs/doc.dczv"_s));
    QVERIFY(read.has_value());
    QCOMPARE(*read, text);
}

void ReadAfileTest::windows1252IsDecoded_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("French accents") << "\xe9\xe8\xe0\xe7\xf4\xc9"_ba << u"éèàçôÉ\r\n"_s;
    QTest::newRow("degree and square signs") << "2\xb0"
                                                "3\xb2"_ba
                                             << u"2°3²\r\n"_s;
    QTest::newRow("euro sign, not a control character") << "\x80"_ba << u"€\r\n"_s;
    QTest::newRow("curly quotes and oe ligature") << "\x93\x9c\x94"_ba << u"“œ”\r\n"_s;
    QTest::newRow("no-break space") << "a\xa0:"_ba << u"a\u00a0:\r\n"_s;
    QTest::newRow("UTF-8 bytes are not taken as UTF-8") << "\xc3\xa9"_ba << u"Ã©\r\n"_s;
}

void ReadAfileTest::windows1252IsDecoded()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(documents::documentText(bytes), text);
}

void ReadAfileTest::unreadableIsAFailure_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("missing file") << u"docs/absent.dczv"_s;
    QTest::newRow("missing docs folder") << u"nodocs/absent.dczv"_s;
    QTest::newRow("a folder in place of the file") << u"docs/dossier.dczv"_s;
    QTest::newRow("empty file name") << QString();
}

void ReadAfileTest::unreadableIsAFailure()
{
    QFETCH(QString, relative);
    test::TempAppDir dir;
    dir.makeDir(u"docs/dossier.dczv"_s);
    const QString path = relative.isEmpty() ? QString() : dir.filePath(relative);
    QVERIFY(!documents::ReadAfile(path).has_value());
}

void ReadAfileTest::fileWithoutReadPermissionIsAFailure()
{
    test::TempAppDir dir;
    dir.writeFile(u"docs/verrou.dczv"_s, "secret\r\n"_ba);
    const QString path = dir.filePath(u"docs/verrou.dczv"_s);
    QVERIFY(QFile(path).setPermissions(QFile::WriteOwner));
    if (QFile(path).open(QIODevice::ReadOnly))
        QSKIP("running with privileges that read any file");
    QVERIFY(!documents::ReadAfile(path).has_value());
}

void ReadAfileTest::fileLargerThanTheBoundIsAFailure()
{
    test::TempAppDir dir;
    dir.writeFile(u"docs/grand.dczv"_s, QByteArray(documents::MaxDocumentBytes + 1, 'x'));
    QVERIFY(!documents::ReadAfile(dir.filePath(u"docs/grand.dczv"_s)).has_value());
}

void ReadAfileTest::fileAtTheBoundIsRead()
{
    test::TempAppDir dir;
    dir.writeFile(u"docs/limite.dczv"_s, QByteArray(documents::MaxDocumentBytes, 'x'));
    const std::optional<QString> read = documents::ReadAfile(dir.filePath(u"docs/limite.dczv"_s));
    QVERIFY(read.has_value());
    QCOMPARE(read->size(), documents::MaxDocumentBytes + 2);
}

QTEST_GUILESS_MAIN(ReadAfileTest)
#include "test_read_a_file.moc"
