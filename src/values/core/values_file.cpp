#include "values_file.h"

#include "settings/core/ini.h"
#include "platform/app_dir.h"

namespace zorv::values {

QString valuesFilePath()
{
    return donnees::appPath(QStringLiteral("res/Vals.fval"));
}

QString sectionName(int slot)
{
    return QLatin1Char('E') + QString::number(slot);
}

void readNames(const std::function<void(const QString &name)> &receiver)
{
    const QString key = QStringLiteral("name");
    for (int slot = 1; slot <= SlotCount; ++slot)
        receiver(ReadIniValue(sectionName(slot), key, valuesFilePath(), FreeSlotName));
}

void readValues(ValueTable &table)
{
    const QString key = QStringLiteral("val");
    for (int slot = 1; slot <= SlotCount; ++slot)
        table[slot] = ReadIniValue(sectionName(slot), key, valuesFilePath(), EmptyValue);
}

void readValuesFile(const std::function<void(const QString &name)> &receiver, ValueTable &table)
{
    // One look at the disk for the 1998 reads instead of one per read; and the names and the
    // values come from one version of the file even if it is saved in between.
    const IniReadScope scope;
    readNames(receiver);
    readValues(table);
}

} // namespace zorv::values
