#include "SkinTestFiles.h"
#include "TestApp.h"
#include "platform/Folders.h"
#include "skins/SkinReader.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace SkinTestFiles;

Q_DECLARE_METATYPE(Prompter::Icon)

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage notePicture()
{
    QImage image(261, 163, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y, 128));
    return image;
}

const QString kNotASkin = QStringLiteral("This file is not a Pennyquill skin.");
const QString kOtherVersion = QStringLiteral(
    "The version of this skin is different from the version you have installed on your "
    "computer.");
const QString kDamaged = QStringLiteral(
    "Error reading skin file.\r\nThe skin file is damaged or not in the right format.");
const QString kNotAPicture = QStringLiteral(
    "Error reading skin file.\r\nThe picture in the skin file is damaged or not a picture.");

} // namespace

class tst_SkinReader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_tempRoot;
    QString m_temp; // what the program sees as the user's temporary folder
    QByteArray m_savedTmp;

    QString skinPath(const QString &name) const { return m_tempRoot.path() + "/" + name; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tempRoot.isValid());
        m_savedTmp = qgetenv("TMPDIR");
    }

    void init()
    {
        m_temp = m_tempRoot.path() + QStringLiteral("/temp");
        QDir(m_temp).removeRecursively();
        QVERIFY(QDir().mkpath(m_temp));
        qputenv("TMPDIR", m_temp.toLocal8Bit());
        QCOMPARE(Folders::tempPath(), m_temp + QLatin1Char('/'));
    }

    void cleanupTestCase() { qputenv("TMPDIR", m_savedTmp); }

    void validSkinGivesItsPicture()
    {
        TestApp app;
        const QByteArray jpeg = encoded(notePicture(), "JPEG");
        QVERIFY(writeAll(skinPath("s.pqs"), skin("1.0", "Ann", "a@b.c", "", "Ocean", jpeg)));
        const QStringList before = listing(m_temp);
        SkinReader reader(app.ctx);
        SkinInfo info;
        const QImage picture = reader.ExtractSkinImage(skinPath("s.pqs"), nullptr, &info);
        QVERIFY(app.prompter.shown.isEmpty());
        QCOMPARE(reader.lastStatus(), SkinStatus::Ok);
        QCOMPARE(picture, QImage::fromData(jpeg).convertToFormat(picture.format()));
        QCOMPARE(listing(m_temp), before); // nothing is left in the shared folder
        QCOMPARE(info.skinName, std::string("Ocean"));
        QCOMPARE(info.author, std::string("Ann"));
    }

    void pictureIsRecognisedByContent()
    {
        TestApp app;
        QVERIFY(writeAll(skinPath("s.pqs"),
                         skin("1.0", "", "", "", "Png", encoded(notePicture(), "PNG"))));
        QCOMPARE(SkinReader(app.ctx).ExtractSkinImage(skinPath("s.pqs")).size(), QSize(261, 163));
    }

    void refusalsAreShown_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<SkinStatus>("status");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Prompter::Icon>("icon");

        const QByteArray jpeg = encoded(notePicture(), "JPEG");
        const QString title = QStringLiteral("Pennyquill");
        const QString errorTitle = QStringLiteral("Error reading skin file");
        QTest::newRow("first four bytes zero")
            << le32(0) + skin("1.0", "", "", "", "Ocean", jpeg) << SkinStatus::NotASkin << kNotASkin
            << title << Prompter::Icon::Exclamation;
        QTest::newRow("missing file") << QByteArray() << SkinStatus::Missing << kNotASkin << title
                                      << Prompter::Icon::Exclamation;
        QTest::newRow("version 1.1")
            << skin("1.1", "", "", "", "Ocean", jpeg) << SkinStatus::OtherVersion << kOtherVersion
            << title << Prompter::Icon::Exclamation;
        QTest::newRow("version 1.0 and a space")
            << skin("1.0 ", "", "", "", "Ocean", jpeg) << SkinStatus::OtherVersion << kOtherVersion
            << title << Prompter::Icon::Exclamation;
        QTest::newRow("negative length")
            << text("1.0") + le32(0xFFFFFFF0) + jpeg << SkinStatus::Damaged << kDamaged
            << errorTitle << Prompter::Icon::Critical;
        QTest::newRow("length past the end")
            << text("1.0") + le32(0) + le32(0) + le32(0) + le32(9999) + "Ocean"
            << SkinStatus::Damaged << kDamaged << errorTitle << Prompter::Icon::Critical;
        QTest::newRow("a picture file, not a skin")
            << jpeg << SkinStatus::Damaged << kDamaged << errorTitle << Prompter::Icon::Critical;
        QTest::newRow("image part is text")
            << skin("1.0", "", "", "", "Ocean", "just some words, no picture")
            << SkinStatus::NotAPicture << kNotAPicture << errorTitle << Prompter::Icon::Critical;
        QTest::newRow("no image part")
            << skin("1.0", "", "", "", "Ocean", "") << SkinStatus::NotAPicture << kNotAPicture
            << errorTitle << Prompter::Icon::Critical;
    }

    void refusalsAreShown()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(SkinStatus, status);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(Prompter::Icon, icon);
        TestApp app;
        if (!bytes.isNull())
            QVERIFY(writeAll(skinPath("s.pqs"), bytes));
        const QStringList before = listing(m_temp);
        SkinReader reader(app.ctx);
        QVERIFY(reader.ExtractSkinImage(skinPath("s.pqs")).isNull());
        QCOMPARE(reader.lastStatus(), status);
        QCOMPARE(app.prompter.shown.size(), 1);
        QCOMPARE(app.prompter.shown[0].text, text);
        QCOMPARE(app.prompter.shown[0].title, title);
        QCOMPARE(app.prompter.shown[0].icon, icon);
        QCOMPARE(app.prompter.shown[0].buttons, Prompter::Buttons::Ok);
        QCOMPARE(listing(m_temp), before);
        QFile::remove(skinPath("s.pqs"));
    }

    // Another user owning the old fixed name in the temporary folder blocks nothing.
    void namesInTheTemporaryFolderBlockNothing()
    {
        TestApp app;
        QVERIFY(writeAll(skinPath("s.pqs"),
                         skin("1.0", "", "", "", "Ocean", encoded(notePicture(), "JPEG"))));
        QVERIFY(QDir().mkpath(m_temp + "/pq_skin.jpg/x"));
        SkinReader reader(app.ctx);
        const QImage picture = reader.ExtractSkinImage(skinPath("s.pqs"));
        QCOMPARE(picture.size(), QSize(261, 163));
        QVERIFY(app.prompter.shown.isEmpty());
    }

    void missingTemporaryFolderIsNotTheRootFolder()
    {
        qputenv("TMPDIR", (m_temp + "/gone").toLocal8Bit());
        QVERIFY(Folders::tempPath() != QStringLiteral("/"));
        QVERIFY(!Folders::tempPath().isEmpty());
    }

    void readSkinInfo()
    {
        TestApp app;
        SkinReader reader(app.ctx);
        QVERIFY(writeAll(skinPath("s.pqs"), skin("1.1", "Ann", "a@b.c", "w", "Ocean", "x")));
        const std::optional<SkinInfo> info = reader.ReadSkinInfo(skinPath("s.pqs"));
        QVERIFY(info);
        QCOMPARE(info->version, std::string("1.1")); // the version is the caller's business
        QCOMPARE(info->skinName, std::string("Ocean"));
        QVERIFY(app.prompter.shown.isEmpty());
    }

    void readSkinInfoOfAMissingFileIsEmpty()
    {
        TestApp app;
        SkinReader reader(app.ctx);
        const std::optional<SkinInfo> info = reader.ReadSkinInfo(skinPath("missing.pqs"));
        QVERIFY(info);
        QVERIFY(info->version.empty() && info->author.empty() && info->email.empty() &&
                info->website.empty() && info->skinName.empty());
        QCOMPARE(reader.lastStatus(), SkinStatus::Missing);
        QVERIFY(app.prompter.shown.isEmpty());
    }

    void readSkinInfoOfADamagedFileIsShown()
    {
        TestApp app;
        SkinReader reader(app.ctx);
        QVERIFY(writeAll(skinPath("s.pqs"), text("1.0") + le32(0x80000000)));
        QVERIFY(!reader.ReadSkinInfo(skinPath("s.pqs")));
        QCOMPARE(app.prompter.shown.size(), 1);
        QCOMPARE(app.prompter.shown[0].text, kDamaged);
        QCOMPARE(app.prompter.shown[0].title, QStringLiteral("Error reading skin file"));
        QCOMPARE(app.prompter.shown[0].icon, Prompter::Icon::Critical);
    }

    void pathsWithAnyCharacters()
    {
        TestApp app;
        const QString name = QStringLiteral("Ωcéan 海.pqs");
        QVERIFY(writeAll(skinPath(name),
                         skin("1.0", "", "", "", "Ocean", encoded(notePicture(), "JPEG"))));
        QCOMPARE(SkinReader(app.ctx).ExtractSkinImage(skinPath(name)).size(), QSize(261, 163));
    }
};

QTEST_MAIN(tst_SkinReader)
#include "tst_SkinReader.moc"
