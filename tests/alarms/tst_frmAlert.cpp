#include "NoteFixtures.h"
#include "alarms/frmAlert.h"
#include "shell/NotesBus.h"
#include "shell/Twips.h"
#include "widgets/lcd/LCDEffect.h"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

using NoteFixtures::alarmLine;
using NoteFixtures::alarmLines;

frmNote *noteWith(TestApp &app, const QStringList &lines)
{
    frmNote *note = NoteFixtures::loadedNote(app);
    note->bolShown = true;
    note->lstAlarms->addItems(lines);
    return note;
}

QList<frmAlert *> alerts(TestApp &app)
{
    QList<frmAlert *> result;
    for (Form *form : app.forms.formsNamed(QStringLiteral("frmAlert")))
        result.append(qobject_cast<frmAlert *>(form));
    return result;
}

QPoint pixels(const QPoint &twips)
{
    return {Twips::toPixels(twips.x()), Twips::toPixels(twips.y())};
}

// Where the first alert of a run goes on the alert's screen, in twips.
QPoint centreTwips(const frmAlert *alert)
{
    const QRect px = alert->screen()->availableGeometry();
    const QRect screen(Twips::fromPixels(px.x()), Twips::fromPixels(px.y()),
                       Twips::fromPixels(px.width()), Twips::fromPixels(px.height()));
    return frmAlert::Placement(QPoint(), QSize(frmAlert::ClientWidth, frmAlert::ClientHeight),
                               screen);
}

int litLights(const LCDEffect *panel)
{
    int lit = 0;
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column)
            lit += panel->LightColor(row, column) == 255 ? 1 : 0;
    return lit;
}

// Ticks whichever effect runs until it ends; the lights lit at that moment.
int runEffect(LCDEffect *panel)
{
    int lit = -1;
    const auto connection =
        QObject::connect(panel, &LCDEffect::EffectFinished, [&] { lit = litLights(panel); });
    const std::pair<QTimer *, void (LCDEffect::*)()> timers[] = {
        {&panel->tmrBarRight, &LCDEffect::tmrBarRight_Timer},
        {&panel->tmrRoll, &LCDEffect::tmrRoll_Timer},
        {&panel->tmrSlice, &LCDEffect::tmrSlice_Timer},
        {&panel->tmrSlideOver, &LCDEffect::tmrSlideOver_Timer},
        {&panel->tmrBandsOver, &LCDEffect::tmrBandsOver_Timer},
        {&panel->tmrBlink, &LCDEffect::tmrBlink_Timer},
        {&panel->tmrCircle, &LCDEffect::tmrCircle_Timer},
        {&panel->tmrCleanUp, &LCDEffect::tmrCleanUp_Timer}};
    for (int tick = 0; tick < 500 && lit < 0; ++tick)
        for (const auto &[timer, handler] : timers)
            if (timer->isActive()) {
                (panel->*handler)();
                break;
            }
    QObject::disconnect(connection);
    return lit;
}

} // namespace

class tst_frmAlert : public QObject
{
    Q_OBJECT
private slots:
    void answer_data();
    void answer();
    void fallsDueOnce();
    void twoInOneCheckCascade();
    void movedAlertPaintsItsPlace_data();
    void movedAlertPaintsItsPlace();
    void placement_data();
    void placement();
    void effectChain_data();
    void effectChain();
    void sound_data();
    void sound();
    void answerTakesTheNotificationBack_data();
    void answerTakesTheNotificationBack();
    void repeatingAlarmComesBack();
    void missedAlarmSaysWhen();
    void dismissRemovesTheRightEntry_data();
    void dismissRemovesTheRightEntry();
    void snooze_data();
    void snooze();
    void deletedNoteClosesItsAlerts();
    void restoredPlayedEntryReopens();
};

