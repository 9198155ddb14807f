#include "NoteFixtures.h"
#include "alarms/AlertGate.h"
#include "alarms/frmAlert.h"
#include "alarms/frmAlertList.h"

#include <QListWidget>
#include <QTest>

namespace {

using NoteFixtures::alarmLine;

// A note whose `count` alarms (indexes 1 to count) all fall due at 9:00.
frmNote *noteWithDueAlarms(TestApp &app, int count)
{
    app.clock.setTimeOfDay(9, 0);
    frmNote *note = NoteFixtures::loadedNote(app);
    note->bolShown = true;
    QStringList lines;
    for (int index = 1; index <= count; ++index)
        lines << alarmLine(index, QStringLiteral("9:00 AM"));
    note->lstAlarms->addItems(lines);
    return note;
}

// Each alarm of the note: its time and state, by index.
QMap<int, QString> entries(const frmNote *note)
{
    QMap<int, QString> byIndex;
    for (const QString &line : note->lstAlarms->lines()) {
        const AlarmEntry entry = *AlarmEntry::parse(line);
        byIndex.insert(entry.Index, entry.TimeText + " " + entry.State);
    }
    return byIndex;
}

} // namespace

class tst_frmAlertList : public QObject
{
    Q_OBJECT

private slots:
    // Many alarms due at once open a few windows; the rest wait in one list, nothing lost.
    void theFirstOpenTheRestAreListed_data()
    {
        QTest::addColumn<int>("due");
        QTest::newRow("a few") << 5;
        QTest::newRow("as many as windows") << AlertGate::MaxWindows;
        QTest::newRow("one more") << AlertGate::MaxWindows + 1;
        QTest::newRow("two thousand") << 2000;
    }
    void theFirstOpenTheRestAreListed()
    {
        QFETCH(int, due);
        TestApp app;
        frmNote *note = noteWithDueAlarms(app, due);
        for (int second = 0; second < 3; ++second) { // later checks add nothing
            app.clock.setTimeOfDay(9, 0, second);
            note->tmrAlarms_Timer();
        }
        const int windows = std::min(due, int(AlertGate::MaxWindows));
        QCOMPARE(app.forms.formsNamed("frmAlert").size(), windows);
        frmAlertList *list = frmAlertList::Find(app.forms);
        QCOMPARE(list ? list->lstDue->count() : 0, due - windows);
        QCOMPARE(app.notifier.shown.size(), windows + (list ? 1 : 0));
        QCOMPARE(note->lstAlarms->count(), due);
        for (const QString &state : entries(note))
            QCOMPARE(state, QString("9:00 AM played"));
        for (int index = 1; index <= due; ++index)
            QVERIFY(AlertGate::IsOpen(app.forms, note, index));
    }

    // The selected rows are answered as an alert's buttons answer; closing snoozes the rest.
    void rowsAreAnsweredFromTheList_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("row22"); // alarm 22, the selected row
        QTest::addColumn<QString>("row23"); // alarm 23, not selected
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("dismiss") << "dismiss"
                                 << ""
                                 << "9:00 AM played" << 2;
        QTest::newRow("snooze 10 minutes") << "snooze"
                                           << "09:10 AM in que"
                                           << "9:00 AM played" << 2;
        QTest::newRow("close: all snoozed") << "close"
                                            << "09:05 AM in que"
                                            << "09:05 AM in que" << 0;
        QTest::newRow("note closed") << "unload"
                                     << ""
                                     << "" << 0;
    }
    void rowsAreAnsweredFromTheList()
    {
        QFETCH(QString, answer);
        QFETCH(QString, row22);
        QFETCH(QString, row23);
        QFETCH(int, rowsLeft);
        TestApp app;
        frmNote *note = noteWithDueAlarms(app, AlertGate::MaxWindows + 3);
        note->tmrAlarms_Timer();
        QPointer<frmAlertList> list = frmAlertList::Find(app.forms);
        QVERIFY(list);
        list->lstDue->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
        if (answer == "dismiss")
            list->cmdOK_Click();
        else if (answer == "snooze")
            list->SnoozeSelected(10);
        else if (answer == "close")
            list->close();
        else
            note->Unload();
        QCOMPARE(list ? list->count() : 0, rowsLeft);
        if (answer == "unload")
            return;
        QCOMPARE(entries(note).value(22), row22);
        QCOMPARE(entries(note).value(23), row23);
        QCOMPARE(AlertGate::IsOpen(app.forms, note, 22), false);
        // A snoozed alarm falls due again, into the list while the windows stay open.
        if (!row22.isEmpty()) {
            app.clock.setTimeOfDay(9, 10);
            note->tmrAlarms_Timer();
            QVERIFY(AlertGate::IsOpen(app.forms, note, 22));
        }
    }
};

QTEST_MAIN(tst_frmAlertList)
#include "tst_frmAlertList.moc"
