#include "journal/core/journal.h"
#include "settings/core/options.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace zorv::journal {

QString journalFilePath()
{
    return QFileInfo(settings::settingsFilePath()).dir().filePath(u"journal.csv"_s);
}

} // namespace zorv::journal
