#include "FileBytes.h"
#include "SessionRun.h"
#include "platform/IniFile.h"

#include <QTest>
#include <QWindow>

namespace {

const QByteArray TwoNotes = "[Note1]\r\nLeft=900\r\nTop=900\r\nVisible=True\r\nTextID=1\r\n"
                            "[Note2]\r\nLeft=4500\r\nTop=900\r\nMinimized=True\r\nVisible=True\r\n"
                            "TextID=2\r\n[Number of notes]\r\nTotal=2\r\n";

} // namespace

// The note among the window manager's windows: its close, its title, its
// hints, its size.
class tst_NoteDesktop : public QObject
{
    Q_OBJECT

private slots:
    // The window manager's close (Alt+F4) is the note's Hide: the note stays
    // loaded and the session soon says it is hidden, for a note and a bullet.
    void windowManagerCloseHides_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("note") << 0;
        QTest::newRow("bullet") << 1;
    }
    void windowManagerCloseHides()
    {
        QFETCH(int, index);
        SessionRun run(TwoNotes);
        frmNote *note = run.notes().at(index);
        QVERIFY(note->isVisible());
        // As the window manager asks (Alt+F4, the window list's Close).
        note->windowHandle()->close();
        QVERIFY(!note->isVisible());
        QVERIFY(note->isLoaded());
        QVERIFY(run.splash()->savePending());
        QVERIFY(run.splash()->SaveSession());
        const QString section = QStringLiteral("Note%1").arg(index + 1);
        QCOMPARE(IniFile(run.sessionPath()).value(section, "Visible"), QStringLiteral("False"));
    }
};

QTEST_MAIN(tst_NoteDesktop)
#include "tst_NoteDesktop.moc"
