#include "function_file.h"

#include "settings/core/ini.h"
#include "functions/core/function_list.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace zorv::functions {

QString ReadAClause(const QString &File, const QString &Category, const QString &StringC)
{
    return ReadIniValue(Category, StringC, donnees::FunctionDir + File, ReadFailureText);
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

    const QStringList files = functionFileNames(donnees::FunctionDir);
    const qsizetype listed = std::min<qsizetype>(files.size(), donnees::FunctionSlots);
    listing.leftOut = files.size() - listed;
    listing.names.reserve(listed);
    for (qsizetype i = 0; i < listed; ++i) {
        donnees::FunctionFileNames[i] = files[i];
        donnees::FunctionNames[i] = ReadAClause(files[i],
                                                QStringLiteral("GeneralInfo"),
                                                QStringLiteral("NomFonc"));
        listing.names.append(donnees::FunctionNames[i]);
    }
    for (qsizetype i = listed; i < donnees::FunctionSlots; ++i) {
        donnees::FunctionFileNames[i].clear();
        donnees::FunctionNames[i].clear();
    }
    return listing;
}

} // namespace zorv::functions
