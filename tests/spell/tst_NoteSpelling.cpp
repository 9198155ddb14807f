#include "FileBytes.h"
#include "NoteFixtures.h"
#include "SpellTestSetup.h"
#include "platform/IniFile.h"
#include "spell/NoteSpelling.h"
#include "spell/SpellChecker.h"
#include "spell/Spelling.h"
#include "spell/SpellingOptions.h"
#include "tips/frmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace NoteFixtures;

namespace {

// A test program with spelling, as the real one has it.
struct SpellingApp
{
    TestApp app;
    QString options = app.ctx.folders.profileFile(QStringLiteral("PQOptions.ini"));
    Spelling spelling{options, &app.prompter};
    SpellingApp() { app.ctx.spelling = &spelling; }
};

frmNote *shownNote(SpellingApp &run, const QString &text)
{
    frmNote *note = loadedNote(run.app, text);
    note->show();
    return note;
}

QStringList underlined(frmNote *note)
{
    QStringList words;
    for (const QTextEdit::ExtraSelection &mark : note->rtxtMain->extraSelections())
        words << mark.cursor.selectedText();
    return words;
}

// Right-clicks the middle of the first occurrence of `word`, as the user opens the menu.
QMenu *openMenuOn(frmNote *note, const QString &word)
{
    QTextCursor at(note->rtxtMain->document());
    at.setPosition(static_cast<int>(note->rtxtMain->toPlainText().indexOf(word)) + 1);
    const QPoint point = note->rtxtMain->cursorRect(at).center();
    note->rtxtMain_MouseUp(2, 0, point.x(), point.y());
    return note->menus().mnuCon;
}

QAction *item(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class tst_NoteSpelling : public QObject
{
    Q_OBJECT

    SpellTestSetup m_setup;

private slots:
    void initTestCase()
    {
        if (!SpellChecker().languages().contains(SpellTestSetup::Language))
            QSKIP("Enchant has no en_US dictionary here");
    }

    // The underline is drawn, never stored: what a note saves is the same either way.
    void savedNoteIsTheSameWithSpellingOnAndOff_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("markStart"); // -1: no alarm mark
        QTest::addColumn<int>("markLength");
        QTest::addColumn<QStringList>("underlined");
        QTest::newRow("misspelt words")
            << "I recieve teh letter" << -1 << 0 << QStringList{"recieve", "teh"};
        QTest::newRow("addresses")
            << "see https://exampel.org/wrogn or jonh@exampel.org" << -1 << 0 << QStringList{};
        QTest::newRow("numbers and digits")
            << "pay 12.50 for mp3 and 2nd abc123" << -1 << 0 << QStringList{};
        QTest::newRow("all caps") << "ASDF QWERTZ stays, wrogn does not" << -1 << 0
                                  << QStringList{"wrogn"};
        QTest::newRow("word in an alarm mark")
            << "call mom abuot it" << 9 << 5 << QStringList{"abuot"};
        QTest::newRow("mark over good words")
            << "call mom abuot it" << 0 << 8 << QStringList{"abuot"};
    }

    void savedNoteIsTheSameWithSpellingOnAndOff()
    {
        QFETCH(QString, text);
        QFETCH(int, markStart);
        QFETCH(int, markLength);
        QFETCH(QStringList, underlined);
        QStringList saved[2];
        for (const bool on : {true, false}) {
            SpellingApp run;
            run.spelling.setOptions(on, SpellTestSetup::Language);
            frmNote *note = shownNote(run, text);
            if (markStart >= 0)
                addAlarm(note, markStart, markLength, 1);
            note->spelling().checkNow();
            QCOMPARE(::underlined(note), on ? underlined : QStringList{});
            saved[on] =
                QStringList{note->rtxtMain->TextRTF(), note->rtxtMain->Text()} + alarmLines(note);
        }
        QCOMPARE(saved[true], saved[false]);
    }

    void suggestionReplacesTheWord_data()
    {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("marked");
        QTest::newRow("plain word") << false << false;
        QTest::newRow("bold word stays bold") << true << false;
        QTest::newRow("word in a mark is greyed") << false << true;
    }

    void suggestionReplacesTheWord()
    {
        QFETCH(bool, bold);
        QFETCH(bool, marked);
        SpellingApp run;
        frmNote *note = shownNote(run, "I recieve it");
        selectRange(*note->rtxtMain, 2, 7);
        note->rtxtMain->setSelBold(bold);
        if (marked)
            addAlarm(note, 2, 7, 1);
        const QString before = note->rtxtMain->Text();
        note->spelling().checkNow();

        QMenu *menu = openMenuOn(note, "recieve");
        const QList<QAction *> items = note->spelling().menuItems();
        QVERIFY(items.size() >= 4 && items.size() <= 8);
        QCOMPARE(menu->actions().mid(0, items.size()), items);
        QCOMPARE(items.at(items.size() - 3)->text(), QStringLiteral("Add to Dictionary"));
        QAction *receive = item(menu, "receive");
        QVERIFY(receive);
        QCOMPARE(receive->isEnabled(), !marked);
        receive->trigger();
        menu->hide();
        if (marked) {
            QCOMPARE(note->rtxtMain->Text(), before);
            return;
        }
        QCOMPARE(note->rtxtMain->Text(), QStringLiteral("I receive it"));
        selectRange(*note->rtxtMain, 2, 7);
        QCOMPARE(note->rtxtMain->SelBold(), std::optional<bool>(bold));
        note->rtxtMain->undo();
        QCOMPARE(note->rtxtMain->Text(), before);
    }

    void ignoreAllAndAddReachEveryNote_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("word");
        QTest::newRow("ignore all") << "Ignore All"
                                    << "zorblefrump";
        QTest::newRow("add to dictionary") << "Add to Dictionary"
                                           << "quillmonger";
    }

