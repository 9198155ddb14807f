#include "../skins/SkinTestFiles.h"
#include "TestApp.h"
#include "shell/FormRegistry.h"
#include "skintool/NoteOverlay.h"
#include "skintool/SkinBuilder.h"
#include "skintool/frmSkinPreview.h"
#include "skintool/frmSkinsmith.h"
#include "skintool/frmSplash.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

using namespace SkinTestFiles;

// skinsmith's windows, driven through their handlers and answered by the
// scripted prompter.
class tst_frmSkinsmith : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString work(const QString &name) const { return m_dir.filePath(name); }

    // The builder's private temporary folders still on disk.
    QStringList workFolders() const
    {
        return QDir(work(QStringLiteral("temp"))).entryList({QStringLiteral("skinsmith-*")});
    }

    static Prompter::FileChoice file(const QString &path) { return {path, 0}; }

    // An 800 x 600 picture: green above, a red bar along the bottom.
    QString picture()
    {
        const QString path = work(QStringLiteral("photo.png"));
        if (!QFileInfo::exists(path)) {
            QImage image(800, 600, QImage::Format_RGB32);
            image.fill(QColor(40, 160, 60));
            for (int y = 500; y < 600; ++y)
                for (int x = 0; x < 800; ++x)
                    image.setPixel(x, y, qRgb(220, 30, 30));
            image.save(path);
        }
        return path;
    }

    static void fill(frmSkinsmith &form, const QString &name, const QString &author,
                     const QString &email)
    {
        form.txtSkinName->setText(name);
        form.txtName->setText(author);
        form.txtEmail->setText(email);
    }

    static QStringList fields(const frmSkinsmith &form)
    {
        return {form.txtSkinName->text(), form.txtName->text(), form.txtEmail->text(),
                form.txtWebsite->text()};
    }

    void loadPicture(TestApp &app, frmSkinsmith &form)
    {
        app.prompter.files.enqueue(file(picture()));
        form.cmdLoadImage_Click();
    }

    // The picture loaded and the skin's texts filled in.
    void ready(TestApp &app, frmSkinsmith &form)
    {
        loadPicture(app, form);
        fill(form, QStringLiteral("Sea"), QStringLiteral("Ann"), QStringLiteral("a@b.c"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("TMPDIR", work(QStringLiteral("temp")).toLocal8Bit());
        QVERIFY(QDir().mkpath(work(QStringLiteral("temp"))));
    }

    void cleanup()
    {
        // Whatever happened, the busy cursor is gone and no work folder is left.
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(workFolders(), QStringList());
    }

    void loadingAPictureFillsTheCanvas()
    {
        TestApp app;
        frmSkinsmith form(app.ctx);
        loadPicture(app, form);
        QCOMPARE(app.prompter.offeredFilters.first().left(18),
                 QStringLiteral("All Picture Files "));
        QVERIFY(app.prompter.offeredFilters.first().contains(QStringLiteral("*.png")));
        QCOMPARE(form.imgSkin.size(), QSize(800, 600));
        QVERIFY(!form.imgOverLayer->isHidden());
        QCOMPARE(form.lastPath(), picture());
        const QImage canvas = form.picSkin->pixmap().toImage();
        QCOMPARE(canvas.size(), QSize(261, 163));
        // The picture where the note shows it, the close button's artwork over it.
        QCOMPARE(canvas.pixelColor(150, 10), QColor(40, 160, 60));
        QCOMPARE(canvas.pixelColor(150, 160), QColor(220, 30, 30));
        const QRect close = NoteOverlay::Regions().at(8);
        QVERIFY(canvas.pixelColor(close.center()) != QColor(40, 160, 60));
    }

    void anUnreadablePictureChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("metafile") << "drawing.wmf" << QByteArray("\xD7\xCD\xC6\x9A\0\0wmf", 9);
        QTest::newRow("not there") << "" << QByteArray();
    }

    void anUnreadablePictureChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        TestApp app;
        frmSkinsmith form(app.ctx);
        loadPicture(app, form);
        const QImage before = form.picSkin->pixmap().toImage();
        const QString path = work(name.isEmpty() ? QStringLiteral("gone.png") : name);
        if (!name.isEmpty())
            QVERIFY(writeAll(path, bytes));
        app.prompter.files.enqueue(file(path));
        form.cmdLoadImage_Click();
        QCOMPARE(app.prompter.shown.size(), 1);
        QVERIFY(
            app.prompter.shown[0].text.startsWith(QStringLiteral("Error on reading image.\r\n")));
        QVERIFY(app.prompter.shown[0].text.size() > 25);
        QCOMPARE(app.prompter.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(app.prompter.shown[0].icon, Prompter::Icon::Critical);
        QCOMPARE(form.picSkin->pixmap().toImage(), before);
        QCOMPARE(form.lastPath(), picture());
    }

    void buildChecksBeforeAskingWhere_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("withPicture");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no skin name")
            << QStringList{"", "", ""} << true << "Please enter a name fo this skin."
            << "txtSkinName";
        QTest::newRow("no author") << QStringList{"Sea", "", "e"} << true
                                   << "Please enter your name as author of this skin."
                                   << "txtName";
        QTest::newRow("no e-mail")
            << QStringList{"Sea", "Ann", ""} << true << "Please enter your email address."
            << "txtEmail";
        QTest::newRow("e-mail outside the code page")
            << QStringList{"Sea", "Ann", QStringLiteral("\u0430@b.c")} << true
            << "The e-mail address holds characters a skin file cannot store: \u0430"
            << "txtEmail";
        QTest::newRow("name that cannot name a file")
            << QStringList{"a:b", "Ann", "e"} << true << "The skin name cannot name a skin file"
            << "txtSkinName";
        QTest::newRow("no picture") << QStringList{"Sea", "Ann", "e"} << false
                                    << "Please load a picture for this skin first."
                                    << "cmdLoadImage";
    }

    void buildChecksBeforeAskingWhere()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, withPicture);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TestApp app;
        frmSkinsmith form(app.ctx);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        if (withPicture)
            loadPicture(app, form);
        fill(form, texts[0], texts[1], texts[2]);
        form.cmdBuildSkin_Click();
        QCOMPARE(app.prompter.shown.size(), 1);
        QVERIFY2(app.prompter.shown[0].text.startsWith(message),
                 qPrintable(app.prompter.shown[0].text));
        QCOMPARE(app.prompter.shown[0].icon, Prompter::Icon::Exclamation);
        QCOMPARE(app.prompter.fileRequests, withPicture ? 1 : 0);
        const QHash<QString, QWidget *> controls = {{"txtSkinName", form.txtSkinName},
                                                    {"txtName", form.txtName},
                                                    {"txtEmail", form.txtEmail},
                                                    {"cmdLoadImage", form.cmdLoadImage}};
        QCOMPARE(QApplication::focusWidget(), controls.value(focus));
    }

    void buildWritesWhatTheBuilderWrites_data()
    {
        QTest::addColumn<bool>("compress");
        QTest::addColumn<int>("quality");
        QTest::newRow("quality 100") << false << 100;
        QTest::newRow("slider at 40") << true << 40;
    }

    void buildWritesWhatTheBuilderWrites()
    {
        QFETCH(bool, compress);
        QFETCH(int, quality);
        TestApp app;
        frmSkinsmith form(app.ctx);
        ready(app, form);
        form.chkCompress->setChecked(compress);
        form.chkCompress_Click();
        form.sldCompress->setValue(40);
        for (int round = 0; round < 2; ++round) {
            app.prompter.files.enqueue(file(work(QStringLiteral("window.pqs"))));
            form.cmdBuildSkin_Click();
        }
        QCOMPARE(app.prompter.shown.size(), 2);
        QCOMPARE(app.prompter.shown[1].text, QStringLiteral("Sea skin sccessfully built."));
        QCOMPARE(app.prompter.shown[1].icon, Prompter::Icon::Information);
        QCOMPARE(app.prompter.offeredFilters, QStringList{frmSkinsmith::SkinFilter});
        // The same bytes as the command line, which writes what the builder writes.
        QString error;
        QVERIFY(SkinBuilder::build(SkinBuilder::loadPicture(picture(), &error),
                                   {"Sea", "Ann", "a@b.c", ""}, quality, work("direct.pqs"),
                                   &error));
        QCOMPARE(readAll(work(QStringLiteral("window.pqs"))), readAll(work("direct.pqs")));
    }

    void aNameWithoutExtensionGetsOneAndAsksBeforeReplacing_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<Prompter::Answer>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("new file") << false << Prompter::Answer::Ok << true;
        QTest::newRow("replace: yes") << true << Prompter::Answer::Yes << true;
        QTest::newRow("replace: no") << true << Prompter::Answer::No << false;
    }

    void aNameWithoutExtensionGetsOneAndAsksBeforeReplacing()
    {
        QFETCH(bool, exists);
        QFETCH(Prompter::Answer, answer);
        QFETCH(bool, written);
        TestApp app;
        frmSkinsmith form(app.ctx);
        ready(app, form);
        const QString target = app.home() + QStringLiteral("/Sea.pqs");
        if (exists)
            QVERIFY(writeAll(target, "older skin"));
        app.prompter.answers.enqueue(answer);
        app.prompter.files.enqueue(file(app.home() + QStringLiteral("/Sea")));
        form.cmdBuildSkin_Click();
        QCOMPARE(readAll(target) != QByteArray("older skin"), written);
        QVERIFY(!QFileInfo::exists(app.home() + QStringLiteral("/Sea")));
        QCOMPARE(app.prompter.shown.size(), exists ? (written ? 2 : 1) : 1);
    }

    void cancellingTheSaveDialogChangesNothing()
    {
        TestApp app;
        frmSkinsmith form(app.ctx);
        ready(app, form);
        const QStringList before = listing(m_dir.path());
        form.cmdBuildSkin_Click(); // the empty queue cancels the dialog
        QCOMPARE(app.prompter.fileRequests, 2);
        QCOMPARE(app.prompter.shown.size(), 0);
        QCOMPARE(listing(m_dir.path()), before);
        QCOMPARE(fields(form), QStringList({"Sea", "Ann", "a@b.c", ""}));
    }

    void aFailedBuildIsReported()
    {
        TestApp app;
        frmSkinsmith form(app.ctx);
        ready(app, form);
        app.prompter.files.enqueue(file(work(QStringLiteral("no/such/folder/Sea.pqs"))));
        form.cmdBuildSkin_Click();
        QCOMPARE(app.prompter.shown.size(), 1);
        QVERIFY(app.prompter.shown[0].text.startsWith(QStringLiteral("The skin was not built.")));
        QCOMPARE(app.prompter.shown[0].icon, Prompter::Icon::Critical);
    }

    void openingASkinFillsEveryField()
    {
        TestApp app;
        frmSkinsmith form(app.ctx);
        QString error;
        QVERIFY(SkinBuilder::build(SkinBuilder::loadPicture(picture(), &error),
                                   {"Ocean", "Ann Lee", "ann@example.org", "https://a.example"}, 90,
                                   work("Ocean.pqs"), &error));
        app.prompter.files.enqueue(file(work("Ocean.pqs")));
        form.cmdOpen_Click();
        QCOMPARE(app.prompter.shown.size(), 0);
        QCOMPARE(fields(form),
                 QStringList({"Ocean", "Ann Lee", "ann@example.org", "https://a.example"}));
        QCOMPARE(form.imgSkin.size(), QSize(261, 163));
        QCOMPARE(form.lastPath(), work("Ocean.pqs"));
        QVERIFY(!form.imgOverLayer->isHidden());
    }

    void refusedSkinsLeaveEveryField_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("warning");
        QTest::newRow("first four bytes zero")
            << le32(0) + skin("1.0", "Bo", "b@c.d", "", "Bad", "JPEG")
            << "This file is not an Pennyquill Skin.";
        QTest::newRow("another version") << skin("1.1", "Bo", "b@c.d", "", "Bad", "JPEG")
                                         << "The version of this skin is different from the "
                                            "version you have installed on your computer.";
    }

    void refusedSkinsLeaveEveryField()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, warning);
        TestApp app;
        frmSkinsmith form(app.ctx);
        ready(app, form);
        form.txtWebsite->setText(QStringLiteral("w"));
        const QImage canvas = form.picSkin->pixmap().toImage();
        QVERIFY(writeAll(work("bad.pqs"), bytes));
        app.prompter.files.enqueue(file(work("bad.pqs")));
        form.cmdOpen_Click();
        QCOMPARE(app.prompter.shown.size(), 1);
        QCOMPARE(app.prompter.shown[0].text, warning);
        QCOMPARE(app.prompter.shown[0].icon, Prompter::Icon::Exclamation);
        QCOMPARE(fields(form), QStringList({"Sea", "Ann", "a@b.c", "w"}));
        QCOMPARE(form.picSkin->pixmap().toImage(), canvas);
        QCOMPARE(form.lastPath(), picture());
    }

    void theLargePreviewShowsTheCanvasOnce()
    {
        TestApp app;
        frmSkinsmith form(app.ctx);
        form.Load();
        loadPicture(app, form);
        form.imgOverLayer_Click();
        form.imgOverLayer_Click();
        QCOMPARE(app.forms.formsNamed(QStringLiteral("frmSkinPreview")).size(), 1);
        frmSkinPreview *preview = form.preview();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->windowTitle(), QStringLiteral("Skin Preview"));
        QCOMPARE(preview->cmdClose->text(), QStringLiteral("Close"));
        QCOMPARE(preview->picSkin->pixmap().toImage(), form.picSkin->pixmap().toImage());
        preview->cmdClose_Click();
        QCOMPARE(app.forms.formsNamed(QStringLiteral("frmSkinPreview")).size(), 0);
    }

    void closingTheMainWindowEndsTheProgram()
    {
        TestApp app;
        QSignalSpy ended(&app.forms, &FormRegistry::lastFormUnloaded);
        auto *form = new frmSkinsmith(app.ctx);
        form->Load();
        loadPicture(app, *form);
        form->imgOverLayer_Click();
        form->cmdClose_Click();
        QCOMPARE(app.forms.all().size(), 0);
        QCOMPARE(ended.size(), 1);
    }

    void theLinkOpensTheUploadPage()
    {
        TestApp app;
        frmSkinsmith form(app.ctx);
        QTest::mouseClick(form.lblLink, Qt::LeftButton);
        QCOMPARE(app.shell.opened, QList<QUrl>{QUrl(frmSkinsmith::UploadPage)});
    }

    void theSplashOpensTheMainWindowAfterASecond()
    {
        TestApp app;
        app.forms.setFactory(QStringLiteral("frmSkinsmith"),
                             [&app] { return new frmSkinsmith(app.ctx); });
        auto *splash = new skinsmith::frmSplash(app.ctx);
        splash->Load();
        QVERIFY(splash->tmrLoad.isActive());
        QCOMPARE(splash->tmrLoad.interval(), 1000);
        QCOMPARE(splash->lblVersion->text(), QStringLiteral(" Version 1.0 Beta"));
        QCOMPARE(splash->lblVersion->font().family(), QStringLiteral("Tahoma"));
        splash->tmrLoad_Timer();
        QCOMPARE(app.forms.all().size(), 1);
        QVERIFY(app.forms.find(QStringLiteral("frmSkinsmith"))->isVisible());
    }
};

QTEST_MAIN(tst_frmSkinsmith)
#include "tst_frmSkinsmith.moc"
