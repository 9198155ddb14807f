#include "NoteFixtures.h"
#include "notes/NoteMenus.h"
#include "notes/PictureButton.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>

using namespace NoteFixtures;

namespace {

frmNote *shownNote(TestApp &app, const QString &text)
{
    frmNote *note = loadedNote(app, text);
    note->bolShown = true;
    note->show();
    QApplication::setActiveWindow(note);
    note->rtxtMain->setFocus();
    return note;
}

enum class Outcome { NewNote, Hidden, Bullet, DeleteAsked, PrintAsked, AlarmDialog };

} // namespace

// What the keyboard reaches without a mouse, and what a screen reader sees of it.
class tst_NoteKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void commandKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<Outcome>("outcome");
        const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
        const auto ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << ctrl << Outcome::NewNote;
        QTest::newRow("Ctrl+Shift+H") << int(Qt::Key_H) << ctrlShift << Outcome::Hidden;
        QTest::newRow("Ctrl+Shift+B") << int(Qt::Key_B) << ctrlShift << Outcome::Bullet;
        QTest::newRow("Ctrl+D") << int(Qt::Key_D) << ctrl << Outcome::DeleteAsked;
        QTest::newRow("Ctrl+P") << int(Qt::Key_P) << ctrl << Outcome::PrintAsked;
        QTest::newRow("Ctrl+Shift+A") << int(Qt::Key_A) << ctrlShift << Outcome::AlarmDialog;
    }
    void commandKeys()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(Outcome, outcome);
        TestApp app;
        app.prompter.defaultAnswer = Prompter::Answer::No;
        frmNote *note = shownNote(app, QStringLiteral("call the plumber"));
        selectRange(*note->rtxtMain, 9, 7);
        QTest::keyClick(note->rtxtMain, Qt::Key(key), modifiers);
        // The key ran its command and typed nothing.
        QCOMPARE(note->rtxtMain->Text(), QStringLiteral("call the plumber"));
        switch (outcome) {
        case Outcome::NewNote:
            QCOMPARE(app.forms.formsNamed(QStringLiteral("frmNote")).size(), 2);
            break;
        case Outcome::Hidden:
            QVERIFY(note->isHidden());
            break;
        case Outcome::Bullet:
            QTRY_VERIFY(note->picBullet && note->picBullet->isVisible());
            // The bullet takes the keyboard: Enter grows it back.
            QTest::keyClick(note->picBullet, Qt::Key_Return);
            QTRY_VERIFY(note->picBullet->isHidden());
            break;
        case Outcome::DeleteAsked:
            QCOMPARE(app.prompter.shown.size(), 1);
            QVERIFY(!note->isHidden());
            break;
        case Outcome::PrintAsked:
            QCOMPARE(app.prompter.printRequests, 1);
            break;
        case Outcome::AlarmDialog:
            QVERIFY(app.forms.find(QStringLiteral("frmAlarmSet")));
            break;
        }
    }

    void redoKeys_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+Y") << Qt::KeyboardModifiers(Qt::ControlModifier) << int(Qt::Key_Y);
        QTest::newRow("Ctrl+Shift+Z")
            << (Qt::ControlModifier | Qt::ShiftModifier) << int(Qt::Key_Z);
    }
    void redoKeys()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, key);
        TestApp app;
        frmNote *note = shownNote(app, QString());
        QTest::keyClicks(note->rtxtMain, QStringLiteral("ab"));
        QTest::keyClick(note->rtxtMain, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(note->rtxtMain->Text() != QStringLiteral("ab"));
        QTest::keyClick(note->rtxtMain, Qt::Key(key), modifiers);
        QCOMPARE(note->rtxtMain->Text(), QStringLiteral("ab"));
    }

    void menuKeyOpensTextMenuAndCtrlTabLeavesText()
    {
        TestApp app;
        frmNote *note = shownNote(app, QStringLiteral("text"));
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(note->rtxtMain, &menuKey);
        QTRY_VERIFY(note->menus().mnuCon->isVisible());
        note->menus().mnuCon->hide();
        QTest::keyClick(note->rtxtMain, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(note->menus().mnuCon->isVisible());
        note->menus().mnuCon->hide();
        QTest::keyClick(note->rtxtMain, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(note->rtxtMain->Text(), QStringLiteral("text"));
        QVERIFY(qobject_cast<PictureButton *>(QApplication::focusWidget()));
    }

    void formatButtonIsAPressableToggleForScreenReaders()
    {
        TestApp app;
        frmNote *note = shownNote(app, QStringLiteral("Groceries\r\nmilk"));
        note->rtxtMain_Change();
        QCOMPARE(QAccessible::queryAccessibleInterface(note->rtxtMain)->text(QAccessible::Name),
                 QStringLiteral("Groceries"));
        QCOMPARE(QAccessible::queryAccessibleInterface(note->lblAds)->role(),
                 QAccessible::StatusBar);
        selectRange(*note->rtxtMain, 0, 9);
        QAccessibleInterface *bold = QAccessible::queryAccessibleInterface(note->butB);
        QCOMPARE(bold->role(), QAccessible::Button);
        QVERIFY(bold->state().checkable);
        for (const bool on : {true, false}) {
            bold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(note->rtxtMain->SelBold(), std::optional<bool>(on));
            QCOMPARE(bool(bold->state().checked), on);
            // The "on" look lying over the button is not a second button.
            QCOMPARE(bold->childCount(), 0);
        }
        QAccessibleInterface *hide = QAccessible::queryAccessibleInterface(note->butHide);
        QVERIFY(!hide->state().checkable);
        hide->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(note->isHidden());
    }
};

QTEST_MAIN(tst_NoteKeyboard)
#include "tst_NoteKeyboard.moc"