void tst_frmAlert::answer_data()
{
    QTest::addColumn<int>("key");        // 0: a click on Snooz
    QTest::addColumn<QString>("target"); // the control with the focus
    QTest::addColumn<bool>("dismissed"); // else the snooze menu opens
    QTest::newRow("Snooz button") << 0 << "cmdSnooz" << false;
    QTest::newRow("Esc in the message") << int(Qt::Key_Escape) << "txtMsg" << false;
    QTest::newRow("Return in the message") << int(Qt::Key_Return) << "txtMsg" << true;
    QTest::newRow("Enter on Dismiss") << int(Qt::Key_Enter) << "cmdOK" << true;
    QTest::newRow("Return on Snooz") << int(Qt::Key_Return) << "cmdSnooz" << false;
}

void tst_frmAlert::answer()
{
    QFETCH(int, key);
    QFETCH(QString, target);
    QFETCH(bool, dismissed);
    TestApp app;
    frmNote *note = noteWith(app, {alarmLine(1, QStringLiteral("9:00 AM"))});
    note->tmrAlarms_Timer();
    QCOMPARE(alerts(app).size(), 1);
    frmAlert *alert = alerts(app).first();
    QCOMPARE(alert->txtMsg->toPlainText(), QStringLiteral("Message 1"));
    // Tab order: Dismiss, the message, Snooz.
    QCOMPARE(alert->cmdOK->nextInFocusChain(), alert->txtMsg);
    QWidget *afterMsg = alert->txtMsg->nextInFocusChain();
    while (afterMsg && afterMsg->focusPolicy() == Qt::NoFocus)
        afterMsg = afterMsg->nextInFocusChain();
    QCOMPARE(afterMsg, alert->cmdSnooz);

    if (key == 0) {
        alert->cmdSnooz_Click();
    } else {
        QWidget *focus = alert->findChild<QWidget *>(target);
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key(key));
    }
    if (dismissed) {
        QVERIFY(!alert->isLoaded());
        QVERIFY(alarmLines(note).isEmpty());
        return;
    }
    // The snooze menu opens below its button with five minutes ready.
    QTRY_VERIFY(alert->mnuSnooz->isVisible());
    const QPoint below = alert->cmdSnooz->mapToGlobal(QPoint(0, alert->cmdSnooz->height()));
    QCOMPARE(alert->mnuSnooz->pos(), below);
    QCOMPARE(alert->mnuSnooz->activeAction(), alert->mnu5Min);
    // Choosing nothing leaves the window open.
    alert->mnuSnooz->hide();
    QVERIFY(alert->isLoaded());
    QCOMPARE(alarmLines(note), QStringList{alarmLine(1, QStringLiteral("9:00 AM"),
                                                     AlarmEntry::SystemBeep, AlarmEntry::Played)});
}

void tst_frmAlert::fallsDueOnce()
{
    TestApp app;
    NotesBus bus(app.ctx);
    app.ctx.bus = &bus;
    QSignalSpy announced(&bus, &NotesBus::AlarmDue);
    app.clock.setTimeOfDay(22, 29, 59);
    frmNote *note = noteWith(app, {alarmLine(3, QStringLiteral("10:30 PM"))});
    note->tmrAlarms_Timer();
    QVERIFY(alerts(app).isEmpty());
    app.clock.setTimeOfDay(22, 30, 0);
    note->tmrAlarms_Timer();
    QCOMPARE(alerts(app).size(), 1);
    frmAlert *alert = alerts(app).first();
    QVERIFY(alert->isVisible());
    QCOMPARE(alarmLines(note), QStringList{alarmLine(3, QStringLiteral("10:30 PM"),
                                                     AlarmEntry::SystemBeep, AlarmEntry::Played)});
    QCOMPARE(app.notifier.shown, QStringList{QStringLiteral("Pennyquill alarm: Message 3")});
    for (int second = 1; second < 5; ++second) {
        app.clock.setTimeOfDay(22, 30, second);
        note->tmrAlarms_Timer();
    }
    QCOMPARE(alerts(app).size(), 1);
    QCOMPARE(frmAlert::OpenFor(app.forms, note, 3), alert);
    // Scripts on the session bus heard of it once, with its message and time.
    QCOMPARE(announced.size(), 1);
    QCOMPARE(announced.first(),
             (QVariantList{QStringLiteral("Message 3"), QStringLiteral("10:30 PM")}));
}

