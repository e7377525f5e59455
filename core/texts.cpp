#include "core/texts.h"

#include "core/settings.h"

InterfaceTexts::InterfaceTexts()
    : m_ini(settings.InterfaceFile, SettingsCodePage())
{
}

QString InterfaceTexts::text(const QString &section, const QString &key, const QString &def) const
{
    return m_ini.readString(section, key, def);
}
