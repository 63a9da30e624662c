#pragma once

#include <QString>
#include <QStringView>

// The settings file and the meaning of the texts stored in it.
namespace zorv::settings {

// The settings file below the folder of the user's files (the program folder, or the user's data
// folder when the program folder cannot be written): parametres/da4bc5a4bc88a4bc88a4bc88.zorv,
// built anew at each call from the folders of the moment.
QString settingsFilePath();

// Whether a setting's stored text means "on": the text read as a number equals 1 ("1", "1.0",
// "+1", " 1 "). Everything else is off: "0", "2", "-1", the empty text, and any text that is not
// a number ("abc", "1abc", "oui"), which counts as 0 like the default of a missing key.
bool optionIsOn(const QString &storedText);

// A switch of the settings file: the section and the key that hold it.
struct Option
{
    QStringView rubrique;
    QStringView variable;
};

// "Confirmer la fermeture": "&Quitter" opens the quit countdown instead of ending at once.
inline constexpr Option ConfirmClosing{u"cl", u"aubcdaub"};
// "Activer le tri des modules": a click on the menu's logo opens the window manager.
inline constexpr Option SortModules{u"_1988", u"log"};
// "Afficher le bouton Internet": the menu shows the Internet button from the next start.
inline constexpr Option InternetButton{u"a.zorv", u"www"};

} // namespace zorv::settings
