// The profile store against the file system: writes that cannot be done, changes made by other
// programs, read scopes, and files that are not what a profile file should be.

#include "settings/core/ini.h"
#include "settings/core/profile_store.h"
#include "support/temp_app_dir.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

using namespace zorv;

namespace {

const QString Old = u"old"_s;

QString read(const QString &path, const QString &section = u"s"_s, const QString &key = u"k"_s)
{
    return ReadIniValue(section, key, path, u"(défaut)"_s);
}

// Every entry of a folder with its bytes: what "changes nothing" compares.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden
                                                     | QDir::NoDotAndDotDot);
    for (const QString &name : names)
        entries.insert(name, test::readFile(folder + u'/' + name));
    return entries;
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

enum class Obstacle {
    MissingFolder,
    PathIsAFolder,
    ReadOnlyFile,
    ReadOnlyFolder,
    NewFileInReadOnlyFolder,
    NamedPipe,
    LinkToAFileElsewhere,
    LinkToNothing,
};

enum class OutsideChange {
    SameSizeInPlace,
    SameSizeInPlaceWithOldTimes,
    OtherSize,
    RenamedOver,
    Deleted,
    TouchedOnly,
    CreatedAfterAMiss,
};

} // namespace

class IniFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void failedWrites_data();
    void failedWrites();
    void aWriteThatWouldPassTheSizeCapIsRefused();
    void aWriteCutShortByTheSystemLeavesTheOldFile();
    void aWriteWhoseFolderIsMissingReadsTheDefaultAfterwards();
    void outsideChanges_data();
    void outsideChanges();
    void aWriteIsSeenThroughAnotherSpellingOfThePath();
    void aScopeReadsOneVersionOfTheFile();
    void theOutermostScopeDecides();
    void writesAreSeenInsideAScope();
    void racy_data();
    void racy();
    void badFiles_data();
    void badFiles();
    void aValueOnALineOfOneMegabyteIsCut();
    void manyFilesAreReadRightAfterOthersAreForgotten();
    void permissionsOfTheFileSurviveAWrite();

private:
    QTemporaryDir m_dir;
    int m_paths = 0;

    QString freshFolder()
    {
        const QString folder = m_dir.filePath(u"f%1"_s.arg(++m_paths));
        QDir().mkpath(folder);
        return folder;
    }
};

