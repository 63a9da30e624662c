// Which folder holds the user's own files, and that the settings file and the new function files
// follow it.

#include "functions/core/new_function_file.h"
#include "platform/app_dir.h"
#include "platform/user_files.h"
#include "settings/core/ini.h"
#include "settings/core/options.h"
#include "support/temp_app_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace zorv;
using namespace Qt::StringLiterals;

namespace {

constexpr QFile::Permissions ReadOnlyForAll = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                              | QFile::ExeGroup | QFile::ReadOther
                                              | QFile::ExeOther;

} // namespace

class UserFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void folderOfTheUsersFiles_data();
    void folderOfTheUsersFiles();
    void settingSavedWhereTheProgramFolderIsReadOnly();
    void dataFolderIsTheProgramsAppLocalDataLocation();
    void dataFolderFollowsXdgDataHome();
};

void UserFilesTest::folderOfTheUsersFiles_data()
{
    QTest::addColumn<QString>("programFolder"); // "writable", "read-only" or "missing"
    QTest::addColumn<bool>("inProgramFolder");
    QTest::newRow("a writable program folder keeps them") << u"writable"_s << true;
    // Marked read-only for everybody: even the superuser, whom the system lets write, keeps out.
    QTest::newRow("a read-only program folder sends them to the data folder")
        << u"read-only"_s << false;
    QTest::newRow("a missing program folder sends them to the data folder")
        << u"missing"_s << false;
}

void UserFilesTest::folderOfTheUsersFiles()
{
    QFETCH(QString, programFolder);
    QFETCH(bool, inProgramFolder);
    test::TempAppDir app;
    if (programFolder == u"read-only")
        QVERIFY(QFile::setPermissions(app.path(), ReadOnlyForAll));
    if (programFolder == u"missing")
        donnees::setAppDir(app.filePath(u"absent"_s));

    const QString expected = QDir::toNativeSeparators(inProgramFolder ? app.path()
                                                                      : app.userDataPath());
    QCOMPARE(userFilesInProgramFolder(), inProgramFolder);
    QCOMPARE(UserDir(), expected);
    QCOMPARE(settings::settingsFilePath(),
             QDir::toNativeSeparators(expected + u"/parametres/da4bc5a4bc88a4bc88a4bc88.zorv"_s));
    QCOMPARE(functions::outputFolder(), QDir::toNativeSeparators(expected + u"/out"_s));
    QCOMPARE(functions::newFunctionFilePath(u"essai"_s),
             QDir::toNativeSeparators(expected + u"/out/essai.zvfc"_s));
    // The data folder is laid out on first use; the program folder is left as it was shipped.
    const QStringList dataFolders
        = QDir(app.userDataPath()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(dataFolders,
             inProgramFolder ? QStringList() : QStringList({u"Fonc"_s, u"out"_s, u"parametres"_s}));
}

void UserFilesTest::settingSavedWhereTheProgramFolderIsReadOnly()
{
    test::TempAppDir app;
    app.makeDir(u"parametres"_s);
    QVERIFY(QFile::setPermissions(app.path(), ReadOnlyForAll));
    QCOMPARE(WriteIniValue(u"cl"_s, u"aubcdaub"_s, u"1"_s, settings::settingsFilePath()), 1);
    QCOMPARE(ReadIniValue(u"cl"_s, u"aubcdaub"_s, settings::settingsFilePath(), u"0"_s), u"1"_s);
    QCOMPARE(test::readFile(app.userDataPath() + u"/parametres/da4bc5a4bc88a4bc88a4bc88.zorv"_s),
             QByteArray("[cl]\r\naubcdaub=1\r\n"));
    QVERIFY(QDir(app.filePath(u"parametres"_s)).isEmpty());
}

void UserFilesTest::dataFolderIsTheProgramsAppLocalDataLocation()
{
    QCoreApplication::setApplicationName(ApplicationName);
    QCOMPARE(userDataDir(),
             QDir::toNativeSeparators(
                 QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)));
    QVERIFY2(userDataDir().endsWith(QDir::separator() + u"zorv"_s), qPrintable(userDataDir()));
}

void UserFilesTest::dataFolderFollowsXdgDataHome()
{
    QTemporaryDir home;
    const bool wasSet = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    const QString folder = userDataDir();
    if (wasSet)
        qputenv("XDG_DATA_HOME", before);
    else
        qunsetenv("XDG_DATA_HOME");
    QCOMPARE(folder, QDir::toNativeSeparators(home.path() + u"/zorv"_s));
}

QTEST_GUILESS_MAIN(UserFilesTest)
#include "test_user_files.moc"
