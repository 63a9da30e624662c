#include "functions/core/function_list.h"
#include "platform/app_dir.h"
#include "platform/file_replace.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "shell/core/donnees.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

using namespace zorv;

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void twipsToPixels_data();
    void twipsToPixels();
    void copyReplacesDestination();
    void copyFailureLeavesDestination_data();
    void copyFailureLeavesDestination();
    void temporaryNames_data();
    void temporaryNames();
    void aWriteRemovesItsOwnLeftoversOnly();
    void aLockedFolderMakesTheWriteWaitThenGiveUp();
    void recordingPlatformIsInstalledForItsLifetime();
    void globalsFollowAppDir();
};

void PlatformTest::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("half a pixel rounds up") << 8 << 1;
    QTest::newRow("less than half rounds down") << 7 << 0;
    QTest::newRow("menu width") << 7935 << 529;
    QTest::newRow("button height") << 375 << 25;
    QTest::newRow("negative") << -120 << -8;
}

void PlatformTest::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(zorv::twipsToPixels(twips), pixels);
}

void PlatformTest::copyReplacesDestination()
{
    test::TempAppDir dir;
    dir.writeFile(u"a"_s, "new content");
    dir.writeFile(u"b"_s, "old content that is longer");
    QVERIFY(copyFileReplacing(dir.filePath(u"a"_s), dir.filePath(u"b"_s)));
    QCOMPARE(test::readFile(dir.filePath(u"b"_s)), QByteArray("new content"));
}

void PlatformTest::copyFailureLeavesDestination_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::newRow("missing source") << u"missing"_s << u"b"_s;
    QTest::newRow("missing folder") << u"a"_s << u"no/such/b"_s;
    QTest::newRow("destination is a folder") << u"a"_s << u"dir"_s;
    QTest::newRow("destination is a link") << u"a"_s << u"link"_s;
    QTest::newRow("destination is a dangling link") << u"a"_s << u"dangling"_s;
}

void PlatformTest::copyFailureLeavesDestination()
{
    QFETCH(QString, source);
    QFETCH(QString, destination);
    test::TempAppDir dir;
    dir.writeFile(u"a"_s, "new");
    dir.writeFile(u"b"_s, "old");
    dir.makeDir(u"dir"_s);
    QVERIFY(QFile::link(dir.filePath(u"b"_s), dir.filePath(u"link"_s)));
    QVERIFY(QFile::link(dir.filePath(u"gone"_s), dir.filePath(u"dangling"_s)));
    QVERIFY(!copyFileReplacing(dir.filePath(source), dir.filePath(destination)));
    QCOMPARE(test::readFile(dir.filePath(u"b"_s)), QByteArray("old"));
    QVERIFY(QFileInfo(dir.filePath(u"dir"_s)).isDir());
    QVERIFY(!QFileInfo::exists(dir.filePath(u"gone"_s)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files | QDir::System).size(), 4);
}

void PlatformTest::temporaryNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("other"); // another file of the same folder
    QTest::newRow("short name") << QByteArray("f.zvfc") << QByteArray("g.zvfc");
    QTest::newRow("a name that starts like the other") << QByteArray("f") << QByteArray("f.zvfc");
    QTest::newRow("the longest name that a folder holds")
        << QByteArray(250, 'a') + ".zvfc" << QByteArray(250, 'a') + ".zvfd";
    const QByteArray accented = "a" + QByteArray(124, 'x').replace("x", "\xC3\xA9");
    QTest::newRow("long accented names, cut between characters")
        << accented + "1" << accented + "2";
}

// A temporary file fits in the folder whatever the name, hides, and is told apart from the
// temporary files of every other file.
void PlatformTest::temporaryNames()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, other);
    const QByteArray temporary = temporaryFileName(name, "Ab12Cd");
    QVERIFY2(temporary.size() <= 255, temporary.constData());
    QVERIFY(temporary.startsWith('.'));
    QCOMPARE(QString::fromUtf8(temporary).toUtf8(), temporary);
    QVERIFY(isTemporaryFileOf(temporary, name));
    QVERIFY(!isTemporaryFileOf(temporary, other));
    QVERIFY(!isTemporaryFileOf(temporaryFileName(other, "Ab12Cd"), name));
    QVERIFY(!isTemporaryFileOf(name, name));
    QVERIFY(!isTemporaryFileOf(temporaryFileName(name, "Ab12C"), name));
    QVERIFY(!isTemporaryFileOf(temporaryFileName(name, "Ab.2Cd"), name));
}

void PlatformTest::aWriteRemovesItsOwnLeftoversOnly()
{
    test::TempAppDir dir;
    const QString own = QString::fromUtf8(temporaryFileName("f.zvfc", "Ab12Cd"));
    const QString others = QString::fromUtf8(temporaryFileName("g.zvfc", "Ab12Cd"));
    dir.writeFile(own, "killed");
    dir.writeFile(others, "killed");
    dir.writeFile(u"a"_s, "new");
    QVERIFY(copyFileReplacing(dir.filePath(u"a"_s), dir.filePath(u"f.zvfc"_s)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{others, u"a"_s, u"f.zvfc"_s}));
}

void PlatformTest::aLockedFolderMakesTheWriteWaitThenGiveUp()
{
    test::TempAppDir dir;
    const QString path = dir.filePath(u"f"_s);
    FileReplacement holder(path);
    QCOMPARE(holder.problem(), ReplaceProblem::None);
    QElapsedTimer waited;
    waited.start();
    FileReplacement second(path);
    QCOMPARE(second.problem(), ReplaceProblem::Busy);
    // The two clocks round their milliseconds apart: allow one tick of each.
    QVERIFY(waited.elapsed() >= FileReplacement::LockTimeoutMs - 2);
    QVERIFY(!second.commit());
    QVERIFY(holder.write("x") && holder.commit());
    QCOMPARE(test::readFile(path), QByteArray("x"));
}

void PlatformTest::recordingPlatformIsInstalledForItsLifetime()
{
    Platform *before = &platform();
    {
        test::RecordingPlatform recording;
        QCOMPARE(&platform(), &recording);
        platform().messageBox(u"texte"_s);
        QCOMPARE(recording.messages.size(), 1);
        QCOMPARE(recording.messages.first().title, AppTitle);
        {
            // Every service is installed the same way (platform/hook.h): scopes nest.
            test::RecordingPlatform inner;
            QCOMPARE(&platform(), &inner);
        }
        QCOMPARE(&platform(), &recording);
    }
    QCOMPARE(&platform(), before);
}

void PlatformTest::globalsFollowAppDir()
{
    test::TempAppDir dir;
    const QString expected = QDir::toNativeSeparators(dir.path());
    QCOMPARE(donnees::AppDir(), expected);
    QCOMPARE(donnees::AppVersion, u"1.00.1"_s);
    // Nothing is inserted between the program folder and the function folder.
    QCOMPARE(donnees::FunctionDir,
             expected + QDir::separator() + u"res"_s + QDir::separator() + u"Fonc"_s
                 + QDir::separator());
}

QTEST_GUILESS_MAIN(PlatformTest)
#include "test_platform.moc"