void tst_frmAlert::twoInOneCheckCascade()
{
    TestApp app;
    app.clock.setTimeOfDay(14, 0);
    frmNote *note = noteWith(app, {alarmLine(1, QStringLiteral("2:00 PM")),
                                   alarmLine(2, QStringLiteral("3:00 PM")),
                                   alarmLine(3, QStringLiteral("1:59 PM"))});
    note->tmrAlarms_Timer();
    const QList<frmAlert *> open = alerts(app);
    QCOMPARE(open.size(), 2);
    QCOMPARE(open.at(0)->iAlarmIndex, 1);
    QCOMPARE(open.at(1)->iAlarmIndex, 3);
    // The first is centred; the second sits one step down and right of it.
    QCOMPARE(open.at(0)->pos(), pixels(centreTwips(open.at(0))));
    const QPoint step = pixels(QPoint(frmAlert::CascadeStep, frmAlert::CascadeStep));
    QCOMPARE(open.at(1)->pos() - open.at(0)->pos(), step);
    // Later alerts follow the last one painted, even when it has closed.
    const QPoint secondAt = open.at(1)->pos();
    open.at(1)->cmdOK_Click();
    note->lstAlarms->addItem(alarmLine(4, QStringLiteral("2:00 PM")));
    note->tmrAlarms_Timer();
    QCOMPARE(alerts(app).last()->pos() - secondAt, step);
}

void tst_frmAlert::movedAlertPaintsItsPlace_data()
{
    QTest::addColumn<bool>("positionsKnown");
    QTest::newRow("the system tells where windows are") << true;
    QTest::newRow("Wayland: it does not") << false;
}

void tst_frmAlert::movedAlertPaintsItsPlace()
{
    QFETCH(bool, positionsKnown);
    TestApp app;
    app.ctx.windowPositionsKnown = positionsKnown;
    frmNote *note = noteWith(app, {alarmLine(1, QStringLiteral("8:00 AM"))});
    note->tmrAlarms_Timer();
    frmAlert *alert = alerts(app).first();
    // The user (or, on Wayland, the compositor) put it elsewhere; only a
    // position the system reports counts as the window's.
    alert->move(40, 60);
    alert->update();
    const QPoint painted = positionsKnown ? QPoint(600, 900) : centreTwips(alert);
    QTRY_COMPARE(app.vars.LastAlertPos, painted);
    note->lstAlarms->addItem(alarmLine(2, QStringLiteral("8:00 AM")));
    note->tmrAlarms_Timer();
    QCOMPARE(alerts(app).last()->pos(),
             pixels(painted + QPoint(frmAlert::CascadeStep, frmAlert::CascadeStep)));
}

void tst_frmAlert::placement_data()
{
    QTest::addColumn<QPoint>("last");
    QTest::addColumn<QPoint>("expected");
    // On a screen of 1024 x 768 pixels.
    QTest::newRow("first of the run: centred") << QPoint(0, 0) << QPoint(5340, 4793);
    QTest::newRow("cascade") << QPoint(5340, 4793) << QPoint(6340, 5793);
    QTest::newRow("last fits exactly") << QPoint(9680, 8585) << QPoint(10680, 9585);
    QTest::newRow("would leave at the right") << QPoint(9681, 100) << QPoint(5340, 4793);
    QTest::newRow("would leave at the bottom") << QPoint(100, 8586) << QPoint(5340, 4793);
    QTest::newRow("last was off the top") << QPoint(-2000, 300) << QPoint(5340, 4793);
}

void tst_frmAlert::placement()
{
    QFETCH(QPoint, last);
    QFETCH(QPoint, expected);
    const QRect screen(0, 0, 15360, 11520);
    QCOMPARE(
        frmAlert::Placement(last, QSize(frmAlert::ClientWidth, frmAlert::ClientHeight), screen),
        expected);
}

