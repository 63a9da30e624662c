#include "donnees.h"

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

QString AppVersion;
QString FunctionDir;
std::array<QString, FunctionSlots> FunctionFileNames;
std::array<QString, FunctionSlots> FunctionNames;
QString CurrentFormula;

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

void InitGlobals()
{
    AppVersion = QStringLiteral("1.00.1");
    FunctionDir = appPath(QStringLiteral("res/Fonc/"));
}

} // namespace zorv::donnees
