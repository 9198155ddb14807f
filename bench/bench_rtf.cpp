// Times the RTF reader and writer on 1 MiB of RTF as other programs write it, and on a large
// note, bare and inside the rich-text box (which lays the text out as well).
// Each line gives the median wall time and, beside it, the median CPU time of the thread: on
// a machine shared with other work the CPU time is the steadier figure.
// Usage: bench_rtf [repeats]
#include "notes/richtext/RichTextBox.h"
#include "notes/richtext/RichTextModel.h"
#include "notes/richtext/RtfReader.h"
#include "notes/richtext/RtfWriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

// About 1 MiB in the manner of the classic control and word processors: font and colour
// changes, escapes, \u characters, bullets, a skipped picture now and then.
QByteArray mebibyteOfRtf()
{
    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
        "{\\f1\\fnil\\fcharset2 Symbol;}{\\f2\\froman\\fcharset204 Times New Roman;}}\r\n"
        "{\\colortbl ;\\red255\\green128\\blue0;\\red192\\green192\\blue192;}\r\n";
    int line = 0;
    while (rtf.size() < 1024 * 1024) {
        ++line;
        if (line % 5 == 0)
            rtf += "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}";
        else
            rtf += "\\pard";
        rtf += "\\f0\\fs20 Line " + QByteArray::number(line) +
               ": the \\b quick\\b0  brown \\i fox\\i0  jumps \\ul over\\ulnone  the "
               "\\cf1 lazy\\cf0  dog, caf\\'e9 \\u8364? \\f2\\'cf\\'f0\\f0  "
               "\\cf2\\protect [7\\cf1 marked\\cf2 ]\\protect0\\cf0  end";
        if (line % 50 == 0)
            rtf += "{\\*\\shppict{\\pict\\pngblip 89504e470d0a1a0a0000000d49484452}}";
        rtf += "\\par\r\n";
    }
    rtf += "}";
    return rtf;
}

// A note someone kept writing in for years: 3000 short paragraphs with some formatting,
// most of them in bullet lists.
void largeNote(QTextDocument &document)
{
    QTextCursor cursor(&document);
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat orange;
    orange.setForeground(QColor(255, 128, 0));
    for (int i = 0; i < 3000; ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertText(QStringLiteral("Item %1: remember to ").arg(i), plain);
        cursor.insertText(QStringLiteral("do this"), bold);
        cursor.insertText(QStringLiteral(" before "), plain);
        cursor.insertText(QStringLiteral("Friday"), orange);
        RichTextModel::setBullet(cursor, i % 4 != 0); // runs of three bullets
    }
}

struct Timing
{
    double wall; // milliseconds
    double cpu;  // milliseconds of this thread's CPU time
};

double threadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Timing millisecondsOf(int repeats, const std::function<void()> &work)
{
    std::vector<double> walls;
    std::vector<double> cpus;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        const double cpuBefore = threadCpuMilliseconds();
        timer.start();
        work();
        walls.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        cpus.push_back(threadCpuMilliseconds() - cpuBefore);
    }
    std::sort(walls.begin(), walls.end());
    std::sort(cpus.begin(), cpus.end());
    return {walls[walls.size() / 2], cpus[cpus.size() / 2]};
}

void report(const char *what, Timing time, qsizetype bytes)
{
    std::printf("%-44s %8.1f ms %7.1f MiB/s  CPU %8.1f ms\n", what, time.wall,
                static_cast<double>(bytes) / (1024.0 * 1024.0) / (time.wall / 1000.0), time.cpu);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int repeats = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    const QByteArray mebibyte = mebibyteOfRtf();
    std::printf("1 MiB of RTF: %lld bytes, median of %d runs\n",
                static_cast<long long>(mebibyte.size()), repeats);
    QTextDocument read;
    report("read into a document",
           millisecondsOf(repeats,
                          [&] {
                              QTextCursor cursor(&read);
                              RtfReader(RtfReader::Target::Document).read(mebibyte, cursor);
                          }),
           mebibyte.size());
    const QByteArray written = RtfWriter::write(read);
    report("write it again", millisecondsOf(repeats, [&] { (void)RtfWriter::write(read); }),
           written.size());
    RichTextBox box;
    box.resize(260, 160);
    box.show();
    const QString asText = QString::fromLatin1(mebibyte);
    report("TextRTF = into the box (with layout)",
           millisecondsOf(repeats, [&] { box.setTextRTF(asText); }), mebibyte.size());
    // As the user first sees it: the text set and the box painted once.
    report("TextRTF = and the box painted",
           millisecondsOf(repeats,
                          [&] {
                              box.setTextRTF(asText);
                              box.repaint();
                          }),
           mebibyte.size());
    // As a note first shows its text: a box just shown, still empty.
    std::vector<std::unique_ptr<RichTextBox>> newBoxes;
    for (int i = 0; i < repeats; ++i) {
        newBoxes.push_back(std::make_unique<RichTextBox>());
        newBoxes.back()->resize(260, 160);
        newBoxes.back()->show();
    }
    size_t nextBox = 0;
    report("TextRTF = into a new shown box and painted",
           millisecondsOf(repeats,
                          [&] {
                              RichTextBox &fresh = *newBoxes[nextBox++];
                              fresh.setTextRTF(asText);
                              fresh.repaint();
                          }),
           mebibyte.size());
    newBoxes.clear();
    report("TextRTF from the box", millisecondsOf(repeats, [&] { (void)box.TextRTF(); }),
           written.size());
    std::printf("  %d paragraphs, %lld characters\n", read.blockCount(),
                static_cast<long long>(read.characterCount()));

    QTextDocument note;
    largeNote(note);
    const QByteArray noteRtf = RtfWriter::write(note);
    std::printf("\nLarge note: %d paragraphs, %lld bytes of RTF\n", note.blockCount(),
                static_cast<long long>(noteRtf.size()));
    report("write the note", millisecondsOf(repeats, [&] { (void)RtfWriter::write(note); }),
           noteRtf.size());
    QTextDocument copy;
    report("read the note into a document",
           millisecondsOf(repeats,
                          [&] {
                              QTextCursor cursor(&copy);
                              RtfReader(RtfReader::Target::Document).read(noteRtf, cursor);
                          }),
           noteRtf.size());
    const QString noteText = QString::fromLatin1(noteRtf);
    report("TextRTF = the note into the box",
           millisecondsOf(repeats, [&] { box.setTextRTF(noteText); }), noteRtf.size());
    report("Text of the note", millisecondsOf(repeats, [&] { (void)box.Text(); }), noteRtf.size());
    report("SelStart = and SelLength = near the end",
           millisecondsOf(repeats,
                          [&] {
                              box.setSelStart(box.Text().size() - 10);
                              box.setSelLength(5);
                          }),
           noteRtf.size());

    // Empty paragraphs: the cost must grow in step with their number.
    std::printf("\nEmpty paragraphs into the box and painted (one run each):\n");
    for (int paragraphs : {125000, 250000, 500000}) {
        const QString empty = QStringLiteral("{\\rtf1\\ansi ") +
                              QStringLiteral("\\par\r\n").repeated(paragraphs) + QLatin1Char('}');
        const Timing time = millisecondsOf(1, [&] {
            box.setTextRTF(empty);
            box.repaint();
        });
        std::printf("  %7d paragraphs %9.1f ms  %6.2f us per paragraph  CPU %8.1f ms\n", paragraphs,
                    time.wall, 1000.0 * time.wall / paragraphs, time.cpu);
    }
    return 0;
}
