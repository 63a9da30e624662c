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
    QString category = {};  // null: no Categorie key
    QStringList extra = {}; // further lines, written at the end ("[Exemple]", "d1=10k" ...)
};

QByteArray functionFileBytes(const FunctionFileContent &content);

// Writes res/Fonc/FILE below the program folder.
void writeFunctionFile(const TempAppDir &app,
                       const QString &file,
                       const FunctionFileContent &content);

} // namespace zorv::test
