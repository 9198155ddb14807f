#include "SessionRun.h"
#include "platform/IniFile.h"

#include <QMouseEvent>
#include <QTest>

namespace {

// Three notes: a shown one, a bullet, a hidden one; places that are not whole
// pixels, so that any round trip through the window would show.
const QByteArray Session =
    "[Note1]\r\nLeft=1507\r\nTop=992\r\nMinimized=False\r\nVisible=True\r\nTextID=1\r\n"
    "[Note2]\r\nLeft=4501\r\nTop=3016\r\nMinimized=True\r\nVisible=True\r\nTextID=2\r\n"
    "[Note3]\r\nLeft=7004\r\nTop=61\r\nMinimized=False\r\nVisible=False\r\nTextID=3\r\n"
    "[Number of notes]\r\nTotal=3\r\n";

struct Run : SessionRun
{
    explicit Run(bool positionsKnown) : SessionRun(Session, QByteArray(), positionsKnown) {}
    QString saved(const QString &section, const QString &key) const
    {
        return IniFile(sessionPath()).value(section, key);
    }
};

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &local, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, local, target->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class tst_NotePlacement : public QObject
{
    Q_OBJECT

private slots:
    // The compositor puts every window at 0, 0 (and says so); then the
    // session is saved as the autosave does.
    void savedAfterTheSystemMovedTheWindows_data()
    {
        QTest::addColumn<bool>("known");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("positions unknown: stored places kept")
            << false << QStringList{"1507", "992", "4501", "3016", "7004", "61"};
        QTest::newRow("positions known: the window's place is stored")
            << true << QStringList{"0", "0", "0", "0", "0", "0"};
    }
    void savedAfterTheSystemMovedTheWindows()
    {
        QFETCH(bool, known);
        QFETCH(QStringList, expected);
        Run run(known);
        QCOMPARE(run.notes().size(), 3);
        for (frmNote *note : run.notes())
            note->move(0, 0);
        QVERIFY(run.splash()->SaveSession());
        QStringList saved;
        for (const char *section : {"Note1", "Note2", "Note3"})
            saved << run.saved(section, "Left") << run.saved(section, "Top");
        QCOMPARE(saved, expected);
    }

    // A drag from a grip at (40, 20); the window never follows (Wayland).
    void dragMovesTheStoredPlaceByTheDelta_data()
    {
        QTest::addColumn<QList<QPoint>>("pointer");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("right and down") << QList<QPoint>{{50, 25}} << QPoint(1657, 1067);
        QTest::newRow("several steps, ends left and up")
            << QList<QPoint>{{50, 25}, {70, 60}, {30, 15}} << QPoint(1357, 917);
        QTest::newRow("press and release, no move") << QList<QPoint>() << QPoint(1507, 992);
    }
    void dragMovesTheStoredPlaceByTheDelta()
    {
        QFETCH(QList<QPoint>, pointer);
        QFETCH(QPoint, expected);
        Run run(false);
        frmNote *note = run.notes().at(0);
        note->move(0, 0);
        sendMouse(note, QEvent::MouseButtonPress, QPoint(40, 20), Qt::LeftButton);
        for (const QPoint &local : pointer) {
            sendMouse(note, QEvent::MouseMove, local, Qt::LeftButton);
            note->move(0, 0); // the compositor keeps it where it is
        }
        sendMouse(note, QEvent::MouseButtonRelease, pointer.value(pointer.size() - 1, {40, 20}),
                  Qt::NoButton);
        QCOMPARE(QPoint(note->Left(), note->Top()), expected);
        QVERIFY(run.splash()->SaveSession());
        QCOMPARE(run.saved("Note1", "Left"), QString::number(expected.x()));
        QCOMPARE(run.saved("Note1", "Top"), QString::number(expected.y()));
        // The other notes were not touched.
        QCOMPARE(run.saved("Note2", "Left"), QStringLiteral("4501"));
    }

    void newNoteStoresItsRandomPlace()
    {
        Run run(false);
        run.app.random.numbers.enqueue(0.25);
        run.app.random.numbers.enqueue(0.75);
        run.notes().at(0)->mnuNewNote_Click();
        frmNote *added = nullptr;
        for (Form *form : run.app.forms.all())
            if (auto *note = qobject_cast<frmNote *>(form))
                added = note;
        QVERIFY(added && !run.notes().contains(added));
        const QPoint placed(added->Left(), added->Top());
        QVERIFY(placed.x() >= 200 && placed.y() >= 200);
        added->move(0, 0);
        QCOMPARE(QPoint(added->Left(), added->Top()), placed);
    }
};

QTEST_MAIN(tst_NotePlacement)
#include "tst_NotePlacement.moc"
