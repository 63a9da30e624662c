#include "new_function_file.h"

#include "platform/app_dir.h"
#include "platform/user_files.h"

#include <algorithm>

namespace zorv::functions {
namespace {

const QString Extension = QStringLiteral(".zvfc");

bool isForbiddenInFileName(QChar c)
{
    return c.category() == QChar::Other_Control || QStringView(u"<>:\"|?*").contains(c);
}

} // namespace

NameProblem checkNewFunctionName(const QString &name)
{
    if (name.contains(u'/') || name.contains(u'\\'))
        return NameProblem::FolderSeparator;
    if (name.contains(QStringLiteral("..")))
        return NameProblem::ParentReference;
    if (std::any_of(name.cbegin(), name.cend(), isForbiddenInFileName))
        return NameProblem::ForbiddenCharacter;
    if ((name + Extension).toUtf8().size() > 255)
        return NameProblem::TooLong;
    return NameProblem::None;
}

QString templatePath()
{
    return donnees::appPath(QStringLiteral("Template.zvfc"));
}

QString outputFolder()
{
    return userPath(QStringLiteral("out"));
}

QString newFunctionFilePath(const QString &name)
{
    return userPath(QStringLiteral("out/") + name + Extension);
}

} // namespace zorv::functions
