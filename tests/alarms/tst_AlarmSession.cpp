#include "NoteFixtures.h"
#include "SessionRun.h"
#include "alarms/frmAlarmSet.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

// The program on the given files, with a way to set alarms on words of its note.
struct Run : SessionRun
{
    Run(const QByteArray &session, const QByteArray &notes) : SessionRun(session, notes)
    {
        app.clock.setTimeOfDay(9, 0);
    }
    frmNote *note() const { return notes().value(0); }

    void setAlarm(const QString &word, const QString &hour)
    {
        RichTextBox &box = *note()->rtxtMain;
        NoteFixtures::selectRange(box, static_cast<int>(box.Text().indexOf(word)),
                                  static_cast<int>(word.size()));
        note()->mnuAlarmSet_Click();
        auto *dialog = qobject_cast<frmAlarmSet *>(app.forms.find(QStringLiteral("frmAlarmSet")));
        QVERIFY(dialog);
        dialog->txtHour->setText(hour);
        dialog->txtMin->setText(QStringLiteral("00"));
        dialog->cboAMPM->setCurrentIndex(1);
        dialog->cmdOK_Click();
    }
    void exit() { startup.menuNote()->mnuTrayExit_Click(); }
    QList<int> indexes() const
    {
        QList<int> found;
        for (int row = 0; row < note()->lstAlarms->count(); ++row)
            found << AlarmEntry::parse(note()->lstAlarms->text(row))->Index;
        return found;
    }
};

const QByteArray Session =
    "[Note1]\r\nLeft=1500\r\nTop=990\r\nMinimized=False\r\nSkin=\r\nVisible=True\r\n"
    "OnTop=False\r\nAlerts=\r\nTextID=1\r\n[Number of notes]\r\nTotal=1\r\n";
const QByteArray Notes = "[ID: 1]\r\n{\\rtf1\\ansi alpha beta\\par\r\ngamma delta}\r\n";

} // namespace

class tst_AlarmSession : public QObject
{
    Q_OBJECT

private slots:
    void restoredAlarmsBesideNewOnes();
};

void tst_AlarmSession::restoredAlarmsBesideNewOnes()
{
    QByteArray session;
    QByteArray notes;
    {
        Run first(Session, Notes);
        first.setAlarm(QStringLiteral("alpha"), QStringLiteral("10"));
        first.setAlarm(QStringLiteral("delta"), QStringLiteral("11"));
        QCOMPARE(first.note()->rtxtMain->Text(), QStringLiteral("[1alpha] beta\r\ngamma [2delta]"));
        first.exit();
        session = FileBytes::read(first.sessionPath());
        notes = FileBytes::read(first.notesPath());
    }
    Run second(session, notes);
    QCOMPARE(second.note()->rtxtMain->Text(), QStringLiteral("[1alpha] beta\r\ngamma [2delta]"));
    QCOMPARE(second.indexes(), (QList<int>{1, 2}));
    // A new alarm is numbered above the restored ones.
    second.setAlarm(QStringLiteral("beta"), QStringLiteral("12"));
    QCOMPARE(second.indexes(), (QList<int>{1, 2, 3}));
    QCOMPARE(second.note()->rtxtMain->Text(), QStringLiteral("[1alpha] [3beta]\r\ngamma [2delta]"));
    // Restored and new alarms answer clicks and removal alike.
    RichTextBox &box = *second.note()->rtxtMain;
    box.setSelStart(3);
    second.note()->rtxtMain_Click();
    QCOMPARE(box.SelText(), QStringLiteral("1alpha"));
    box.setSelStart(3);
    second.note()->mnuAlarmClear_Click();
    box.setSelStart(static_cast<int>(box.Text().indexOf(QStringLiteral("beta"))));
    second.note()->mnuAlarmClear_Click();
    QCOMPARE(box.Text(), QStringLiteral("alpha beta\r\ngamma [2delta]"));
    QCOMPARE(second.indexes(), (QList<int>{2}));
    second.setAlarm(QStringLiteral("gamma"), QStringLiteral("01"));
    const QString marked = box.TextRTF();
    const QStringList entries = NoteFixtures::alarmLines(second.note());
    second.exit();

    Run third(FileBytes::read(second.sessionPath()), FileBytes::read(second.notesPath()));
    QCOMPARE(third.note()->rtxtMain->TextRTF(), marked);
    QCOMPARE(NoteFixtures::alarmLines(third.note()), entries);
    QCOMPARE(third.indexes(), (QList<int>{2, 4}));
}

QTEST_MAIN(tst_AlarmSession)
#include "tst_AlarmSession.moc"
