// Restores a session of many notes the way start-up does and reports the time
// taken and the memory each note costs.
// Usage: bench_session_restore [notes] [hidden]  ("hidden": the notes start hidden,
// so the figure leaves out the window surfaces of shown notes)
#include "notes/frmNote.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/ProgramContext.h"
#include "shell/SessionFile.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

namespace {

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    const bool hidden = argc > 2 && QByteArray(argv[2]) == "hidden";
    QTemporaryDir dir;
    Folders folders(dir.path(), dir.path());
    folders.ensureExist();

    // A session of notes with a few lines of formatted text and an alarm each.
    QList<SessionFile::Note> notes;
    for (int i = 0; i < count; ++i) {
        SessionFile::Note note;
        note.Left = 200 + (i % 40) * 300;
        note.Top = 200 + (i / 40) * 150;
        note.Minimized = i % 7 == 0;
        note.Skin = QStringLiteral("<<Base Skin>>");
        note.Alerts = {QStringLiteral("%1<splitter>10:30 PM<splitter>Call<splitter>system beep"
                                      "<splitter>in que<splitter>{\\rtf1 x}")
                           .arg(i)};
        note.TextRTF =
            QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs16 Note %1: buy "
                           "\\b milk\\b0 , call \\i Bo\\i0 , water the plants\\par "
                           "second line of the note\\par}")
                .arg(i);
        notes.append(note);
    }
    if (!SessionFile(folders).save(notes)) {
        std::fprintf(stderr, "could not write the session\n");
        return 1;
    }

    ProgramContext program(folders, dir.path() + QStringLiteral("/autostart"));
    mdlVariables &vars = program.vars;
    FormRegistry &forms = program.forms;

    // No tray here: the one-time notice would wait for a click.
    vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                      QStringLiteral("NoTrayNoticeShown"), QStringLiteral("yes"));
    vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                      QStringLiteral("ShowWhenStart"),
                      hidden ? QStringLiteral("no") : QStringLiteral("yes"));
    Startup startup(program.ctx);
    startup.run();
    // Restore now rather than after the splash's scroll.
    startup.splash()->tmrMoveInfo.stop();
    const long before = residentKiB();
    QElapsedTimer timer;
    timer.start();
    startup.splash()->tmrLoad_Timer();
    while (!startup.splash()->sessionLoaded())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const qint64 restoreMs = timer.elapsed();
    const long after = residentKiB();

    timer.restart();
    startup.splash()->SaveSession();
    const qint64 saveMs = timer.elapsed();

    const int restored = int(startup.splash()->restoredNotes().size());
    std::printf("notes restored: %d\n", restored);
    std::printf("restore: %lld ms (%.3f ms per note)\n", static_cast<long long>(restoreMs),
                double(restoreMs) / restored);
    std::printf("memory: %ld KiB more (%.1f KiB per note)\n", after - before,
                double(after - before) / restored);
    std::printf("save of the whole session: %lld ms\n", static_cast<long long>(saveMs));
    forms.unloadAll();
    return restored == count ? 0 : 1;
}