    void ignoreAllAndAddReachEveryNote()
    {
        QFETCH(QString, command);
        QFETCH(QString, word);
        SpellingApp run;
        frmNote *first = shownNote(run, word + " here");
        frmNote *second = shownNote(run, "and " + word);
        second->spelling().checkNow();
        QCOMPARE(underlined(second), QStringList{word});
        QMenu *menu = openMenuOn(first, word);
        item(menu, command)->trigger();
        menu->hide();
        QTRY_VERIFY(underlined(second).isEmpty());
    }

    void hiddenNoteIsCheckedWhenShown()
    {
        SpellingApp run;
        frmNote *note = loadedNote(run.app, "a wrogn word");
        note->spelling().checkNow();
        QVERIFY(underlined(note).isEmpty());
        note->show();
        QTRY_COMPARE(underlined(note), QStringList{"wrogn"});
    }

    void missingDictionaryTurnsSpellingOffWithOneNotice()
    {
        SpellingApp run;
        IniFile options(run.options);
        options.setValue(Spelling::Section, Spelling::LanguageKey, "zz_ZZ");
        QVERIFY(options.save());
        const QByteArray stored = FileBytes::read(run.options);
        frmNote *first = shownNote(run, "a wrogn word");
        frmNote *second = shownNote(run, "teh end");
        first->spelling().checkNow();
        second->spelling().checkNow();
        QTRY_COMPARE(run.app.prompter.shown.size(), 1);
        QTest::qWait(50);
        QCOMPARE(run.app.prompter.shown.size(), 1);
        QVERIFY(run.app.prompter.shown.first().text.contains("zz_ZZ"));
        QVERIFY(underlined(first).isEmpty() && underlined(second).isEmpty());
        QCOMPARE(FileBytes::read(run.options), stored);
    }

    void optionsSwitchEveryNote()
    {
        SpellingApp run;
        frmNote *note = shownNote(run, "a wrogn word");
        note->spelling().checkNow();
        QCOMPARE(underlined(note), QStringList{"wrogn"});
        auto *options = new frmOptions(run.app.ctx);
        options->Load();
        options->txtName->setText("Someone");
        options->txtDelay->setText("5");
        SpellingOptions *spelling = options->fraSpelling;
        QVERIFY(spelling->chkSpelling->isChecked());
        QCOMPARE(spelling->cboLanguage->currentData().toString(), SpellTestSetup::Language);
        spelling->chkSpelling->click();
        QVERIFY(options->cmdApply->isEnabled());
        options->cmdApply->click();
        QTRY_VERIFY(underlined(note).isEmpty());
        const IniFile stored(run.options);
        QCOMPARE(stored.value(Spelling::Section, Spelling::CheckKey), QStringLiteral("no"));
        spelling->chkSpelling->click();
        options->cmdApply->click();
        QTRY_COMPARE(underlined(note), QStringList{"wrogn"});
    }
};

QTEST_MAIN(tst_NoteSpelling)
#include "tst_NoteSpelling.moc"
