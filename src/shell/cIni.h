#pragma once

#include "platform/Folders.h"

#include <QString>

// Access to the program's ini files ("session.ini", "PQOptions.ini"). A bare
// file name lies in the profile folder, as the Windows program's lay in the
// Windows folder.
class cIni
{
public:
    explicit cIni(const Folders &folders);

    QString sGetINI(const QString &sINIFile, const QString &sSection, const QString &sKey,
                    const QString &sDefault) const;
    // Carriage returns and line feeds in the value become spaces. The file is
    // rewritten whole; false when it could not be written (the old file stays).
    bool writeINI(const QString &sINIFile, const QString &sSection, const QString &sKey,
                  const QString &sValue) const;

    QString resolve(const QString &sINIFile) const;

private:
    Folders m_folders;
};
