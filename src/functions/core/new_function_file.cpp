#include "functions/core/new_function_file.h"

#include "platform/app_dir.h"
#include "platform/user_files.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zorv::functions {
namespace {

const QString Extension = u".zvfc"_s;

bool isForbiddenInFileName(QChar c)
{
    return c.category() == QChar::Other_Control || QStringView(u"<>:\"|?*").contains(c);
}

} // namespace

NameProblem checkNewFunctionName(const QString &name)
{
    if (name.contains(u'/') || name.contains(u'\\'))
        return NameProblem::FolderSeparator;
    if (name.contains(u".."_s))
        return NameProblem::ParentReference;
    if (std::any_of(name.cbegin(), name.cend(), isForbiddenInFileName))
        return NameProblem::ForbiddenCharacter;
    if ((name + Extension).toUtf8().size() > 255)
        return NameProblem::TooLong;
    return NameProblem::None;
}

QString templatePath()
{
    return donnees::appPath(u"Template.zvfc"_s);
}

QString outputFolder()
{
    return userPath(u"out"_s);
}

QString newFunctionFilePath(const QString &name)
{
    return userPath(u"out/"_s + name + Extension);
}

} // namespace zorv::functions
