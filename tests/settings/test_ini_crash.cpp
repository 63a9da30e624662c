// A write killed at any moment leaves the old file or the new one, never a mix or a piece, and
// what it leaves beside the file goes with the next write. Two processes writing one file lose
// none of each other's updates.

#include "settings/core/ini.h"
#include "support/temp_app_dir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace zorv;

namespace {

// A large first section, so that each write takes long enough to be killed in its middle.
QByteArray padding()
{
    QByteArray bytes("[pad]\r\n");
    for (int i = 0; i < 4000; ++i)
        bytes += "line" + QByteArray::number(i) + '=' + QByteArray(60, char('a' + i % 26)) + "\r\n";
    return bytes;
}

QByteArray version(const QByteArray &padding, qint64 n)
{
    return padding + "[c]\r\nn=" + QByteArray::number(n) + "\r\n";
}

QStringList filesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

class IniCrashTest : public QObject
{
    Q_OBJECT

private slots:
    void killedWritesLeaveOneWholeVersion();
    void twoWritersLoseNoUpdate();
};

void IniCrashTest::killedWritesLeaveOneWholeVersion()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"crash.ini"_s);
    const QByteArray pad = padding();
    test::writeFile(path, version(pad, 0));
    QRandomGenerator random(QRandomGenerator::global()->generate());
    qint64 last = 0;
    constexpr int Kills = 200;
    int leftovers = 0; // kills that left a temporary file behind
    for (int round = 0; round < Kills; ++round) {
        QProcess writer;
        writer.start(QString::fromUtf8(ZORV_CRASH_WRITER), {path, QString::number(last + 1)});
        QVERIFY2(writer.waitForStarted(), qPrintable(writer.errorString()));
        // Let it complete a random number of writes, then kill it wherever it is.
        const int writes = random.bounded(1, 12);
        QByteArray output;
        while (output.count('\n') < writes) {
            QVERIFY2(writer.waitForReadyRead(30000), "the writer stopped writing");
            output += writer.readAllStandardOutput();
        }
        writer.kill();
        QVERIFY(writer.waitForFinished(30000));
        output += writer.readAllStandardOutput();
        const QList<QByteArray> lines = output.trimmed().split('\n');
        const qint64 reported = lines.last().toLongLong();

        // The last write it reported is on disk, or the one it was making when it died.
        const QByteArray bytes = test::readFile(path);
        QVERIFY2(bytes == version(pad, reported) || bytes == version(pad, reported + 1),
                 qPrintable(u"round %1: after %2 writes, %3 bytes, ending %4"_s.arg(round)
                                .arg(reported)
                                .arg(bytes.size())
                                .arg(QString::fromLatin1(bytes.right(20)))));
        last = ReadIniValue(u"c"_s, u"n"_s, path, QString()).toLongLong();
        QVERIFY(last == reported || last == reported + 1);

        // The write of a value that is there already changes nothing but the leftovers.
        if (filesOf(dir.path()).size() > 1)
            ++leftovers;
        QCOMPARE(WriteIniValue(u"c"_s, u"n"_s, QString::number(last), path), 1);
        QCOMPARE(filesOf(dir.path()), QStringList{u"crash.ini"_s});
    }
    qInfo("%d kills, %d of them left a temporary file, removed by the next write", Kills, leftovers);
}

void IniCrashTest::twoWritersLoseNoUpdate()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"shared.ini"_s);
    test::writeFile(path, padding());
    constexpr int Writes = 300;
    QProcess writers[2];
    const QString keys[2] = {u"a"_s, u"b"_s};
    for (int i = 0; i < 2; ++i)
        writers[i].start(QString::fromUtf8(ZORV_CRASH_WRITER),
                         {path, u"1"_s, keys[i], QString::number(Writes)});
    for (QProcess &writer : writers) {
        QVERIFY(writer.waitForFinished(120000));
        // 3: the writer found its last value gone; 1: a write failed.
        QCOMPARE(writer.exitCode(), 0);
    }
    for (const QString &key : keys)
        QCOMPARE(ReadIniValue(u"c"_s, key, path, QString()), QString::number(Writes));
}

QTEST_GUILESS_MAIN(IniCrashTest)
#include "test_ini_crash.moc"
