#pragma once

#include <QCoreApplication>
#include <QString>

// Starting the program when the user logs on. On Linux this is an XDG
// autostart entry "pennyquill.desktop" in the autostart folder.
class LogonEntry
{
    Q_DECLARE_TR_FUNCTIONS(LogonEntry)

public:
    explicit LogonEntry(const QString &autostartDir);

    // $PENNYQUILL_HOME/autostart when that is set, else
    // $XDG_CONFIG_HOME/autostart (or ~/.config/autostart).
    static QString defaultDir();
    // The options dialog's caption for this switch, in the platform's words.
    static QString caption();

    QString filePath() const;
    bool exists() const;
    // Writes the entry that starts programPath; false when it cannot be written.
    bool set(const QString &programPath);
    // Removes the entry; true when it is gone.
    bool remove();

private:
    QString m_dir;
};
