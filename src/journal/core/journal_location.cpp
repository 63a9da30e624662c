#include "journal.h"
#include "settings/core/options.h"

#include <QDir>
#include <QFileInfo>

namespace zorv::journal {

QString journalFilePath()
{
    return QFileInfo(settings::settingsFilePath()).dir().filePath(QStringLiteral("journal.csv"));
}

} // namespace zorv::journal
