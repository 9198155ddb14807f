// What it costs to take another machine's changes into a running program: a session of
// 1,000 shown notes, 10 of them changed on disk (text and place). Reports the time from
// "the files changed" to every window updated (read, merge, window updates), the merge of
// the data alone, and the look at the files that every save now makes first.
// Usage: bench_sync_merge [notes] [changed] [rounds]
#include "notes/frmNote.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/NotesSync.h"
#include "shell/ProgramContext.h"
#include "shell/SessionFile.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"
#include "sync/RevisionBook.h"
#include "sync/SessionMerge.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

bool copyOver(const QString &from, const QString &to)
{
    QFile::remove(to + QStringLiteral(".part"));
    return QFile::copy(from, to + QStringLiteral(".part")) &&
           std::rename(QFile::encodeName(to + QStringLiteral(".part")).constData(),
                       QFile::encodeName(to).constData()) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    const int changed = argc > 2 ? std::clamp(atoi(argv[2]), 1, count) : 10;
    const int rounds = argc > 3 ? std::max(1, atoi(argv[3])) : 7;
    QTemporaryDir dir, otherDir;
    Folders folders(dir.path(), dir.path());
    folders.ensureExist();

    QList<SessionFile::Note> notes;
    for (int i = 0; i < count; ++i) {
        SessionFile::Note note;
        note.Left = 200 + (i % 40) * 300;
        note.Top = 200 + (i / 40) * 150;
        note.Skin = QStringLiteral("<<Base Skin>>");
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
    program.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                              QStringLiteral("NoTrayNoticeShown"), QStringLiteral("yes"));
    program.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                              QStringLiteral("ShowWhenStart"), QStringLiteral("yes"));
    Startup startup(program.ctx);
    startup.run();
    frmSplash &splash = *startup.splash();
    splash.tmrMoveInfo.stop();
    splash.tmrLoad_Timer();
    while (!splash.sessionLoaded())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    // The first save gives every note its revision.
    splash.SaveSession();

    SessionFile mine(folders);
    SessionFile other(Folders(otherDir.path(), otherDir.path()));
    QList<double> windowsMs, mergeMs, lookMs, liveMs;
    for (int round = 0; round < rounds; ++round) {
        const QList<SessionFile::Note> before = mine.load().notes;
        QList<SessionFile::Note> there = before;
        for (int i = 0; i < changed; ++i) {
            SessionFile::Note &note = there[(i * count) / changed];
            note.History.prepend(note.Revision);
            note.Revision = RevisionBook::NewRevision();
            note.TextRTF.replace(QStringLiteral("milk"), QStringLiteral("milk and bread"));
            note.Left += 15;
        }
        other.save(there);
        copyOver(other.textPath(), mine.textPath());
        copyOver(other.sessionPath(), mine.sessionPath());

        // The data alone, as the merge sees it.
        QList<SessionFile::Note> live = frmSplash::LiveNotes(program.ctx);
        RevisionBook book;
        book.remember(before, live);
        QElapsedTimer timer;
        timer.start();
        book.stamp(live, QDateTime::currentDateTimeUtc());
        const SessionMerge::Result merged =
            SessionMerge::merge({there, {}}, {live, {}}, QDateTime::currentDateTimeUtc());
        mergeMs << timer.nsecsElapsed() / 1e6;
        if (merged.taken.size() != changed)
            std::fprintf(stderr, "merge took %lld notes\n",
                         static_cast<long long>(merged.taken.size()));

        timer.restart();
        splash.sync().checkDisk();
        windowsMs << timer.nsecsElapsed() / 1e6;
        int updated = 0;
        for (const SessionFile::Note &note : frmSplash::LiveNotes(program.ctx))
            updated += note.TextRTF.count(QStringLiteral("bread")) == round + 1;
        if (updated != changed)
            std::fprintf(stderr, "%d windows updated, not %d\n", updated, changed);
        timer.restart();
        (void)frmSplash::LiveNotes(program.ctx);
        liveMs << timer.nsecsElapsed() / 1e6;
        splash.SaveSession();

        // A save with nothing new on disk: the look at the files before it.
        timer.restart();
        (void)mine.mark();
        lookMs << timer.nsecsElapsed() / 1e6;
    }
    std::printf("notes: %d, changed on disk: %d, rounds: %d (median)\n", count, changed, rounds);
    std::printf("files changed -> windows updated (read, merge, windows): %.1f ms\n",
                median(windowsMs));
    std::printf("merge of the data alone (revisions and merge): %.1f ms\n", median(mergeMs));
    std::printf("every window's note as the session stores it: %.1f ms\n", median(liveMs));
    std::printf("look at the files before a save: %.1f ms\n", median(lookMs));
    program.forms.unloadAll();
    return 0;
}
