#include "FileBytes.h"
#include "SessionRun.h"
#include "notes/NoteDesktop.h"
#include "notes/NoteMenus.h"
#include "notes/NoteResizer.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/IniFile.h"
#include "shell/Twips.h"

#include <QAction>
#include <QLabel>

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

    void title_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("empty") << ""
                               << "Pennyquill";
        QTest::newRow("blank first line") << "  \t \nsecond"
                                          << "Pennyquill";
        QTest::newRow("first line only") << "  Call Bo  \nat ten"
                                         << "Call Bo";
        QTest::newRow("cut at 40") << QString(50, 'x') + "\n" << QString(40, 'x');
    }
    void title()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        SessionRun run(TwoNotes);
        frmNote *note = run.notes().first();
        note->rtxtMain->setText(text);
        QCOMPARE(note->windowTitle(), title);
    }

    // Sizes from the session are brought into range; classic notes are
    // stored without the keys, as older versions wrote them.
    void storedSize_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("written"); // Width, empty: no key
        QTest::newRow("none") << QByteArray() << QSize(3945, 2475) << "";
        QTest::newRow("own") << QByteArray("Width=6000\r\nHeight=3000\r\n") << QSize(6000, 3000)
                             << "6000";
        QTest::newRow("too large") << QByteArray("Width=99999\r\nHeight=99999\r\n")
                                   << QSize(4 * 3945, 4 * 2475) << "15780";
        QTest::newRow("too small, not a number")
            << QByteArray("Width=-5\r\nHeight=tall\r\n") << QSize(3945, 2475) << "";
    }
    void storedSize()
    {
        QFETCH(QByteArray, keys);
        QFETCH(QSize, size);
        QFETCH(QString, written);
        SessionRun run("[Note1]\r\nLeft=900\r\nTop=900\r\n" + keys +
                       "TextID=1\r\n[Number of notes]\r\nTotal=1\r\n");
        frmNote *note = run.notes().first();
        QCOMPARE(QSize(note->Width(), note->Height()), size);
        QVERIFY(run.splash()->SaveSession());
        QCOMPARE(IniFile(run.sessionPath()).value("Note1", "Width"), written);
    }

    // A drag on the folded corner resizes within the limits; the controls keep
    // their place to the nearest edges; a bullet grows back to this size.
    void dragTheCorner()
    {
        SessionRun run(TwoNotes);
        frmNote *note = run.notes().first();
        const QPoint closeFromRight(note->width() - note->butClose->x(), note->butClose->y());
        const int adsFromBottom = note->height() - note->lblAds->y();
        const QPoint corner(note->width() - 3, note->height() - 3);
        QCOMPARE(note->resizer().EdgesAt(corner), Qt::RightEdge | Qt::BottomEdge);
        QCOMPARE(note->resizer().EdgesAt(QPoint(40, 60)), Qt::Edges());
        QTest::mousePress(note, Qt::LeftButton, {}, corner);
        QMouseEvent move(QEvent::MouseMove, QPointF(corner),
                         note->mapToGlobal(QPointF(corner)) + QPointF(100, 50), Qt::NoButton,
                         Qt::LeftButton, {});
        QCoreApplication::sendEvent(note, &move);
        QTest::mouseRelease(note, Qt::LeftButton, {}, corner);
        const QSize grown(3945 + Twips::fromPixels(100), 2475 + Twips::fromPixels(50));
        QCOMPARE(QSize(note->Width(), note->Height()), grown);
        QCOMPARE(note->width() - note->butClose->x(), closeFromRight.x());
        QCOMPARE(note->butClose->y(), closeFromRight.y());
        QCOMPARE(note->height() - note->lblAds->y(), adsFromBottom);
        QVERIFY(run.splash()->savePending());
        note->Minimize();
        QTRY_VERIFY(note->isBullet());
        note->Restore();
        QTRY_VERIFY(!note->isAnimating());
        QCOMPARE(QSize(note->Width(), note->Height()), grown);
        QCOMPARE(NoteResizer::Clamp(QSize(0, 1 << 20)), QSize(3945, 4 * 2475));
    }

    // The stretched skin keeps its corners pixel for pixel.
    void stretchKeepsCorners()
    {
        QImage skin(80, 40, QImage::Format_ARGB32);
        for (int y = 0; y < skin.height(); ++y)
            for (int x = 0; x < skin.width(); ++x)
                skin.setPixelColor(x, y, QColor(x * 3, y * 6, (x * y) % 256));
        const QImage out = NoteResizer::Stretch(QPixmap::fromImage(skin), QSize(200, 90))
                               .toImage()
                               .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(out.size(), QSize(200, 90));
        QCOMPARE(out.copy(0, 0, 40, 15), skin.copy(0, 0, 40, 15));
        QCOMPARE(out.copy(200 - 20, 90 - 15, 20, 15), skin.copy(80 - 20, 40 - 15, 20, 15));
    }

    // Where the window system has no workspaces for programs (here: none at
    // all), the note's item is greyed and says why; the note's own choice is
    // kept in the session either way.
    void workspacesItem()
    {
        SessionRun run("[Note1]\r\nLeft=900\r\nTop=900\r\nAllWorkspaces=True\r\nTextID=1\r\n"
                       "[Number of notes]\r\nTotal=1\r\n");
        frmNote *note = run.notes().first();
        QAction *item = note->menus().mnuAllWorkspaces;
        QVERIFY(item->isChecked());
        QVERIFY(!item->isEnabled());
        QVERIFY(!item->toolTip().isEmpty());
        note->desktop().setOnAllWorkspaces(false);
        QVERIFY(!item->isChecked());
        QVERIFY(run.splash()->SaveSession());
        QCOMPARE(IniFile(run.sessionPath()).value("Note1", "AllWorkspaces"), QString("False"));
    }
};

QTEST_MAIN(tst_NoteDesktop)
#include "tst_NoteDesktop.moc"
