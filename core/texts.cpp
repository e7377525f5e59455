#include "core/texts.h"

#include "core/settings.h"

InterfaceTexts::InterfaceTexts(const QString &section)
    : m_ini(settings.InterfaceFile, SettingsCodePage())
    , m_section(section)
{
}

InterfaceTexts InterfaceTexts::section(const char *name)
{
    return InterfaceTexts(QString::fromLatin1(name));
}

QString InterfaceTexts::operator()(const char *key, const char *def) const
{
    return text(QString::fromLatin1(key), QString::fromUtf8(def));
}

QString InterfaceTexts::text(const QString &key, const QString &def) const
{
    return m_ini.readString(m_section, key, def);
}
