// The calculator's list of functions: filled from the function folders, with the count in its
// field and a word to the user about what could not be listed.

#include "functions/windows/calculator_list.h"

#include "functions/core/function_file.h"
#include "functions/core/function_list.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QDir>

namespace zorv {

using namespace Qt::StringLiterals;

namespace {

QString countText(qsizetype count)
{
    return QString::number(count) + u" Fonctions trouvées"_s;
}

QString leftOutText(const QString &folder, const functions::FunctionListing &listing)
{
    const qsizetype listed = listing.names.size();
    return u"Le dossier des fonctions « %1 » contient %2 fichiers : seuls les %3 premiers, dans "
           u"l'ordre alphabétique, sont proposés ; %4 fichiers sont laissés de côté."_s
               .arg(folder,
                    QString::number(listed + listing.leftOut),
                    QString::number(listed),
                    QString::number(listing.leftOut));
}

} // namespace

void fillFunctionList(QComboBox *list)
{
    const functions::FunctionListing listing = functions::listFunctions();
    list->clear();
    list->addItems(listing.names);
    // Filling an empty combo box picks its first item; the list opens with nothing picked.
    list->setCurrentIndex(-1);
    list->setEditText(countText(listing.names.size()));

    const QString folder = QDir::toNativeSeparators(donnees::FunctionDir);
    if (!listing.folderReadable) {
        // The user's own functions may still be listed: only this folder's are missing.
        platform().messageBox(u"Le dossier des fonctions « %1 » est introuvable ou illisible : "
                              u"ses fonctions ne peuvent pas être proposées."_s.arg(folder),
                              QString(),
                              MessageButtons::Ok,
                              MessageIcon::Warning);
    } else if (listing.leftOut > 0) {
        platform().messageBox(leftOutText(folder, listing),
                              QString(),
                              MessageButtons::Ok,
                              MessageIcon::Information);
    }
}

} // namespace zorv
