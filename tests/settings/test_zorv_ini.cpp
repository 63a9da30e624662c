// zorv-ini, run as a user runs it: arguments in, text and exit status out, the file on disk.

#include "support/closed_pipe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ZorvIniTest : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void help();
    void lostOutput_data();
    void lostOutput();
    void unreadableFileIsAnError_data();
    void unreadableFileIsAnError();
};

void ZorvIniTest::run_data()
{
    QTest::addColumn<QByteArray>("before");     // a null array: no file
    QTest::addColumn<QStringList>("arguments"); // FILE stands for the file's path
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("after");

    const QByteArray file("[Fonc]\r\nd1=Donn\xE9"
                          "es\r\n");
    QTest::newRow("read prints the value in UTF-8")
        << file << QStringList{"read", "fonc", "D1", "FILE", "x"}
        << QByteArray("Donn\xC3\xA9"
                      "es\n")
        << 0 << file;
    QTest::newRow("read of a missing key prints the default")
        << file << QStringList{"read", "Fonc", "d2", "FILE", "(Vide)"} << QByteArray("(Vide)\n")
        << 0 << file;
    QTest::newRow("read of a missing file prints the default")
        << QByteArray() << QStringList{"read", "Fonc", "d1", "FILE", "Légende"}
        << QByteArray("L\xC3\xA9gende\n") << 0 << QByteArray();
    QTest::newRow("write stores Windows-1252 and prints 1")
        << file << QStringList{"write", "Fonc", "d2", "Effectué µ°²", "FILE"} << QByteArray("1\n")
        << 0 << file + "d2=Effectu\xE9 \xB5\xB0\xB2\r\n";
    QTest::newRow("write creates the file")
        << QByteArray() << QStringList{"write", "cl", "aubcdaub", "1", "FILE"} << QByteArray("1\n")
        << 0 << QByteArray("[cl]\r\naubcdaub=1\r\n");
    QTest::newRow("write of a character Windows-1252 lacks prints 0 and fails")
        << file << QStringList{"write", "Fonc", "d1", "10 kΩ", "FILE"} << QByteArray("0\n") << 1
        << file;
    QTest::newRow("write into a missing folder prints 0 and fails")
        << QByteArray() << QStringList{"write", "s", "k", "v", "FILE/../missing/p.ini"}
        << QByteArray("0\n") << 1 << QByteArray();
    QTest::newRow("write stores the value without the blanks at its ends")
        << file << QStringList{"write", "Fonc", "d2", "  v  ", "FILE"} << QByteArray("1\n") << 0
        << file + "d2=v\r\n";
    QTest::newRow("write through a symbolic link prints 0 and fails")
        << file << QStringList{"write", "Fonc", "d1", "v", "FILE.link"} << QByteArray("0\n") << 1
        << file;
    QTest::newRow("version") << file << QStringList{"--version"}
                             << QByteArray("zorv-ini " ZORV_VERSION "\n") << 0 << file;
    QTest::newRow("an unknown option")
        << file << QStringList{"--bogus"} << QByteArray() << 2 << file;
    QTest::newRow("help with an argument")
        << file << QStringList{"--help", "read"} << QByteArray() << 2 << file;
    QTest::newRow("no arguments") << file << QStringList{} << QByteArray() << 2 << file;
    QTest::newRow("read with too few arguments")
        << file << QStringList{"read", "Fonc", "d1", "FILE"} << QByteArray() << 2 << file;
    QTest::newRow("write with too many arguments")
        << file << QStringList{"write", "Fonc", "d1", "v", "FILE", "extra"} << QByteArray() << 2
        << file;
    QTest::newRow("an unknown verb")
        << file << QStringList{"delete", "Fonc", "d1", "v", "FILE"} << QByteArray() << 2 << file;
}

