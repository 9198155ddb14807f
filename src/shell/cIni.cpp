#include "shell/cIni.h"

#include "platform/IniFile.h"

cIni::cIni(const Folders &folders) : m_folders(folders) {}

QString cIni::resolve(const QString &sINIFile) const
{
    if (sINIFile.contains(QLatin1Char('/')) || sINIFile.contains(QLatin1Char('\\')))
        return sINIFile;
    return m_folders.profileFile(sINIFile);
}

QString cIni::sGetINI(const QString &sINIFile, const QString &sSection, const QString &sKey,
                      const QString &sDefault) const
{
    return IniFile(resolve(sINIFile)).value(sSection, sKey, sDefault);
}

bool cIni::writeINI(const QString &sINIFile, const QString &sSection, const QString &sKey,
                    const QString &sValue) const
{
    IniFile ini(resolve(sINIFile));
    ini.setValue(sSection, sKey, sValue);
    return ini.save();
}