void tst_frmAlert::effectChain_data()
{
    QTest::addColumn<QList<double>>("picks"); // k = pick * 8 + 1
    QTest::addColumn<QList<int>>("litAtEnds");
    // Bar right paints the whole panel in the colour it was started with.
    QTest::newRow("on, off, on") << QList<double>{0.15, 0.15, 0.15, 0.15}
                                 << QList<int>{100, 0, 100};
    QTest::newRow("blink before an effect that paints on: cleared")
        << QList<double>{0.15, 0.3, 0.15} << QList<int>{100, 0};
    QTest::newRow("blink before an effect that paints off: kept")
        << QList<double>{0.15, 0.15, 0.3, 0.15} << QList<int>{100, 0, 100};
    QTest::newRow("the top of the range picks slide over")
        << QList<double>{0.99, 0.99} << QList<int>{100};
}

void tst_frmAlert::effectChain()
{
    QFETCH(QList<double>, picks);
    QFETCH(QList<int>, litAtEnds);
    TestApp app;
    for (double pick : picks)
        app.random.numbers.enqueue(pick);
    frmNote *note = noteWith(app, {alarmLine(1, QStringLiteral("9:00 AM"))});
    note->tmrAlarms_Timer();
    frmAlert *alert = alerts(app).first();
    QList<int> lit;
    for (int end = 0; end < litAtEnds.size(); ++end)
        lit.append(runEffect(alert->LCDEffect));
    QCOMPARE(lit, litAtEnds);
}

void tst_frmAlert::sound_data()
{
    QTest::addColumn<QString>("sound");
    QTest::addColumn<bool>("notifier"); // false: no notification service, no tray either
    QTest::newRow("system beep") << AlarmEntry::SystemBeep << true;
    QTest::newRow("wave file") << QStringLiteral("/home/ann/ring.wav") << true;
    QTest::newRow("no notification service: the window alone tells")
        << AlarmEntry::SystemBeep << false;
}

// One sound while the window is open, stopped when it goes.
void tst_frmAlert::sound()
{
    QFETCH(QString, sound);
    QFETCH(bool, notifier);
    TestApp app;
    app.notifier.available = notifier;
    frmNote *note = noteWith(app, {alarmLine(1, QStringLiteral("9:00 AM"), sound)});
    note->tmrAlarms_Timer();
    QCOMPARE(alerts(app).size(), 1);
    QCOMPARE(app.notifier.shown.size(), notifier ? 1 : 0);
    const QString played = sound == AlarmEntry::SystemBeep ? QStringLiteral("beep") : sound;
    QCOMPARE(app.sound.played, QStringList{played});
    alerts(app).first()->cmdOK_Click();
    QCOMPARE(app.sound.played, (QStringList{played, QString()}));
}

void tst_frmAlert::answerTakesTheNotificationBack_data()
{
    QTest::addColumn<int>("answer"); // 0 Dismiss, 1 a snooze, 2 the note deleted
    QTest::newRow("Dismiss") << 0;
    QTest::newRow("Snooze") << 1;
    QTest::newRow("note deleted") << 2;
}

void tst_frmAlert::answerTakesTheNotificationBack()
{
    QFETCH(int, answer);
    TestApp app;
    frmNote *note = noteWith(
        app, {alarmLine(1, QStringLiteral("8:00 AM")), alarmLine(2, QStringLiteral("8:30 AM"))});
    note->tmrAlarms_Timer();
    QCOMPARE(app.notifier.raised.size(), 2);
    QVERIFY(app.notifier.raised.at(0) != app.notifier.raised.at(1));
    frmAlert *first = alerts(app).first();
    if (answer == 0)
        first->cmdOK_Click();
    else if (answer == 1)
        first->mnu10Min->trigger();
    else
        note->Unload();
    const QStringList gone = answer == 2 ? app.notifier.raised : app.notifier.raised.mid(0, 1);
    QCOMPARE(app.notifier.withdrawn, gone);
}

