#include "NoteFixtures.h"
#include "alarms/frmAlarmSet.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString Past = QStringLiteral("The time you chose is in the past.");

frmNote *noteWithSelection(TestApp &app, const QString &text, int start, int length)
{
    frmNote *note = NoteFixtures::loadedNote(app, text);
    NoteFixtures::selectRange(*note->rtxtMain, start, length);
    return note;
}

// Set Alarm on the note's selection: the dialog opened for it.
frmAlarmSet *openFor(TestApp &app, frmNote *note)
{
    note->mnuAlarmSet_Click();
    return qobject_cast<frmAlarmSet *>(app.forms.find(QStringLiteral("frmAlarmSet")));
}

void setTime(frmAlarmSet *dialog, const QString &hour, const QString &minute, const QString &ampm)
{
    dialog->txtHour->setText(hour);
    dialog->txtMin->setText(minute);
    dialog->cboAMPM->setCurrentText(ampm);
}

QString lastMessage(const TestApp &app)
{
    return app.prompter.shown.isEmpty() ? QString() : app.prompter.shown.last().text;
}

} // namespace

class tst_frmAlarmSet : public QObject
{
    Q_OBJECT

private slots:
    void defaultsFromTheClock();
    void fastSelect_data();
    void fastSelect();
    void timeBoxes_data();
    void timeBoxes();
    void okChecks_data();
    void okChecks();
    void okMarksAndAddsTheEntry();
    void dateAndRepeat_data();
    void dateAndRepeat();
    void selectionMovedIntoAMark();
    void cancelLeavesTheNote();
    void soundChoice();
};

void tst_frmAlarmSet::defaultsFromTheClock()
{
    TestApp app;
    app.clock.setTimeOfDay(14, 7);
    frmNote *note = noteWithSelection(app, QStringLiteral("Call the dentist"), 5, 11);
    frmAlarmSet *dialog = openFor(app, note);
    QVERIFY(dialog);
    QCOMPARE(dialog->txtHour->text(), QStringLiteral("02"));
    QCOMPARE(dialog->txtMin->text(), QStringLiteral("07"));
    QCOMPARE(dialog->cboAMPM->currentText(), QStringLiteral("PM"));
    QCOMPARE(dialog->txtMsg->text(), QStringLiteral("the dentist"));
    QVERIFY(dialog->optCusSound->isChecked());
    QVERIFY(dialog->txtCusSound->text().endsWith(QStringLiteral("/sounds/chime.wav")));
    QCOMPARE(dialog->dtpDate->date(), app.clock.time.date());
    QCOMPARE(dialog->cboRepeat->currentIndex(), 0);
    // Tab order: hour, minute, AM/PM, day, repeat, message, the two sound choices, path, OK,
    // Cancel, ...
    QList<QWidget *> chain{dialog->txtHour};
    for (QWidget *next = dialog->txtHour->nextInFocusChain();
         chain.size() < 14 && next != dialog->txtHour; next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && !next->focusProxy())
            chain << next;
    const QList<QWidget *> expected{dialog->txtHour,     dialog->txtMin,       dialog->cboAMPM,
                                    dialog->dtpDate,     dialog->cmdFastDate,  dialog->cboRepeat,
                                    dialog->txtMsg,      dialog->optSysBeep,   dialog->optCusSound,
                                    dialog->txtCusSound, dialog->cmdOK,        dialog->cmdCancel,
                                    dialog->cmdBrowse,   dialog->cmdFastSelect};
    QCOMPARE(chain, expected);

    // A second Set Alarm keeps the time and the sound, and takes the new message and note.
    dialog->txtHour->setText(QStringLiteral("05"));
    frmNote *other = noteWithSelection(app, QStringLiteral("pay rent"), 4, 4);
    QCOMPARE(openFor(app, other), dialog);
    QCOMPARE(dialog->frmSender.data(), other);
    QCOMPARE(dialog->txtHour->text(), QStringLiteral("05"));
    QCOMPARE(dialog->txtMsg->text(), QStringLiteral("rent"));
}

void tst_frmAlarmSet::fastSelect_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("45 minutes at 11:30 PM")
        << QTime(23, 30) << "45 Minutes Later" << QStringList{"12", "15", "AM"};
    QTest::newRow("1 hour at 11:40 AM")
        << QTime(11, 40) << "1 Hour Later" << QStringList{"12", "40", "PM"};
    QTest::newRow("5 minutes at 11:58 PM")
        << QTime(23, 58) << "5 Minutes Later" << QStringList{"12", "03", "AM"};
    QTest::newRow("1 minute at 9:00 AM")
        << QTime(9, 0) << "1 Minute Later" << QStringList{"09", "01", "AM"};
}

