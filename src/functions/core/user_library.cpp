#include "functions/core/user_library.h"

#include "functions/core/function_list.h"
#include "functions/core/new_function_file.h"
#include "platform/app_dir.h"
#include "platform/file_replace.h"
#include "platform/platform.h"
#include "platform/user_files.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace zorv::functions {

QString userFunctionDir()
{
    const QString folder = UserDir();
    if (folder == donnees::AppDir())
        return QString();
    return folder + QDir::separator() + u"Fonc"_s + QDir::separator();
}

QString libraryFolder()
{
    const QString own = userFunctionDir();
    return own.isEmpty() ? donnees::FunctionDir : own;
}

QString libraryFilePath(const QString &name)
{
    return libraryFolder() + QFileInfo(newFunctionFilePath(name)).fileName();
}

LibraryAddition addToLibrary(const QString &name, bool replace)
{
    const QFileInfo source(newFunctionFilePath(name));
    const QString target = libraryFilePath(name);
    if (source.isSymLink())
        return LibraryAddition::SourceIsLink;
    if (!source.isFile())
        return LibraryAddition::NotGenerated;
    switch (replaceProblem(target)) {
    case ReplaceProblem::None:
        break;
    case ReplaceProblem::Link:
        return LibraryAddition::TargetIsLink;
    default:
        return LibraryAddition::CannotWrite;
    }
    if (QFileInfo::exists(target) && !replace)
        return LibraryAddition::AlreadyThere;
    return platform().copyFile(source.filePath(), target) ? LibraryAddition::Added
                                                          : LibraryAddition::CannotWrite;
}

} // namespace zorv::functions
