#include "new_function_file.h"

#include "platform/user_files.h"
#include "shell/core/donnees.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

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

QChar firstUnstorableCharacter(const QString &text)
{
    QStringEncoder toWindows1252("windows-1252");
    QStringDecoder fromWindows1252("windows-1252");
    for (const QChar c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\0' || c.isSurrogate())
            return c;
        // A character the code page lacks comes back as something else ("?" or a look-alike).
        const QByteArray encoded = toWindows1252(QStringView(&c, 1));
        const QString back = fromWindows1252(encoded);
        if (back.size() != 1 || back[0] != c)
            return c;
    }
    return QChar();
}

bool isMarkedReadOnly(const QString &path)
{
    const QFileInfo info(path);
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup
                                            | QFile::WriteOther;
    return info.exists() && !(info.permissions() & anyWrite);
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
