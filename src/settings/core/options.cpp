#include "options.h"

#include "platform/user_files.h"

namespace zorv::settings {

QString settingsFilePath()
{
    return userPath(QStringLiteral("parametres/da4bc5a4bc88a4bc88a4bc88.zorv"));
}

bool optionIsOn(const QString &storedText)
{
    // toDouble reads the C form of a number ("." as decimal point) and nothing else.
    bool isNumber = false;
    const double value = storedText.toDouble(&isNumber);
    return isNumber && value == 1.0;
}

} // namespace zorv::settings
