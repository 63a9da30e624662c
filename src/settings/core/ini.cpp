#include "settings/core/ini.h"

#include "settings/core/profile_store.h"

namespace zorv {

namespace {

using ValueRead = std::optional<QString> (settings::ProfileText::*)(const QString &,
                                                                    const QString &) const;

std::optional<QString> storedValue(ValueRead read,
                                   const QString &section,
                                   const QString &key,
                                   const QString &file)
{
    const settings::ProfileText *text = settings::currentProfile(file);
    return text ? (text->*read)(section, key) : std::nullopt;
}

} // namespace

QString ReadIniValue(const QString &section,
                     const QString &key,
                     const QString &file,
                     const QString &defaultText)
{
    return storedValue(&settings::ProfileText::value, section, key, file)
        .value_or(defaultText.left(settings::MaxValueLength));
}

QString ReadWholeIniValue(const QString &section,
                          const QString &key,
                          const QString &file,
                          const QString &defaultText)
{
    return storedValue(&settings::ProfileText::wholeValue, section, key, file).value_or(defaultText);
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