void IniFilesTest::cleanup()
{
    // Read-only folders of a failed row would keep the temporary folder from going.
    const QStringList folders = QDir(m_dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &folder : folders)
        QFile::setPermissions(m_dir.filePath(folder),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void IniFilesTest::failedWrites_data()
{
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QString>("readAfter");
    QTest::newRow("the folder does not exist") << Obstacle::MissingFolder << "(défaut)";
    QTest::newRow("the path is a folder") << Obstacle::PathIsAFolder << "(défaut)";
    QTest::newRow("the file is read-only") << Obstacle::ReadOnlyFile << "old";
    QTest::newRow("the folder is read-only") << Obstacle::ReadOnlyFolder << "old";
    QTest::newRow("a new file in a read-only folder")
        << Obstacle::NewFileInReadOnlyFolder << "(défaut)";
    QTest::newRow("the path is a named pipe") << Obstacle::NamedPipe << "(défaut)";
    QTest::newRow("the path is a link to a file elsewhere")
        << Obstacle::LinkToAFileElsewhere << "old";
    QTest::newRow("the path is a link to nothing") << Obstacle::LinkToNothing << "(défaut)";
}

void IniFilesTest::failedWrites()
{
    QFETCH(Obstacle, obstacle);
    QFETCH(QString, readAfter);
    const QString folder = freshFolder();
    const QString elsewhere = freshFolder();
    QString path = folder + u"/p.ini"_s;
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    switch (obstacle) {
    case Obstacle::MissingFolder:
        path = folder + u"/missing/p.ini"_s;
        break;
    case Obstacle::PathIsAFolder:
        QVERIFY(QDir().mkdir(path));
        break;
    case Obstacle::ReadOnlyFile:
        test::writeFile(path, "[s]\r\nk=old\r\n");
        QVERIFY(QFile::setPermissions(path, readOnly));
        break;
    case Obstacle::ReadOnlyFolder:
        test::writeFile(path, "[s]\r\nk=old\r\n");
        QVERIFY(QFile::setPermissions(folder, readOnly | QFile::ExeOwner));
        break;
    case Obstacle::NewFileInReadOnlyFolder:
        QVERIFY(QFile::setPermissions(folder, readOnly | QFile::ExeOwner));
        break;
    case Obstacle::NamedPipe:
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        break;
    case Obstacle::LinkToAFileElsewhere:
        test::writeFile(elsewhere + u"/target.ini"_s, "[s]\r\nk=old\r\n");
        QVERIFY(QFile::link(elsewhere + u"/target.ini"_s, path));
        break;
    case Obstacle::LinkToNothing:
        QVERIFY(QFile::link(elsewhere + u"/target.ini"_s, path));
        break;
    }
    QCOMPARE(read(path), readAfter); // a pipe must not make the read wait for a writer
    const auto before = contents(folder);
    const auto beforeElsewhere = contents(elsewhere);
    QCOMPARE(WriteIniValue(u"s"_s, u"k"_s, u"new"_s, path), 0);
    QCOMPARE(contents(folder), before);
    QCOMPARE(contents(elsewhere), beforeElsewhere);
    QCOMPARE(read(path), readAfter);
}

// Past the cap a file reads as missing and cannot be written any more: the write that would take
// it there is refused, and the file stays readable.
void IniFilesTest::aWriteThatWouldPassTheSizeCapIsRefused()
{
    const QString path = freshFolder() + u"/big.ini"_s;
    const QByteArray head("[s]\r\nk=old\r\n");
    test::writeFile(path, head);
    QVERIFY(QFile::resize(path, settings::MaxProfileFileSize - 8)); // sparse: NUL bytes
    QCOMPARE(read(path), Old);
    QCOMPARE(WriteIniValue(u"s"_s, u"k"_s, u"0123456789ab"_s, path), 0);
    QCOMPARE(QFileInfo(path).size(), settings::MaxProfileFileSize - 8);
    QCOMPARE(read(path), Old);
}

void IniFilesTest::aWriteCutShortByTheSystemLeavesTheOldFile()
{
    const QString folder = freshFolder();
    const QString path = folder + u"/p.ini"_s;
    test::writeFile(path, "[s]\r\nk=old\r\n");
    QCOMPARE(read(path), Old);
    const auto before = contents(folder);
    // A file size limit makes the system refuse the write midway, as a full disk does.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const qint32 result = WriteIniValue(u"s"_s, u"k"_s, QString(10000, u'x'), path);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(result, 0);
    QCOMPARE(contents(folder), before);
    QCOMPARE(read(path), Old);
}

void IniFilesTest::aWriteWhoseFolderIsMissingReadsTheDefaultAfterwards()
{
    const QString path = freshFolder() + u"/absent/p.ini"_s;
    QCOMPARE(WriteIniValue(u"s"_s, u"k"_s, u"1"_s, path), 0);
    QCOMPARE(read(path), u"(défaut)"_s);
}

void IniFilesTest::outsideChanges_data()
{
    QTest::addColumn<OutsideChange>("change");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rewritten in place with the same size")
        << OutsideChange::SameSizeInPlace << "new";
    QTest::newRow("rewritten in place with the same size and the old times put back")
        << OutsideChange::SameSizeInPlaceWithOldTimes << "new";
    QTest::newRow("rewritten with another size") << OutsideChange::OtherSize << "newer";
    QTest::newRow("replaced by a file renamed over it") << OutsideChange::RenamedOver << "new";
    QTest::newRow("deleted") << OutsideChange::Deleted << "(défaut)";
    QTest::newRow("touched without a change") << OutsideChange::TouchedOnly << "old";
    QTest::newRow("created after a read found none") << OutsideChange::CreatedAfterAMiss << "new";
}

void IniFilesTest::outsideChanges()
{
    QFETCH(OutsideChange, change);
    QFETCH(QString, expected);
    const QString folder = freshFolder();
    const QString path = folder + u"/p.ini"_s;
    const QByteArray nativePath = QFile::encodeName(path);
    if (change == OutsideChange::CreatedAfterAMiss) {
        QCOMPARE(read(path), u"(défaut)"_s);
    } else {
        test::writeFile(path, "[s]\r\nk=old\r\n");
        QCOMPARE(read(path), Old);
    }
    struct stat before;
    ::stat(nativePath.constData(), &before);
    switch (change) {
    case OutsideChange::SameSizeInPlace:
    case OutsideChange::CreatedAfterAMiss:
        test::writeFile(path, "[s]\r\nk=new\r\n");
        break;
    case OutsideChange::SameSizeInPlaceWithOldTimes: {
        test::writeFile(path, "[s]\r\nk=new\r\n");
        const timespec times[2] = {before.st_atim, before.st_mtim};
        QCOMPARE(::utimensat(AT_FDCWD, nativePath.constData(), times, 0), 0);
        break;
    }
    case OutsideChange::OtherSize:
        test::writeFile(path, "[s]\r\nk=newer\r\n");
        break;
    case OutsideChange::RenamedOver:
        test::writeFile(path + u".tmp"_s, "[s]\r\nk=new\r\n");
        QCOMPARE(std::rename(QFile::encodeName(path + u".tmp"_s).constData(),
                             nativePath.constData()),
                 0);
        break;
    case OutsideChange::Deleted:
        QVERIFY(QFile::remove(path));
        break;
    case OutsideChange::TouchedOnly:
        QCOMPARE(::utimensat(AT_FDCWD, nativePath.constData(), nullptr, 0), 0);
        break;
    }
    QCOMPARE(read(path), expected);
}

void IniFilesTest::aWriteIsSeenThroughAnotherSpellingOfThePath()
{
    const QString folder = freshFolder();
    const QString path = folder + u"/p.ini"_s;
    const QString other = folder + u"/../"_s + QFileInfo(folder).fileName() + u"/p.ini"_s;
    test::writeFile(path, "[s]\r\nk=old\r\n");
    QCOMPARE(read(other), Old);
    QCOMPARE(WriteIniValue(u"s"_s, u"k"_s, u"new"_s, path), 1);
    QCOMPARE(read(other), u"new"_s);
    IniReadScope scope;
    QCOMPARE(read(other), u"new"_s);
    QCOMPARE(WriteIniValue(u"s"_s, u"k"_s, u"newer"_s, path), 1);
    QCOMPARE(read(other), u"newer"_s);
}

void IniFilesTest::aScopeReadsOneVersionOfTheFile()
{
    const QString path = freshFolder() + u"/p.ini"_s;
    test::writeFile(path, "[s]\r\nk=old\r\nj=1\r\n");
    {
        IniReadScope scope;
        QCOMPARE(read(path), Old);
        test::writeFile(path, "[s]\r\nk=newer\r\nj=2\r\n");
        QCOMPARE(read(path, u"s"_s, u"j"_s), u"1"_s);
    }
    QCOMPARE(read(path, u"s"_s, u"j"_s), u"2"_s);
}

void IniFilesTest::theOutermostScopeDecides()
{
    const QString path = freshFolder() + u"/p.ini"_s;
    test::writeFile(path, "[s]\r\nk=old\r\n");
    IniReadScope outer;
    {
        IniReadScope inner;
        QCOMPARE(read(path), Old);
    }
    test::writeFile(path, "[s]\r\nk=newer\r\n");
    QCOMPARE(read(path), Old);
}

void IniFilesTest::writesAreSeenInsideAScope()
{
    const QString path = freshFolder() + u"/p.ini"_s;
    test::writeFile(path, "[s]\r\nk=old\r\n");
    IniReadScope scope;
    QCOMPARE(read(path), Old);
    QCOMPARE(WriteIniValue(u"s"_s, u"k"_s, u"new"_s, path), 1);
    QCOMPARE(read(path), u"new"_s);
}

void IniFilesTest::racy_data()
{
    QTest::addColumn<qint64>("changedSecondsBeforeRead");
    QTest::addColumn<long>("changedNanoseconds");
    QTest::addColumn<qint64>("readNanosecondsAfterThat");
    QTest::addColumn<bool>("racy");
    QTest::newRow("changed in the same instant as read") << qint64(0) << 5L << qint64(0) << true;
    QTest::newRow("changed 10 ms before the read") << qint64(0) << 5L << qint64(10'000'000) << true;
    QTest::newRow("changed a second before the read") << qint64(1) << 5L << qint64(0) << false;
    QTest::newRow("changed after the read (the clock went back)")
        << qint64(-1) << 5L << qint64(0) << true;
    QTest::newRow("a second before, on a file system that counts in seconds")
        << qint64(1) << 0L << qint64(0) << true;
    QTest::newRow("five seconds before, on a file system that counts in seconds")
        << qint64(5) << 0L << qint64(0) << false;
}

void IniFilesTest::racy()
{
    QFETCH(qint64, changedSecondsBeforeRead);
    QFETCH(long, changedNanoseconds);
    QFETCH(qint64, readNanosecondsAfterThat);
    QFETCH(bool, racy);
    const qint64 readSecond = 1'700'000'000;
    settings::FileStamp stamp;
    stamp.changed = {time_t(readSecond - changedSecondsBeforeRead), changedNanoseconds};
    const qint64 readTime = readSecond * 1'000'000'000 + changedNanoseconds
                            + readNanosecondsAfterThat;
    QCOMPARE(settings::isRacy(stamp, readTime), racy);
}

void IniFilesTest::badFiles_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("probeSection");
    QTest::addColumn<QString>("probeKey");
    QTest::addColumn<QString>("probeExpected");

    // The file holds a known section between two stretches of whatever the row is about; the
    // known key must read, and writing it must change its value and nothing else.
    const auto row = [](const char *name,
                        const QByteArray &head,
                        const QByteArray &tail,
                        const QString &section,
                        const QString &key,
                        const QString &expected) {
        const QByteArray known("\r\n[known]\r\nkey=value\r\n");
        QTest::newRow(name) << head + known + tail
                            << head + QByteArray("\r\n[known]\r\nkey=new\r\n") + tail << section
                            << key << expected;
    };
    const QString dflt = u"(défaut)"_s;
    row("binary garbage", randomBytes(64 * 1024, 1), randomBytes(64 * 1024, 2), "missing", "k", dflt);
    row("a 50 MB file of binary garbage",
        randomBytes(25 << 20, 3),
        randomBytes(25 << 20, 4),
        "missing",
        "k",
        dflt);
    row("a 20 MB file of 700,000 sections",
        QByteArray("[S1]\r\nk=1\r\n").repeated(700'000),
        QByteArray(),
        "s1",
        "K",
        "1");
    row("a line of 1 MB",
        "[a]\r\nlong=" + QByteArray(1 << 20, 'x'),
        "[b]\r\nk=after\r\n",
        "b",
        "k",
        "after");
    row("NUL bytes",
        QByteArray("\0\0[\0]\r\n\0=\0\r\n[n\0l]\r\nk=\0v\r\n", 24),
        QByteArray("\0", 1),
        u"n\u0000l"_s,
        "k",
        "");
    row("a UTF-8 byte order mark",
        "\xEF\xBB\xBF[bom]\r\nk=Donn\xC3\xA9"
        "es",
        "",
        "BOM",
        "K",
        "Données");
    row("a byte order mark alone before the known section", "\xEF\xBB\xBF", "", "bom", "k", dflt);
    row("lone CR line ends", "[a]\rk=1\r[b]\rk=2", "[c]\rk=3\r", "B", "k", "2");
    row("a \"[\" without \"]\" before a key", "[open\r\nkey=wrong", "", "open", "key", dflt);
    row("a header of 1 MB without \"]\"", "[" + QByteArray(1 << 20, 'h'), "", "missing", "k", dflt);
    row("\"]\" before \"[\"", "]x[\r\n", "", "x", "key", dflt);
    row("a megabyte of lone CRs",
        QByteArray(1 << 20, '\r'),
        QByteArray(1 << 20, '\r'),
        "missing",
        "k",
        dflt);
    row("a megabyte of LFs",
        QByteArray(1 << 20, '\n'),
        QByteArray(1 << 20, '\n'),
        "missing",
        "k",
        dflt);
    row("a megabyte of LF CR pairs", QByteArray("\n\r").repeated(1 << 19), "", "missing", "k", dflt);
}

void IniFilesTest::badFiles()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QString, probeSection);
    QFETCH(QString, probeKey);
    QFETCH(QString, probeExpected);
    const QString path = freshFolder() + u"/bad.ini"_s;
    test::writeFile(path, before);
    QCOMPARE(read(path, u"known"_s, u"key"_s), u"value"_s);
    QCOMPARE(read(path, probeSection, probeKey), probeExpected);
    QCOMPARE(WriteIniValue(u"known"_s, u"key"_s, u"new"_s, path), 1);
    QVERIFY(test::readFile(path) == after); // QCOMPARE would print megabytes
    QCOMPARE(read(path, probeSection, probeKey), probeExpected);
}

