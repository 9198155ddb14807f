#include "NoteFixtures.h"
#include "notes/LazyPictureButton.h"
#include "notes/NoteResizer.h"
#include "notes/PictureButton.h"
#include "notes/frmToolTip.h"

#include <QLabel>
#include <QTest>

namespace {

using NoteFixtures::addAlarm;
using NoteFixtures::loadedNote;

void select(frmNote *note, int start, int length)
{
    NoteFixtures::selectRange(*note->rtxtMain, start, length);
}

QString balloonText(TestApp &app)
{
    frmToolTip *balloon = frmToolTip::Loaded(app.ctx);
    return balloon ? balloon->lblToolTip->text() : QString();
}

const QString NothingSelected =
    QStringLiteral("Please select a text that you want set an alarm to it.");
const QString AlreadyAlarm = QStringLiteral(
    "The text you selected is already an alarm. Please clear the alarm set to it by right "
    "clicking on it and choose 'Clear Alarm' from menu and then try again");
const QString Played = QStringLiteral(
    "You cannot clear the alarm set to this text because the alart window for this text is now "
    "shown, you can Dismissed or Snooz it from its alart window.");

} // namespace

class tst_NoteAlarms : public QObject
{
    Q_OBJECT

private slots:
    void setAlarm_data();
    void setAlarm();
    void removeAlarm_data();
    void removeAlarm();
    void clickInsideAMark();
    void goneAlarmLeavesTheMessageLineInPlace();
    void alarmButtonFollowsTheSelection();
};

void tst_NoteAlarms::setAlarm_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("refusal"); // empty: the dialog opens
    // "pay [1rent] now today": the mark from 4 to 10, its protected space at 11
    QTest::newRow("nothing selected") << 2 << 0 << NothingSelected;
    QTest::newRow("inside a mark") << 6 << 2 << AlreadyAlarm;
    QTest::newRow("touching a mark") << 0 << 6 << AlreadyAlarm;
    QTest::newRow("free words") << 16 << 5 << QString();
}

void tst_NoteAlarms::setAlarm()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, refusal);
    TestApp app;
    frmNote *note = loadedNote(app, QStringLiteral("pay rent now today"));
    addAlarm(note, 4, 4, 1);
    select(note, start, length);
    note->mnuAlarmSet_Click();
    QCOMPARE(balloonText(app), refusal);
    QCOMPARE(app.forms.find(QStringLiteral("frmAlarmSet")) != nullptr, refusal.isEmpty());
}

void tst_NoteAlarms::removeAlarm_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<bool>("alertsOpen"); // a check has opened the alert windows
    const QString marked = QStringLiteral("[1a] [12bc] d");
    QTest::newRow("caret in mark 12") << 8 << "in que"
                                      << "[1a] bc d" << QString() << false;
    QTest::newRow("caret in mark 1") << 2 << "in que"
                                     << "a [12bc] d" << QString() << false;
    QTest::newRow("alert window open") << 8 << "played" << marked << Played << true;
    QTest::newRow("played, no alert window") << 8 << "played"
                                             << "[1a] bc d" << QString() << false;
    QTest::newRow("caret outside the marks") << 13 << "in que" << marked << QString() << false;
}

void tst_NoteAlarms::removeAlarm()
{
    QFETCH(int, caret);
    QFETCH(QString, state);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    QFETCH(bool, alertsOpen);
    TestApp app;
    frmNote *note = loadedNote(app, QStringLiteral("a bc d"));
    addAlarm(note, 2, 2, 12, QStringLiteral("10:30 PM"), state);
    addAlarm(note, 0, 1, 1, QStringLiteral("10:30 PM"), state);
    QCOMPARE(note->rtxtMain->Text(), QStringLiteral("[1a] [12bc] d"));
    if (alertsOpen)
        note->tmrAlarms_Timer();
    QCOMPARE(app.forms.formsNamed(QStringLiteral("frmAlert")).size(), alertsOpen ? 2 : 0);
    note->rtxtMain->setSelStart(caret);
    note->mnuAlarmClear_Click();
    QCOMPARE(note->rtxtMain->Text(), text);
    QCOMPARE(balloonText(app), refusal);
    const int removed = text.count(QLatin1Char('[')) == 2 ? 0 : 1;
    QCOMPARE(note->lstAlarms->count(), 2 - removed);
}

