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

    static QStringList fields(const frmSkinsmith &form)
    {
        return {form.txtSkinName->text(), form.txtName->text(), form.txtEmail->text(),
                form.txtWebsite->text()};
    }

    void loadPicture(TestApp &app, frmSkinsmith &form, const QString &path = QString())
    {
        app.prompter.files.enqueue(file(path.isEmpty() ? picture() : path));
        form.cmdLoadImage_Click();
    }

    // The picture loaded (unless told not to) and the skin's texts filled in.
    void ready(TestApp &app, frmSkinsmith &form, const QStringList &texts = {"Sea", "Ann", "a@b.c"},
               bool withPicture = true)
    {
        if (withPicture)
            loadPicture(app, form);
        form.txtSkinName->setText(texts[0]);
        form.txtName->setText(texts[1]);
        form.txtEmail->setText(texts[2]);
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
        QCOMPARE(QDir(work(QStringLiteral("temp"))).entryList({QStringLiteral("skinsmith-*")}),
                 QStringList());
    }

    void loadingAPictureFillsTheCanvas()
    {
        TestApp app;
        frmSkinsmith form(app.ctx);
        loadPicture(app, form);
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

    // A picture or skin that cannot be read is reported, and the loaded
    // picture, the texts and the folder dialogs start from stay as they were.
    void unreadableFilesChangeNothing_data()
    {
        QTest::addColumn<bool>("openSkin");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // a null array: no such file
        QTest::addColumn<QString>("message");  // a picture's is followed by the reason
        const QString unreadable = QStringLiteral("Error on reading image.\r\n");
        QTest::newRow("metafile picture")
            << false << "drawing.wmf" << QByteArray("\xD7\xCD\xC6\x9A\0\0wmf", 9) << unreadable;
        QTest::newRow("picture not there") << false << "gone.png" << QByteArray() << unreadable;
        QTest::newRow("skin with first four bytes zero")
            << true << "bad.pqs" << le32(0) + skin("1.0", "Bo", "b@c.d", "", "Bad", "JPEG")
            << "This file is not a Pennyquill skin.";
        QTest::newRow("skin of another version")
            << true << "bad.pqs" << skin("1.1", "Bo", "b@c.d", "", "Bad", "JPEG")
            << "The version of this skin is different from the version you have installed on "
               "your computer.";
    }

    void unreadableFilesChangeNothing()
    {
        QFETCH(bool, openSkin);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TestApp app;
        frmSkinsmith form(app.ctx);
        ready(app, form);
        form.txtWebsite->setText(QStringLiteral("w"));
        const QImage canvas = form.picSkin->pixmap().toImage();
        if (!bytes.isNull())
            QVERIFY(writeAll(work(name), bytes));
        if (openSkin) {
            app.prompter.files.enqueue(file(work(name)));
            form.cmdOpen_Click();
        } else {
            loadPicture(app, form, work(name));
        }
        QCOMPARE(app.prompter.shown.size(), 1);
        const auto &shown = app.prompter.shown[0];
        QVERIFY2(shown.text.startsWith(message), qPrintable(shown.text));
        QCOMPARE(shown.text.size() > message.size(), !openSkin);
        QCOMPARE(shown.icon, openSkin ? Prompter::Icon::Exclamation : Prompter::Icon::Critical);
        QCOMPARE(shown.title, openSkin ? frmSkinsmith::Title : QStringLiteral("Error"));
        QCOMPARE(fields(form), QStringList({"Sea", "Ann", "a@b.c", "w"}));
        QCOMPARE(form.picSkin->pixmap().toImage(), canvas);
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
        ready(app, form, texts, withPicture);
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
        QCOMPARE(app.prompter.shown[1].text, QStringLiteral("Sea skin successfully built."));
        QCOMPARE(app.prompter.shown[1].icon, Prompter::Icon::Information);
        QCOMPARE(app.prompter.offeredFilters, QStringList{frmSkinsmith::SkinFilter});
        // The same bytes as the command line, which writes what the builder writes.
        QString error;
        QVERIFY(SkinBuilder::build(SkinBuilder::loadPicture(picture(), &error),
                                   {"Sea", "Ann", "a@b.c", ""}, quality, work("direct.pqs"),
                                   &error));
        QCOMPARE(readAll(work(QStringLiteral("window.pqs"))), readAll(work("direct.pqs")));
    }

    // What the save dialog answers: only a good answer writes a skin, and only there.
    void theChosenFileIsWrittenOrNothingIs_data()
    {
        using A = Prompter::Answer;
        using I = Prompter::Icon;
        QTest::addColumn<QString>("chosen"); // under the home folder; empty cancels the dialog
        QTest::addColumn<bool>("exists");
        QTest::addColumn<A>("answer");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("last"); // how the last message starts
        QTest::addColumn<I>("icon");
        const QString built = QStringLiteral("Sea skin successfully built.");
        QTest::newRow("cancelled") << "" << false << A::Ok << false << 0 << "" << I::None;
        QTest::newRow("new file without extension")
            << "Sea" << false << A::Ok << true << 1 << built << I::Information;
        QTest::newRow("replace: yes")
            << "Sea" << true << A::Yes << true << 2 << built << I::Information;
        QTest::newRow("replace: no")
            << "Sea" << true << A::No << false << 1
            << "Sea.pqs already exists.\r\nDo you want to replace it?" << I::Exclamation;
        QTest::newRow("folder missing") << "no/such/folder/Sea.pqs" << false << A::Ok << false << 1
                                        << "The skin was not built." << I::Critical;
    }

    void theChosenFileIsWrittenOrNothingIs()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, exists);
        QFETCH(Prompter::Answer, answer);
        QFETCH(bool, written);
        QFETCH(int, messages);
        QFETCH(QString, last);
        QFETCH(Prompter::Icon, icon);
        TestApp app;
        frmSkinsmith form(app.ctx);
        ready(app, form);
        const QString target = app.home() + QStringLiteral("/Sea.pqs");
        if (exists)
            QVERIFY(writeAll(target, "older skin"));
        const QStringList before = listing(m_dir.path());
        app.prompter.answers.enqueue(answer);
        if (!chosen.isEmpty())
            app.prompter.files.enqueue(file(app.home() + QLatin1Char('/') + chosen));
        form.cmdBuildSkin_Click();
        QCOMPARE(app.prompter.fileRequests, 2);
        QCOMPARE(QFileInfo::exists(target) && readAll(target) != QByteArray("older skin"), written);
        QVERIFY(!QFileInfo::exists(app.home() + QStringLiteral("/Sea")));
        QCOMPARE(listing(m_dir.path()), before);
        QCOMPARE(fields(form), QStringList({"Sea", "Ann", "a@b.c", ""}));
        QCOMPARE(app.prompter.shown.size(), messages);
        if (messages > 0) {
            QVERIFY2(app.prompter.shown.last().text.startsWith(last),
                     qPrintable(app.prompter.shown.last().text));
            QCOMPARE(app.prompter.shown.last().icon, icon);
        }
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

    void theSplashOpensTheMainWindow()
    {
        TestApp app;
        app.forms.setFactory(QStringLiteral("frmSkinsmith"),
                             [&app] { return new frmSkinsmith(app.ctx); });
        auto *splash = new skinsmith::frmSplash(app.ctx);
        splash->Load();
        QVERIFY(splash->tmrLoad.isActive());
        splash->tmrLoad_Timer();
        QCOMPARE(app.forms.all().size(), 1);
        QVERIFY(app.forms.find(QStringLiteral("frmSkinsmith"))->isVisible());
    }
};

QTEST_MAIN(tst_frmSkinsmith)
#include "tst_frmSkinsmith.moc"
