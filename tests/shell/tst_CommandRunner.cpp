#include "SessionRun.h"
#include "notes/richtext/RichTextBox.h"
#include "shell/CommandRunner.h"

#include <QDir>
#include <QTest>

namespace {

using Kind = CommandLine::Command::Kind;
using Commands = QList<CommandLine::Command>;

// Two notes: the first shown, the second hidden.
const QByteArray Session = "[Note1]\r\nLeft=900\r\nTop=900\r\nVisible=True\r\nTextID=1\r\n"
                           "[Note2]\r\nLeft=4500\r\nTop=900\r\nVisible=False\r\nTextID=2\r\n"
                           "[Number of notes]\r\nTotal=2\r\n";

QList<frmNote *> liveNotes(TestApp &app)
{
    QList<frmNote *> notes;
    for (Form *form : app.forms.formsNamed("frmNote"))
        if (auto *note = qobject_cast<frmNote *>(form); note && note->bolShown)
            notes.append(note);
    return notes;
}

QString shown(TestApp &app)
{
    QString flags;
    for (frmNote *note : liveNotes(app))
        flags += note->isVisible() ? '1' : '0';
    return flags;
}

} // namespace

class tst_CommandRunner : public QObject
{
    Q_OBJECT

private slots:
    // The notes after each command: "1" shown, "0" hidden, in load order.
    void visibility_data()
    {
        QTest::addColumn<Commands>("commands");
        QTest::addColumn<bool>("allHiddenFirst");
        QTest::addColumn<QString>("after");
        QTest::newRow("nothing asked shows all") << Commands() << false << "11";
        QTest::newRow("show") << Commands{{Kind::Show, ""}} << false << "11";
        QTest::newRow("hide") << Commands{{Kind::Hide, ""}} << false << "00";
        QTest::newRow("toggle, one shown") << Commands{{Kind::Toggle, ""}} << false << "00";
        QTest::newRow("toggle, none shown") << Commands{{Kind::Toggle, ""}} << true << "11";
        QTest::newRow("new, then hide all")
            << Commands{{Kind::New, "x"}, {Kind::Hide, ""}} << false << "000";
    }
    void visibility()
    {
        QFETCH(Commands, commands);
        QFETCH(bool, allHiddenFirst);
        QFETCH(QString, after);
        SessionRun run(Session);
        if (allHiddenFirst)
            run.notes().first()->hide();
        int answers = 0;
        run.startup.commands().run(commands, [&answers](const SingleInstance::Reply &reply) {
            answers += reply.status == 0 && reply.output.isEmpty() ? 1 : 100;
        });
        QCOMPARE(answers, 1);
        QCOMPARE(shown(run.app), after);
        QVERIFY(run.splash()->savePending());
    }

    // New notes hold the text asked, plain or rich, and are shown.
    void newNotes()
    {
        SessionRun run(Session);
        run.startup.commands().run(
            {{Kind::New, "buy milk\nand bread"}, {Kind::NewRich, "{\\rtf1\\ansi \\b Bold\\b0}"}});
        const QList<frmNote *> notes = liveNotes(run.app);
        QCOMPARE(notes.size(), 4);
        QCOMPARE(notes[2]->rtxtMain->Text(), QStringLiteral("buy milk\r\nand bread"));
        QCOMPARE(notes[3]->rtxtMain->Text(), QStringLiteral("Bold"));
        notes[3]->rtxtMain->setSelStart(1);
        QCOMPARE(notes[3]->rtxtMain->SelBold(), std::optional<bool>(true));
        QVERIFY(notes[2]->isVisible() && notes[3]->isVisible());
    }

    // Commands that come while the notes load wait for them.
    void commandsWaitForTheSession()
    {
        TestApp app;
        Startup startup(app.ctx);
        startup.run();
        bool answered = false;
        startup.SecondStart(CommandLine::encode({{Kind::New, "early"}}),
                            [&answered](const SingleInstance::Reply &) { answered = true; });
        QVERIFY(!answered);
        QVERIFY(TestApp::loadSession(startup.splash()));
        QVERIFY(answered);
        const QList<frmNote *> notes = liveNotes(app);
        QCOMPARE(notes.size(), 2);
        QCOMPARE(notes.last()->rtxtMain->Text(), QStringLiteral("early"));
    }

    // Quit saves and ends with status 0; a save that fails keeps the program
    // and its notes, and says why with status 1.
    void quit_data()
    {
        QTest::addColumn<bool>("blocked");
        QTest::newRow("saved") << false;
        QTest::newRow("cannot save") << true;
    }
    void quit()
    {
        QFETCH(bool, blocked);
        SessionRun run(Session);
        run.notes().first()->rtxtMain->setText("last words");
        const QString blocker = run.app.ctx.folders.profileFile("session.ini.new");
        if (blocked)
            QVERIFY(QDir().mkpath(blocker + "/x"));
        const qsizetype boxes = run.app.prompter.shown.size();
        SingleInstance::Reply reply{-1, QString()};
        run.startup.commands().run({{Kind::Quit, ""}},
                                   [&reply](const SingleInstance::Reply &r) { reply = r; });
        QCOMPARE(reply.status, blocked ? 1 : 0);
        QCOMPARE(reply.output.contains("could not be saved"), blocked);
        QTRY_COMPARE(run.app.forms.all().isEmpty(), !blocked);
        QFile text(run.notesPath());
        QCOMPARE(text.open(QIODevice::ReadOnly) && text.readAll().contains("last words"), !blocked);
        QCOMPARE(run.app.prompter.shown.size(), boxes); // nobody is there to answer
    }
};

QTEST_MAIN(tst_CommandRunner)
#include "tst_CommandRunner.moc"
