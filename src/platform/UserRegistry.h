#pragma once

#include "platform/FileSystem.h"

#include <QHash>
#include <QString>
#include <cstdint>

// The per-user registry of the Windows program. Off Windows it lives in the
// ini file "registry.ini" in the profile folder: one section per key, named by
// its full path with the hive ("[HKEY_CURRENT_USER\Software\...]"), and one
// "name=text" line per value.
class UserRegistry
{
public:
    static constexpr std::uint32_t HKEY_CLASSES_ROOT = 0x80000000u;
    static constexpr std::uint32_t HKEY_CURRENT_USER = 0x80000001u;
    static constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002u;
    static constexpr std::uint32_t HKEY_USERS = 0x80000003u;

    // fs: where writes go; tests put a double there.
    explicit UserRegistry(const QString &filePath, FileSystem &fs = FileSystem::real());

    QString filePath() const { return m_filePath; }
    // The settings beside the registry (the options file) are written through it too.
    FileSystem &fileSystem() const { return *m_fs; }

    // The value's text, or empty when the key or value is missing.
    QString getString(std::uint32_t hive, const QString &keyPath, const QString &name) const;
    // Values are stored exactly, blanks and quotes included. False when the
    // file cannot be written.
    bool setString(std::uint32_t hive, const QString &keyPath, const QString &name,
                   const QString &value);
    bool deleteValue(std::uint32_t hive, const QString &keyPath, const QString &name);
    bool hasValue(std::uint32_t hive, const QString &keyPath, const QString &name) const;

    static QString sectionFor(std::uint32_t hive, const QString &keyPath);

    // False when the file is there but cannot be read (a folder, no
    // permission): it is then never written, and values set in this run
    // are kept in memory only, so the program runs on its defaults.
    bool usable() const;

private:
    QString memoryKey(std::uint32_t hive, const QString &keyPath, const QString &name) const;

    QString m_filePath;
    FileSystem *m_fs;
    // Values that could not be written, read back for the rest of the run.
    QHash<QString, QString> m_unsaved;
};
