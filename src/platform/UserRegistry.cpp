#include "platform/UserRegistry.h"

#include "platform/IniFile.h"

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

UserRegistry::UserRegistry(const QString &filePath) : m_filePath(filePath) {}

QString UserRegistry::sectionFor(std::uint32_t hive, const QString &keyPath)
{
    return hiveName(hive) + QLatin1Char('\\') + keyPath;
}

QString UserRegistry::getString(std::uint32_t hive, const QString &keyPath,
                                const QString &name) const
{
    return IniFile(m_filePath).value(sectionFor(hive, keyPath), name);
}

bool UserRegistry::hasValue(std::uint32_t hive, const QString &keyPath, const QString &name) const
{
    return IniFile(m_filePath).contains(sectionFor(hive, keyPath), name);
}

bool UserRegistry::setString(std::uint32_t hive, const QString &keyPath, const QString &name,
                             const QString &value)
{
    IniFile ini(m_filePath);
    ini.setValue(sectionFor(hive, keyPath), name, IniFile::protectedValue(value));
    return ini.save();
}

bool UserRegistry::deleteValue(std::uint32_t hive, const QString &keyPath, const QString &name)
{
    IniFile ini(m_filePath);
    if (!ini.contains(sectionFor(hive, keyPath), name))
        return true;
    ini.removeKey(sectionFor(hive, keyPath), name);
    return ini.save();
}
