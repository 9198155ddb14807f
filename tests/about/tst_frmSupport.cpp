#include "TestApp.h"
#include "about/frmSupport.h"
#include "shell/Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

class tst_frmSupport : public QObject
{
    Q_OBJECT

private:
    static frmSupport *openSupport(TestApp &app)
    {
        app.forms.setFactory(QStringLiteral("frmSupport"),
                             [&app] { return new frmSupport(app.ctx); });
        auto *support =
            qobject_cast<frmSupport *>(app.forms.defaultInstance(QStringLiteral("frmSupport")));
        if (support)
            support->show();
        return support;
    }

    static void moveOver(QWidget *widget)
    {
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }

    static bool showsLinkCursor(const QWidget *widget, const frmSupport *support)
    {
        return widget->testAttribute(Qt::WA_SetCursor) &&
               widget->cursor().shape() == Qt::BitmapCursor &&
               widget->cursor().pixmap().toImage() == support->MouseIcon().pixmap().toImage();
    }

private slots:
    void load_setsCaptionAndTheContactLines()
    {
        TestApp app;
        frmSupport *support = openSupport(app);
        QCOMPARE(support->windowTitle(), QStringLiteral("Support information"));
        const QStringList lines = frmSupport::InfoText().split(QStringLiteral("\r\n"));
        const QStringList expected{
            "If you have any comment or questions, feel free to email us via following address:",
            "<support@corvane.example>",
            "Our support team will answer your emails within one day or two.",
            "Visit Pennyquill online for latest news and FAQs. You can subscribe yourself to our "
            "mailing list to receive our newsletter that contains special offers, news, updates, "
            "product reviews, tip and tricks about Pennyquill and our other software."};
        QCOMPARE(lines, expected);
        QCOMPARE(support->txtInfo->toPlainText(), expected.join(QLatin1Char('\n')));
        QCOMPARE(support->cmdClose->text(), QStringLiteral("&Close"));
        QVERIFY(!support->isModal());
    }

