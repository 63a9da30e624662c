#include "settings/core/ini.h"

#include "settings/core/profile_store.h"

namespace zorv {

QString ReadIniValue(const QString &section,
                     const QString &key,
                     const QString &file,
                     const QString &defaultText)
{
    if (const settings::ProfileText *text = settings::currentProfile(file)) {
        if (std::optional<QString> value = text->value(section, key))
            return *std::move(value);
    }
    return defaultText.left(settings::MaxValueLength);
}

QString ReadWholeIniValue(const QString &section,
                          const QString &key,
                          const QString &file,
                          const QString &defaultText)
{
    if (const settings::ProfileText *text = settings::currentProfile(file)) {
        if (std::optional<QString> value = text->wholeValue(section, key))
            return *std::move(value);
    }
    return defaultText;
}

qint32 WriteIniValue(const QString &section,
                     const QString &key,
                     const QString &value,
                     const QString &file)
{
    return settings::storeProfileValue(section, key, value, file) ? 1 : 0;
}

IniReadScope::IniReadScope()
{
    settings::openReadScope();
}

IniReadScope::~IniReadScope()
{
    settings::closeReadScope();
}

} // namespace zorv
