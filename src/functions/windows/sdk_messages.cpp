// The authoring window's refusals: why a name, a text, a file or an addition to the library is
// refused, told as the user can put it right.

#include "functions/windows/sdk_messages.h"

#include "functions/core/function_file.h"
#include "settings/core/profile_store.h"

#include <QDir>

namespace zorv {

using namespace Qt::StringLiterals;

QString nameRefusal(const QString &name, functions::NameProblem problem)
{
    switch (problem) {
    case functions::NameProblem::FolderSeparator:
        return u"Le nom « %1 » contient un séparateur de dossier (« / » ou « \\ ») : donnez un "
               u"simple nom de fichier, sans dossier."_s.arg(name);
    case functions::NameProblem::ParentReference:
        return u"Le nom « %1 » contient « .. » : donnez un simple nom de fichier, sans dossier."_s
            .arg(name);
    case functions::NameProblem::ForbiddenCharacter:
        return u"Le nom « %1 » contient un caractère interdit dans un nom de fichier "
               u"(< > : \" | ? * ou un caractère de contrôle)."_s.arg(name);
    case functions::NameProblem::TooLong:
        return u"Le nom « %1 » est trop long pour un nom de fichier."_s.arg(name);
    case functions::NameProblem::None:
        break;
    }
    return QString();
}

QString cannotWrite(const QString &file)
{
    const QString head = u"Impossible d'écrire le fichier « %1 » : "_s.arg(
        QDir::toNativeSeparators(file));
    const QString folder = QDir::toNativeSeparators(functions::outputFolder());
    switch (settings::profileFileProblem(file)) {
    case ReplaceProblem::ReadOnlyFile:
        return head + u"il est protégé en écriture."_s;
    case ReplaceProblem::Link:
        return head
               + u"c'est un lien symbolique. ZORV n'écrit pas au travers d'un lien, qui peut "
                 u"mener hors du dossier « %1 » : supprimez le lien ou choisissez un autre nom."_s
                     .arg(folder);
    case ReplaceProblem::NotAFile:
        return head
               + u"ce nom est celui d'un dossier ou d'un autre élément qui n'est pas un "
                 u"fichier."_s;
    case ReplaceProblem::MissingFolder:
    case ReplaceProblem::ReadOnlyFolder:
        return head
               + u"le dossier « %1 » n'existe pas ou n'est pas accessible en écriture."_s.arg(
                   folder);
    case ReplaceProblem::None:
    case ReplaceProblem::Busy:
    case ReplaceProblem::Failed:
        break;
    }
    return head
           + u"l'écriture a échoué (disque plein, ou une autre écriture en cours dans le "
             u"dossier). Réessayez."_s;
}

QString tooLong(const QString &box, qsizetype length)
{
    return u"La case « %1 » compte %2 caractères : un fichier de fonction n'en rend que %3. "
           u"Raccourcissez-la, puis générez à nouveau."_s.arg(box)
               .arg(length)
               .arg(functions::MaxClauseLength);
}

QString unstorable(const QString &box, QChar c)
{
    const QString shown
        = c.isPrint() && !c.isSurrogate()
              ? u"« %1 »"_s.arg(c)
              : u"le caractère de code U+%1"_s.arg(
                  QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
    return u"La case « %1 » contient %2, que les fichiers de fonctions (Windows-1252) ne peuvent "
           u"pas contenir : remplacez-le, puis générez à nouveau."_s.arg(box, shown);
}

QString additionRefusal(functions::LibraryAddition outcome,
                        const QString &source,
                        const QString &target)
{
    switch (outcome) {
    case functions::LibraryAddition::NotGenerated:
        return u"Le fichier « %1 » n'existe pas : générez d'abord la fonction."_s.arg(
            QDir::toNativeSeparators(source));
    case functions::LibraryAddition::SourceIsLink:
    case functions::LibraryAddition::TargetIsLink:
        return u"« %1 » est un lien symbolique : la fonction n'est pas ajoutée, car la copie "
               u"lirait ou écrirait un fichier hors des dossiers de ZORV."_s.arg(
                   QDir::toNativeSeparators(
                       outcome == functions::LibraryAddition::SourceIsLink ? source : target));
    case functions::LibraryAddition::CannotWrite:
        return u"Impossible d'ajouter la fonction à la bibliothèque : le fichier « %1 » ne peut "
               u"pas être écrit (le dossier « %2 » n'existe pas ou n'est pas accessible en "
               u"écriture, ou le fichier est protégé en écriture)."_s
                   .arg(QDir::toNativeSeparators(target),
                        QDir::toNativeSeparators(functions::libraryFolder()));
    case functions::LibraryAddition::Added:
    case functions::LibraryAddition::AlreadyThere:
        break;
    }
    return QString();
}

} // namespace zorv
