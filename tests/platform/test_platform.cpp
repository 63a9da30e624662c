#include "platform/platform.h"
#include "platform/twips.h"
#include "shell/core/donnees.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"

#include <QDir>
#include <QFile>
#include <QTest>

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
    dir.writeFile(QStringLiteral("a"), "new content");
    dir.writeFile(QStringLiteral("b"), "old content that is longer");
    QVERIFY(copyFileReplacing(dir.filePath(QStringLiteral("a")), dir.filePath(QStringLiteral("b"))));
    QCOMPARE(test::readFile(dir.filePath(QStringLiteral("b"))), QByteArray("new content"));
}

void PlatformTest::copyFailureLeavesDestination_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::newRow("missing source") << QStringLiteral("missing") << QStringLiteral("b");
    QTest::newRow("missing folder") << QStringLiteral("a") << QStringLiteral("no/such/b");
    QTest::newRow("destination is a folder") << QStringLiteral("a") << QStringLiteral("dir");
}

void PlatformTest::copyFailureLeavesDestination()
{
    QFETCH(QString, source);
    QFETCH(QString, destination);
    test::TempAppDir dir;
    dir.writeFile(QStringLiteral("a"), "new");
    dir.writeFile(QStringLiteral("b"), "old");
    dir.makeDir(QStringLiteral("dir"));
    QVERIFY(!copyFileReplacing(dir.filePath(source), dir.filePath(destination)));
    QCOMPARE(test::readFile(dir.filePath(QStringLiteral("b"))), QByteArray("old"));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("dir"))).isDir());
}

void PlatformTest::recordingPlatformIsInstalledForItsLifetime()
{
    Platform *before = &platform();
    {
        test::RecordingPlatform recording;
        QCOMPARE(&platform(), &recording);
        platform().messageBox(QStringLiteral("texte"));
        QCOMPARE(recording.messages.size(), 1);
        QCOMPARE(recording.messages.first().title, AppTitle);
    }
    QCOMPARE(&platform(), before);
}

void PlatformTest::globalsFollowAppDir()
{
    test::TempAppDir dir;
    const QString expected = QDir::toNativeSeparators(dir.path());
    QCOMPARE(donnees::AppDir(), expected);
    QCOMPARE(donnees::AppVersion, QStringLiteral("1.00.1"));
    // Nothing is inserted between the program folder and the function folder.
    QCOMPARE(donnees::FunctionDir,
             expected + QDir::separator() + QStringLiteral("res") + QDir::separator()
                 + QStringLiteral("Fonc") + QDir::separator());
}

QTEST_GUILESS_MAIN(PlatformTest)
#include "test_platform.moc"
