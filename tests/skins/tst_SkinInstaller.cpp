#include "SkinMaker.h"
#include "SkinTestFiles.h"
#include "TestApp.h"
#include "skins/SkinInstaller.h"
#include "skins/SkinList.h"

#include <QFileInfo>
#include <QTest>

class tst_SkinInstaller : public QObject
{
    Q_OBJECT

private slots:
    void installsOnlyUnderASafeName_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QByteArray>("bytes"); // empty: a good skin with that stored name
        QTest::addColumn<QString>("result");   // installed file, or part of the refusal
        QTest::newRow("plain") << "Ocean" << QByteArray() << "Ocean.pqs";
        QTest::newRow("trimmed") << " my.best. " << QByteArray() << "my.best.pqs";
        QTest::newRow("climbs out") << "../../x" << QByteArray() << "as a file name";
        QTest::newRow("absolute") << "/tmp/x" << QByteArray() << "as a file name";
        QTest::newRow("empty version")
            << "" << SkinTestFiles::skin("", "a", "", "", "x", "j") << "not a Pennyquill skin";
        QTest::newRow("negative length")
            << "" << SkinTestFiles::le32(3) + "1.0" + SkinTestFiles::le32(0x80000000u) << "damaged";
    }
    void installsOnlyUnderASafeName()
    {
        QFETCH(QString, stored);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, result);
        TestApp app;
        QTemporaryDir outside;
        const QString source = outside.filePath("Blue Sky.pqs");
        QVERIFY(bytes.isEmpty() ? SkinMaker::write(source, stored, Qt::blue)
                                : SkinTestFiles::writeAll(source, bytes));
        const QStringList home = SkinTestFiles::listing(app.home());
        const bool tmpHadX = QFileInfo::exists("/tmp/x.pqs");

        const auto installed = SkinInstaller(app.ctx).Install(source);
        // Nothing is written anywhere but into the skins folder.
        QCOMPARE(SkinTestFiles::listing(app.home()), home);
        QCOMPARE(SkinTestFiles::listing(outside.path()), QStringList{"Blue Sky.pqs"});
        QCOMPARE(QFileInfo::exists("/tmp/x.pqs"), tmpHadX);
        const QStringList skins = SkinTestFiles::listing(app.ctx.folders.skinsDir());
        if (!result.endsWith(".pqs")) {
            QVERIFY(!installed && skins.isEmpty());
            QCOMPARE(app.prompter.shown.size(), 1);
            QVERIFY(app.prompter.shown.first().text.contains(result));
            return;
        }
        QCOMPARE(skins, QStringList{result});
        QCOMPARE(installed->listName, SkinList::ListName(result));
        QCOMPARE(SkinTestFiles::readAll(installed->path), SkinTestFiles::readAll(source));
        QCOMPARE(QFile::permissions(installed->path).toInt() & 0x77, 0); // no group, others
        QVERIFY(app.prompter.shown.isEmpty());
    }

    void replacesAPlantedLinkInsteadOfWritingThroughIt()
    {
        TestApp app;
        QTemporaryDir outside;
        const QString victim = outside.filePath("victim");
        QVERIFY(SkinTestFiles::writeAll(victim, "precious"));
        const QString target = app.ctx.folders.skinsDir() + "/Ocean.pqs";
        QVERIFY(QFile::link(victim, target));
        QVERIFY(SkinMaker::write(outside.filePath("new.pqs"), "Ocean", Qt::blue));
        QVERIFY(SkinInstaller(app.ctx).Install(outside.filePath("new.pqs")));
        QVERIFY(!QFileInfo(target).isSymLink());
        QCOMPARE(SkinTestFiles::readAll(target),
                 SkinTestFiles::readAll(outside.filePath("new.pqs")));
        QCOMPARE(SkinTestFiles::readAll(victim), QByteArray("precious"));
    }

    void userSkinsComeFirstAndWinOnEqualNames()
    {
        QTemporaryDir user, shipped;
        for (const QString &path :
             {user.filePath("b.pqs"), shipped.filePath("b.pqs"), shipped.filePath("a.x.pqs")})
            QVERIFY(SkinMaker::write(path, "x", Qt::blue));
        const auto found = SkinList::Scan({user.path(), shipped.path()});
        QCOMPARE(found.size(), 2);
        QVERIFY(found[0].path == user.filePath("b.pqs") && found[1].listName == "a.x");
    }
};

QTEST_MAIN(tst_SkinInstaller)
#include "tst_SkinInstaller.moc"
