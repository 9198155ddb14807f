#include "platform/UserRegistry.h"

#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString hiveName(std::uint32_t hive)
{
    switch (hive) {
    case UserRegistry::HKEY_CLASSES_ROOT:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case UserRegistry::HKEY_CURRENT_USER:
        return QStringLiteral("HKEY_CURRENT_USER");
    case UserRegistry::HKEY_LOCAL_MACHINE:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case UserRegistry::HKEY_USERS:
        return QStringLiteral("HKEY_USERS");
    default:
        return QStringLiteral("0x%1").arg(hive, 8, 16, QLatin1Char('0'));
    }
}

} // namespace

UserRegistry::UserRegistry(const QString &filePath, FileSystem &fs)
    : m_filePath(filePath), m_fs(&fs)
{
}

QString UserRegistry::sectionFor(std::uint32_t hive, const QString &keyPath)
{
    return hiveName(hive) + QLatin1Char('\\') + keyPath;
}

bool UserRegistry::usable() const
{
    const QFileInfo info(m_filePath);
    if (!info.exists())
        return true;
    QFile file(m_filePath);
    return info.isFile() && file.open(QIODevice::ReadOnly);
}

QString UserRegistry::memoryKey(std::uint32_t hive, const QString &keyPath,
                                const QString &name) const
{
    return sectionFor(hive, keyPath).toLower() + QLatin1Char('\n') + name.toLower();
}

QString UserRegistry::getString(std::uint32_t hive, const QString &keyPath,
                                const QString &name) const
{
    const auto unsaved = m_unsaved.constFind(memoryKey(hive, keyPath, name));
    if (unsaved != m_unsaved.constEnd())
        return *unsaved;
    return usable() ? IniFile(m_filePath).value(sectionFor(hive, keyPath), name) : QString();
}

bool UserRegistry::hasValue(std::uint32_t hive, const QString &keyPath, const QString &name) const
{
    if (m_unsaved.contains(memoryKey(hive, keyPath, name)))
        return true;
    return usable() && IniFile(m_filePath).contains(sectionFor(hive, keyPath), name);
}

bool UserRegistry::setString(std::uint32_t hive, const QString &keyPath, const QString &name,
                             const QString &value)
{
    // An unreadable file would be replaced by this one value: never write it.
    if (usable()) {
        IniFile ini(m_filePath, *m_fs);
        ini.setValue(sectionFor(hive, keyPath), name, IniFile::protectedValue(value));
        if (ini.save()) {
            m_unsaved.remove(memoryKey(hive, keyPath, name));
            return true;
        }
    }
    m_unsaved.insert(memoryKey(hive, keyPath, name), value);
    return false;
}

bool UserRegistry::deleteValue(std::uint32_t hive, const QString &keyPath, const QString &name)
{
    m_unsaved.remove(memoryKey(hive, keyPath, name));
    if (!usable())
        return false;
    IniFile ini(m_filePath, *m_fs);
    if (!ini.contains(sectionFor(hive, keyPath), name))
        return true;
    ini.removeKey(sectionFor(hive, keyPath), name);
    return ini.save();
}
