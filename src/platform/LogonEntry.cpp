#include "platform/LogonEntry.h"

#include "platform/Folders.h"
#include "platform/SafeFile.h"

#include <QFile>
#include <QStandardPaths>

namespace {

// Quoting of the Exec key: the path in double quotes, with the characters
// that stay special inside them escaped (and every backslash doubled once
// more for the desktop file's own string escapes).
QString execQuoted(const QString &path)
{
    QString quoted;
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
            quoted += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\\'))
            quoted += QStringLiteral("\\\\\\");
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

LogonEntry::LogonEntry(const QString &autostartDir) : m_dir(autostartDir) {}

QString LogonEntry::caption()
{
#ifdef Q_OS_WIN
    return tr("&Run Pennyquill when Windows starts.");
#else
    // The program starts with the user's desktop session, not with the system.
    return tr("&Run Pennyquill when I log in.");
#endif
}

QString LogonEntry::defaultDir()
{
    // A home of its own (tests, portable use) holds the entry too, so that
    // ticking the option there never touches the user's real log-on list.
    const QString home = qEnvironmentVariable("PENNYQUILL_HOME");
    if (!home.isEmpty())
        return home + QStringLiteral("/autostart");
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart");
}

QString LogonEntry::filePath() const
{
    return m_dir + QStringLiteral("/pennyquill.desktop");
}

bool LogonEntry::exists() const
{
    return QFile::exists(filePath());
}

bool LogonEntry::set(const QString &programPath)
{
    if (!Folders::makePrivateFolder(m_dir))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Corvane Pennyquill\n"
                                         "Comment=Sticky notes for your desktop\n"
                                         "Exec=%1\n"
                                         "Icon=pennyquill\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(execQuoted(programPath));
    return SafeFile::write(filePath(), entry.toUtf8());
}

bool LogonEntry::remove()
{
    return !exists() || QFile::remove(filePath());
}
