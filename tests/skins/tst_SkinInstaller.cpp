#include "SkinMaker.h"
#include "SkinTestFiles.h"
#include "TestApp.h"
#include "skins/SkinInstaller.h"
#include "skins/SkinList.h"

#include <QFileInfo>
#include <QTest>

namespace {

const QColor Blue(40, 90, 200);
const QColor Red(200, 40, 40);

} // namespace

class tst_SkinInstaller : public QObject
{
    Q_OBJECT

private slots:
    void listName_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("listName");
        QTest::newRow("plain") << "Ocean.pqs"
                               << "Ocean";
        QTest::newRow("space") << "Blue Sky.pqs"
                               << "Blue Sky";
        QTest::newRow("dots") << "my.best.skin.pqs"
                              << "my.best.skin";
        QTest::newRow("no dot") << "Ocean"
                                << "Ocean";
    }
    void listName()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, listName);
        QCOMPARE(SkinList::ListName(fileName), listName);
    }

    void earlierFolderWinsOnEqualNames()
    {
        QTemporaryDir user, shipped;
        QVERIFY(SkinMaker::write(user.filePath("Ocean.pqs"), "Mine", Blue));
        QVERIFY(SkinMaker::write(shipped.filePath("Ocean.pqs"), "Theirs", Red));
        QVERIFY(SkinMaker::write(shipped.filePath("Autumn.pqs"), "Autumn", Red));
        QVERIFY(SkinMaker::write(shipped.filePath("ocean.pqs"), "Other case", Red));
        const QList<SkinList::Entry> found =
            SkinList::Scan({user.path(), shipped.path(), user.filePath("missing")});
        QStringList names, paths;
        for (const SkinList::Entry &entry : found) {
            names << entry.listName;
            paths << entry.path;
        }
        QCOMPARE(names, QStringList({"Ocean", "Autumn", "ocean"}));
        QCOMPARE(paths.first(), user.filePath("Ocean.pqs"));
    }

    void installsUnderTheStoredName_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("fileName"); // empty: refused
        QTest::newRow("plain") << "Ocean"
                               << "Ocean.pqs";
        QTest::newRow("spaces and dots trimmed") << " Sea. "
                                                 << "Sea.pqs";
        QTest::newRow("inner dots") << "my.best"
                                    << "my.best.pqs";
        QTest::newRow("climbs out") << "../../x"
                                    << "";
        QTest::newRow("absolute") << "/tmp/x"
                                  << "";
        QTest::newRow("backslash") << "a\\b"
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("device") << "CON"
                                << "";
        QTest::newRow("control character") << "a\tb"
                                           << "";
        QTest::newRow("too long") << QString(61, 'x') << "";
    }
    void installsUnderTheStoredName()
    {
        QFETCH(QString, stored);
        QFETCH(QString, fileName);
        TestApp app;
        QTemporaryDir outside;
        const QString source = outside.filePath("Blue Sky.pqs");
        QVERIFY(SkinMaker::write(source, stored, Blue));
        const QStringList homeBefore = SkinTestFiles::listing(app.home());
        const bool tmpHadX = QFileInfo::exists("/tmp/x.pqs");

        const auto installed = SkinInstaller(app.ctx).Install(source);
        const QStringList inSkins = SkinTestFiles::listing(app.ctx.folders.skinsDir());
        QCOMPARE(SkinTestFiles::listing(app.home()), homeBefore);
        QCOMPARE(SkinTestFiles::listing(outside.path()), QStringList{"Blue Sky.pqs"});
        QCOMPARE(QFileInfo::exists("/tmp/x.pqs"), tmpHadX);
        if (fileName.isEmpty()) {
            QVERIFY(!installed);
            QVERIFY(inSkins.isEmpty());
            QCOMPARE(app.prompter.shown.size(), 1);
            QVERIFY(app.prompter.shown.first().text.contains("cannot be used as a file name"));
            return;
        }
        QVERIFY(installed);
        QCOMPARE(inSkins, QStringList{fileName});
        QCOMPARE(installed->path, app.ctx.folders.skinsDir() + "/" + fileName);
        QCOMPARE(installed->listName, SkinList::ListName(fileName));
        QCOMPARE(installed->skinName, stored);
        QCOMPARE(SkinTestFiles::readAll(installed->path), SkinTestFiles::readAll(source));
        QVERIFY(app.prompter.shown.isEmpty());
    }

    void replacesWholeAndNeverWritesThroughALink_data()
    {
        QTest::addColumn<bool>("planted");
        QTest::newRow("older copy") << false;
        QTest::newRow("planted link") << true;
    }
    void replacesWholeAndNeverWritesThroughALink()
    {
        QFETCH(bool, planted);
        TestApp app;
        QTemporaryDir outside;
        const QString victim = outside.filePath("victim");
        const QByteArray precious(100000, 'v');
        QVERIFY(SkinTestFiles::writeAll(victim, precious));
        const QString target = app.ctx.folders.skinsDir() + "/Ocean.pqs";
        if (planted)
            QVERIFY(QFile::link(victim, target));
        else
            QVERIFY(SkinTestFiles::writeAll(target, precious));
        const QString source = outside.filePath("new.pqs");
        QVERIFY(SkinMaker::write(source, "Ocean", Blue));

        QVERIFY(SkinInstaller(app.ctx).Install(source));
        QVERIFY(!QFileInfo(target).isSymLink());
        QCOMPARE(SkinTestFiles::readAll(target), SkinTestFiles::readAll(source));
        QCOMPARE(SkinTestFiles::readAll(victim), precious);
        QCOMPARE(SkinTestFiles::listing(app.ctx.folders.skinsDir()), QStringList{"Ocean.pqs"});
    }

    void refusesWhatWouldNotShow_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty file") << QByteArray() << "This file is not an Pennyquill Skin.";
        QTest::newRow("empty version") << SkinTestFiles::skin("", "a", "e", "w", "Ocean", "x")
                                       << "This file is not an Pennyquill Skin.";
        QTest::newRow("negative length")
            << SkinTestFiles::le32(3) + "1.0" + SkinTestFiles::le32(0x80000000u)
            << "Error reading skin file.\r\nThe skin file is damaged or not in the right format.";
        QTest::newRow("no picture") << SkinTestFiles::skin("1.0", "a", "e", "w", "Ocean", "")
                                    << "Error reading skin file.\r\nThe picture in the skin file "
                                       "is damaged or not a picture.";
    }
    void refusesWhatWouldNotShow()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TestApp app;
        QTemporaryDir outside;
        const QString source = outside.filePath("odd.pqs");
        QVERIFY(SkinTestFiles::writeAll(source, bytes));
        QVERIFY(!SkinInstaller(app.ctx).Install(source));
        QCOMPARE(app.prompter.shown.size(), 1);
        QCOMPARE(app.prompter.shown.first().text, message);
        QVERIFY(SkinTestFiles::listing(app.ctx.folders.skinsDir()).isEmpty());
    }

    void missingSkinsFolderIsMade()
    {
        TestApp app;
        QVERIFY(QDir(app.ctx.folders.skinsDir()).removeRecursively());
        QTemporaryDir outside;
        QVERIFY(SkinMaker::write(outside.filePath("a.pqs"), "Ocean", Blue));
        QVERIFY(SkinInstaller(app.ctx).Install(outside.filePath("a.pqs")));
        QVERIFY(QFileInfo::exists(app.ctx.folders.skinsDir() + "/Ocean.pqs"));
    }
};

QTEST_MAIN(tst_SkinInstaller)
#include "tst_SkinInstaller.moc"
