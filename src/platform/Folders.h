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
    // What is installed with the program and never written: sample skins,
    // sounds. "share/pennyquill" beside the program's folder (the install
    // prefix, or the build tree, where programs and tests sit one folder
    // below it), else the configured install location.
    static QString sharedDataDir();
    // The user's temporary folder, with a trailing separator.
    static QString tempPath();

    QString profileFile(const QString &name) const;
    QString dataFile(const QString &name) const;

    // Creates the folders when missing, private to the user (0700); false
    // when one cannot be made.
    bool ensureExist() const;
    // Makes path and any missing folder above it, each 0700.
    static bool makePrivateFolder(const QString &path);

private:
    QString m_profileDir;
    QString m_dataDir;
};
