#include "shell/InitialSettings.h"

#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/mdlVariables.h"

#include <pwd.h>
#include <unistd.h>

QString InitialSettings::accountName()
{
    // The full name from the account's record, without the extra fields that
    // may follow it after commas; the login name when there is none.
    if (const passwd *account = getpwuid(getuid())) {
        const QString full =
            QString::fromLocal8Bit(account->pw_gecos).section(QLatin1Char(','), 0, 0).trimmed();
        if (!full.isEmpty())
            return full;
        const QString login = QString::fromLocal8Bit(account->pw_name).trimmed();
        if (!login.isEmpty())
            return login;
    }
    const QString user = qEnvironmentVariable("USER").trimmed();
    return user.isEmpty() ? QStringLiteral("friend") : user;
}

void InitialSettings::apply(AppContext &ctx)
{
    mdlVariables &vars = *ctx.vars;
    auto initial = [&vars](const QString &name, const QString &value) {
        if (vars.Option(name).isEmpty())
            vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey, name, value);
    };
    initial(QStringLiteral("UserName"), accountName());
    initial(QStringLiteral("ShowTipText"), QStringLiteral("yes"));
    initial(QStringLiteral("ShowRnd"), QStringLiteral("no"));
    initial(QStringLiteral("ShowWhenStart"), QStringLiteral("yes"));
    initial(QStringLiteral("RunWithWindows"), QStringLiteral("no"));

    bool isNumber = false;
    const int delay = vars.Option(QStringLiteral("TipDelay")).trimmed().toInt(&isNumber);
    if (!isNumber || delay < 1 || delay > 99)
        vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                          QStringLiteral("TipDelay"), QString::number(DefaultTipDelay));
}
