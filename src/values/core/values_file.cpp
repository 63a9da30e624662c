#include "values/core/values_file.h"

#include "platform/app_dir.h"
#include "settings/core/ini.h"

using namespace Qt::StringLiterals;

namespace zorv::values {

const QString FreeSlotName = u"(Emplacement libre)"_s;
const QString EmptyValue = u"(Vide)"_s;

QString valuesFilePath()
{
    return donnees::appPath(u"res/Vals.fval"_s);
}

QString sectionName(int slot)
{
    return QLatin1Char('E') + QString::number(slot);
}

void readNames(const std::function<void(const QString &name)> &receiver)
{
    const QString key = u"name"_s;
    for (int slot = 1; slot <= SlotCount; ++slot)
        receiver(ReadIniValue(sectionName(slot), key, valuesFilePath(), FreeSlotName));
}

void readValues(ValueTable &table)
{
    const QString key = u"val"_s;
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
