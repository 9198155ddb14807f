#include "alarms/AlarmEntry.h"
#include "transfer/NoteDocument.h"
#include "transfer/NoteExporter.h"
#include "transfer/NoteFileReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

namespace {

SessionFile::Note noteOf(const QString &plain)
{
    QTextDocument document;
    document.setPlainText(plain);
    SessionFile::Note note;
    note.TextRTF = NoteDocument::toRtf(document);
    return note;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_NoteExporter : public QObject
{
    Q_OBJECT

private slots:
    void namesAreSafe_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "Shopping list"
                               << "Shopping list";
        QTest::newRow("slashes") << "a/b\\c"
                                 << "a-b-c";
        QTest::newRow("up the tree") << "../../etc/passwd"
                                     << "-..-etc-passwd";
        QTest::newRow("control characters") << "bell\a tab\t esc\x1b"
                                            << "bell tab esc";
        QTest::newRow("hidden file") << ".profile"
                                     << "profile";
        QTest::newRow("reserved elsewhere") << "what? <b>|\"x\":*"
                                            << "what- -b---x---";
        QTest::newRow("nothing left") << " \x01 "
                                      << "Note";
        QTest::newRow("long") << QString(80, 'x') << QString(60, 'x');
        QTest::newRow("ends in a dot") << "etc."
                                       << "etc";
    }
    void namesAreSafe()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QCOMPARE(NoteExporter::safeBaseName(line), name);
    }

    void namesAreUnique()
    {
        const QStringList names = NoteExporter::fileNames(
            {noteOf("Same"), noteOf("same"), noteOf(""), noteOf("Index"), noteOf("Same")},
            NoteExporter::Format::Html);
        QCOMPARE(names, QStringList({"Same.html", "same (2).html", "Note.html", "Index (2).html",
                                     "Same (3).html", "index.html"}));
    }

    // Export to Markdown and import back: the same texts.
    void markdownRoundTrip_data()
    {
        QTest::addColumn<QString>("html");
        QTest::newRow("lines") << "<p>first</p><p>second line</p>";
        QTest::newRow("formats") << "<p><b>bold</b> <i>it</i> <u>under</u> <s>gone</s></p>";
        QTest::newRow("bullets") << "<p>list</p><ul><li>one</li><li>two</li></ul><p>after</p>";
        QTest::newRow("markdown characters") << "<p># not a head * _x_ `c` 1. [a](b) &lt;i&gt;</p>";
        QTest::newRow("line starts") << "<p>- not a list</p><p>2. not numbered</p><p>+ x</p>";
        QTest::newRow("backslash and entity") << "<p>a\\b &amp;amp; ~~no~~</p>";
        QTest::newRow("unicode") << "<p>café – ✓ 😀</p>";
        QTest::newRow("empty line inside") << "<p>a</p><p></p><p>b</p>";
    }
    void markdownRoundTrip()
    {
        QFETCH(QString, html);
        QTextDocument document;
        document.setHtml(html);
        NoteDocument::useNoteBullets(document);
        SessionFile::Note note;
        note.TextRTF = NoteDocument::toRtf(document);
        const QString before = NoteDocument::plainText(note.TextRTF);

        QTemporaryDir dir;
        const NoteExporter::Result result =
            NoteExporter::write(dir.path(), {note}, NoteExporter::Format::Markdown);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        const ImportBatch back = NoteFileReader::read({dir.filePath(result.written.first())});
        QCOMPARE(back.notes.size(), 1);
        QCOMPARE(NoteDocument::plainText(back.notes.first().note.TextRTF), before);
    }

    void indexListsNotesAndAlarms()
    {
        SessionFile::Note withAlarm = noteOf("Dentist <3pm>\nbring card");
        AlarmEntry alarm;
        alarm.Index = 1;
        alarm.TimeText = "3:00 PM";
        alarm.Message = "Leave now & go";
        withAlarm.Alerts = {alarm.line()};
        const QList<SessionFile::Note> notes{withAlarm, noteOf("Other")};
        const QString index =
            QString::fromUtf8(NoteExporter::indexFile(notes, NoteExporter::fileNames(notes, {})));
        QVERIFY(index.contains("href=\"Dentist%20-3pm-.md\""));
        QVERIFY(index.contains("Dentist &lt;3pm&gt;"));
        QVERIFY(index.contains("3:00 PM Leave now &amp; go"));
        QVERIFY(index.contains("href=\"Other.md\""));
    }

    void everyFormatWritesReadableFiles_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("markdown") << int(NoteExporter::Format::Markdown)
                                  << QStringList{"Alpha.md", "Beta.md", "index.html"}
                                  << QByteArray("Alpha");
        QTest::newRow("html") << int(NoteExporter::Format::Html)
                              << QStringList{"Alpha.html", "Beta.html", "index.html"}
                              << QByteArray("<!DOCTYPE html>");
        QTest::newRow("rtf") << int(NoteExporter::Format::Rtf)
                             << QStringList{"Alpha.rtf", "Beta.rtf", "index.html"}
                             << QByteArray("{\\rtf1");
        QTest::newRow("one html") << int(NoteExporter::Format::OneHtml)
                                  << QStringList{"Pennyquill notes.html"}
                                  << QByteArray("<!DOCTYPE html>");
        QTest::newRow("one pdf") << int(NoteExporter::Format::OnePdf)
                                 << QStringList{"Pennyquill notes.pdf"} << QByteArray("%PDF");
    }
    void everyFormatWritesReadableFiles()
    {
        QFETCH(int, format);
        QFETCH(QStringList, names);
        QFETCH(QByteArray, start);
        QTemporaryDir dir;
        const QString folder = dir.filePath("out/notes");
        const NoteExporter::Result result = NoteExporter::write(
            folder, {noteOf("Alpha\none"), noteOf("Beta")}, NoteExporter::Format(format));
        QVERIFY(result.error.isEmpty());
        QCOMPARE(result.written, names);
        // Nothing but the planned files, all inside the folder.
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), sorted);
        QCOMPARE(QDir(dir.filePath("out")).entryList(QDir::Files), QStringList());
        QVERIFY(contents(QDir(folder).filePath(names.first())).startsWith(start));
    }

    void aLinkAtANameIsReplacedNotFollowed()
    {
        QTemporaryDir dir;
        const QString outside = dir.filePath("outside.txt");
        QFile file(outside);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep");
        file.close();
        QVERIFY(QDir().mkdir(dir.filePath("out")));
        QVERIFY(QFile::link(outside, dir.filePath("out/Alpha.md")));
        QCOMPARE(NoteExporter::existing(dir.filePath("out"), {"Alpha.md", "Beta.md"}),
                 QStringList{"Alpha.md"});
        QVERIFY(NoteExporter::write(dir.filePath("out"), {noteOf("Alpha")},
                                    NoteExporter::Format::Markdown)
                    .error.isEmpty());
        QCOMPARE(contents(outside), QByteArray("keep"));
        QVERIFY(!QFileInfo(dir.filePath("out/Alpha.md")).isSymLink());
    }

    void aFolderThatCannotBeMadeIsReported()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const NoteExporter::Result result = NoteExporter::write(
            dir.filePath("file/sub"), {noteOf("a")}, NoteExporter::Format::Markdown);
        QVERIFY(result.written.isEmpty());
        QVERIFY(result.error.contains("could not be made"));
    }
};

QTEST_MAIN(tst_NoteExporter)
#include "tst_NoteExporter.moc"
