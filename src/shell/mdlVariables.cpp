#include "shell/mdlVariables.h"

#include "platform/Folders.h"
#include "platform/TopMost.h"
#include "platform/UserRegistry.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"

mdlVariables::mdlVariables(AppContext &ctx) : m_ctx(ctx) {}

void mdlVariables::SetTopMost(QWidget *form, int insertAfter)
{
    TopMost::apply(form, insertAfter == HWND_TOPMOST);
}

QString mdlVariables::GetTempFolder()
{
    return Folders::tempPath();
}

QString mdlVariables::RegQueryString(const RegKey &openKey, const QString &valueName) const
{
    if (!m_ctx.registry || openKey.path.isEmpty())
        return QString();
    return m_ctx.registry->getString(openKey.hive, openKey.path, valueName);
}

QString mdlVariables::RegGetString(std::uint32_t hive, const QString &keyPath,
                                   const QString &valueName) const
{
    return RegQueryString(RegKey{hive, keyPath}, valueName);
}

bool mdlVariables::RegSetString(std::uint32_t hive, const QString &keyPath,
                                const QString &valueName, const QString &value) const
{
    return m_ctx.registry && m_ctx.registry->setString(hive, keyPath, valueName, value);
}

bool mdlVariables::RegDeleteString(std::uint32_t hive, const QString &keyPath,
                                   const QString &valueName) const
{
    return m_ctx.registry && m_ctx.registry->deleteValue(hive, keyPath, valueName);
}

QString mdlVariables::Option(const QString &valueName) const
{
    return RegGetString(HKEY_CURRENT_USER, AppInfo::RegistryKey, valueName);
}

bool mdlVariables::OptionIsYes(const QString &valueName) const
{
    return Option(valueName).toLower() == QLatin1String("yes");
}
