#include "NoteFixtures.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/Artwork.h"

#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

class tst_NoteLook : public QObject
{
    Q_OBJECT

private slots:
    // Every pixel of the bullet picture that the round window shape shows is
    // the bullet's own, and nothing of the picture lies outside the shape.
    void bulletPictureFillsItsShape_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("scale 1") << 1.0;
        QTest::newRow("scale 2") << 2.0;
    }
    void bulletPictureFillsItsShape()
    {
        QFETCH(qreal, scale);
        const QImage picture = Artwork::pixmap(":/note/bullet.png", scale)
                                   .toImage()
                                   .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(picture.size(), QSize(35, 34) * scale);
        const QRegion shape = frmNote::BulletShape();
        int inside = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const bool shown = shape.contains(QPoint(int(x / scale), int(y / scale)));
                const int alpha = qAlpha(picture.pixel(x, y));
                if (shown != (alpha == 255) || (!shown && alpha != 0))
                    QFAIL(qPrintable(QString("pixel %1,%2: alpha %3, %4 the shape")
                                         .arg(x)
                                         .arg(y)
                                         .arg(alpha)
                                         .arg(shown ? "inside" : "outside")));
                inside += shown;
            }
        QVERIFY(inside > 600 * scale * scale);
    }

    // The shape is whole in the window both ways a note becomes a bullet.
    void bulletShapeIsWholeInTheWindow_data()
    {
        QTest::addColumn<bool>("restoredFromSession");
        QTest::newRow("restored from a session") << true;
        QTest::newRow("freshly minimized") << false;
    }
    void bulletShapeIsWholeInTheWindow()
    {
        QFETCH(bool, restoredFromSession);
        TestApp app;
        frmNote *note = NoteFixtures::loadedNote(app);
        note->show();
        if (restoredFromSession) {
            note->ShowBullet();
        } else {
            note->tmrMin_Timer();
            QVERIFY(QTest::qWaitFor([note] { return note->isBullet(); }, 10000));
        }
        QCOMPARE(note->mask(), frmNote::BulletShape());
        QVERIFY(note->rect().contains(note->mask().boundingRect()));
        QVERIFY(note->picBullet->geometry().contains(note->mask().boundingRect()));
        note->Unload();
    }

    void artworkAtTheScreensScale_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<qreal>("ratio");
        const std::tuple<const char *, const char *, QSize> pictures[] = {
            {"bullet", ":/note/bullet.png", {35, 34}},
            {"skin", ":/note/baseskin.png", {261, 163}},
            {"bold", ":/note/butBC.png", {10, 11}},
            {"menu", ":/note/butMenu.png", {30, 9}},
            {"grow", ":/note/butGrow.png", {9, 9}},
            {"menu picture", ":/note/menu3.png", {16, 16}},
            {"splash", ":/splash/image1.png", {96, 96}},
            {"about", ":/about/product.png", {211, 108}}};
        for (qreal scale : {1.0, 2.0})
            for (const auto &[name, path, size] : pictures)
                QTest::addRow("%s at %g", name, scale) << path << size << scale << scale;
        // Pictures without a large one are used as they are.
        QTest::newRow("icon at 2") << ":/note/icon16.png" << QSize(16, 16) << 2.0 << 1.0;
        QTest::newRow("scale 1.25 uses the large one")
            << ":/note/bullet.png" << QSize(35, 34) << 1.25 << 2.0;
    }
    void artworkAtTheScreensScale()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(qreal, scale);
        QFETCH(qreal, ratio);
        const QPixmap picture = Artwork::pixmap(path, scale);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(picture.deviceIndependentSize().toSize(), size);
        QCOMPARE(picture.size(), size * ratio);
    }

    // A long note's scroll bar is thin and takes the skin's colours.
    void scrollBarsSuitTheSkin_data()
    {
        QTest::addColumn<QColor>("skin");
        QTest::newRow("yellow") << QColor(251, 226, 118);
        QTest::newRow("sea blue") << QColor(40, 90, 170);
        QTest::newRow("white") << QColor(255, 255, 255);
    }
    void scrollBarsSuitTheSkin()
    {
        QFETCH(QColor, skin);
        TestApp app;
        frmNote *note = NoteFixtures::loadedNote(app);
        QPixmap picture(261, 163);
        picture.fill(skin);
        note->setPicture(picture);
        const QColor bar = frmNote::ScrollBarColor(picture);
        QCOMPARE(bar.hue(), skin.hue());
        QVERIFY(bar.value() < skin.value());
        QVERIFY(bar.alpha() > 100 && bar.alpha() < 255);
        // The bar takes its look when it first shows: a short note has none to build.
        QScrollBar *vertical = note->rtxtMain->verticalScrollBar();
        note->show();
        QVERIFY(!vertical->isVisible());
        QVERIFY(vertical->styleSheet().isEmpty());
        note->rtxtMain->setText(QStringLiteral("line\r\n").repeated(40));
        QTRY_VERIFY(vertical->isVisible());
        QVERIFY(vertical->styleSheet().contains(bar.name(QColor::HexArgb)));
        QVERIFY(vertical->sizeHint().width() <= 8);
        // A new skin restyles the bar that shows.
        QPixmap other(261, 163);
        other.fill(Qt::darkGreen);
        note->setPicture(other);
        QVERIFY(
            vertical->styleSheet().contains(frmNote::ScrollBarColor(other).name(QColor::HexArgb)));
        note->Unload();
    }
};

QTEST_MAIN(tst_NoteLook)
#include "tst_NoteLook.moc"