void tst_frmAlarmSet::fastSelect()
{
    QFETCH(QTime, now);
    QFETCH(QString, item);
    QFETCH(QStringList, boxes);
    TestApp app;
    frmAlarmSet *dialog = frmAlarmSet::Open(app.ctx);
    app.clock.setTimeOfDay(now.hour(), now.minute());
    for (QAction *action : dialog->mnuFast->actions())
        if (action->text() == item)
            action->trigger();
    QCOMPARE((QStringList{dialog->txtHour->text(), dialog->txtMin->text(),
                          dialog->cboAMPM->currentText()}),
             boxes);
}

void tst_frmAlarmSet::timeBoxes_data()
{
    QTest::addColumn<bool>("hour");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    const QStringList hours{"1", "12", "07", "13", "0", "+1", "1.", "", "ab"};
    const QList<bool> hourOk{true, true, true, false, false, false, false, false, false};
    for (int i = 0; i < hours.size(); ++i)
        QTest::addRow("hour %s", qPrintable(hours[i])) << true << hours[i] << hourOk[i];
    const QStringList minutes{"0", "59", "5", "60", "-1", "5.", " "};
    const QList<bool> minuteOk{true, true, true, false, false, false, false};
    for (int i = 0; i < minutes.size(); ++i)
        QTest::addRow("minute %s", qPrintable(minutes[i])) << false << minutes[i] << minuteOk[i];
}

void tst_frmAlarmSet::timeBoxes()
{
    QFETCH(bool, hour);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    TestApp app;
    frmAlarmSet *dialog = frmAlarmSet::Open(app.ctx);
    QLineEdit *box = hour ? dialog->txtHour : dialog->txtMin;
    box->setText(text);
    QCOMPARE(hour ? dialog->txtHour_Validate() : dialog->txtMin_Validate(), accepted);
    QCOMPARE(lastMessage(app), accepted ? QString()
                               : hour
                                   ? QStringLiteral("Hour must be numeric and between 1 - 12")
                                   : QStringLiteral("Minute must be numeric and between 0 - 59"));
    if (!accepted)
        QCOMPARE(app.prompter.shown.last().icon, Prompter::Icon::Exclamation);
}

void tst_frmAlarmSet::okChecks_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QStringList>("time"); // hour, minute, AM/PM
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("sound"); // empty: the system beep
    QTest::addColumn<QString>("refusal");
    const QString wav = QStringLiteral("/tmp/a.wav");
    const QStringList twoSeven{"02", "07", "PM"};
    QTest::newRow("this very minute") << QTime(14, 7, 50) << twoSeven << "m" << wav << QString();
    QTest::newRow("a minute ago") << QTime(14, 7, 50) << QStringList{"02", "06", "PM"} << "m" << wav
                                  << Past;
    QTest::newRow("single digits")
        << QTime(14, 0) << QStringList{"2", "5", "PM"} << "m" << wav << QString();
    QTest::newRow("earlier in the day is past")
        << QTime(14, 7) << QStringList{"09", "00", "AM"} << "m" << wav << Past;
    QTest::newRow("45 minutes after 11:30 PM")
        << QTime(23, 30) << QStringList{"12", "15", "AM"} << "m" << wav << Past;
    QTest::newRow("no message") << QTime(14, 7) << twoSeven << "" << wav
                                << "Please enter a message for this alert.";
    QTest::newRow("no sound file") << QTime(14, 7) << twoSeven << "m"
                                   << ""
                                   << "Please choose a sound file for this alert.";
    QTest::newRow("splitter in the message")
        << QTime(14, 7) << twoSeven << "a<splitter>b" << wav
        << "The message cannot contain \"<splitter>\". Please change it.";
    QTest::newRow("line code in the sound path")
        << QTime(14, 7) << twoSeven << "m"
        << "/tmp/[CRLF].wav"
        << "The sound file path cannot contain \"[CRLF]\". Please choose another file.";
    QTest::newRow("hour 13 with Enter") << QTime(14, 7) << QStringList{"13", "07", "PM"} << "m"
                                        << wav << "Hour must be numeric and between 1 - 12";
    QTest::newRow("minute with a sign") << QTime(14, 7) << QStringList{"03", "-5", "PM"} << "m"
                                        << wav << "Minute must be numeric and between 0 - 59";
    QTest::newRow("message first") << QTime(14, 7) << QStringList{"13", "07", "PM"} << ""
                                   << ""
                                   << "Please enter a message for this alert.";
}

