#include "DiskFull.h"
#include "FileBytes.h"
#include "TestApp.h"
#include "notes/LazyPictureButton.h"
#include "notes/PictureButton.h"
#include "notes/frmNote.h"
#include "notes/frmToolTip.h"
#include "notes/richtext/RichTextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QTest>

namespace {

frmNote *loadNote(TestApp &app)
{
    auto *note = new frmNote(app.ctx);
    note->Load();
    note->bolShown = true;
    note->show();
    return note;
}

// "one two three" with "two" protected, as an alarm mark leaves it.
void writeWithProtectedWord(frmNote *note)
{
    RichTextBox *box = note->rtxtMain;
    box->setSelText("one two three");
    box->setSelStart(4);
    box->setSelLength(3);
    box->setSelProtected(true);
    box->setSelStart(0);
}

const QString ProtectedWarning = QStringLiteral(
    "You cannot edit this text because an alarm is set to it. To remove alarm right click on it "
    "and choose 'Remove Alarm'.");

} // namespace

class tst_NoteEditing : public QObject
{
    Q_OBJECT

private slots:
    void boldButtonRefusesProtectedText()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        writeWithProtectedWord(note);
        note->rtxtMain->setSelStart(2);
        note->rtxtMain->setSelLength(4); // "e tw": touches the mark
        QTest::mousePress(note->butB, Qt::LeftButton);
        QVERIFY(note->butBC->isVisible());
        QTest::mouseRelease(note->butB, Qt::LeftButton);
        QVERIFY(!note->butBC->isVisible());
        QVERIFY(!note->menus().mnuFontBold->isChecked());
        QCOMPARE(note->rtxtMain->SelBold(), std::optional<bool>(false));
        frmToolTip *balloon = frmToolTip::Loaded(app.ctx);
        QVERIFY(balloon);
        QCOMPARE(balloon->lblToolTip->text(), ProtectedWarning);
        QCOMPARE(balloon->tmrUnload.interval(), 4000);
    }

    void buttonAndMenuStayInStep()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->rtxtMain->setSelText("plain words");
        note->rtxtMain->setSelStart(0);
        note->rtxtMain->setSelLength(5);
        QTest::mousePress(note->butB, Qt::LeftButton);
        QTest::mouseRelease(note->butB, Qt::LeftButton);
        QCOMPARE(note->rtxtMain->SelBold(), std::optional<bool>(true));
        QVERIFY(note->butBC->isVisible());
        QVERIFY(note->menus().mnuFontBold->isChecked());
        // The menu item now switches it off again.
        note->menus().mnuFontBold->trigger();
        QCOMPARE(note->rtxtMain->SelBold(), std::optional<bool>(false));
        QVERIFY(!note->butBC->isVisible());
        QVERIFY(!note->menus().mnuFontBold->isChecked());
        // The "on" image switches off too.
        note->menus().mnuFontItalic->trigger();
        QVERIFY(note->butIC->isVisible());
        QTest::mouseClick(note->butIC->get(), Qt::LeftButton);
        QCOMPARE(note->rtxtMain->SelItalic(), std::optional<bool>(false));
        QVERIFY(!note->butIC->isVisible());
    }

    void menuItemsDoNotTestProtection()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        writeWithProtectedWord(note);
        note->rtxtMain->setSelStart(4);
        note->rtxtMain->setSelLength(3);
        note->menus().mnuFontUnderline->trigger();
        QCOMPARE(note->rtxtMain->SelUnderline(), std::optional<bool>(true));
        QVERIFY(!frmToolTip::Loaded(app.ctx));
    }

    void selectionChangeShowsTheFormats_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("bold");
        QTest::newRow("inside bold") << 1 << 2 << true;
        QTest::newRow("mixed counts as off") << 2 << 4 << false;
        QTest::newRow("caret after bold") << 4 << 0 << true;
        QTest::newRow("plain") << 6 << 2 << false;
    }
    void selectionChangeShowsTheFormats()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(bool, bold);
        TestApp app;
        frmNote *note = loadNote(app);
        note->rtxtMain->setSelText("bold plain");
        note->rtxtMain->setSelStart(0);
        note->rtxtMain->setSelLength(4);
        note->rtxtMain->setSelBold(true);
        note->rtxtMain->setSelStart(start);
        note->rtxtMain->setSelLength(length);
        QCOMPARE(note->butBC->isVisible(), bold);
        QCOMPARE(note->menus().mnuFontBold->isChecked(), bold);
    }

    void shortcutsTakeTheButtonPath()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->rtxtMain->setSelText("words");
        note->rtxtMain->setFocus();
        QTest::keyClick(note->rtxtMain, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(note->rtxtMain->SelLength(), 5);
        QTest::keyClick(note->rtxtMain, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(note->rtxtMain->SelBold(), std::optional<bool>(true));
        QVERIFY(note->menus().mnuFontBold->isChecked());
        QTest::keyClick(note->rtxtMain, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(note->rtxtMain->SelBold(), std::optional<bool>(false));
        QTest::keyClick(note->rtxtMain, Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(note->rtxtMain->SelUnderline(), std::optional<bool>(true));
        QCOMPARE(note->rtxtMain->Text(), QStringLiteral("words"));
    }

    void bracketsCannotBeTyped()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->Move(1500, 1500);
        note->rtxtMain->setFocus();
        QTest::keyClicks(note->rtxtMain, "a[b]c");
        QCOMPARE(note->rtxtMain->Text(), QStringLiteral("abc"));
        frmToolTip *balloon = frmToolTip::Loaded(app.ctx);
        QVERIFY(balloon);
        QCOMPARE(balloon->lblToolTip->text(),
                 QStringLiteral(
                     "'[' and ']' are preserved characters and cannot be type in the note box."));
        QCOMPARE(balloon->pos(), QPoint((1500 + 3945 - 300) / 15, (1500 + 800) / 15));
        QCOMPARE(balloon->tmrUnload.interval(), 3000);
    }

    void keysInsideAMarkWarn_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("refused");
        QTest::newRow("letter") << int(Qt::Key_X) << true;
        QTest::newRow("delete") << int(Qt::Key_Delete) << true;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << true;
        QTest::newRow("enter") << int(Qt::Key_Return) << true;
        QTest::newRow("left") << int(Qt::Key_Left) << false;
        QTest::newRow("end") << int(Qt::Key_End) << false;
        QTest::newRow("page down") << int(Qt::Key_PageDown) << false;
    }
    void keysInsideAMarkWarn()
    {
        QFETCH(int, key);
        QFETCH(bool, refused);
        TestApp app;
        frmNote *note = loadNote(app);
        writeWithProtectedWord(note);
        note->rtxtMain->setSelStart(5);
        note->rtxtMain->setFocus();
        QTest::keyClick(note->rtxtMain, Qt::Key(key));
        QCOMPARE(note->rtxtMain->Text(), QStringLiteral("one two three"));
        QCOMPARE(frmToolTip::Loaded(app.ctx) != nullptr, refused);
    }

    void colourDialog_data()
    {
        QTest::addColumn<QColor>("chosen");
        QTest::addColumn<int>("expected");
        QTest::newRow("blue") << QColor(0, 0, 255) << 0xFF0000;
        QTest::newRow("the alarm orange is nudged") << QColor(255, 128, 0) << 33022;
        QTest::newRow("same as before") << QColor(0, 0, 0) << 0;
    }
    void colourDialog()
    {
        QFETCH(QColor, chosen);
        QFETCH(int, expected);
        TestApp app;
        frmNote *note = loadNote(app);
        note->rtxtMain->setSelText("colour me");
        note->rtxtMain->setSelStart(0);
        note->rtxtMain->setSelLength(6);
        app.prompter.colors << chosen;
        note->menus().mnuFontColor->trigger();
        QCOMPARE(app.prompter.lastInitialColor, QColor(0, 0, 0));
        QCOMPARE(note->rtxtMain->SelColor(), std::optional<int>(expected));
    }

    void cancelledColourChangesNothing()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->rtxtMain->setSelText("x");
        note->rtxtMain->setSelStart(0);
        note->rtxtMain->setSelLength(1);
        note->rtxtMain->setSelColor(0x00FF00);
        const QString before = note->rtxtMain->TextRTF();
        note->menus().mnuFontColor->trigger();
        QCOMPARE(app.prompter.colorRequests, 1);
        QCOMPARE(note->rtxtMain->TextRTF(), before);
    }

    void fontDialogAppliesAndApplyButtonWorks()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->rtxtMain->setSelText("font test");
        note->rtxtMain->setSelStart(0);
        note->rtxtMain->setSelLength(4);
        QFont applied("DejaVu Serif");
        applied.setPointSize(20);
        QFont chosen("DejaVu Sans Mono");
        chosen.setPointSize(12);
        chosen.setItalic(true);
        bool sawApplied = false;
        QObject::connect(note->rtxtMain, &RichTextBox::Change, [&] {
            sawApplied = sawApplied || note->rtxtMain->SelFontSize() == std::optional<double>(20);
        });
        app.prompter.fonts << ScriptedPrompter::FontAnswer{{applied}, chosen};
        note->menus().mnuFontFont->trigger();
        QVERIFY(sawApplied);
        QCOMPARE(note->rtxtMain->SelFontName(), std::optional<QString>("DejaVu Sans Mono"));
        QCOMPARE(note->rtxtMain->SelFontSize(), std::optional<double>(12));
        QCOMPARE(note->rtxtMain->SelItalic(), std::optional<bool>(true));
        // Cancelled: nothing changes.
        const QString before = note->rtxtMain->TextRTF();
        note->menus().mnuFontFont->trigger();
        QCOMPARE(note->rtxtMain->TextRTF(), before);
    }

    void saveAsRichOrPlain()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->rtxtMain->setSelText("Hello");
        note->rtxtMain->setSelStart(0);
        note->rtxtMain->setSelLength(5);
        note->rtxtMain->setSelBold(true);
        const QString rich = app.home() + "/note.rtf";
        const QString plain = app.home() + "/note";
        app.prompter.files << Prompter::FileChoice{rich, 0} << Prompter::FileChoice{plain, 1};
        note->menus().mnuSave->trigger();
        note->menus().mnuSave->trigger();
        QCOMPARE(app.prompter.offeredFilters,
                 QStringList({"Rich Text Format (*.RTF)", "Text Document (*.txt)"}));
        const QByteArray rtf = FileBytes::read(rich);
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.contains("\\b"));
        QCOMPARE(FileBytes::read(plain + ".txt"), QByteArray("Hello"));
        // Cancelled: nothing is written.
        note->menus().mnuSave->trigger();
        QCOMPARE(QDir(app.home()).entryList({"note*"}, QDir::Files).size(), 2);
    }

    void saveAsFailureIsReportedAndLeavesNoFile()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->rtxtMain->setSelText(QString(50000, QLatin1Char('z')));
        const QString path = app.home() + "/big.txt";
        app.prompter.files << Prompter::FileChoice{path, 1};
        {
            const DiskFull full(1024);
            note->menus().mnuSave->trigger();
        }
        QVERIFY(!QFile::exists(path));
        QCOMPARE(app.prompter.shown.size(), 1);
        QVERIFY(app.prompter.shown[0].text.contains("could not be saved"));
        QVERIFY(app.prompter.shown[0].icon == Prompter::Icon::Exclamation);
        QCOMPARE(note->rtxtMain->Text().size(), 50000);
    }

    // The name asked about is the name written, and a link there is never written through.
    void saveAsWritesOnlyTheNameAskedAbout_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("standing"); // what stands at report.rtf: "file" or "link"
        QTest::addColumn<bool>("agree");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("told");
        QTest::newRow("no extension, file there, kept")
            << "report"
            << "file" << false << false << "already exists";
        QTest::newRow("no extension, file there, replaced")
            << "report"
            << "file" << true << true << "already exists";
        QTest::newRow("no extension, link there") << "report"
                                                  << "link" << true << false << "symbolic link";
        QTest::newRow("full name, link there") << "report.rtf"
                                               << "link" << true << false << "symbolic link";
        QTest::newRow("full name, file there: the dialog asked") << "report.rtf"
                                                                 << "file" << false << true << "";
    }
    void saveAsWritesOnlyTheNameAskedAbout()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, standing);
        QFETCH(bool, agree);
        QFETCH(bool, written);
        QFETCH(QString, told);
        TestApp app;
        frmNote *note = loadNote(app);
        note->rtxtMain->setSelText("New words");
        const QString target = app.home() + "/report.rtf";
        const QString elsewhere = app.home() + "/elsewhere.rtf";
        FileBytes::write(standing == "file" ? target : elsewhere, "old");
        if (standing == "link")
            QVERIFY(QFile::link(elsewhere, target));
        app.prompter.files << Prompter::FileChoice{app.home() + "/" + chosen, 0};
        app.prompter.answers << (agree ? Prompter::Answer::Yes : Prompter::Answer::No);
        note->menus().mnuSave->trigger();
        QCOMPARE(app.prompter.shown.isEmpty(), told.isEmpty());
        if (!told.isEmpty())
            QVERIFY2(app.prompter.shown[0].text.contains(told) &&
                         app.prompter.shown[0].text.contains("report.rtf"),
                     qPrintable(app.prompter.shown[0].text));
        QCOMPARE(FileBytes::read(elsewhere), standing == "link" ? QByteArray("old") : QByteArray());
        QCOMPARE(QFileInfo(target).isSymLink(), standing == "link");
        QCOMPARE(FileBytes::read(target).startsWith("{\\rtf1"), written);
        QCOMPARE(QDir(app.home()).entryList({"*.tmp"}, QDir::Files), QStringList());
    }

    void printsTheNoteToPdf()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->rtxtMain->setSelText("Printed words");
        const QString pdf = app.home() + "/note.pdf";
        app.prompter.printToPdf = pdf;
        note->menus().mnuPrint->trigger();
        QCOMPARE(note->rtxtMain->SelStart(), 0);
        const QByteArray bytes = FileBytes::read(pdf);
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("/Type /Page") || bytes.contains("/Type/Page"));
    }

    void cancelledPrintPrintsNothingButMovesTheCaret()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->rtxtMain->setSelText("abc");
        note->menus().mnuPrint->trigger();
        QCOMPARE(app.prompter.printRequests, 1);
        QCOMPARE(note->rtxtMain->SelStart(), 0);
        QCOMPARE(note->rtxtMain->SelLength(), 0);
    }

    void clearAsksFirst()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->menus().mnuClear->trigger();
        QCOMPARE(app.prompter.shown.size(), 0); // empty note: no question
        note->rtxtMain->setSelText("keep me");
        note->lstAlarms->addItem("1<splitter>x");
        app.prompter.answers << Prompter::Answer::No << Prompter::Answer::Yes;
        note->menus().mnuClear->trigger();
        QCOMPARE(note->rtxtMain->Text(), QStringLiteral("keep me"));
        QCOMPARE(app.prompter.shown[0].text, QStringLiteral("Notes will be lost. Is it OK?"));
        QCOMPARE(app.prompter.shown[0].title, QStringLiteral("Jotwell clearing"));
        note->menus().mnuClear->trigger();
        QCOMPARE(note->rtxtMain->Text(), QString());
        QCOMPARE(note->lstAlarms->count(), 1);
    }

    void contextMenuRules_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("clipboard");
        QTest::addColumn<QString>("enabled"); // copy cut del set rem paste
        QTest::newRow("caret outside marks") << 1 << 0 << true
                                             << "00000"
                                                "1";
        QTest::newRow("a selection") << 0 << 3 << true
                                     << "11110"
                                        "1";
        QTest::newRow("caret in a mark") << 5 << 0 << true
                                         << "00001"
                                            "1";
        QTest::newRow("partly protected") << 2 << 4 << true
                                          << "11101"
                                             "1";
        QTest::newRow("empty clipboard") << 0 << 3 << false
                                         << "11110"
                                            "0";
    }
    void contextMenuRules()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(bool, clipboard);
        QFETCH(QString, enabled);
        TestApp app;
        frmNote *note = loadNote(app);
        writeWithProtectedWord(note);
        QGuiApplication::clipboard()->setText(clipboard ? "clip" : "");
        note->rtxtMain->setSelStart(start);
        note->rtxtMain->setSelLength(length);
        note->rtxtMain_MouseUp(2, 0, 5, 5);
        const QList<QAction *> items = {note->menus().mnuConCopy,     note->menus().mnuConCut,
                                        note->menus().mnuConDel,      note->menus().mnuConSetAlarm,
                                        note->menus().mnuConRemAlarm, note->menus().mnuConPast};
        QString shown;
        for (QAction *item : items)
            shown += item->isEnabled() ? '1' : '0';
        QCOMPARE(shown, enabled);
        QVERIFY(note->menus().mnuConUndo->isEnabled() && note->menus().mnuConSelAll->isEnabled());
        note->menus().mnuCon->hide();
    }

    void contextEditingGoesThroughTheKeys()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        writeWithProtectedWord(note);
        note->rtxtMain->setSelStart(4);
        note->rtxtMain->setSelLength(3);
        note->menus().mnuConDel->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(note->rtxtMain->Text(), QStringLiteral("one two three"));
        QVERIFY(frmToolTip::Loaded(app.ctx)); // the same warning as typed keys
        note->rtxtMain->setSelStart(0);
        note->rtxtMain->setSelLength(4);
        note->menus().mnuConCut->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(note->rtxtMain->Text(), QStringLiteral("two three"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one "));
        note->menus().mnuConSelAll->trigger();
        QCOMPARE(note->rtxtMain->SelStart(), 0);
        QCOMPARE(note->rtxtMain->SelLength(), 9);
    }
};

QTEST_MAIN(tst_NoteEditing)
#include "tst_NoteEditing.moc"
