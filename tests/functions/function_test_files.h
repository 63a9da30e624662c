#pragma once

#include <QString>
#include <QStringList>

namespace zorv::test {

using namespace Qt::StringLiterals;

class TempAppDir;

// The content of a function file, in Windows-1252 with CR LF line ends.
struct FunctionFileContent
{
    QString name = {};
    QString author = u"Équipe ZORV"_s; // null: no NomAuteur key
    QString formula = {};              // null: no [Calc] section
    QStringList legends = {};          // d1 to d6; missing ones are "(Vide)"
    QString description = {};
    QStringList units = {}; // section "Unites": "d1=F", "Resultat=Hz"; no section when empty
};

QByteArray functionFileBytes(const FunctionFileContent &content);

// Writes res/Fonc/FILE below the program folder.
void writeFunctionFile(const TempAppDir &app,
                       const QString &file,
                       const FunctionFileContent &content);

} // namespace zorv::test
