#pragma once

#include <QCoreApplication>
#include <QStringList>

class QTextStream;

// skinsmith's commands for scripts and packagers: build, info, check and
// extract. Results go to out; a failure is one line on err ("skinsmith: ...")
// and a non-zero exit status: ExitRefused when a file was refused or could
// not be written, ExitUsage when the command line itself is wrong.
class SkinsmithCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(SkinsmithCommandLine)

public:
    static constexpr int ExitOk = 0;
    static constexpr int ExitRefused = 1;
    static constexpr int ExitUsage = 2;

    // Whether arguments (the program's name first) hold anything but Qt's window
    // options: a command, help, the version or a mistake, none of which opens a window.
    static bool wanted(const QStringList &arguments);

    static int run(const QStringList &arguments, QTextStream &out, QTextStream &err);
};