void tst_NoteAlarms::clickInsideAMark()
{
    TestApp app;
    frmNote *note = loadedNote(app, QStringLiteral("Call the dentist today"));
    addAlarm(note, 5, 11, 1);
    note->rtxtMain->setSelStart(10);
    note->rtxtMain_Click();
    const QString typed = QStringLiteral("Alarm set to this text at 10:30 PM.");
    QCOMPARE(note->rtxtMain->SelText(), QStringLiteral("1the dentist"));
    QVERIFY(note->tmrType.isActive());
    for (int tick = 0; tick < 5; ++tick)
        note->tmrType_Timer();
    QCOMPARE(note->lblAds->text(), typed.left(5));
    // A second click neither restarts the typing nor stops it.
    note->rtxtMain->setSelStart(12);
    note->rtxtMain_Click();
    QCOMPARE(note->lblAds->text(), typed.left(5));
    for (int tick = 0; tick < 200 && note->tmrType.isActive(); ++tick)
        note->tmrType_Timer();
    QVERIFY(typed.startsWith(note->lblAds->text()));
    // Outside a mark a click types nothing and keeps the caret.
    note->lblAds->clear();
    note->rtxtMain->setSelStart(1);
    note->rtxtMain_Click();
    QCOMPARE(note->lblAds->text(), QString());
    QCOMPARE(note->rtxtMain->SelLength(), 0);
    // A mark without an entry has no time to type.
    note->lstAlarms->clear();
    note->rtxtMain->setSelStart(10);
    note->rtxtMain_Click();
    QCOMPARE(note->lblAds->text(), QString());
}

// On a resized note too, the line goes quiet where it stands once its alarm is removed.
void tst_NoteAlarms::goneAlarmLeavesTheMessageLineInPlace()
{
    TestApp app;
    frmNote *note = loadedNote(app, QStringLiteral("Call the dentist today"));
    note->resizer().setFullSize(QSize(frmNote::FullWidth * 2, frmNote::FullHeight * 2));
    addAlarm(note, 5, 11, 1);
    note->rtxtMain->setSelStart(10);
    note->rtxtMain_Click();
    const int restingY = note->lblAds->y();
    note->mnuAlarmClear_Click();
    QCOMPARE(note->lblAds->text(), QString());
    QCOMPARE(note->lblAds->y(), restingY);
}

void tst_NoteAlarms::alarmButtonFollowsTheSelection()
{
    TestApp app;
    frmNote *note = loadedNote(app, QStringLiteral("see Ann soon"));
    addAlarm(note, 4, 3, 1);
    note->rtxtMain->setSelStart(7);
    QVERIFY(!note->butAlarmC->isHidden());
    QVERIFY(note->menus().mnuAlarmClear->isEnabled());
    note->rtxtMain->setSelStart(13);
    QVERIFY(note->butAlarmC->isHidden());
    QVERIFY(!note->menus().mnuAlarmClear->isEnabled());
    // The pressed look removes the alarm at the caret.
    note->rtxtMain->setSelStart(7);
    QTest::mouseClick(note->butAlarmC->get(), Qt::LeftButton);
    QCOMPARE(note->rtxtMain->Text(), QStringLiteral("see Ann soon"));
    QCOMPARE(note->lstAlarms->count(), 0);
    QVERIFY(note->butAlarmC->isHidden());
}

QTEST_MAIN(tst_NoteAlarms)
#include "tst_NoteAlarms.moc"