void tst_frmAlert::repeatingAlarmComesBack()
{
    TestApp app; // Monday 5 January 2026, 9:00 AM
    frmNote *note = NoteFixtures::loadedNote(app, QStringLiteral("weekly call"));
    NoteFixtures::addAlarm(note, 0, 6, 1, QStringLiteral("2026-01-05 09:00 AM"));
    AlarmEntry entry = *AlarmEntry::parse(note->lstAlarms->text(0));
    entry.setRepeatField(QStringLiteral("repeat=weekly"));
    note->lstAlarms->setText(0, entry.line());
    const QString marked = note->rtxtMain->Text();
    for (int week = 0; week < 2; ++week) {
        app.clock.time = QDateTime(QDate(2026, 1, 5 + 7 * week), QTime(9, 0, 10));
        note->tmrAlarms_Timer();
        QCOMPARE(alerts(app).size(), 1);
        alerts(app).first()->cmdOK_Click();
        // The mark stays; the entry waits for the same day next week.
        QCOMPARE(note->rtxtMain->Text(), marked);
        const AlarmEntry next = *AlarmEntry::parse(note->lstAlarms->text(0));
        QCOMPARE(next.State, AlarmEntry::InQue);
        QCOMPARE(next.TimeText,
                 QDate(2026, 1, 12 + 7 * week).toString(Qt::ISODate) + QStringLiteral(" 09:00 AM"));
        app.clock.time = app.clock.time.addDays(6);
        note->tmrAlarms_Timer();
        QVERIFY(alerts(app).isEmpty());
    }
}

void tst_frmAlert::missedAlarmSaysWhen()
{
    TestApp app;
    app.clock.time = QDateTime(QDate(2026, 1, 6), QTime(8, 0));
    frmNote *note = noteWith(app, {alarmLine(1, QStringLiteral("2026-01-05 09:30 AM")),
                                   alarmLine(2, QStringLiteral("2026-01-06 08:00 AM"))});
    note->tmrAlarms_Timer();
    QCOMPARE(alerts(app).size(), 2);
    QCOMPARE(alerts(app).at(0)->txtMsg->toPlainText(),
             QStringLiteral("Message 1\n\n(missed: 09:30 AM yesterday)"));
    QCOMPARE(alerts(app).at(1)->txtMsg->toPlainText(), QStringLiteral("Message 2"));
}

void tst_frmAlert::dismissRemovesTheRightEntry_data()
{
    QTest::addColumn<bool>("laterFirst");
    QTest::newRow("in list order") << false;
    QTest::newRow("later one first") << true;
}

void tst_frmAlert::dismissRemovesTheRightEntry()
{
    QFETCH(bool, laterFirst);
    TestApp app;
    frmNote *note = NoteFixtures::loadedNote(app, QStringLiteral("buy milk and call Ann today"));
    RichTextBox &box = *note->rtxtMain;
    NoteFixtures::selectRange(box, 17, 4);
    box.setSelItalic(true); // "Ann" has a look of its own to get back
    const QString before = box.TextRTF();
    // Mark "Ann" first, then "milk", so the later mark stands earlier in the text.
    NoteFixtures::addAlarm(note, 18, 3, 1, QStringLiteral("8:00 AM"));
    const QString waiting = alarmLine(5, QStringLiteral("11:00 PM"));
    note->lstAlarms->addItem(waiting);
    NoteFixtures::addAlarm(note, 4, 4, 2, QStringLiteral("8:30 AM"));
    QCOMPARE(box.Text(), QStringLiteral("buy [2milk] and call [1Ann] today"));

    note->tmrAlarms_Timer();
    QList<frmAlert *> open = alerts(app);
    QCOMPARE(open.size(), 2);
    if (laterFirst)
        std::swap(open[0], open[1]);
    open.at(0)->cmdOK_Click();
    QCOMPARE(alarmLines(note).size(), 2);
    QVERIFY(alarmLines(note).contains(waiting));
    QCOMPARE(box.Text().count(QLatin1Char('[')), 1);
    open.at(1)->cmdOK_Click();
    QCOMPARE(alarmLines(note), QStringList{waiting});
    QVERIFY(alerts(app).isEmpty());
    QCOMPARE(box.TextRTF(), before);
}

