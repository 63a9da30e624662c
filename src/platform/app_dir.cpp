#include "platform/app_dir.h"

#include <QCoreApplication>
#include <QDir>

namespace zorv::donnees {
namespace {

QString overriddenAppDir;

QString withoutTrailingSeparator(QString directory)
{
    directory = QDir::toNativeSeparators(directory);
    while (directory.size() > 1 && directory.endsWith(QDir::separator()))
        directory.chop(1);
    return directory;
}

} // namespace

QString AppDir()
{
    if (!overriddenAppDir.isEmpty())
        return overriddenAppDir;
    return withoutTrailingSeparator(QCoreApplication::applicationDirPath());
}

void setAppDir(const QString &directory)
{
    overriddenAppDir = directory.isEmpty() ? QString() : withoutTrailingSeparator(directory);
}

QString appPath(const QString &relative)
{
    return AppDir() + QDir::separator() + QDir::toNativeSeparators(relative);
}

} // namespace zorv::donnees
