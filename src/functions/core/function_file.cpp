#include "functions/core/function_file.h"

#include "functions/core/function_list.h"
#include "functions/core/user_library.h"
#include "settings/core/ini.h"
#include "settings/core/profile_text.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zorv::functions {

const QString ReadFailureText = u"Erreur de lecture de fichier"_s;

static_assert(MaxClauseLength == settings::MaxValueLength);

namespace {

// The path of a function file, empty when it is too large to be one.
QString clausePath(const QString &File)
{
    // The user's own functions are listed by their full path; a listed name never is one.
    QString path = QDir::isAbsolutePath(File) ? File : donnees::FunctionDir + File;
    return QFileInfo(path).size() > MaxFunctionFileSize ? QString() : path;
}

} // namespace

QString ReadAClause(const QString &File, const QString &Category, const QString &StringC)
{
    const QString path = clausePath(File);
    return path.isEmpty() ? ReadFailureText
                          : ReadIniValue(Category, StringC, path, ReadFailureText);
}

QString readFormula(const QString &File)
{
    const QString path = clausePath(File);
    return path.isEmpty() ? ReadFailureText
                          : ReadWholeIniValue(u"Calc"_s, u"Fnc"_s, path, ReadFailureText);
}

QStringList functionFileNames(const QString &folder)
{
    // Without QDir::Hidden and QDir::System the listing leaves out dot files, sockets, devices
    // and broken links, as a file list control does.
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::Unsorted);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int byLetters = a.compare(b, Qt::CaseInsensitive);
        return byLetters != 0 ? byLetters < 0 : a < b;
    });
    return names;
}

FunctionListing listFunctions()
{
    FunctionListing listing;
    const QFileInfo folder(donnees::FunctionDir);
    listing.folderReadable = folder.isDir() && folder.isReadable() && folder.isExecutable();

    QStringList files = functionFileNames(donnees::FunctionDir);
    const QString own = userFunctionDir();
    if (!own.isEmpty()) {
        for (const QString &name : functionFileNames(own))
            files.append(own + name);
    }
    const qsizetype listed = std::min<qsizetype>(files.size(), donnees::FunctionSlots);
    listing.leftOut = files.size() - listed;
    listing.names.reserve(listed);
    for (qsizetype i = 0; i < listed; ++i) {
        donnees::FunctionFileNames[i] = files[i];
        donnees::FunctionNames[i] = ReadAClause(files[i], u"GeneralInfo"_s, u"NomFonc"_s);
        listing.names.append(donnees::FunctionNames[i]);
    }
    for (qsizetype i = listed; i < donnees::FunctionSlots; ++i) {
        donnees::FunctionFileNames[i].clear();
        donnees::FunctionNames[i].clear();
    }
    return listing;
}

} // namespace zorv::functions