void tst_frmAlert::snooze_data()
{
    QTest::addColumn<QTime>("at");
    QTest::addColumn<QString>("item"); // empty: the window is closed
    QTest::addColumn<QString>("timeText");
    QTest::addColumn<QTime>("before"); // the last second with nothing due
    QTest::newRow("5 minutes at 2:10:40 PM") << QTime(14, 10, 40) << "mnu5Min"
                                             << "02:15 PM" << QTime(14, 14, 59);
    QTest::newRow("1 minute") << QTime(9, 0, 5) << "mnu1Min"
                              << "09:01 AM" << QTime(9, 0, 59);
    QTest::newRow("1 hour over noon") << QTime(11, 40) << "mnu1Hour"
                                      << "12:40 PM" << QTime(12, 39, 59);
    QTest::newRow("5 minutes at 11:58 PM") << QTime(23, 58) << "mnu5Min"
                                           << "2026-01-06 12:03 AM" << QTime(0, 2, 59);
    QTest::newRow("title bar's close button")
        << QTime(16, 20, 30) << QString() << "04:25 PM" << QTime(16, 24, 59);
}

void tst_frmAlert::snooze()
{
    QFETCH(QTime, at);
    QFETCH(QString, item);
    QFETCH(QString, timeText);
    QFETCH(QTime, before);
    TestApp app;
    app.clock.time.setTime(at);
    frmNote *note =
        noteWith(app, {alarmLine(6, QStringLiteral("%1:%2").arg(at.hour()).arg(at.minute()))});
    note->tmrAlarms_Timer();
    frmAlert *alert = alerts(app).first();
    if (item.isEmpty())
        QVERIFY(alert->close());
    else
        alert->findChild<QAction *>(item)->trigger();
    QCOMPARE(app.sound.played.last(), QString()); // stopped
    QVERIFY(alerts(app).isEmpty());
    AlarmEntry expected = *AlarmEntry::parse(alarmLine(6, timeText));
    QCOMPARE(alarmLines(note), QStringList{expected.line()});
    // Every check up to the moment before: nothing; then a new window.
    const QDateTime start = app.clock.time;
    QDateTime last = start;
    last.setTime(before);
    if (before < at)
        last = last.addDays(1);
    for (QDateTime when = start; when <= last; when = when.addSecs(20)) {
        app.clock.time = when;
        note->tmrAlarms_Timer();
    }
    app.clock.time = last;
    note->tmrAlarms_Timer();
    QVERIFY(alerts(app).isEmpty());
    app.clock.time = last.addSecs(1);
    note->tmrAlarms_Timer();
    QCOMPARE(alerts(app).size(), 1);
}

void tst_frmAlert::deletedNoteClosesItsAlerts()
{
    TestApp app;
    frmNote *note = noteWith(app, {alarmLine(1, QStringLiteral("8:00 AM"))});
    frmNote *other = noteWith(app, {alarmLine(2, QStringLiteral("8:00 AM"))});
    note->tmrAlarms_Timer();
    other->tmrAlarms_Timer();
    QCOMPARE(alerts(app).size(), 2);
    note->Unload();
    QCOMPARE(alerts(app).size(), 1);
    QCOMPARE(alerts(app).first()->frmSender.data(), other);
}

void tst_frmAlert::restoredPlayedEntryReopens()
{
    TestApp app;
    // Saved while its alert was open, for a time still ahead today.
    frmNote *note = noteWith(app, {alarmLine(4, QStringLiteral("11:00 PM"), AlarmEntry::SystemBeep,
                                             AlarmEntry::Played)});
    note->tmrAlarms_Timer();
    QCOMPARE(alerts(app).size(), 1);
    note->tmrAlarms_Timer();
    QCOMPARE(alerts(app).size(), 1);
}

QTEST_MAIN(tst_frmAlert)
#include "tst_frmAlert.moc"
