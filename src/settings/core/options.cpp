#include "settings/core/options.h"

#include "platform/user_files.h"

using namespace Qt::StringLiterals;

namespace zorv::settings {

QString settingsFilePath()
{
    return userPath(u"parametres/da4bc5a4bc88a4bc88a4bc88.zorv"_s);
}

bool optionIsOn(const QString &storedText)
{
    // toDouble reads the C form of a number ("." as decimal point) and nothing else.
    bool isNumber = false;
    const double value = storedText.toDouble(&isNumber);
    return isNumber && value == 1.0;
}

} // namespace zorv::settings
