#include "TestApp.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/TerminationWatcher.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <csignal>

namespace {

void writeSession(const TestApp &app, int count, int hugeParagraphs = 0)
{
    QByteArray ini;
    QByteArray text;
    for (int i = 1; i <= count; ++i) {
        ini += "[Note" + QByteArray::number(i) + "]\r\nLeft=" + QByteArray::number(i * 150) +
               "\r\nTop=300\r\nTextID=" + QByteArray::number(i) + "\r\n";
        text += "[ID: " + QByteArray::number(i) + "]\r\n{\\rtf1\\ansi Note " +
                QByteArray::number(i) + "\\par\r\n";
        if (i == 1)
            text += QByteArray("\\par\r\n").repeated(hugeParagraphs);
        text += "}\r\n";
    }
    ini += "[Number of notes]\r\nTotal=" + QByteArray::number(count) + "\r\n";
    for (const auto &[path, bytes] : {std::pair{app.ctx.folders.profileFile("session.ini"), ini},
                                      std::pair{app.ctx.folders.dataFile("filecon.pqn"), text}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
}

// Every file below the test's home with its bytes: what a run must leave untouched.
QMap<QString, QByteArray> filesOf(const TestApp &app)
{
    QMap<QString, QByteArray> files;
    const QDir home(app.home());
    QDirIterator it(app.home(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(home.relativeFilePath(file.fileName()),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return files;
}

} // namespace

class tst_StopWhileLoading : public QObject
{
    Q_OBJECT

private slots:
    // A save request from the desktop or a stop signal while the notes are still coming back
    // ends the program cleanly without writing anything: no half session replaces the whole.
    void endsWithoutWriting_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<int>("atNote");
        QTest::newRow("log-out at the first note") << "save" << 1;
        QTest::newRow("log-out half way") << "save" << 7;
        QTest::newRow("stop half way") << "stop" << 7;
        QTest::newRow("signal half way") << "signal" << 7;
        QTest::newRow("signal at the last note") << "signal" << 12;
    }
    void endsWithoutWriting()
    {
        QFETCH(QString, request);
        QFETCH(int, atNote);
        TestApp app;
        TerminationWatcher termination;
        writeSession(app, 12);
        const QMap<QString, QByteArray> before = filesOf(app);
        Startup startup(app.ctx);
        connect(&termination, &TerminationWatcher::terminationRequested, this,
                [&startup] { startup.StopRequested(); });
        bool ended = false;
        connect(&app.forms, &FormRegistry::lastFormUnloaded, this, [&ended] { ended = true; });
        int notesLoaded = 0;
        connect(&app.forms, &FormRegistry::formLoaded, this, [&](Form *form) {
            if (form->formName() != "frmNote" || ++notesLoaded != atNote + 1)
                return; // the first frmNote is the hidden menu note
            if (request == "signal")
                std::raise(SIGTERM);
            else // as the desktop's request comes: through the event loop
                QTimer::singleShot(0, this, [&] {
                    request == "save" ? startup.SaveRequested() : startup.StopRequested();
                });
        });
        startup.run();
        startup.splash()->tmrMoveInfo.stop();
        startup.splash()->tmrLoad_Timer();
        QVERIFY(QTest::qWaitFor([&] { return ended; }, 10000));
        QTest::qWait(20);
        QVERIFY(app.forms.all().isEmpty());
        QVERIFY(notesLoaded <= atNote + 2); // no note is made after the request
        QCOMPARE(filesOf(app), before);
    }

    // One huge note does not hold up a stop signal: its reading stops when the signal comes.
    void hugeNoteGivesWayToASignal()
    {
        TestApp app;
        TerminationWatcher termination;
        constexpr int paragraphs = 300000;
        writeSession(app, 3, paragraphs);
        const QMap<QString, QByteArray> before = filesOf(app);
        Startup startup(app.ctx);
        connect(&termination, &TerminationWatcher::terminationRequested, this,
                [&startup] { startup.StopRequested(); });
        int readParagraphs = -1;
        int notes = 0;
        connect(&app.forms, &FormRegistry::formLoaded, this, [&](Form *form) {
            auto *note = qobject_cast<frmNote *>(form);
            if (!note || ++notes != 2)
                return;
            connect(note->rtxtMain, &RichTextBox::Change, this, [&readParagraphs, note] {
                readParagraphs = note->rtxtMain->document()->blockCount();
            });
            std::raise(SIGTERM); // before its text is read
        });
        startup.run();
        startup.splash()->tmrMoveInfo.stop();
        startup.splash()->tmrLoad_Timer();
        QVERIFY(QTest::qWaitFor([&] { return app.forms.all().isEmpty(); }, 20000));
        // Its text is read on a worker that stops too; the note may go before it shows any.
        QVERIFY(readParagraphs < paragraphs / 2);
        QCOMPARE(notes, 2);
        QCOMPARE(filesOf(app), before);
    }

    // A huge text read on a worker thread is back whole before the session counts as loaded,
    // and is saved whole.
    void hugeNoteIsBackWholeBeforeTheSessionIsLoaded()
    {
        TestApp app;
        constexpr int paragraphs = 300000;
        writeSession(app, 3, paragraphs);
        Startup startup(app.ctx);
        startup.run();
        QVERIFY(TestApp::loadSession(startup.splash()));
        const QList<frmNote *> notes = startup.splash()->restoredNotes();
        QCOMPARE(notes.size(), 3);
        QCOMPARE(notes.first()->rtxtMain->document()->blockCount(), paragraphs + 1);
        QVERIFY(!notes.first()->rtxtMain->isReadOnly());
        startup.SaveRequested();
        QFile text(app.ctx.folders.dataFile("filecon.pqn"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QVERIFY(text.readAll().count("\\par") >= paragraphs);
    }

    // Once everything is back, the same requests do write the session.
    void afterLoadingTheRequestsSave_data()
    {
        QTest::addColumn<QString>("request");
        QTest::newRow("log-out") << "save";
        QTest::newRow("stop") << "stop";
    }
    void afterLoadingTheRequestsSave()
    {
        QFETCH(QString, request);
        TestApp app;
        writeSession(app, 3);
        Startup startup(app.ctx);
        startup.run();
        QVERIFY(TestApp::loadSession(startup.splash()));
        const QMap<QString, QByteArray> before = filesOf(app);
        request == "save" ? startup.SaveRequested() : startup.StopRequested();
        QVERIFY(filesOf(app) != before);
        QVERIFY(filesOf(app).contains("session.ini.bak"));
    }
};

QTEST_MAIN(tst_StopWhileLoading)
#include "tst_StopWhileLoading.moc"