void tst_frmAlarmSet::okChecks()
{
    QFETCH(QTime, now);
    QFETCH(QStringList, time);
    QFETCH(QString, message);
    QFETCH(QString, sound);
    QFETCH(QString, refusal);
    TestApp app;
    app.clock.setTimeOfDay(now.hour(), now.minute(), now.second());
    frmNote *note = noteWithSelection(app, QStringLiteral("see Ann"), 4, 3);
    const QString before = note->rtxtMain->TextRTF();
    frmAlarmSet *dialog = openFor(app, note);
    setTime(dialog, time[0], time[1], time[2]);
    dialog->txtMsg->setText(message);
    dialog->txtCusSound->setText(sound);
    QTest::keyClick(dialog->txtHour, Qt::Key_Return); // Enter is OK, even in a time box
    QCOMPARE(lastMessage(app).section(QLatin1Char('\n'), 0, 0), refusal);
    QCOMPARE(dialog->isLoaded(), !refusal.isEmpty());
    QCOMPARE(note->lstAlarms->count(), refusal.isEmpty() ? 1 : 0);
    if (!refusal.isEmpty())
        QCOMPARE(note->rtxtMain->TextRTF(), before);
}

void tst_frmAlarmSet::okMarksAndAddsTheEntry()
{
    TestApp app;
    app.clock.setTimeOfDay(21, 0);
    frmNote *note = noteWithSelection(
        app, QStringLiteral("Call the dentist today w2 w3 w4 w5 w6 w7 w8 w9 wX"), 5, 11);
    const QString unmarked = note->rtxtMain->SelRTF();
    for (int index = 1; index <= 10; ++index) {
        if (index > 1) { // the further alarms go on the short words after it
            const QString word =
                index < 10 ? QStringLiteral("w%1").arg(index) : QStringLiteral("wX");
            note->rtxtMain->setSelStart(static_cast<int>(note->rtxtMain->Text().indexOf(word)));
            note->rtxtMain->setSelLength(2);
        }
        frmAlarmSet *dialog = openFor(app, note);
        setTime(dialog, QStringLiteral("10"), QStringLiteral("30"), QStringLiteral("PM"));
        dialog->txtMsg->setText(QStringLiteral("Dentist"));
        dialog->optSysBeep->click();
        dialog->cmdOK_Click();
        QVERIFY(!dialog->isLoaded());
        QCOMPARE(note->lstAlarms->count(), index);
    }
    QVERIFY(note->rtxtMain->Text().startsWith(QStringLiteral("Call [1the dentist] today [2w2]")));
    QVERIFY(note->rtxtMain->Text().endsWith(QStringLiteral("[9w9] [10wX]")));
    const QStringList first = note->lstAlarms->text(0).split(AlarmEntry::Splitter);
    QCOMPARE(first, (QStringList{"1", "2026-01-05 10:30 PM", "Dentist", "system beep", "in que",
                                 first.at(5)}));
    QCOMPARE(AlarmEntry::parse(note->lstAlarms->text(0))->UnmarkedText, unmarked);
    QCOMPARE(AlarmEntry::parse(note->lstAlarms->text(9))->Index, 10);
    QCOMPARE(app.vars.AlarmCounter, 10);
}

void tst_frmAlarmSet::dateAndRepeat_data()
{
    // The clock stands at 1:55 PM on Monday 5 January 2026.
    QTest::addColumn<QStringList>("time");
    QTest::addColumn<int>("days"); // the date box: today plus this
    QTest::addColumn<int>("repeat");
    QTest::addColumn<bool>("takeTomorrow"); // the answer to the offer, if one comes
    QTest::addColumn<QString>("timeText");  // empty: refused
    QTest::addColumn<QString>("repeatField");
    const QStringList morning{"09", "30", "AM"};
    QTest::newRow("tomorrow morning") << morning << 1 << 0 << false << "2026-01-06 09:30 AM"
                                      << "";
    QTest::newRow("past today: tomorrow taken")
        << morning << 0 << 0 << true << "2026-01-06 09:30 AM"
        << "";
    QTest::newRow("past today: offer declined") << morning << 0 << 0 << false << ""
                                                << "";
    QTest::newRow("yesterday") << QStringList{"03", "00", "PM"} << -1 << 0 << true << ""
                               << "";
    QTest::newRow("every week") << morning << 7 << 3 << false << "2026-01-12 09:30 AM"
                                << "repeat=weekly;at=2026-01-12 09:30";
    QTest::newRow("every weekday from a Saturday")
        << QStringList{"2", "5", "PM"} << 5 << 2 << false << "2026-01-12 2:5 PM"
        << "repeat=weekdays;at=2026-01-12 14:05";
}

