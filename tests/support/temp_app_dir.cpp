#include "support/temp_app_dir.h"

#include "platform/app_dir.h"
#include "platform/user_files.h"
#include "shell/core/donnees.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace zorv::test {
namespace {

void copyRecursively(const QString &from, const QString &to)
{
    const QFileInfo info(from);
    if (info.isDir()) {
        QDir().mkpath(to);
        const QStringList entries = QDir(from).entryList(QDir::AllEntries | QDir::Hidden
                                                         | QDir::NoDotAndDotDot);
        for (const QString &entry : entries) {
            if (entry != QLatin1String(".gitkeep"))
                copyRecursively(from + u'/' + entry, to + u'/' + entry);
        }
    } else {
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::remove(to);
        QFile::copy(from, to);
        QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                 | QFile::ReadOther);
    }
}

} // namespace

TempAppDir::TempAppDir()
{
    donnees::setAppDir(m_dir.path());
    setUserDataDir(m_userData.path());
    donnees::InitGlobals();
}

TempAppDir::~TempAppDir()
{
    donnees::setAppDir(QString());
    setUserDataDir(QString());
    // Leave nothing read-only behind, or the temporary folder could not be removed.
    QDirIterator it(m_dir.path(),
                    QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QFile(m_dir.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

QString TempAppDir::makeDir(const QString &relative) const
{
    const QString path = filePath(relative);
    QDir().mkpath(path);
    return path;
}

void TempAppDir::writeFile(const QString &relative, const QByteArray &bytes) const
{
    test::writeFile(filePath(relative), bytes);
}

void TempAppDir::copyFromShippedData(const QString &relative) const
{
    copyRecursively(shippedDataPath(relative), filePath(relative));
}

QString shippedDataPath(const QString &relative)
{
    const QString root = QString::fromUtf8(ZORV_SOURCE_DATA);
    return relative.isEmpty() ? root : root + u'/' + relative;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QVERIFY2(QDir().mkpath(QFileInfo(path).absolutePath()), qPrintable(path));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace zorv::test
