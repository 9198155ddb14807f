// The notes list and the find bar at scale: a session of 1,000 notes of about 1 KiB of rich
// text each is restored as start-up does, then the list is opened and a search typed into it
// one key at a time, and Replace All is run over 1,000 matches in a note of 1 MiB.
// Usage: bench_find [notes]
#include "find/DocumentSearch.h"
#include "find/NotesCatalog.h"
#include "find/NotesListModel.h"
#include "find/frmNotesList.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/ProgramContext.h"
#include "shell/SessionFile.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// A vocabulary of made-up words (two and three syllables) and a few real ones, so that a word
// occurs in some notes and not in others, as in real notes.
QStringList vocabulary()
{
    const QStringList syllables = {"ka", "lo", "mi", "ne", "ru", "sa", "te", "vo"};
    QStringList words = {"milk", "eggs", "Zoë", "crème", "garden", "bread", "budget", "coffee"};
    for (const QString &a : syllables)
        for (const QString &b : syllables) {
            words << a + b;
            for (const QString &c : syllables)
                words << a + b + c;
        }
    return words;
}

// About 1 KiB of plain text in a few formatted paragraphs.
QString noteRtf(int n, const QStringList &words)
{
    QString rtf = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs16 \\b Note %1 "
                                 "%2\\b0\\par ")
                      .arg(n)
                      .arg(words.at(n % words.size()));
    int length = 0;
    quint32 seed = quint32(n) * 2654435761u + 1;
    for (int i = 0; length < 1000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const QString &word = words.at(int((seed >> 8) % quint32(words.size())));
        rtf += (i % 9 == 0 ? QStringLiteral("\\i ") + word + QStringLiteral("\\i0 ") : word) +
               (i % 12 == 11 ? QStringLiteral("\\par ") : QStringLiteral(" "));
        length += int(word.size()) + 1;
    }
    return rtf + QStringLiteral("\\par}");
}

// Wall clock and this thread's processor time: the machine may be busy with other work.
class Stopwatch
{
public:
    struct Lap
    {
        double wall;
        double cpu;
        QString text() const
        {
            return QStringLiteral("%1 ms (%2 ms)").arg(wall, 0, 'f', 1).arg(cpu, 0, 'f', 1);
        }
    };
    Stopwatch() { restart(); }
    void restart()
    {
        m_wall.start();
        m_cpu = cpuMs();
    }
    Lap lap() const { return {double(m_wall.nsecsElapsed()) / 1e6, cpuMs() - m_cpu}; }

private:
    static double cpuMs()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
    }
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    QTemporaryDir dir;
    Folders folders(dir.path(), dir.path());
    folders.ensureExist();
    const QStringList words = vocabulary();
    QList<SessionFile::Note> notes;
    for (int i = 0; i < count; ++i) {
        SessionFile::Note note;
        note.Left = 200 + (i % 40) * 300;
        note.Top = 200 + (i / 40) * 150;
        note.Skin = QStringLiteral("<<Base Skin>>");
        note.TextRTF = noteRtf(i, words);
        note.Changed = QDateTime::currentDateTimeUtc().addSecs(-i * 60);
        notes.append(note);
    }
    if (!SessionFile(folders).save(notes))
        return 1;

    ProgramContext program(folders, dir.path() + QStringLiteral("/autostart"));
    program.vars.RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey,
                              QStringLiteral("NoTrayNoticeShown"), QStringLiteral("yes"));
    NotesCatalog catalog(program.ctx);
    program.forms.setFactory(QStringLiteral("frmNotesList"), [&program, &catalog] {
        return new frmNotesList(program.ctx, catalog);
    });
    Startup startup(program.ctx);
    startup.run();
    startup.splash()->tmrMoveInfo.stop();
    startup.splash()->tmrLoad_Timer();
    while (!startup.splash()->sessionLoaded())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();

    // The index is built while the program waits for input, a few notes at a time.
    Stopwatch watch;
    while (!catalog.upToDate())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const Stopwatch::Lap indexed = watch.lap();

    // Opening the list, drawn, as the user sees it a little after start.
    watch.restart();
    auto *list =
        qobject_cast<frmNotesList *>(program.forms.defaultInstance(QStringLiteral("frmNotesList")));
    list->show();
    list->repaint();
    QCoreApplication::processEvents();
    const Stopwatch::Lap opened = watch.lap();

    // A search typed one key at a time, each key filtered and the list drawn.
    const QString typed = QStringLiteral("kalo creme mine");
    std::vector<Stopwatch::Lap> keys;
    for (qsizetype i = 1; i <= typed.size(); ++i) {
        watch.restart();
        list->txtSearch->setText(typed.left(i));
        list->lstNotes->repaint();
        keys.push_back(watch.lap());
    }
    const int matched = list->model().rowCount();
    // A key right after a note changed: that note is read again first.
    catalog.notes().first()->rtxtMain->setSelStart(0);
    catalog.notes().first()->rtxtMain->setSelText(QStringLiteral("kalo "));
    watch.restart();
    list->txtSearch->setText(typed + QStringLiteral("e"));
    list->lstNotes->repaint();
    const Stopwatch::Lap afterChange = watch.lap();

    // Replace All: 1,000 matches in a note of 1 MiB (1,000 paragraphs of 1 KiB).
    frmNote *big = catalog.notes().last();
    QString filler;
    while (filler.size() < 1020)
        filler += QStringLiteral("then the long list of chores awaits ");
    QString text;
    for (int i = 0; i < 1000; ++i)
        text += QStringLiteral("%1 buy milk ").arg(i) + filler + QStringLiteral("\r\n");
    big->rtxtMain->setText(text);
    watch.restart();
    const DocumentSearch::Outcome outcome =
        DocumentSearch(*big->rtxtMain->document()).replaceAll("milk", "tea");
    const Stopwatch::Lap replaced = watch.lap();
    // The 1 MiB note read into the index, then the whole list shown with it.
    watch.restart();
    catalog.index();
    const Stopwatch::Lap bigIndexed = watch.lap();
    watch.restart();
    list->txtSearch->setText(QString());
    list->lstNotes->repaint();
    const Stopwatch::Lap bigListed = watch.lap();

    std::sort(keys.begin(), keys.end(),
              [](const Stopwatch::Lap &a, const Stopwatch::Lap &b) { return a.wall < b.wall; });
    std::printf("figures: wall clock (this thread's processor time)\n");
    std::printf("notes: %d of about 1 KiB of rich text\n", count);
    std::printf("index built while waiting for input (from 400 ms after the last change): %s\n",
                qPrintable(indexed.text()));
    std::printf("list open: %s\n", qPrintable(opened.text()));
    std::printf("keystroke in the search (%d keys, %d notes match at the end): median %s, "
                "worst %s\n",
                int(keys.size()), matched, qPrintable(keys.at(keys.size() / 2).text()),
                qPrintable(keys.back().text()));
    std::printf("keystroke right after a note changed: %s\n", qPrintable(afterChange.text()));
    std::printf("Replace All in a %d KiB note, %d matches replaced: %s\n", int(text.size() / 1024),
                outcome.replaced, qPrintable(replaced.text()));
    std::printf("that note read into the index: %s; the list shown with it: %s\n",
                qPrintable(bigIndexed.text()), qPrintable(bigListed.text()));
    program.forms.unloadAll();
    return 0;
}