void tst_frmAlarmSet::dateAndRepeat()
{
    QFETCH(QStringList, time);
    QFETCH(int, days);
    QFETCH(int, repeat);
    QFETCH(bool, takeTomorrow);
    QFETCH(QString, timeText);
    QFETCH(QString, repeatField);
    TestApp app;
    app.clock.setTimeOfDay(13, 55);
    app.prompter.defaultAnswer = takeTomorrow ? Prompter::Answer::Yes : Prompter::Answer::No;
    frmNote *note = noteWithSelection(app, QStringLiteral("see Ann"), 4, 3);
    frmAlarmSet *dialog = openFor(app, note);
    setTime(dialog, time[0], time[1], time[2]);
    dialog->dtpDate->setDate(app.clock.time.date().addDays(days));
    dialog->cboRepeat->setCurrentIndex(repeat);
    dialog->cmdOK_Click();
    QCOMPARE(note->lstAlarms->count(), timeText.isEmpty() ? 0 : 1);
    if (timeText.isEmpty()) {
        QVERIFY(lastMessage(app).startsWith(Past));
        return;
    }
    const AlarmEntry entry = *AlarmEntry::parse(note->lstAlarms->text(0));
    QCOMPARE(entry.TimeText, timeText);
    QCOMPARE(entry.repeatField(), repeatField);
}

void tst_frmAlarmSet::selectionMovedIntoAMark()
{
    TestApp app;
    app.clock.setTimeOfDay(9, 0);
    frmNote *note = noteWithSelection(app, QStringLiteral("buy milk today"), 4, 4);
    frmAlarmSet *dialog = openFor(app, note);
    setTime(dialog, QStringLiteral("10"), QStringLiteral("00"), QStringLiteral("AM"));
    dialog->cmdOK_Click();
    QCOMPARE(note->rtxtMain->Text(), QStringLiteral("buy [1milk] today"));
    // A new dialog for "buy", then the caret moves into the mark before OK: the old alarm
    // goes and the word at the caret takes the new one.
    note->rtxtMain->setSelStart(0);
    note->rtxtMain->setSelLength(3);
    dialog = openFor(app, note);
    setTime(dialog, QStringLiteral("11"), QStringLiteral("00"), QStringLiteral("AM"));
    note->rtxtMain->setSelStart(7);
    dialog->cmdOK_Click();
    QCOMPARE(note->rtxtMain->Text(), QStringLiteral("buy [2milk] today"));
    QCOMPARE(note->lstAlarms->count(), 1);
    QCOMPARE(AlarmEntry::parse(note->lstAlarms->text(0))->TimeText,
             QStringLiteral("2026-01-05 11:00 AM"));
}

void tst_frmAlarmSet::cancelLeavesTheNote()
{
    TestApp app;
    frmNote *note = noteWithSelection(app, QStringLiteral("see Ann"), 4, 3);
    const QString before = note->rtxtMain->TextRTF();
    frmAlarmSet *dialog = openFor(app, note);
    dialog->txtMsg->setText(QStringLiteral("typed"));
    dialog->txtHour->setText(QStringLiteral("11"));
    QTest::keyClick(dialog->txtMsg, Qt::Key_Escape);
    QVERIFY(!dialog->isLoaded());
    QCOMPARE(note->rtxtMain->TextRTF(), before);
    QCOMPARE(note->lstAlarms->count(), 0);
    QCOMPARE(app.vars.AlarmCounter, 0);
}

void tst_frmAlarmSet::soundChoice()
{
    TestApp app;
    frmAlarmSet *dialog = frmAlarmSet::Open(app.ctx);
    dialog->optSysBeep->click();
    QVERIFY(!dialog->txtCusSound->isEnabled());
    dialog->optCusSound->click();
    QVERIFY(dialog->txtCusSound->isEnabled());
    app.prompter.files.enqueue(Prompter::FileChoice{QStringLiteral("/music/bell.wav"), 0});
    dialog->cmdBrowse->click();
    QCOMPARE(app.prompter.offeredFilters, QStringList{QStringLiteral("Sound files (*.wav)")});
    QCOMPARE(dialog->txtCusSound->text(), QStringLiteral("/music/bell.wav"));
    dialog->cmdBrowse->click(); // cancelled: the path stays
    QCOMPARE(dialog->txtCusSound->text(), QStringLiteral("/music/bell.wav"));
}

QTEST_MAIN(tst_frmAlarmSet)
#include "tst_frmAlarmSet.moc"
