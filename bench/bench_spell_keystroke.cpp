// What spelling costs while typing: keystrokes at the end of a 1 MiB note, and in its middle,
// with spelling off and on, and the check that follows when the text rests (it underlines
// what is on screen). Medians over the repeats, wall time and the thread's CPU time.
// Usage: bench_spell_keystroke [keystrokes]
#include "notes/richtext/RichTextBox.h"
#include "spell/NoteSpelling.h"
#include "spell/Spelling.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// About 1 MiB of prose in paragraphs of a few lines, with a misspelt word now and then.
QString mebibyteOfText()
{
    const QString line = QStringLiteral(
        "The quick brown fox jumps over the lazy dog while the recieve clerk counts teh "
        "parcels, and somebody writes a longer sentence so that lines wrap in a note. ");
    QString text;
    while (text.size() < 1024 * 1024) {
        text += line + line + line;
        text += QLatin1Char('\n');
    }
    return text;
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Times
{
    double wall;
    double cpu;
};

Times median(std::vector<Times> v)
{
    std::sort(v.begin(), v.end(), [](const Times &a, const Times &b) { return a.wall < b.wall; });
    Times m = v[v.size() / 2];
    std::sort(v.begin(), v.end(), [](const Times &a, const Times &b) { return a.cpu < b.cpu; });
    m.cpu = v[v.size() / 2].cpu;
    return m;
}

// One typed letter, carried out and drawn as the event loop would.
Times keystroke(RichTextBox &box, QChar letter)
{
    QElapsedTimer wall;
    wall.start();
    const double cpu = cpuMs();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(&box, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(&box, &release);
    box.viewport()->repaint();
    return {wall.nsecsElapsed() / 1e6, cpuMs() - cpu};
}

void run(const char *where, bool middle, bool on, Spelling &spelling, int count)
{
    RichTextBox box;
    box.resize(250, 90);
    box.setPlainText(mebibyteOfText());
    NoteSpelling note(box, on ? &spelling : nullptr);
    box.show();
    QTextCursor cursor = box.textCursor();
    if (middle)
        cursor.setPosition(
            box.document()->findBlockByNumber(box.document()->blockCount() / 2).position());
    else
        cursor.movePosition(QTextCursor::End);
    box.setTextCursor(cursor);
    box.ensureCursorVisible();
    QApplication::processEvents();
    note.checkNow();
    std::vector<Times> typed;
    for (int i = 0; i < count; ++i)
        typed.push_back(keystroke(box, QLatin1Char(i % 5 == 4 ? ' ' : 'e')));
    std::vector<Times> rest;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer wall;
        wall.start();
        const double cpu = cpuMs();
        note.checkNow();
        rest.push_back({wall.nsecsElapsed() / 1e6, cpuMs() - cpu});
    }
    const Times k = median(typed);
    const Times r = median(rest);
    std::printf("%-7s spelling %-3s  keystroke %6.3f ms (cpu %6.3f)   check at rest %6.3f ms "
                "(cpu %6.3f), %lld underlined\n",
                where, on ? "on" : "off", k.wall, k.cpu, r.wall, r.cpu,
                static_cast<long long>(box.extraSelections().size()));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
    QTemporaryDir home;
    Spelling spelling(home.filePath(QStringLiteral("PQOptions.ini")), nullptr);
    QElapsedTimer opening;
    opening.start();
    if (!spelling.active()) {
        std::fprintf(stderr, "no dictionary: nothing to measure\n");
        return 1;
    }
    std::printf("opening Enchant and the dictionary: %.1f ms\n", opening.nsecsElapsed() / 1e6);
    for (const bool middle : {false, true})
        for (const bool on : {false, true})
            run(middle ? "middle" : "end", middle, on, spelling, count);
    return 0;
}
