#include "NoteFixtures.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/Artwork.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include <cmath>

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

    // The message line stays readable whatever the skin under it: text and skin differ in
    // lightness by the ratio that readable text needs (4.5 to 1).
    void messageLineReadsOnTheSkin_data()
    {
        QTest::addColumn<QColor>("skin");
        QTest::addColumn<QColor>("band"); // under the message line only
        QTest::newRow("yellow") << QColor(251, 226, 118) << QColor();
        QTest::newRow("white") << QColor(Qt::white) << QColor();
        QTest::newRow("night blue") << QColor(20, 30, 70) << QColor();
        QTest::newRow("black") << QColor(Qt::black) << QColor();
        QTest::newRow("light with a dark band") << QColor(Qt::white) << QColor(30, 20, 10);
        QTest::newRow("dark with a light band") << QColor(Qt::black) << QColor(250, 240, 200);
    }
    void messageLineReadsOnTheSkin()
    {
        QFETCH(QColor, skin);
        QFETCH(QColor, band);
        TestApp app;
        frmNote *note = NoteFixtures::loadedNote(app);
        QPixmap picture(261, 163);
        picture.fill(skin);
        if (band.isValid())
            QPainter(&picture).fillRect(note->lblAds->geometry(), band);
        note->setPicture(picture);
        const QColor ink = note->lblAds->palette().color(QPalette::WindowText);
        const QColor under = band.isValid() ? band : skin;
        const auto luminance = [](const QColor &c) {
            const auto linear = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
                   0.0722 * linear(c.blueF());
        };
        const double a = luminance(ink) + 0.05;
        const double b = luminance(under) + 0.05;
        QVERIFY2(std::max(a, b) / std::min(a, b) >= 4.5, qPrintable(ink.name()));
        note->Unload();
    }
};

QTEST_MAIN(tst_NoteLook)
#include "tst_NoteLook.moc"
