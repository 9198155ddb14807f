#pragma once

#include <QString>

// Where the program keeps its files. PENNYQUILL_HOME, when set, holds
// everything (profile and data); otherwise the XDG folders are used.
class Folders
{
public:
    Folders() = default;
    Folders(const QString &profileDir, const QString &dataDir);

    static Folders fromEnvironment();

    // Settings and session: "session.ini", "PQOptions.ini", "registry.ini".
    QString profileDir() const { return m_profileDir; }
    // The program's own data: "filecon.pqn", the skins folder.
    QString dataDir() const { return m_dataDir; }
    QString skinsDir() const;
    // The user's temporary folder, with a trailing separator.
    static QString tempPath();

    QString profileFile(const QString &name) const;
    QString dataFile(const QString &name) const;

    // Creates the folders when missing; false when one cannot be made.
    bool ensureExist() const;

private:
    QString m_profileDir;
    QString m_dataDir;
};