void IniFilesTest::aValueOnALineOfOneMegabyteIsCut()
{
    const QString path = freshFolder() + u"/long.ini"_s;
    test::writeFile(path, "[a]\r\nlong=" + QByteArray(1 << 20, 'x') + "\r\n");
    QCOMPARE(read(path, u"a"_s, u"long"_s), QString(254, u'x'));
}

void IniFilesTest::manyFilesAreReadRightAfterOthersAreForgotten()
{
    const QString folder = freshFolder();
    const auto pathOf = [&](int i) { return folder + u"/%1.ini"_s.arg(i); };
    for (int i = 0; i < 400; ++i)
        test::writeFile(pathOf(i), "[s]\r\nk=" + QByteArray::number(i) + "\r\n");
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 400; ++i)
            QCOMPARE(read(pathOf(i)), QString::number(i));
    }
    test::writeFile(pathOf(0), "[s]\r\nk=changed\r\n");
    QCOMPARE(read(pathOf(0)), u"changed"_s);
}

void IniFilesTest::permissionsOfTheFileSurviveAWrite()
{
    const QString path = freshFolder() + u"/p.ini"_s;
    test::writeFile(path, "[s]\r\nk=old\r\n");
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(path, permissions));
    QCOMPARE(WriteIniValue(u"s"_s, u"k"_s, u"new"_s, path), 1);
    QCOMPARE(QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
             permissions);
}

QTEST_GUILESS_MAIN(IniFilesTest)
#include "test_ini_files.moc"
