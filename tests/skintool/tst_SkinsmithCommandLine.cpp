#include "../skins/SkinMaker.h"
#include "../skins/SkinTestFiles.h"
#include "TestApp.h"
#include "notes/frmNote.h"
#include "skins/frmSkins.h"
#include "skintool/SkinBuilder.h"
#include "skintool/SkinsmithCommandLine.h"

#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace SkinTestFiles;

// skinsmith's commands for scripts: in-process for the cases, and the real
// program for exit statuses, the missing display and the end-to-end path.
class tst_SkinsmithCommandLine : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_out;
    QString m_err;

    QString work(const QString &name) const { return m_dir.filePath(name); }

    int run(const QStringList &arguments)
    {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out);
        QTextStream err(&m_err);
        const int status = SkinsmithCommandLine::run(
            QStringList{QStringLiteral("skinsmith")} + arguments, out, err);
        out.flush();
        err.flush();
        return status;
    }

    // A readable 800 x 600 picture on disk.
    QString picture()
    {
        QImage image(800, 600, QImage::Format_RGB32);
        image.fill(QColor(30, 120, 200));
        const QString path = work(QStringLiteral("picture.png"));
        if (!QFileInfo::exists(path))
            image.save(path);
        return path;
    }

    QStringList buildArguments(const QString &output)
    {
        return {"build", picture(),  "-o",      output,    "--name",
                "Ocean", "--author", "Ann Lee", "--email", "ann@example.org"};
    }

    static QByteArray smallJpeg()
    {
        QImage image(12, 8, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG");
        return bytes;
    }

    // A failure is one line on the error output, naming the program and the reason.
    static void checkOneLineFailure(const QString &err, const QString &reason)
    {
        QVERIFY2(err.startsWith(QStringLiteral("skinsmith: ")) && err.contains(reason),
                 qPrintable(err));
        QCOMPARE(err.count(QLatin1Char('\n')), 1);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void buildThenInfo()
    {
        QCOMPARE(run(buildArguments(work("s.pqs")) + QStringList{"--website", "https://a.example"}),
                 0);
        QCOMPARE(m_err, QString());
        QCOMPARE(run({"info", work("s.pqs")}), 0);
        QCOMPARE(m_out.split(QLatin1Char('\n')),
                 QStringList({"Version: 1.0", "Skin name: Ocean", "Author: Ann Lee",
                              "Email: ann@example.org", "Website: https://a.example",
                              "Picture: 261 x 163", ""}));
    }

    void buildIsTheSameAsTheBuilderAndRepeatable_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("quality");
        QTest::newRow("compression off") << QStringList() << 100;
        QTest::newRow("quality 40") << QStringList{QStringLiteral("--quality"), "40"} << 40;
    }

    void buildIsTheSameAsTheBuilderAndRepeatable()
    {
        QFETCH(QStringList, extra);
        QFETCH(int, quality);
        QCOMPARE(run(buildArguments(work("cli.pqs")) + extra), 0);
        const QByteArray first = readAll(work("cli.pqs"));
        QCOMPARE(run(buildArguments(work("cli.pqs")) + extra), 0);
        QCOMPARE(readAll(work("cli.pqs")), first);
        QString error;
        QVERIFY(SkinBuilder::build(SkinBuilder::loadPicture(picture(), &error),
                                   {"Ocean", "Ann Lee", "ann@example.org", ""}, quality,
                                   work("direct.pqs"), &error));
        QCOMPARE(first, readAll(work("direct.pqs")));
    }

    void checkRefusesEveryHostileSkin_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QHash<QString, QString> reasons = {
            {"empty file", "not a skin file"},
            {"first four bytes zero", "not a skin file"},
            {"version 1.1", "version \"1.1\""},
            {"version 1.0 and a space", "version \"1.0 \""},
            {"no picture after the header", "picture"},
            {"picture that is no picture", "picture"},
            {"stored name climbs out", "cannot be installed"},
            {"stored name is an absolute path", "cannot be installed"},
        };
        for (const auto &[name, bytes] : hostileSkins(smallJpeg()))
            QTest::newRow(qPrintable(name)) << bytes << reasons.value(name, "damaged");
    }

    void checkRefusesEveryHostileSkin()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QVERIFY(writeAll(work("hostile.pqs"), bytes));
        QCOMPARE(run({"check", work("hostile.pqs")}), 1);
        checkOneLineFailure(m_err, reason);
        QCOMPARE(m_out, QString());

        // Nothing is extracted from it either.
        QFile::remove(work("out.jpg"));
        QCOMPARE(run({"extract", work("hostile.pqs"), "-o", work("out.jpg")}) == 0,
                 reason == QLatin1String("cannot be installed"));
    }

    void aGoodSkinIsAcceptedAndItsPictureExtracted()
    {
        const QByteArray jpeg = smallJpeg();
        QVERIFY(writeAll(work("good.pqs"), skin("1.0", "Ann", "", "", "Ocean", jpeg)));
        QCOMPARE(run({"check", work("good.pqs")}), 0);
        QVERIFY2(m_out.contains(QStringLiteral("accepts (\"Ocean\", 12 x 8)")), qPrintable(m_out));
        QVERIFY(m_out.contains(QStringLiteral("will not fit")));
        QCOMPARE(m_err, QString());
        QVERIFY(writeAll(work("x.jpg"), QByteArray(100000, 'o')));
        QCOMPARE(run({"extract", work("good.pqs"), "-o", work("x.jpg")}), 0);
        QCOMPARE(readAll(work("x.jpg")), jpeg);
    }

    // Wrong usage ends with status 2, a refused build with 1; neither writes the skin.
    void refusedCommandsWriteNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        const QString skinFile = work("u.pqs");
        const auto build = [this, &skinFile](const QString &option, const QString &value) {
            QStringList arguments = buildArguments(skinFile);
            arguments[option.isEmpty() ? 1 : arguments.indexOf(option) + 1] = value;
            return arguments;
        };
        QTest::newRow("no command") << QStringList{"--name", "x"} << 2 << "no command";
        QTest::newRow("unknown command") << QStringList{"make", skinFile} << 2 << "unknown command";
        QTest::newRow("build without e-mail")
            << QStringList{"build", "p.png", "-o", skinFile, "--name", "n", "--author", "a"} << 2
            << "--email";
        QTest::newRow("quality above 100")
            << buildArguments(skinFile) + QStringList{"--quality", "101"} << 2 << "0 to 100";
        QTest::newRow("info with a name")
            << QStringList{"info", skinFile, "--name", "n"} << 2 << "no --name";
        QTest::newRow("extract without output")
            << QStringList{"extract", skinFile} << 2 << "needs -o";
        QTest::newRow("unreadable picture")
            << build(QString(), work("missing.png")) << 1 << "missing.png";
        QTest::newRow("name that cannot name a file")
            << build("--name", "../x") << 1 << "skin name";
        QTest::newRow("author outside the code page")
            << build("--author", QStringLiteral("\u4E2D")) << 1 << "author name";
    }

    void refusedCommandsWriteNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, reason);
        QFile::remove(work("u.pqs")); // a row that failed leaves no file to the next
        QCOMPARE(run(arguments), status);
        checkOneLineFailure(m_err, reason);
        QVERIFY(!QFileInfo::exists(work("u.pqs")));
    }

    void helpAndVersion_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("shown");
        QTest::newRow("help") << "--help" << QStringLiteral("build PICTURE -o FILE.pqs");
        QTest::newRow("help with the toolkit's options")
            << "--help-all" << QStringLiteral("Exit status");
        QTest::newRow("version") << "--version" << QStringLiteral("skinsmith 1.0");
    }

    void helpAndVersion()
    {
        QFETCH(QString, option);
        QFETCH(QString, shown);
        QVERIFY(SkinsmithCommandLine::wanted({"skinsmith", option}));
        QCOMPARE(run({option}), 0);
        QVERIFY2(m_out.contains(shown), qPrintable(m_out));
    }

    // The real program: statuses and messages as a script sees them.
    void theProgramExitsWithReasons_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("language");
        QTest::newRow("no display") << QStringList() << 2 << "no display" << QString();
        QTest::newRow("hostile skin")
            << QStringList{"check", "x.pqs"} << 1 << "not a skin" << QString();
        QTest::newRow("wrong usage") << QStringList{"info"} << 2 << "one skin file" << QString();
        QTest::newRow("German") << QStringList() << 2 << "keine Anzeige" << QString("de");
    }

    void theProgramExitsWithReasons()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, err);
        QFETCH(QString, language);
        QVERIFY(writeAll(work("x.pqs"), le32(0) + skin("1.0", "", "", "", "x", "")));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANGUAGE"), language);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(SKINSMITH_PROGRAM), arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), status);
        checkOneLineFailure(QString::fromLocal8Bit(process.readAllStandardError()), err);
    }

    // With a display at hand, a mistake still ends with its reason instead of opening the
    // window that a script would wait on for ever.
    void mistakesEndWithoutAWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("err");
        QTest::newRow("misspelt command")
            << QStringList{"biuld", "p.png", "-o", "s.pqs"} << "unknown command \"biuld\"";
        QTest::newRow("unknown word") << QStringList{"frobnicate"} << "unknown command";
        QTest::newRow("unknown option") << QStringList{"--frob"} << "frob";
    }

    void mistakesEndWithoutAWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        QProcess process;
        process.start(QStringLiteral(SKINSMITH_PROGRAM), arguments);
        const bool ended = process.waitForFinished(20000);
        if (!ended)
            process.kill();
        QVERIFY(ended);
        QCOMPARE(process.exitCode(), 2);
        checkOneLineFailure(QString::fromLocal8Bit(process.readAllStandardError()), err);
        QVERIFY(SkinsmithCommandLine::wanted(QStringList{"skinsmith"} + arguments));
    }

    // In any language (Qt's own catalog translates the usage line), option names unchanged.
    void helpNamesTheProgramNotItsPath()
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(SKINSMITH_PROGRAM), {QStringLiteral("--help")});
        QVERIFY(process.waitForFinished(20000));
        const QString help = QString::fromLocal8Bit(process.readAllStandardOutput());
        QVERIFY2(help.startsWith("Aufruf: skinsmith [Optionen]") &&
                     help.contains("--quality <Q>") && help.contains("JPEG-Qualität"),
                 qPrintable(help));
        QVERIFY(!SkinsmithCommandLine::wanted({"skinsmith", "-platform", "offscreen"}));
    }

    // A skin built by the program's command line, listed and put on a note by
    // the notes program's own skin dialog.
    void aBuiltSkinIsListedAndDressesANote()
    {
        TestApp app;
        const QString skins = app.ctx.folders.skinsDir();
        QProcess process;
        process.start(QStringLiteral(SKINSMITH_PROGRAM),
                      buildArguments(skins + QStringLiteral("/Ocean.pqs")));
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QDir(skins).entryList({QStringLiteral("*.pqs")}), QStringList{"Ocean.pqs"});

        // The notes program lists it in its skin dialog, and choosing it dresses the note.
        app.forms.setFactory(QStringLiteral("frmSkins"), [&app] { return new frmSkins(app.ctx); });
        auto *note = new frmNote(app.ctx);
        note->Load();
        note->bolShown = true;
        frmSkins *dialog = frmSkins::OpenFor(app.ctx, note);
        const QList<QListWidgetItem *> listed =
            dialog->lstSkins->findItems(QStringLiteral("Ocean"), Qt::MatchExactly);
        QCOMPARE(listed.size(), 1);
        dialog->lstSkins->setCurrentItem(listed.first());
        QCOMPARE(app.prompter.shown.size(), 0);
        QCOMPARE(note->Skin, QStringLiteral("Ocean"));
        QCOMPARE(note->Picture().size(), QSize(261, 163));
        QVERIFY(SkinMaker::shows(note->Picture(), QColor(30, 120, 200), 8));
    }
};

QTEST_MAIN(tst_SkinsmithCommandLine)
#include "tst_SkinsmithCommandLine.moc"
