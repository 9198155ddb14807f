#include "TestApp.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "transfer/NoteDocument.h"
#include "transfer/NoteImporter.h"
#include "transfer/frmExport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTextDocument>

namespace {

ImportBatch::Note imported(const QString &text, bool placeKnown = false, int x = 0, int y = 0)
{
    QTextDocument document;
    document.setPlainText(text);
    ImportBatch::Note note;
    note.note.TextRTF = NoteDocument::toRtf(document);
    note.placeKnown = placeKnown;
    note.note.Left = x * 15;
    note.note.Top = y * 15;
    return note;
}

ImportBatch batchOf(const QString &source, const QList<ImportBatch::Note> &notes)
{
    ImportBatch batch;
    batch.source = source;
    batch.notes = notes;
    return batch;
}

QList<frmNote *> liveNotes(TestApp &app)
{
    QList<frmNote *> notes;
    for (Form *form : app.forms.formsNamed("frmNote"))
        if (auto *note = qobject_cast<frmNote *>(form); note && note->bolShown)
            notes.append(note);
    return notes;
}

} // namespace

class tst_NoteImporter : public QObject
{
    Q_OBJECT

private slots:
    void notesStandWhereTheyStoodOrCascade()
    {
        TestApp app;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        NoteImporter importer(app.ctx);
        const int made = importer.Import(
            {batchOf("xpad", {imported("placed", true, 120, 90), imported("unknown"),
                              imported("off screen", true, screen.right() + 500, 10)})});
        QCOMPARE(made, 3);
        const QList<frmNote *> notes = liveNotes(app);
        QCOMPARE(notes.size(), 3);
        QCOMPARE(notes.at(0)->rtxtMain->document()->toPlainText(), QString("placed"));
        QCOMPARE(QPoint(notes.at(0)->Left(), notes.at(0)->Top()), QPoint(120 * 15, 90 * 15));
        // The two without a usable place cascade, one below and right of the other.
        QVERIFY(notes.at(2)->Left() > notes.at(1)->Left());
        QVERIFY(notes.at(2)->Top() > notes.at(1)->Top());
        QVERIFY(screen.contains(QPoint(notes.at(2)->Left() / 15, notes.at(2)->Top() / 15)));
        QCOMPARE(app.prompter.shown.size(), 1);
        QVERIFY(importer.lastSummary().startsWith("Imported 3 notes:\n  3 notes from xpad"));
    }

    void theSameSourceTwiceAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("made");
        QTest::newRow("yes: all again") << int(Prompter::Answer::Yes) << 2;
        QTest::newRow("no: only the new one") << int(Prompter::Answer::No) << 1;
        QTest::newRow("cancel: none") << int(Prompter::Answer::Cancel) << 0;
    }
    void theSameSourceTwiceAsks()
    {
        QFETCH(int, answer);
        QFETCH(int, made);
        TestApp app;
        NoteImporter importer(app.ctx);
        QCOMPARE(importer.Import({batchOf("xpad", {imported("one")})}), 1);
        app.prompter.shown.clear();
        app.prompter.answers.enqueue(Prompter::Answer(answer));
        QCOMPARE(importer.Import({batchOf("xpad", {imported("one"), imported("two")})}), made);
        QVERIFY(app.prompter.shown.first().text.startsWith("1 of the 2 notes to import"));
        QCOMPARE(liveNotes(app).size(), 1 + made);
    }

    void failuresAreSaidWithWhatDidComeIn()
    {
        TestApp app;
        ImportBatch bad = batchOf("Sticky Notes", {});
        bad.errors = {"The Sticky Notes file \"x\" is damaged."};
        ImportBatch files = batchOf("2 files", {imported("fine")});
        files.unmapped = {"Sizes."};
        NoteImporter importer(app.ctx);
        QCOMPARE(importer.Import({bad, files}), 1);
        const ScriptedPrompter::Shown summary = app.prompter.shown.last();
        QCOMPARE(summary.icon, Prompter::Icon::Exclamation);
        QCOMPARE(summary.text, QString("Imported 1 note:\n  1 note from 2 files\n\n"
                                       "Not carried over:\n- Sizes.\n\n"
                                       "Problems:\n- The Sticky Notes file \"x\" is damaged."));
    }

    void sourcesAreToldApart()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("xp"));
        QFile json(dir.filePath("notes.json"));
        QVERIFY(json.open(QIODevice::WriteOnly));
        json.write("{}");
        json.close();
        const QList<ImportBatch> batches = NoteImporter::ReadSources(
            {dir.filePath("xp"), dir.filePath("notes.json"), dir.filePath("a.txt")});
        QCOMPARE(batches.size(), 3);
        QCOMPARE(batches.at(0).source, QString("xpad"));
        QCOMPARE(batches.at(1).source, QString("Sticky Notes"));
        QCOMPARE(batches.at(2).source, QString("a.txt"));
    }

    void exportAsksBeforeReplacing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no keeps the file") << int(Prompter::Answer::No) << QByteArray("mine");
        QTest::newRow("yes replaces it") << int(Prompter::Answer::Yes) << QByteArray("Alpha");
    }
    void exportAsksBeforeReplacing()
    {
        QFETCH(int, answer);
        QFETCH(QByteArray, after);
        TestApp app;
        NoteImporter(app.ctx).Import({batchOf("files", {imported("Alpha")})});
        QTemporaryDir dir;
        QFile mine(dir.filePath("Alpha.md"));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write("mine");
        mine.close();
        app.prompter.shown.clear();
        app.prompter.answers.enqueue(Prompter::Answer(answer));
        auto *form = frmExport::Open(app.ctx);
        form->txtFolder->setText(dir.path());
        form->optMarkdown->setChecked(true);
        QCOMPARE(form->cmdExport_Click(), answer == int(Prompter::Answer::Yes));
        QVERIFY(app.prompter.shown.first().text.contains("Alpha.md"));
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QVERIFY(mine.readAll().startsWith(after));
        QCOMPARE(QFile::exists(dir.filePath("index.html")), answer == int(Prompter::Answer::Yes));
    }
};

QTEST_MAIN(tst_NoteImporter)
#include "tst_NoteImporter.moc"
