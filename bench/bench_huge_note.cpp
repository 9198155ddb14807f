// One huge note in the rich-text box: how long its text takes to be read (bare, and into the
// box), to show, and to be laid out whole when its size is asked for, and the longest time the
// event loop is kept from its events afterwards (a stop signal waits that long at worst), and
// how long it takes to be written back (as a save does).
// Usage: bench_huge_note [paragraphs]   (default 2,000,000 empty paragraphs, 10 MB of RTF)
#include "notes/richtext/RichTextBox.h"
#include "notes/richtext/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int paragraphs = argc > 1 ? std::atoi(argv[1]) : 2000000;
    const QString rtf = QStringLiteral("{\\rtf1\\ansi Huge\\par\r\n") +
                        QStringLiteral("\\par\r\n").repeated(paragraphs) + QLatin1Char('}');
    QElapsedTimer bare;
    bare.start();
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        RtfReader(RtfReader::Target::Document).read(rtf, cursor);
    }
    const qint64 bareRead = bare.elapsed();

    RichTextBox box;
    box.resize(250, 150);
    box.show();
    QElapsedTimer clock;
    clock.start();
    box.setTextRTF(rtf);
    const qint64 read = clock.elapsed();
    box.repaint();
    const qint64 shown = clock.elapsed();
    box.document()->documentLayout()->documentSize();
    const qint64 whole = clock.elapsed();

    // A zero timer runs once per pass of the event loop: the gaps between its runs are the
    // times the loop was busy elsewhere.
    qint64 last = clock.elapsed();
    qint64 longest = 0;
    qint64 quietSince = last;
    qreal height = -1;
    QTimer pulse;
    QObject::connect(&pulse, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
        const qreal h = box.document()->documentLayout()->documentSize().height();
        if (h != height) {
            height = h;
            quietSince = now;
        } else if (now - quietSince > 2000) {
            QCoreApplication::quit();
        }
    });
    pulse.start(0);
    QApplication::exec();
    clock.restart();
    const QString back = box.TextRTF();
    const qint64 written = clock.elapsed();
    std::printf("%d paragraphs (%lld bytes of RTF)\n", paragraphs,
                static_cast<long long>(rtf.size()));
    std::printf("  read into a document  %7lld ms (no box, no layout)\n", bareRead);
    std::printf("  read into the box     %7lld ms\n", read);
    std::printf("  shown (first paint)   %7lld ms\n", shown);
    std::printf("  size asked for        %7lld ms\n", whole);
    std::printf("  laid out whole        %7lld ms (height %.0f px)\n", quietSince, height);
    std::printf("  longest busy stretch  %7lld ms\n", longest);
    std::printf("  written back as RTF   %7lld ms (%lld bytes)\n", written,
                static_cast<long long>(back.size()));
    return 0;
}
