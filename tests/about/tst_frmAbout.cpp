#include "TestApp.h"
#include "about/frmAbout.h"
#include "about/frmSupport.h"
#include "platform/TopMost.h"
#include "shell/Twips.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

class tst_frmAbout : public QObject
{
    Q_OBJECT

private:
    static void registerForms(TestApp &app)
    {
        app.forms.setFactory(QStringLiteral("frmAbout"), [&app] { return new frmAbout(app.ctx); });
        app.forms.setFactory(QStringLiteral("frmSupport"),
                             [&app] { return new frmSupport(app.ctx); });
    }

    static frmAbout *openAbout(TestApp &app)
    {
        auto *about =
            qobject_cast<frmAbout *>(app.forms.defaultInstance(QStringLiteral("frmAbout")));
        if (about)
            about->show();
        return about;
    }

    static QRect pixels(const QRect &twips)
    {
        return QRect(Twips::toPixels(twips.x()), Twips::toPixels(twips.y()),
                     Twips::toPixels(twips.width()), Twips::toPixels(twips.height()));
    }

    // Waits for the forms that Unload handed to deleteLater.
    static void flushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void load_setsCaptionTextsAndTimer()
    {
        TestApp app;
        registerForms(app);
        frmAbout *about = openAbout(app);
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About Pennyquill..."));
        QCOMPARE(about->Label2->text(), QStringLiteral(" Version 1.0"));
        QCOMPARE(about->Label2->palette().color(QPalette::WindowText), QColor(64, 64, 64));
        QCOMPARE(about->Label2->palette().color(QPalette::Window), QColor(Qt::white));
        // Its narrow corner still shows the whole text.
        QVERIFY(about->Label2->fontMetrics().horizontalAdvance(about->Label2->text()) <=
                about->Label2->width());
        QCOMPARE(about->Command1->text(), QStringLiteral("&OK"));
        QCOMPARE(about->Command2->text(), QStringLiteral("&Support information"));
        QVERIFY(about->tmrMoveInfo->isActive());
        QCOMPARE(about->tmrMoveInfo->interval(), 50);
        QVERIFY(!about->isModal());
        QVERIFY(TopMost::isTopMost(about));
        QCOMPARE(about->Image2->pixmap().size(), QSize(80, 30));
        QCOMPARE(about->Image3->pixmap().size(), QSize(211, 108));
    }

