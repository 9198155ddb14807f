#include "SkinTestFiles.h"
#include "skins/SkinFile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cstdlib>
#include <new>
#include <sstream>

// Records the largest single allocation while armed, to show that a hostile
// length is refused before any buffer of that size is asked for.
namespace {
std::atomic<bool> g_trackAllocations{false};
std::atomic<std::size_t> g_largestAllocation{0};
} // namespace

void *operator new(std::size_t size)
{
    if (g_trackAllocations.load() && size > g_largestAllocation.load())
        g_largestAllocation.store(size);
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

using namespace SkinTestFiles;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(SkinStatus)

class tst_SkinFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_temp; // stands for the user's temporary folder
    QString m_work; // skin files and pictures

    static fs::path p(const QString &path) { return fs::path(path.toStdU16String()); }
    QString work(const QString &name) const { return m_work + QLatin1Char('/') + name; }
    QString image() const { return m_temp + QStringLiteral("/pq_skin.jpg"); }

    static QByteArray validSkin()
    {
        return skin("1.0", "Ann Lee", "ann@example.org", "https://example.org", "Ocean",
                    QByteArray("\xFF\xD8\xFF\xE0 picture bytes \xFF\xD9"));
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_temp = m_dir.path() + QStringLiteral("/temp");
        m_work = m_dir.path() + QStringLiteral("/work");
        QDir(m_temp).removeRecursively();
        QDir(m_work).removeRecursively();
        QVERIFY(QDir().mkpath(m_temp));
        QVERIFY(QDir().mkpath(m_work));
    }

    void headerWithEmptyTextsIsByteExact()
    {
        const QByteArray jpeg("\xFF\xD8 small jpeg \xFF\xD9");
        QVERIFY(writeAll(work("in.jpg"), jpeg));
        QCOMPARE(SkinFile::WriteSkin(p(work("Ocean.pqs")), "", "", "", "Ocean", p(work("in.jpg"))),
                 SkinStatus::Ok);

        const QByteArray expected = QByteArray("\x03\x00\x00\x00", 4) + "1.0" +
                                    QByteArray(12, '\0') + QByteArray("\x05\x00\x00\x00", 4) +
                                    "Ocean";
        QCOMPARE(expected.size(), 5 * 4 + 3 + 5);
        QCOMPARE(readAll(work("Ocean.pqs")), expected + jpeg);
    }

    void textsAreInFileOrderWithTheNameLast()
    {
        QVERIFY(writeAll(work("in.jpg"), "JPEG"));
        QCOMPARE(SkinFile::WriteSkin(p(work("s.pqs")), "Ann", "ann@example.org",
                                     "https://example.org", "Ocean", p(work("in.jpg"))),
                 SkinStatus::Ok);
        QCOMPARE(readAll(work("s.pqs")),
                 skin("1.0", "Ann", "ann@example.org", "https://example.org", "Ocean", "JPEG"));

        const SkinFile::InfoResult read = SkinFile::ReadSkinInfo(p(work("s.pqs")));
        QCOMPARE(read.status, SkinStatus::Ok);
        QCOMPARE(read.info.version, std::string("1.0"));
        QCOMPARE(read.info.author, std::string("Ann"));
        QCOMPARE(read.info.email, std::string("ann@example.org"));
        QCOMPARE(read.info.website, std::string("https://example.org"));
        QCOMPARE(read.info.skinName, std::string("Ocean"));
    }

    void sameInputsGiveIdenticalFiles()
    {
        QByteArray jpeg(5000, '\0');
        for (int i = 0; i < jpeg.size(); ++i)
            jpeg[i] = static_cast<char>(i * 7);
        QVERIFY(writeAll(work("in.jpg"), jpeg));
        for (const char *name : {"a.pqs", "b.pqs", "b.pqs"})
            QCOMPARE(SkinFile::WriteSkin(p(work(QString::fromLatin1(name))), "Ann", "a@b.c", "",
                                         "Sea", p(work("in.jpg"))),
                     SkinStatus::Ok);
        QCOMPARE(readAll(work("a.pqs")), readAll(work("b.pqs")));
    }

    void writingOverALongerSkinReplacesItWhole()
    {
        QVERIFY(writeAll(work("s.pqs"), QByteArray(100000, 'x')));
        QVERIFY(writeAll(work("in.jpg"), "JPEG"));
        QCOMPARE(SkinFile::WriteSkin(p(work("s.pqs")), "", "", "", "Sea", p(work("in.jpg"))),
                 SkinStatus::Ok);
        QCOMPARE(readAll(work("s.pqs")), skin("1.0", "", "", "", "Sea", "JPEG"));
        QCOMPARE(listing(m_work), QStringList({"in.jpg", "s.pqs"}));
    }

    void writerStoresTextsInTheCodePage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("latin") << QStringLiteral("Café Crème") << QByteArray("Caf\xE9 Cr\xE8me");
        QTest::newRow("euro and quotes")
            << QStringLiteral("€ “Sea”") << QByteArray("\x80 \x93Sea\x94");
        QTest::newRow("outside the code page, one byte each")
            << QStringLiteral("海 Ω 😀") << QByteArray("? ? ?");
    }

    void writerStoresTextsInTheCodePage()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, stored);
        QVERIFY(writeAll(work("in.jpg"), "JPEG"));
        QCOMPARE(SkinFile::WriteSkin(p(work("s.pqs")), "", "", "", name.toStdString(),
                                     p(work("in.jpg"))),
                 SkinStatus::Ok);
        QCOMPARE(readAll(work("s.pqs")), skin("1.0", "", "", "", stored, "JPEG"));
    }

    void writerRefusalsLeaveTheOldFile_data()
    {
        QTest::addColumn<QByteArray>("jpeg"); // empty: no picture file at all
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<SkinStatus>("status");
        QTest::newRow("no picture file") << QByteArray() << 5 << SkinStatus::Missing;
        QTest::newRow("empty picture") << QByteArray("") << 5 << SkinStatus::NotAPicture;
        QTest::newRow("name too long")
            << QByteArray("JPEG") << int(SkinFile::MaxTextLength + 1) << SkinStatus::FieldTooLong;
    }

    void writerRefusalsLeaveTheOldFile()
    {
        QFETCH(QByteArray, jpeg);
        QFETCH(int, nameLength);
        QFETCH(SkinStatus, status);
        if (!jpeg.isNull())
            QVERIFY(writeAll(work("in.jpg"), jpeg));
        QVERIFY(writeAll(work("s.pqs"), "old skin"));
        const QStringList before = listing(m_work);
        QCOMPARE(SkinFile::WriteSkin(p(work("s.pqs")), "", "", "",
                                     std::string(static_cast<std::size_t>(nameLength), 'n'),
                                     p(work("in.jpg"))),
                 status);
        QCOMPARE(readAll(work("s.pqs")), QByteArray("old skin"));
        QCOMPARE(listing(m_work), before);
    }

    void writerIntoAMissingFolderFails()
    {
        QVERIFY(writeAll(work("in.jpg"), "JPEG"));
        QCOMPARE(SkinFile::WriteSkin(p(work("no/such/folder/s.pqs")), "", "", "", "Sea",
                                     p(work("in.jpg"))),
                 SkinStatus::WriteFailed);
    }

    void extractWritesTheImageAndReturnsTheHeader()
    {
        QVERIFY(writeAll(work("s.pqs"), validSkin()));
        const SkinFile::ImageResult result =
            SkinFile::ExtractSkinImage(p(work("s.pqs")), p(m_temp));
        QCOMPARE(result.status, SkinStatus::Ok);
        QCOMPARE(result.imagePath, p(image()));
        QCOMPARE(readAll(image()), QByteArray("\xFF\xD8\xFF\xE0 picture bytes \xFF\xD9"));
        QCOMPARE(result.info.author, std::string("Ann Lee"));
        QCOMPARE(result.info.skinName, std::string("Ocean"));
        QCOMPARE(listing(m_temp), QStringList{"pq_skin.jpg"});
    }

    void largeThenSmallLeavesExactlyTheSmallImage()
    {
        QByteArray large(3 * 1024 * 1024 + 17, '\0');
        QRandomGenerator generator(42);
        for (char &c : large)
            c = static_cast<char>(generator.bounded(256));
        const QByteArray small("\xFF\xD8 small \xFF\xD9");
        QVERIFY(writeAll(work("large.pqs"), skin("1.0", "", "", "", "Large", large)));
        QVERIFY(writeAll(work("small.pqs"), skin("1.0", "", "", "", "Small", small)));

        QCOMPARE(SkinFile::ExtractSkinImage(p(work("large.pqs")), p(m_temp)).status,
                 SkinStatus::Ok);
        QCOMPARE(readAll(image()), large);
        QCOMPARE(SkinFile::ExtractSkinImage(p(work("small.pqs")), p(m_temp)).status,
                 SkinStatus::Ok);
        QCOMPARE(readAll(image()), small);
        QCOMPARE(listing(m_temp), QStringList{"pq_skin.jpg"});
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SkinStatus>("extracted");
        QTest::addColumn<SkinStatus>("infoStatus");

        const QByteArray rest = validSkin().mid(7); // everything after the version
        QTest::newRow("empty file") << QByteArray("") << SkinStatus::NotASkin << SkinStatus::Ok;
        QTest::newRow("first four bytes zero, rest a valid skin")
            << le32(0) + validSkin() << SkinStatus::NotASkin << SkinStatus::Ok;
        QTest::newRow("version 1.1")
            << text("1.1") + rest << SkinStatus::OtherVersion << SkinStatus::Ok;
        QTest::newRow("version 1.0 and a space")
            << text("1.0 ") + rest << SkinStatus::OtherVersion << SkinStatus::Ok;
        QTest::newRow("another version with another layout")
            << text("2.0") + le32(0xFFFFFFFF) << SkinStatus::OtherVersion << SkinStatus::Damaged;
        QTest::newRow("negative version length")
            << le32(0xFFFFFFFF) + rest << SkinStatus::Damaged << SkinStatus::Damaged;
        QTest::newRow("most negative author length")
            << text("1.0") + le32(0x80000000) + rest << SkinStatus::Damaged << SkinStatus::Damaged;
        QTest::newRow("negative skin name length")
            << skin("1.0", "a", "b", "c", "", "").chopped(4) + le32(static_cast<quint32>(-5)) +
                   "JPEG picture"
            << SkinStatus::Damaged << SkinStatus::Damaged;
        QTest::newRow("version runs past the end")
            << le32(10) + "1.0" << SkinStatus::Damaged << SkinStatus::Damaged;
        QTest::newRow("skin name runs past the end")
            << skin("1.0", "", "", "", "", "").chopped(4) + le32(100) + "Ocean"
            << SkinStatus::Damaged << SkinStatus::Damaged;
        QTest::newRow("largest positive length")
            << text("1.0") + le32(0x7FFFFFFF) + rest << SkinStatus::Damaged << SkinStatus::Damaged;
        const quint32 aboveBound = SkinFile::MaxTextLength + 1;
        QTest::newRow("length above the bound, all bytes present")
            << text("1.0") + le32(aboveBound) + QByteArray(static_cast<int>(aboveBound) + 64, 'a')
            << SkinStatus::Damaged << SkinStatus::Damaged;
        QTest::newRow("cut-off length") << text("1.0") + QByteArray("\x02\x00", 2)
                                        << SkinStatus::Damaged << SkinStatus::Damaged;
        QTest::newRow("fewer than four bytes")
            << QByteArray("\x03", 1) << SkinStatus::Damaged << SkinStatus::Damaged;
        QTest::newRow("no picture after the header")
            << skin("1.0", "Ann", "", "", "Ocean", "") << SkinStatus::NotAPicture << SkinStatus::Ok;
    }

    void refusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(SkinStatus, extracted);
        QFETCH(SkinStatus, infoStatus);
        QVERIFY(writeAll(work("s.pqs"), bytes));
        QVERIFY(writeAll(image(), "earlier picture"));
        const int filesBefore = openFiles();

        const SkinFile::ImageResult result =
            SkinFile::ExtractSkinImage(p(work("s.pqs")), p(m_temp));
        QCOMPARE(result.status, extracted);
        QVERIFY(result.imagePath.empty());
        QCOMPARE(listing(m_temp), QStringList{"pq_skin.jpg"});
        QCOMPARE(readAll(image()), QByteArray("earlier picture"));
        QCOMPARE(openFiles(), filesBefore);

        const SkinFile::InfoResult info = SkinFile::ReadSkinInfo(p(work("s.pqs")));
        QCOMPARE(info.status, infoStatus);
        if (infoStatus != SkinStatus::Ok)
            QVERIFY(info.info.version.empty() && info.info.skinName.empty());
        QCOMPARE(openFiles(), filesBefore);
        QVERIFY(QFile::remove(work("s.pqs")));
    }

    void readSkinInfoChecksNoVersion()
    {
        QVERIFY(writeAll(work("s.pqs"), skin("1.1", "Ann", "e", "w", "Old", "JPEG")));
        const SkinFile::InfoResult read = SkinFile::ReadSkinInfo(p(work("s.pqs")));
        QCOMPARE(read.status, SkinStatus::Ok);
        QCOMPARE(read.info.version, std::string("1.1"));
        QCOMPARE(read.info.skinName, std::string("Old"));
    }

    void missingFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("not there") << QStringLiteral("missing.pqs");
        QTest::newRow("a folder") << QStringLiteral("folder.pqs");
    }

    void missingFiles()
    {
        QFETCH(QString, name);
        QVERIFY(QDir().mkpath(work("folder.pqs")));
        const int filesBefore = openFiles();
        QCOMPARE(SkinFile::ExtractSkinImage(p(work(name)), p(m_temp)).status, SkinStatus::Missing);
        const SkinFile::InfoResult read = SkinFile::ReadSkinInfo(p(work(name)));
        QCOMPARE(read.status, SkinStatus::Missing);
        QVERIFY(read.info.version.empty() && read.info.author.empty() && read.info.email.empty() &&
                read.info.website.empty() && read.info.skinName.empty());
        QVERIFY(listing(m_temp).isEmpty());
        QCOMPARE(openFiles(), filesBefore);
    }

    void hostileLengthsAllocateNothingLarge_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<quint32>("length");
        for (int field = 0; field < 5; ++field)
            for (const quint32 length : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0x40000000u})
                QTest::addRow("field %d, length %08x", field, length) << field << length;
    }

    void hostileLengthsAllocateNothingLarge()
    {
        QFETCH(int, field);
        QFETCH(quint32, length);
        QByteArray bytes;
        for (int i = 0; i < field; ++i)
            bytes += text("1.0");
        bytes += le32(length) + QByteArray(200, 'z');
        QVERIFY(writeAll(work("s.pqs"), bytes));

        g_largestAllocation = 0;
        g_trackAllocations = true;
        const SkinStatus extracted = SkinFile::ExtractSkinImage(p(work("s.pqs")), p(m_temp)).status;
        const SkinStatus read = SkinFile::ReadSkinInfo(p(work("s.pqs"))).status;
        g_trackAllocations = false;

        QCOMPARE(extracted, SkinStatus::Damaged);
        QCOMPARE(read, SkinStatus::Damaged);
        QVERIFY2(g_largestAllocation < 1024 * 1024,
                 qPrintable(QString::number(g_largestAllocation)));
        QVERIFY(listing(m_temp).isEmpty());
    }

    void refusedPictureLeavesNoFile()
    {
        QVERIFY(writeAll(work("s.pqs"), validSkin()));
        QVERIFY(writeAll(image(), "earlier picture"));
        QByteArray checked;
        const SkinFile::ImageResult result =
            SkinFile::ExtractSkinImage(p(work("s.pqs")), p(m_temp), [&](const fs::path &file) {
                checked = readAll(QString::fromStdU16String(file.u16string()));
                return false;
            });
        QCOMPARE(result.status, SkinStatus::NotAPicture);
        QCOMPARE(checked, QByteArray("\xFF\xD8\xFF\xE0 picture bytes \xFF\xD9"));
        QCOMPARE(readAll(image()), QByteArray("earlier picture"));
        QCOMPARE(listing(m_temp), QStringList{"pq_skin.jpg"});
    }

    void unwritableTemporaryFileLeavesNothing()
    {
        QVERIFY(writeAll(work("s.pqs"), validSkin()));
        QVERIFY(QDir().mkpath(image())); // something that cannot be replaced by a file
        QCOMPARE(SkinFile::ExtractSkinImage(p(work("s.pqs")), p(m_temp)).status,
                 SkinStatus::WriteFailed);
        QCOMPARE(listing(m_temp), QStringList{"pq_skin.jpg"});
        QCOMPARE(SkinFile::ExtractSkinImage(p(work("s.pqs")), p(m_temp + "/none")).status,
                 SkinStatus::WriteFailed);
    }

    void plantedLinkIsReplacedNotFollowed()
    {
        QVERIFY(writeAll(work("victim.txt"), "precious"));
        if (!QFile::link(work("victim.txt"), image()))
            QSKIP("symbolic links are not available here");
        QVERIFY(writeAll(work("s.pqs"), validSkin()));
        QCOMPARE(SkinFile::ExtractSkinImage(p(work("s.pqs")), p(m_temp)).status, SkinStatus::Ok);
        QCOMPARE(readAll(work("victim.txt")), QByteArray("precious"));
        QVERIFY(!QFileInfo(image()).isSymLink());
        QCOMPARE(readAll(image()), QByteArray("\xFF\xD8\xFF\xE0 picture bytes \xFF\xD9"));
    }

    void readString_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SkinStatus>("status");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("left");
        QTest::newRow("empty text") << le32(0) + "rest" << SkinStatus::Ok << QString() << 4;
        QTest::newRow("code page text")
            << text("\x80 caf\xE9") + "r" << SkinStatus::Ok << QStringLiteral("€ café") << 1;
        QTest::newRow("exactly to the end") << text("abc") << SkinStatus::Ok << "abc" << 0;
        QTest::newRow("one byte short") << le32(4) + "abc" << SkinStatus::Damaged << QString() << 0;
        QTest::newRow("negative") << le32(0xFFFFFFFE) + "ab" << SkinStatus::Damaged << QString()
                                  << 0;
        QTest::newRow("no length") << QByteArray("ab") << SkinStatus::Damaged << QString() << 0;
    }

    void readString()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(SkinStatus, status);
        QFETCH(QString, result);
        QFETCH(int, left);
        std::istringstream in(bytes.toStdString());
        std::uint64_t remaining = static_cast<std::uint64_t>(bytes.size());
        std::string textRead;
        QCOMPARE(SkinFile::ReadString(in, remaining, textRead), status);
        if (status == SkinStatus::Ok) {
            QCOMPARE(QString::fromStdString(textRead), result);
            QCOMPARE(remaining, static_cast<std::uint64_t>(left));
        }
    }
};

QTEST_GUILESS_MAIN(tst_SkinFile)
#include "tst_SkinFile.moc"
