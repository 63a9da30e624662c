#include "platform/user_files.h"

#include "platform/app_dir.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace zorv {

const QString ApplicationName = u"zorv"_s;

namespace {

QString overriddenUserDataDir;

} // namespace

bool userFilesInProgramFolder()
{
    const QFileInfo folder(donnees::AppDir());
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup
                                            | QFile::WriteOther;
    return folder.isDir() && folder.isWritable() && (folder.permissions() & anyWrite);
}

QString userDataDir()
{
    if (!overriddenUserDataDir.isEmpty())
        return overriddenUserDataDir;
    // Built from the generic folder rather than asked as AppLocalDataLocation, which depends on the
    // name the running executable gives itself: the command-line tools name none, and must find the
    // same files as the program.
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (generic.isEmpty())
        return QString();
    return QDir::toNativeSeparators(generic + u'/' + ApplicationName);
}

void setUserDataDir(const QString &directory)
{
    overriddenUserDataDir = QDir::toNativeSeparators(directory);
}

QString UserDir()
{
    const QString data = userDataDir();
    if (userFilesInProgramFolder() || data.isEmpty())
        return donnees::AppDir();
    for (const QString &folder : {u"parametres"_s, u"out"_s, u"Fonc"_s})
        QDir().mkpath(data + QDir::separator() + folder);
    return data;
}

QString userPath(const QString &relative)
{
    return UserDir() + QDir::separator() + QDir::toNativeSeparators(relative);
}

} // namespace zorv
