#include "NoteFixtures.h"
#include "notes/LazyPictureButton.h"
#include "notes/PictureButton.h"
#include "notes/frmNote.h"

#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QTest>

// The note on a screen of scale 2: the same places and sizes as at scale 1,
// with the pictures painted at twice the size.
class tst_NoteHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void buttonsStayInPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        // Twips from the layout table, 15 to a pixel, one pixel of frame.
        QTest::newRow("bold") << "butB" << QRect(1 + 7, 1 + 20, 10, 11);
        QTest::newRow("bold on") << "butBC" << QRect(1 + 7, 1 + 20, 10, 11);
        QTest::newRow("alarm") << "butAlarm" << QRect(1 + 79, 1 + 20, 10, 11);
        QTest::newRow("minimize") << "butMin" << QRect(1 + 227, 1 + 4, 9, 9);
        QTest::newRow("delete") << "butClose" << QRect(1 + 248, 1 + 4, 9, 9);
        QTest::newRow("menu") << "butMenu" << QRect(1 + 10, 1 + 147, 30, 9);
    }
    void buttonsStayInPlace()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        TestApp app;
        frmNote *note = NoteFixtures::loadedNote(app);
        const QMap<QString, PictureButton *> buttons{
            {"butB", note->butB},     {"butBC", note->butBC->get()}, {"butAlarm", note->butAlarm},
            {"butMin", note->butMin}, {"butClose", note->butClose},  {"butMenu", note->butMenu}};
        PictureButton *button = buttons.value(name);
        QVERIFY(button);
        QCOMPARE(QRect(button->mapTo(note, QPoint()), button->size()), geometry);
        QCOMPARE(button->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(button->pixmap().size(), geometry.size() * 2);
        note->Unload();
    }

    void noteAndBulletKeepTheirSizes()
    {
        TestApp app;
        frmNote *note = NoteFixtures::loadedNote(app);
        QCOMPARE(note->Picture().deviceIndependentSize().toSize(), QSize(261, 163));
        QCOMPARE(note->Picture().devicePixelRatio(), 2.0);
        note->ShowBullet();
        QCOMPARE(note->size(), QSize(35, 34));
        QCOMPARE(note->picBullet->pixmap().deviceIndependentSize().toSize(), QSize(35, 34));
        QCOMPARE(note->Width(), 35 * 15);
        note->Unload();
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_NoteHiDpi test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_NoteHiDpi.moc"
