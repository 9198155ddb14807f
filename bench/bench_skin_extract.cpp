// How long taking the picture out of a skin file takes: a note-size skin (what
// every note does at start-up and on each skin change), the same with the
// check that the picture loads, the header alone (the skin dialog), and a
// large picture for throughput.
#include "skins/SkinFile.h"
#include "skins/SkinReader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

namespace fs = std::filesystem;

namespace {

QByteArray notePicture()
{
    QImage image(261, 163, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y, (x * y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 100);
    return bytes;
}

bool writeSkin(const QString &skinPath, const QString &jpegPath, const QByteArray &jpeg)
{
    QFile file(jpegPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
        return false;
    file.close();
    return SkinFile::WriteSkin(SkinReader::toPath(skinPath), "Bench Author", "bench@example.org",
                               "https://example.org", "Bench",
                               SkinReader::toPath(jpegPath)) == SkinStatus::Ok;
}

// Runs step until at least a second has passed; returns microseconds per run.
double timePerRun(const std::function<bool()> &step, int &runs)
{
    QElapsedTimer timer;
    timer.start();
    runs = 0;
    while (timer.elapsed() < 1000 || runs < 5) {
        if (!step())
            return -1;
        ++runs;
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / runs;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString small = dir.filePath(QStringLiteral("note.pqs"));
    const QString large = dir.filePath(QStringLiteral("large.pqs"));
    const fs::path temp = SkinReader::toPath(dir.path());

    const QByteArray jpeg = notePicture();
    QByteArray big(8 * 1024 * 1024, '\0');
    for (char &c : big)
        c = static_cast<char>(QRandomGenerator::global()->bounded(256));
    if (!writeSkin(small, dir.filePath(QStringLiteral("note.jpg")), jpeg) ||
        !writeSkin(large, dir.filePath(QStringLiteral("large.jpg")), big))
        return 1;

    struct Case
    {
        const char *name;
        qint64 bytes;
        std::function<bool()> step;
    };
    const fs::path smallPath = SkinReader::toPath(small);
    const fs::path largePath = SkinReader::toPath(large);
    const Case cases[] = {
        {"extract note-size skin", jpeg.size(),
         [&] { return SkinFile::ExtractSkinImage(smallPath, temp).status == SkinStatus::Ok; }},
        {"extract note-size skin, picture checked", jpeg.size(),
         [&] {
             return SkinFile::ExtractSkinImage(smallPath, temp, SkinReader::isPicture).status ==
                    SkinStatus::Ok;
         }},
        {"read header only", 0,
         [&] { return SkinFile::ReadSkinInfo(smallPath).status == SkinStatus::Ok; }},
        {"extract 8 MiB picture", big.size(),
         [&] { return SkinFile::ExtractSkinImage(largePath, temp).status == SkinStatus::Ok; }},
    };
    for (const Case &c : cases) {
        int runs = 0;
        const double micros = timePerRun(c.step, runs);
        if (micros < 0) {
            out << c.name << ": FAILED\n";
            return 1;
        }
        out << qSetFieldWidth(42) << Qt::left << c.name << qSetFieldWidth(0)
            << QString::number(micros, 'f', 1) << " us/run (" << runs << " runs)";
        if (c.bytes > 0)
            out << ", " << QString::number(c.bytes / micros, 'f', 1) << " MB/s";
        out << '\n';
    }
    return 0;
}
