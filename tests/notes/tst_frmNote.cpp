#include "TestApp.h"
#include "alarms/AlarmTick.h"
#include "notes/LazyPictureButton.h"
#include "notes/PictureButton.h"
#include "notes/frmNote.h"
#include "notes/frmToolTip.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/TopMost.h"
#include "shell/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QScreen>
#include <QTest>

namespace {

frmNote *loadNote(TestApp &app, bool live = true)
{
    auto *note = new frmNote(app.ctx);
    note->Load();
    note->bolShown = live;
    return note;
}

// Types out the whole caption, letting each line scroll away as it would.
void typeOut(frmNote *note, int maxTicks = 2000)
{
    note->tmrType.start();
    for (int tick = 0; tick < maxTicks && note->tmrType.isActive(); ++tick) {
        note->tmrType_Timer();
        QTRY_VERIFY(!note->isTypeScrolling());
    }
}

} // namespace

class tst_frmNote : public QObject
{
    Q_OBJECT

private slots:
    void fullSizeAndLayout()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        QCOMPARE(note->Width(), 3945);
        QCOMPARE(note->Height(), 2475);
        QCOMPARE(note->size(), QSize(263, 165));
        QVERIFY(!note->Picture().isNull());
        QCOMPARE(note->Picture().size(), QSize(261, 163));
        QCOMPARE(note->rtxtMain->geometry(), QRect(1 + 5, 1 + 35, 249, 89));
        QCOMPARE(note->butB->geometry(), QRect(1 + 7, 1 + 20, 10, 11));
        QCOMPARE(note->butClose->geometry(), QRect(1 + 248, 1 + 4, 9, 9));
        QCOMPARE(note->butMenu->geometry(), QRect(1 + 10, 1 + 147, 30, 9));
        for (LazyPictureButton *c :
             {note->butBC, note->butIC, note->butUC, note->butSC, note->butBulletC, note->butAlarmC,
              note->butMinC, note->butHideC, note->butCloseC, note->butMenuC})
            QVERIFY(c->isHidden());
        QVERIFY(!note->picBullet || note->picBullet->isHidden());
        QCOMPARE(note->lstAlarms->count(), 0);
        QCOMPARE(note->butS->toolTip(), QStringLiteral("Strikethrough"));
        QCOMPARE(note->butAlarmC->toolTip(), QStringLiteral("Remove Alarm"));
        QCOMPARE(note->tmrType.interval(), 50);
        // The note's alarm check runs on the program's one-second tick.
        QCOMPARE(AlarmTick::attach(app.ctx)->tmrAlarms.interval(), 1000);
        QVERIFY(AlarmTick::attach(app.ctx)->tmrAlarms.isActive());
    }

    void noteCarriesTheProgramsIcon()
    {
        TestApp app;
        const QIcon program(QStringLiteral(":/note/icon48.png"));
        QApplication::setWindowIcon(program);
        frmNote *note = loadNote(app);
        // An icon of the note's own would go to the window system once more for every note.
        QCOMPARE(note->windowIcon().cacheKey(), program.cacheKey());
        QCOMPARE(note->windowIcon().availableSizes(), QList<QSize>{QSize(48, 48)});
    }

    void menuCaptions_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("main") << "mnuMain"
                              << QStringList{"&New Note",
                                             "&Minimize",
                                             "&Always On Top",
                                             "On All &Workspaces",
                                             "Saving",
                                             "&Save As...",
                                             "&Print...",
                                             "",
                                             "&Options...",
                                             "Change &Skin...",
                                             "",
                                             "&Alarm",
                                             "",
                                             "Clear",
                                             "&Font",
                                             "Others",
                                             "&About...",
                                             "On &Web",
                                             "",
                                             "&Delete",
                                             "&Hide"};
        QTest::newRow("title") << "mnuTitle"
                               << QStringList{"&Hide", "", "&Minimize", "&Restore", "", "&Delete"};
        QTest::newRow("context") << "mnuCon" << QStringList{"&Undo", "",           "Cu&t",
                                                            "&Copy", "&Paste",     "&Delete",
                                                            "",      "Set &Alarm", "&Remove Alarm",
                                                            "",      "&Select All"};
        QTest::newRow("tray") << "mnuTray"
                              << QStringList{"&New Note",
                                             "No&tes…",
                                             "",
                                             "&Show All Notes",
                                             "&Hide All Notes",
                                             "&Minimize All Notes",
                                             "&Restore All Notes",
                                             "",
                                             "&Always On Top",
                                             "",
                                             "&Options...",
                                             "Change &Skin...",
                                             "A&larms...",
                                             "&Import Notes...",
                                             "&Export All Notes...",
                                             "",
                                             "&About...",
                                             "&Help",
                                             "",
                                             "E&xit"};
    }
    void menuCaptions()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, captions);
        TestApp app;
        frmNote *note = loadNote(app);
        note->menus();
        auto *m = note->findChild<QMenu *>(menu);
        QVERIFY(m);
        QStringList shown;
        for (QAction *action : m->actions())
            shown << action->text();
        QCOMPARE(shown, captions);
    }

    // A note builds its menus only when one is first needed; what was set before shows then.
    void menusShowWhatWasSetBeforeTheyWereBuilt_data()
    {
        QTest::addColumn<bool>("builtFirst");
        QTest::newRow("set before the menus are built") << false;
        QTest::newRow("set after") << true;
    }
    void menusShowWhatWasSetBeforeTheyWereBuilt()
    {
        QFETCH(bool, builtFirst);
        TestApp app;
        frmNote *note = loadNote(app);
        QVERIFY(!note->menusBuilt());
        if (builtFirst)
            note->menus();
        QMenu tray;
        note->setOnTop(true);
        note->setAllNotesMenu(&tray);
        note->rtxtMain->setText(QStringLiteral("bold"));
        note->rtxtMain->setSelStart(0);
        note->rtxtMain->setSelLength(4);
        note->rtxtMain->setSelBold(true);
        note->rtxtMain_SelChange();
        const NoteMenus &m = note->menus();
        QVERIFY(m.mnuTop->isChecked());
        QVERIFY(m.mnuFontBold->isChecked());
        QVERIFY(!m.mnuAlarmClear->isEnabled()); // nothing protected is selected
        QCOMPARE(m.mnuMain->actions().count(tray.menuAction()), 1);
        // The menu's check mark and the note's state stay one.
        m.mnuTop->trigger();
        QVERIFY(!note->isOnTop());
    }

    void menuPicturesAndChecks()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        QVERIFY(!note->menus().mnuNewNote->icon().isNull());
        QVERIFY(!note->menus().mnuSave->icon().isNull());
        QVERIFY(!note->menus().mnuOptions->icon().isNull());
        QVERIFY(!note->menus().mnuFont->menuAction()->icon().isNull());
        QVERIFY(note->menus().mnuPrint->icon().isNull());
        QVERIFY(note->menus().mnuTop->isCheckable() && note->menus().mnuFontBold->isCheckable());
        QVERIFY(!note->menus().mnuDelete->isCheckable());
        QVERIFY(!note->menus().mnuDash1->isSeparator()); // a titled separator is a label
        QVERIFY(note->menus().mnuDash2->isSeparator());
        // The title's label is there when the menu shows.
        note->menus().mnuMain->popup(QPoint(0, 0));
        QTRY_VERIFY(note->menus().mnuMain->isVisible());
        QStringList titles;
        for (const QLabel *label : note->menus().mnuMain->findChildren<QLabel *>("menuTitle"))
            titles << label->text();
        QCOMPARE(titles, QStringList({"Saving", "Others"}));
        note->menus().mnuMain->hide();
        // Every note shows the same pictures, held once.
        frmNote *other = loadNote(app);
        QCOMPARE(other->butB->pixmap().cacheKey(), note->butB->pixmap().cacheKey());
        QCOMPARE(other->imgBase->pixmap().cacheKey(), note->imgBase->pixmap().cacheKey());
    }

    void minimizeThenRestoreGivesFullSize_data()
    {
        QTest::addColumn<int>("startWidth");
        QTest::addColumn<int>("startHeight");
        QTest::newRow("full") << 3945 << 2475;
        QTest::newRow("odd size") << 3001 << 1999;
    }
    void minimizeThenRestoreGivesFullSize()
    {
        QFETCH(int, startWidth);
        QFETCH(int, startHeight);
        TestApp app;
        frmNote *note = loadNote(app);
        note->setWidth(startWidth);
        note->setHeight(startHeight);
        note->show();
        note->Minimize();
        QTRY_VERIFY(note->isBullet());
        QCOMPARE(note->Width(), 35 * 15 + 50);
        QCOMPARE(note->Height(), 34 * 15 + 50);
        // The bullet's disc, whole within its 35 x 34 picture.
        QCOMPARE(note->mask().boundingRect(), QRect(2, 2, 31, 31));
        QVERIFY(!note->mask().contains(QPoint(3, 3))); // round, not square
        note->Restore();
        QVERIFY(!note->isBullet());
        QTRY_COMPARE(note->Width(), 3945);
        QTRY_COMPARE(note->Height(), 2475);
        QVERIFY(note->mask().isEmpty());
    }

    void titleMenuOffersRestoreOnlyOnTheBullet()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->show();
        QTest::mouseRelease(note, Qt::RightButton, {}, QPoint(150, 140));
        QVERIFY(note->menus().mnuTitleMinimize->isEnabled());
        QVERIFY(!note->menus().mnuTitleRestore->isEnabled());
        note->menus().mnuTitle->hide();
        note->ShowBullet();
        QTest::mouseRelease(note->picBullet, Qt::RightButton, {}, QPoint(17, 17));
        QVERIFY(!note->menus().mnuTitleMinimize->isEnabled());
        QVERIFY(note->menus().mnuTitleRestore->isEnabled());
        note->menus().mnuTitle->hide();
    }

    // A pressed or "on" look first shown while the note is a bullet lies under the bullet, and
    // over its own button once the note is back.
    void onLookMadeOnABulletStaysUnderIt()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->show();
        note->ShowBullet();
        note->rtxtMain->setText(QStringLiteral("bold"));
        note->rtxtMain->setSelStart(0);
        note->rtxtMain->setSelLength(4);
        note->rtxtMain->setSelBold(true);
        QVERIFY(note->butBC->isVisible());
        const QPoint bold = note->butB->geometry().center();
        QWidget *top = note->childAt(bold);
        QVERIFY(top == note->picBullet || note->picBullet->isAncestorOf(top));
        note->picBullet->hide();
        QCOMPARE(note->childAt(bold), note->butBC->get());
    }

    // A window button shows its pressed look while held and runs its command only when the
    // left button is let go over it; the note stays put while the button is held.
    void commandButtonsRunWhenLetGoOverThem_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<Qt::MouseButton>("mouse");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<bool>("runs");
        for (const char *command : {"delete", "minimize", "hide", "grow"}) {
            QTest::addRow("%s, clicked", command)
                << command << Qt::LeftButton << QPoint(4, 4) << true;
            QTest::addRow("%s, let go beside it", command)
                << command << Qt::LeftButton << QPoint(30, 30) << false;
            QTest::addRow("%s, right button", command)
                << command << Qt::RightButton << QPoint(4, 4) << false;
        }
    }
    void commandButtonsRunWhenLetGoOverThem()
    {
        QFETCH(QString, command);
        QFETCH(Qt::MouseButton, mouse);
        QFETCH(QPoint, release);
        QFETCH(bool, runs);
        TestApp app;
        frmNote *note = loadNote(app);
        note->show();
        if (command == "grow")
            note->ShowBullet();
        const QMap<QString, std::pair<PictureButton *, LazyPictureButton *>> buttons{
            {"delete", {note->butClose, note->butCloseC}},
            {"minimize", {note->butMin, note->butMinC}},
            {"hide", {note->butHide, note->butHideC}},
            {"grow", {note->butGrow, note->butGrowC}}};
        const auto [button, pressed] = buttons.value(command);
        QTest::mousePress(button, mouse, {}, QPoint(4, 4));
        QCOMPARE(pressed->isVisible(), mouse == Qt::LeftButton);
        // Moving with the button held stays with the button: the note does not drag.
        const QPoint place = note->pos();
        QMouseEvent move(QEvent::MouseMove, QPointF(release), button->mapToGlobal(QPointF(release)),
                         Qt::NoButton, mouse, {});
        QApplication::sendEvent(button, &move);
        QCOMPARE(note->pos(), place);
        QTest::mouseRelease(button, mouse, {}, release);
        QVERIFY(pressed->isHidden());
        // The prompter answers "Delete current note?" with No.
        const bool ran = command == "delete"     ? app.prompter.shown.size() == 1
                         : command == "minimize" ? note->tmrMin.isActive()
                         : command == "hide"     ? note->isHidden()
                                                 : note->tmrRestore.isActive();
        QCOMPARE(ran, runs);
    }

    void draggingMovesByTheMouse()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->Move(1500, 1500);
        note->show();
        QTest::mousePress(note, Qt::LeftButton, {}, QPoint(150, 140));
        QMouseEvent move(QEvent::MouseMove, QPointF(170, 150), note->mapToGlobal(QPointF(170, 150)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(note, &move);
        QCOMPARE(note->Left(), 1500 + 20 * 15);
        QCOMPARE(note->Top(), 1500 + 10 * 15);
    }

    void positionsStayExactInTwips()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->Move(50, 1234);
        QCOMPARE(note->Left(), 50);
        QCOMPARE(note->Top(), 1234);
        note->move(100, 100); // moved by the desktop
        QCOMPARE(note->Left(), 1500);
    }

    void newNotePlacement_data()
    {
        QTest::addColumn<double>("r1");
        QTest::addColumn<double>("r2");
        QTest::addColumn<bool>("onTop");
        QTest::newRow("lowest") << 0.0 << 0.0 << false;
        QTest::newRow("middle") << 0.5 << 0.5 << true;
        QTest::newRow("highest") << 0.9999999 << 0.9999999 << false;
    }
    void newNotePlacement()
    {
        QFETCH(double, r1);
        QFETCH(double, r2);
        QFETCH(bool, onTop);
        TestApp app;
        frmNote *menuNote = loadNote(app, false);
        frmNote *parent = loadNote(app);
        parent->setPicture(QPixmap(":/note/bullet.png"));
        parent->Skin = "Ocean";
        if (onTop) {
            parent->menus().mnuTop->setChecked(true);
            parent->mnuTop_Click();
        }
        app.random.numbers << r1 << r2;
        parent->mnuNewNote_Click();
        const auto notes = app.forms.formsNamed("frmNote");
        QCOMPARE(notes.size(), 3);
        auto *made = qobject_cast<frmNote *>(notes.last());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const int sw = screen.width() * 15, sh = screen.height() * 15;
        QCOMPARE(made->Left(), int(std::floor((sw - menuNote->Width() - 400 + 1) * r1 + 200)));
        QCOMPARE(made->Top(), int(std::floor((sh / 1.5 - 300 + 1) * r2 + 200)));
        QVERIFY(made->Left() >= 200 && made->Left() <= sw - menuNote->Width() - 200);
        QVERIFY(made->Top() >= 200 && made->Top() <= sh * 2 / 3 - 100);
        QVERIFY(made->bolShown);
        QVERIFY(made->isVisible());
        QCOMPARE(made->Skin, QString());
        QCOMPARE(made->Picture().toImage(), parent->Picture().toImage());
        QCOMPARE(TopMost::isTopMost(made), onTop);
        QCOMPARE(made->menus().mnuTop->isChecked(), onTop);
    }

    void greeting_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("11:59") << 11 << 59 << "Ada"
                               << "Good morning Ada.";
        QTest::newRow("12:00") << 12 << 0 << "Ada"
                               << "Good evening Ada.";
        QTest::newRow("19:59") << 19 << 59 << "Ada"
                               << "Good evening Ada.";
        QTest::newRow("20:00") << 20 << 0 << "Ada"
                               << "Good night Ada.";
        QTest::newRow("23:59") << 23 << 59 << "Ada"
                               << "Good night Ada.";
        QTest::newRow("00:00") << 0 << 0 << "Ada"
                               << "Good morning Ada.";
        QTest::newRow("no name") << 9 << 0 << ""
                                 << "Good morning .";
    }
    void greeting()
    {
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        TestApp app;
        app.clock.setTimeOfDay(hour, minute);
        app.vars.UserName = name;
        frmNote *first = loadNote(app);
        frmNote *second = loadNote(app);
        first->show();
        first->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(first));
        QVERIFY(app.vars.Greeted);
        QCOMPARE(first->lblAds->text(), expected);
        QVERIFY(first->tmrType.isActive());
        second->show();
        second->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(second));
        QVERIFY(!second->tmrType.isActive());
        QCOMPARE(second->lblAds->text(), QString());
    }

    void typewriterTypesOneCharacterPerTick()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->lblAds->setText("Hello there");
        note->tmrType.start();
        note->tmrType_Timer();
        QCOMPARE(note->lblAds->text(), QStringLiteral("H"));
        QVERIFY(note->lblAds->isVisible() || !note->isVisible());
        note->tmrType_Timer();
        QCOMPARE(note->lblAds->text(), QStringLiteral("He"));
        // A new caption while typing is not picked up.
        note->lblAds->setText("Other");
        note->tmrType_Timer();
        QCOMPARE(note->lblAds->text(), QStringLiteral("Hel"));
        for (int i = 0; i < 8; ++i)
            note->tmrType_Timer();
        QCOMPARE(note->lblAds->text(), QStringLiteral("Hello there"));
        QVERIFY(note->tmrType.isActive());
        note->tmrType_Timer();
        QVERIFY(!note->tmrType.isActive());
    }

    void typewriterBreaksOnlyAtSpaces()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        const QString words = QStringLiteral(
            "Remember to water the plants and to call the plumber about the kitchen sink today");
        note->lblAds->setText(words);
        QStringList lines;
        note->tmrType.start();
        QString last;
        for (int tick = 0; tick < 500 && note->tmrType.isActive(); ++tick) {
            note->tmrType_Timer();
            if (note->isTypeScrolling()) {
                lines << note->lblAds->text();
                QTRY_VERIFY(!note->isTypeScrolling());
            }
            last = note->lblAds->text();
        }
        lines << last;
        QVERIFY2(lines.size() >= 2, qPrintable(lines.join('|')));
        QCOMPARE(lines.join(' '), words);
        const int limit = (note->Width() - 900) / 15;
        for (const QString &line : lines.mid(0, lines.size() - 1))
            QVERIFY(note->fontMetrics().horizontalAdvance(line) <= limit);

        const QString solid(300, QLatin1Char('x'));
        note->lblAds->setText(solid);
        typeOut(note);
        QCOMPARE(note->lblAds->text(), solid);
    }

    void balloonShortensLongTexts_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("dots");
        QTest::newRow("200") << 200 << 200 << false;
        QTest::newRow("201") << 201 << 201 << true;
        QTest::newRow("230") << 230 << 230 << true;
        QTest::newRow("300") << 300 << 250 << true;
    }
    void balloonShortensLongTexts()
    {
        QFETCH(int, length);
        QFETCH(int, kept);
        QFETCH(bool, dots);
        TestApp app;
        frmNote *note = loadNote(app);
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar('a' + i % 26);
        note->LoadToolTip(text, 1, 4000);
        frmToolTip *balloon = frmToolTip::Loaded(app.ctx);
        QVERIFY(balloon);
        QCOMPARE(balloon->lblToolTip->text(), text.left(kept) + (dots ? "..." : ""));
    }

    void balloonIsOneAndIsReplaced()
    {
        TestApp app;
        frmNote *a = loadNote(app);
        frmNote *b = loadNote(app);
        a->Move(1500, 1500);
        b->Move(6000, 3000);
        a->LoadToolTip("first", 1, 4000);
        b->LoadToolTip("second", 1, 3000);
        QCOMPARE(app.forms.formsNamed("frmToolTip").size(), 1);
        frmToolTip *balloon = frmToolTip::Loaded(app.ctx);
        QCOMPARE(balloon->lblToolTip->text(), QStringLiteral("second"));
        QCOMPARE(balloon->pos(),
                 QPoint(Twips::toPixels(6000 + 3945 - 300), Twips::toPixels(3000 + 700)));
        QCOMPARE(balloon->tmrUnload.interval(), 3000);
        QVERIFY(balloon->tmrUnload.isActive());
        QVERIFY(balloon->width() >= 40);
        QCOMPARE(balloon->height(), balloon->lblToolTip->height() + 10);
        const auto points = balloon->outlinePoints();
        QCOMPARE(points[5], QPoint(0, 20));
        QCOMPARE(points[1], QPoint(balloon->width() - 3, 0));
        QVERIFY(!balloon->mask().contains(QPoint(2, 2)));
        QVERIFY(balloon->mask().contains(QPoint(3, 20)));
        QTest::mouseClick(balloon->lblToolTip, Qt::LeftButton);
        QVERIFY(!frmToolTip::Loaded(app.ctx));
    }

    void deleteAnsweredNoChangesNothing()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->menus().mnuTop->setChecked(true);
        note->mnuTop_Click();
        app.prompter.answers << Prompter::Answer::No;
        note->mnuDelete_Click();
        QCOMPARE(app.prompter.shown.size(), 1);
        QCOMPARE(app.prompter.shown[0].text, QStringLiteral("Delete current note?"));
        QCOMPARE(app.prompter.shown[0].title, QStringLiteral("Pennyquill"));
        QVERIFY(app.prompter.shown[0].icon == Prompter::Icon::Question);
        QVERIFY(app.prompter.shown[0].buttons == Prompter::Buttons::YesNo);
        QVERIFY(note->isLoaded());
        QVERIFY(TopMost::isTopMost(note));
    }

    void deletingTheLastNoteKeepsTheProgram()
    {
        TestApp app;
        loadNote(app, false); // the hidden menu note
        frmNote *note = loadNote(app);
        bool ended = false;
        QObject::connect(&app.forms, &FormRegistry::lastFormUnloaded, [&] { ended = true; });
        app.prompter.answers << Prompter::Answer::Yes;
        note->DeleteNote();
        QCOMPARE(app.forms.formsNamed("frmNote").size(), 1);
        QVERIFY(!ended);
    }

    void skinItemsNeedTheSkinDialog()
    {
        TestApp app;
        frmNote *without = loadNote(app);
        QVERIFY(!without->menus().mnuSkins->isEnabled());
        QVERIFY(!without->menus().mnuTraySkin->isEnabled());
        app.forms.setFactory("frmSkins", [&app] { return new frmToolTip(app.ctx); });
        frmNote *with = loadNote(app);
        QVERIFY(with->menus().mnuSkins->isEnabled());
        QVERIFY(with->menus().mnuTraySkin->isEnabled());
    }

    void webItemsOpenTheMakersPages()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->mnuHelpVWeb_Click();
        note->mnuHelpDWeb_Click();
        QCOMPARE(app.shell.opened.size(), 2);
        QVERIFY(app.shell.opened[0].toString().endsWith("?from=pennyquill"));
        QVERIFY(app.shell.opened[1].toString().contains("/products/pennyquill/?from=pennyquill"));
    }

    void bulletHoverShowsTheText()
    {
        TestApp app;
        frmNote *note = loadNote(app);
        note->rtxtMain->setSelText("Buy milk");
        note->Move(3000, 3000);
        note->show();
        note->ShowBullet();
        QMouseEvent hover(QEvent::MouseMove, QPointF(10, 10),
                          note->picBullet->mapToGlobal(QPointF(10, 10)), Qt::NoButton, Qt::NoButton,
                          {});
        QApplication::sendEvent(note->picBullet, &hover);
        frmToolTip *balloon = frmToolTip::Loaded(app.ctx);
        QVERIFY(balloon);
        QCOMPARE(balloon->lblToolTip->text(), QStringLiteral("Buy milk"));
        QCOMPARE(balloon->pos(), QPoint(Twips::toPixels(3000 + 430), Twips::toPixels(3000 - 10)));
    }
};

QTEST_MAIN(tst_frmNote)
#include "tst_frmNote.moc"