    void load_placesControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("picContainer") << "picContainer" << QRect(2520, 510, 2100, 1635);
        QTest::newRow("txtInfo") << "txtInfo" << QRect(30, 1605, 1890, 4710);
        QTest::newRow("Label2") << "Label2" << QRect(3780, 0, 855, 195);
        QTest::newRow("Command1") << "Command1" << QRect(3465, 2865, 1065, 330);
        QTest::newRow("Command2") << "Command2" << QRect(60, 2850, 1950, 345);
    }
    void load_placesControls()
    {
        QFETCH(QString, control);
        QFETCH(QRect, twips);
        TestApp app;
        registerForms(app);
        frmAbout *about = openAbout(app);
        const QHash<QString, QWidget *> controls{{"picContainer", about->picContainer},
                                                 {"txtInfo", about->txtInfo},
                                                 {"Label2", about->Label2},
                                                 {"Command1", about->Command1},
                                                 {"Command2", about->Command2}};
        const QWidget *widget = controls.value(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), pixels(twips));
    }

    void infoText_hasFourParagraphsWithCrLf()
    {
        const QStringList lines = frmAbout::InfoText().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines[0].contains(QStringLiteral("Corvane")));
        QVERIFY(lines[0].contains(QStringLiteral("rights reserved")));
        QVERIFY(lines[1].contains(QStringLiteral("law")));
        QVERIFY(lines[1].contains(QStringLiteral("prosecuted")));
        QVERIFY(lines[2].isEmpty());
        QVERIFY(lines[3].contains(QStringLiteral("Corvane logo")));
        QVERIFY(lines[3].contains(QStringLiteral("Pennyquill")));
        QVERIFY(lines[4].isEmpty());
        QVERIFY(lines[5].contains(QStringLiteral("corvane.example")));
        // No stray bare CR or LF besides the pairs.
        for (const QString &line : lines)
            QVERIFY(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    }

    void load_showsTheTextLineByLine()
    {
        TestApp app;
        registerForms(app);
        frmAbout *about = openAbout(app);
        const QTextDocument *doc = about->txtInfo->document();
        QCOMPARE(doc->blockCount(), 6);
        QCOMPARE(doc->toPlainText(),
                 frmAbout::InfoText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        // The whole text fits the text box, so none of it is cut off below.
        QVERIFY(doc->size().height() <= about->txtInfo->viewport()->height());
    }

    void scroll_wrapsAtTick931ThenEvery936()
    {
        TestApp app;
        registerForms(app);
        frmAbout *about = openAbout(app);
        about->tmrMoveInfo->stop(); // the test drives the ticks
        QCOMPARE(about->txtInfoTop(), 1605);
        QList<int> wraps;
        for (int tick = 1; tick <= 3000; ++tick) {
            const int before = about->txtInfoTop();
            about->tmrMoveInfo_Timer();
            const int after = about->txtInfoTop();
            if (after > before) {
                QCOMPARE(after, 1635);
                // The lower edge had gone more than 200 twips above the window.
                QVERIFY(before - 7 + 4710 + 200 < 0);
                wraps.append(tick);
            } else {
                QCOMPARE(after, before - 7);
                QVERIFY(after + 4710 + 200 >= 0);
            }
            QCOMPARE(about->txtInfo->y(), Twips::toPixels(after));
        }
        QCOMPARE(wraps, (QList<int>{931, 1867, 2803}));
    }

    void scroll_lastPlacesBeforeAndAtTheWrap()
    {
        TestApp app;
        registerForms(app);
        frmAbout *about = openAbout(app);
        about->tmrMoveInfo->stop();
        for (int tick = 0; tick < 930; ++tick)
            about->tmrMoveInfo_Timer();
        QCOMPARE(about->txtInfoTop(), -4905);
        about->tmrMoveInfo_Timer();
        QCOMPARE(about->txtInfoTop(), 1635);
        for (int tick = 0; tick < 935; ++tick)
            about->tmrMoveInfo_Timer();
        QCOMPARE(about->txtInfoTop(), -4910); // exactly on the margin: not yet
        about->tmrMoveInfo_Timer();
        QCOMPARE(about->txtInfoTop(), 1635);
    }

    void scroll_runsFromTheTimer()
    {
        TestApp app;
        registerForms(app);
        frmAbout *about = openAbout(app);
        QTRY_VERIFY_WITH_TIMEOUT(about->txtInfoTop() < 1605, 2000);
        QCOMPARE((1605 - about->txtInfoTop()) % 7, 0);
    }

    void reopening_startsTheTextFromItsFirstPlace()
    {
        TestApp app;
        registerForms(app);
        QPointer<frmAbout> first = openAbout(app);
        first->tmrMoveInfo->stop();
        for (int tick = 0; tick < 100; ++tick)
            first->tmrMoveInfo_Timer();
        QCOMPARE(first->txtInfoTop(), 1605 - 700);
        first->Command1_Click();
        QVERIFY(!app.forms.find(QStringLiteral("frmAbout")));
        flushDeletes();
        QVERIFY(first.isNull());
        frmAbout *second = openAbout(app);
        QVERIFY(second);
        QCOMPARE(second->txtInfoTop(), 1605);
        QCOMPARE(second->txtInfo->y(), 107);
    }

    void titleBarClose_unloadsTheBox()
    {
        TestApp app;
        registerForms(app);
        QPointer<frmAbout> about = openAbout(app);
        QVERIFY(about->close());
        QVERIFY(!app.forms.find(QStringLiteral("frmAbout")));
        flushDeletes();
        QVERIFY(about.isNull());
    }

    void supportButtonTwice_showsOneSupportWindow()
    {
        TestApp app;
        registerForms(app);
        frmAbout *about = openAbout(app);
        about->Command2_Click();
        Form *support = app.forms.find(QStringLiteral("frmSupport"));
        QVERIFY(support);
        QVERIFY(support->isVisible());
        QVERIFY(TopMost::isTopMost(support));
        QVERIFY(!support->isModal());
        support->hide(); // pushed out of sight: the second press brings it back
        QTest::mouseClick(about->Command2, Qt::LeftButton);
        QCOMPARE(app.forms.formsNamed(QStringLiteral("frmSupport")).size(), 1);
        QCOMPARE(app.forms.find(QStringLiteral("frmSupport")), support);
        QVERIFY(support->isVisible());
    }

    void closingAbout_leavesSupportOpen()
    {
        TestApp app;
        registerForms(app);
        frmAbout *about = openAbout(app);
        about->Command2_Click();
        QPointer<Form> support = app.forms.find(QStringLiteral("frmSupport"));
        QTest::mouseClick(about->Command1, Qt::LeftButton);
        flushDeletes();
        QVERIFY(!app.forms.find(QStringLiteral("frmAbout")));
        QVERIFY(!support.isNull());
        QVERIFY(support->isVisible());
        QCOMPARE(app.forms.find(QStringLiteral("frmSupport")), support.data());
    }

    void supportButton_withoutFactory_doesNothing()
    {
        TestApp app;
        app.forms.setFactory(QStringLiteral("frmAbout"), [&app] { return new frmAbout(app.ctx); });
        frmAbout *about = openAbout(app);
        about->Command2_Click();
        QCOMPARE(app.forms.all().size(), 1);
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