void ZorvIniTest::run()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, out);
    QFETCH(int, status);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"f.zvfc"_s);
    if (!before.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    QVERIFY(QFile::link(path, path + u".link"_s));
    arguments.replaceInStrings(u"FILE"_s, path);

    QProcess tool;
    tool.start(QString::fromUtf8(ZORV_INI), arguments);
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.readAllStandardOutput(), out);
    const QByteArray err = tool.readAllStandardError();
    QCOMPARE(tool.exitCode(), status);
    QCOMPARE(err.startsWith("usage: zorv-ini"), status == 2);
    QCOMPARE(readBytes(path), after);
}

void ZorvIniTest::help()
{
    QProcess tool;
    tool.start(QString::fromUtf8(ZORV_INI), {u"--help"_s});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);
    const QString out = QString::fromUtf8(tool.readAllStandardOutput());
    QVERIFY(out.startsWith(u"usage: zorv-ini read SECTION KEY FILE DEFAULT\n"_s));
    QVERIFY(out.contains(u"Code de sortie"_s));
    QCOMPARE(tool.readAllStandardError(), QByteArray());
}

void ZorvIniTest::lostOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("pipe"); // a closed pipe rather than a full device
    const QByteArray file("[s]\r\nk=old\r\n");
    for (const bool pipe : {false, true}) {
        const char *sink = pipe ? "closed pipe" : "full device";
        QTest::addRow("read, %s", sink)
            << QStringList{"read", "s", "k", "FILE", "x"} << 3 << file << pipe;
        QTest::addRow("a write that was done, %s", sink)
            << QStringList{"write", "s", "k", "new", "FILE"} << 3 << QByteArray("[s]\r\nk=new\r\n")
            << pipe;
        QTest::addRow("a write that was not done, %s", sink)
            << QStringList{"write", "s", "k", "Ω", "FILE"} << 1 << file << pipe;
        QTest::addRow("version, %s", sink) << QStringList{"--version"} << 3 << file << pipe;
    }
}

// Standard output lost: the status says what became of the file and of the output.
void ZorvIniTest::lostOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, after);
    QFETCH(bool, pipe);
    if (!pipe && !QFileInfo::exists(u"/dev/full"_s))
        QSKIP("no /dev/full on this system");
    QTemporaryDir dir;
    const QString path = dir.filePath(u"f.ini"_s);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[s]\r\nk=old\r\n");
    }
    arguments.replaceInStrings(u"FILE"_s, path);
    QProcess tool;
    const zorv::test::ClosedPipe closedPipe;
    if (pipe)
        closedPipe.attachStandardOutput(tool);
    else
        tool.setStandardOutputFile(u"/dev/full"_s);
    tool.start(QString::fromUtf8(ZORV_INI), arguments);
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), status);
    QCOMPARE(readBytes(path), after);
}

void ZorvIniTest::unreadableFileIsAnError_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("reason");
    QTest::newRow("a folder") << u"folder"_s << QByteArray("c'est un dossier");
    QTest::newRow("a file past the size of a profile file")
        << u"huge"_s << QByteArray("il d\xC3\xA9passe 256 Mio");
}

// Read as the default, as documented, but never as a success: the file is there.
void ZorvIniTest::unreadableFileIsAnError()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"f.ini"_s);
    if (kind == u"folder"_s) {
        QVERIFY(QDir().mkdir(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize((qint64(256) << 20) + 1)); // sparse: costs no disk
    }
    QProcess tool;
    tool.start(QString::fromUtf8(ZORV_INI), {u"read"_s, u"s"_s, u"k"_s, path, u"défaut"_s});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.readAllStandardOutput(),
             QByteArray("d\xC3\xA9"
                        "faut\n"));
    const QByteArray err = tool.readAllStandardError();
    QVERIFY2(err.startsWith("zorv-ini: impossible de lire") && err.contains(reason),
             err.constData());
    QCOMPARE(tool.exitCode(), 1);
}

QTEST_GUILESS_MAIN(ZorvIniTest)
#include "test_zorv_ini.moc"