    void load_placesControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<bool>("link"); // a link may grow to show its whole text
        QTest::newRow("txtInfo") << "txtInfo" << QRect(90, 135, 4515, 2235) << false;
        QTest::newRow("lblWebsite") << "lblWebsite" << QRect(135, 2835, 2070, 240) << true;
        QTest::newRow("lblSupport") << "lblSupport" << QRect(120, 2580, 1815, 255) << true;
        QTest::newRow("cmdClose") << "cmdClose" << QRect(3525, 2820, 1065, 345) << false;
    }
    void load_placesControls()
    {
        QFETCH(QString, control);
        QFETCH(QRect, twips);
        QFETCH(bool, link);
        TestApp app;
        frmSupport *support = openSupport(app);
        const QHash<QString, QWidget *> controls{{"txtInfo", support->txtInfo},
                                                 {"lblWebsite", support->lblWebsite},
                                                 {"lblSupport", support->lblSupport},
                                                 {"cmdClose", support->cmdClose}};
        const QRect expected(Twips::toPixels(twips.x()), Twips::toPixels(twips.y()),
                             Twips::toPixels(twips.width()), Twips::toPixels(twips.height()));
        const QWidget *widget = controls.value(control);
        QVERIFY(widget);
        if (!link) {
            QCOMPARE(widget->geometry(), expected);
            return;
        }
        QCOMPARE(widget->pos(), expected.topLeft());
        QCOMPARE(widget->height(), expected.height());
        QVERIFY(widget->width() >= expected.width());
        QVERIFY(widget->width() >= widget->sizeHint().width());
        // Grown or not, it stays inside the window and clear of the Close button.
        QVERIFY(support->rect().contains(widget->geometry()));
        QVERIFY(!widget->geometry().intersects(support->cmdClose->geometry()));
    }

    void links_lookLikeLinks()
    {
        TestApp app;
        frmSupport *support = openSupport(app);
        const QColor highlight = support->palette().color(QPalette::Highlight);
        QCOMPARE(support->lblWebsite->palette().color(QPalette::WindowText), highlight);
        QCOMPARE(support->lblSupport->palette().color(QPalette::WindowText), highlight);
        QCOMPARE(support->lblSupport->text(), QStringLiteral("support@corvane.example"));
        QCOMPARE(support->lblWebsite->text(), QStringLiteral("corvane.example"));
        const QFont font = support->lblSupport->font();
        QVERIFY(font.bold());
        QVERIFY(font.underline());
        QCOMPARE(font.pointSizeF(), 8.25);
        QCOMPARE(support->MouseIcon().pixmap().size(), QSize(32, 32));
        QVERIFY(showsLinkCursor(support->lblWebsite, support));
        QVERIFY(showsLinkCursor(support->lblSupport, support));
        // The text box takes the window's face colour.
        QCOMPARE(support->txtInfo->palette().color(QPalette::Base),
                 support->palette().color(QPalette::Window));
    }

    void websiteClick_opensTheMakersSite()
    {
        TestApp app;
        frmSupport *support = openSupport(app);
        QTest::mouseClick(support->lblWebsite, Qt::LeftButton);
        QCOMPARE(app.shell.opened, (QList<QUrl>{QUrl(QStringLiteral("https://corvane.example/"))}));
    }

    void supportClick_startsAMailToTheSupportAddress()
    {
        TestApp app;
        frmSupport *support = openSupport(app);
        QTest::mouseClick(support->lblSupport, Qt::LeftButton);
        QCOMPARE(app.shell.opened.size(), 1);
        QCOMPARE(app.shell.opened.first().scheme(), QStringLiteral("mailto"));
        QCOMPARE(app.shell.opened.first().path(), QStringLiteral("support@corvane.example"));
    }

    void rightClickOrReleaseElsewhere_opensNothing()
    {
        TestApp app;
        frmSupport *support = openSupport(app);
        QTest::mouseClick(support->lblSupport, Qt::RightButton);
        QTest::mousePress(support->lblWebsite, Qt::LeftButton);
        QTest::mouseRelease(support->lblWebsite, Qt::LeftButton, {}, QPoint(-20, -20));
        QVERIFY(app.shell.opened.isEmpty());
    }

    void mousePointer_followsTheMouse_data()
    {
        QTest::addColumn<QString>("over");
        QTest::addColumn<int>("pointer");
        QTest::newRow("web link") << "lblWebsite" << 99;
        QTest::newRow("mail link") << "lblSupport" << 99;
        QTest::newRow("window") << "form" << 0;
        QTest::newRow("close button") << "cmdClose" << 0;
        QTest::newRow("text") << "txtInfo" << 0;
    }
    void mousePointer_followsTheMouse()
    {
        QFETCH(QString, over);
        QFETCH(int, pointer);
        TestApp app;
        frmSupport *support = openSupport(app);
        const QHash<QString, QWidget *> targets{{"lblWebsite", support->lblWebsite},
                                                {"lblSupport", support->lblSupport},
                                                {"form", support},
                                                {"cmdClose", support->cmdClose},
                                                {"txtInfo", support->txtInfo->viewport()}};
        // Start from the opposite pointer so the move has something to change.
        support->setMousePointer(pointer == 99 ? 0 : 99);
        QWidget *target = targets.value(over);
        QVERIFY(target);
        moveOver(target);
        QCOMPARE(support->MousePointer(), pointer);
        QCOMPARE(showsLinkCursor(support, support), pointer == 99);
    }

    void closeButton_unloadsTheWindow()
    {
        TestApp app;
        QPointer<frmSupport> support = openSupport(app);
        QTest::mouseClick(support->cmdClose, Qt::LeftButton);
        QVERIFY(!app.forms.find(QStringLiteral("frmSupport")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(support.isNull());
    }
};

QTEST_MAIN(tst_frmSupport)
#include "tst_frmSupport.moc"
