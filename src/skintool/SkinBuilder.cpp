#include "skintool/SkinBuilder.h"

#include "skins/BmpToJpeg.h"
#include "skins/SkinFile.h"
#include "skins/SkinFileName.h"
#include "skins/SkinReader.h"
#include "skins/Windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

namespace {

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// The characters of text that the skin file's code page cannot store.
QString unstorable(const QString &text)
{
    QString lacking;
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        const std::string utf8 = one.toStdString();
        if (Windows1252::decode(Windows1252::encode(utf8)) != utf8 && !lacking.contains(one))
            lacking += one;
    }
    return lacking;
}

QString statusText(SkinStatus status)
{
    switch (status) {
    case SkinStatus::FieldTooLong:
        return QCoreApplication::translate("SkinBuilder", "A text is too long for a skin file.");
    case SkinStatus::Missing:
    case SkinStatus::NotAPicture:
        return QCoreApplication::translate("SkinBuilder",
                                           "The picture could not be turned into a JPEG file.");
    default:
        return QCoreApplication::translate("SkinBuilder", "The skin file could not be written.");
    }
}

} // namespace

QImage SkinBuilder::loadPicture(const QString &path, QString *error)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull() && error)
        *error = reader.errorString();
    return picture;
}

QImage SkinBuilder::render(const QImage &picture)
{
    QImage canvas(Width, Height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, Width, Height), picture);
    painter.end();
    return canvas;
}

QString SkinBuilder::checkTexts(const Texts &texts, Field *refused)
{
    const struct
    {
        const QString &text;
        const char *name;
        Field field;
    } fields[] = {{texts.skinName, QT_TRANSLATE_NOOP("SkinBuilder", "skin name"), Field::SkinName},
                  {texts.author, QT_TRANSLATE_NOOP("SkinBuilder", "author name"), Field::Author},
                  {texts.email, QT_TRANSLATE_NOOP("SkinBuilder", "e-mail address"), Field::Email},
                  {texts.website, QT_TRANSLATE_NOOP("SkinBuilder", "website"), Field::Website}};
    const auto refuse = [refused](Field field, const QString &reason) {
        if (refused)
            *refused = field;
        return reason;
    };
    for (const auto &field : fields) {
        const QString name = QCoreApplication::translate("SkinBuilder", field.name);
        const QString lacking = unstorable(field.text);
        if (!lacking.isEmpty())
            return refuse(field.field,
                          QCoreApplication::translate(
                              "SkinBuilder", "The %1 holds characters a skin file cannot store: %2")
                              .arg(name, lacking));
        if (Windows1252::encode(field.text.toStdString()).size() > SkinFile::MaxTextLength)
            return refuse(
                field.field,
                QCoreApplication::translate(
                    "SkinBuilder", "The %1 is too long: a skin file holds at most %2 characters.")
                    .arg(name)
                    .arg(SkinFile::MaxTextLength));
    }
    if (refused)
        *refused = Field::None;
    if (!SkinFileName::fromSkinName(texts.skinName.toStdString()))
        return refuse(Field::SkinName,
                      QCoreApplication::translate(
                          "SkinBuilder",
                          "The skin name cannot name a skin file: use at most %1 characters, "
                          "no / \\ : * ? \" < > |, no \"..\" and no leading dot.")
                          .arg(SkinFileName::MaxLength));
    return QString();
}

bool SkinBuilder::build(const QImage &picture, const Texts &texts, int quality,
                        const QString &skinPath, QString *error)
{
    if (picture.isNull())
        return fail(error, QCoreApplication::translate("SkinBuilder", "No picture is loaded."));
    const QString refused = checkTexts(texts);
    if (!refused.isEmpty())
        return fail(error, refused);

    // Nobody can guess or plant the work files: they live in a fresh folder
    // of our own, removed with everything in it when this returns.
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/skinsmith-XXXXXX"));
    if (!work.isValid())
        return fail(error, QCoreApplication::translate("SkinBuilder",
                                                       "No temporary folder could be made: %1")
                               .arg(work.errorString()));
    const QString bitmap = work.filePath(QStringLiteral("pq_tempskin.tmp"));
    const QString jpeg = work.filePath(QStringLiteral("pq_tempskin.jpg"));
    if (!render(picture).save(bitmap, "BMP"))
        return fail(error, QCoreApplication::translate("SkinBuilder",
                                                       "The picture could not be written to %1.")
                               .arg(QDir::toNativeSeparators(bitmap)));
    QString jpegError;
    if (!bmpToJpeg(bitmap, jpeg, quality, &jpegError))
        return fail(error, jpegError);
    QFile::remove(bitmap);

    const SkinStatus written = SkinFile::WriteSkin(
        SkinReader::toPath(skinPath), texts.author.toStdString(), texts.email.toStdString(),
        texts.website.toStdString(), texts.skinName.toStdString(), SkinReader::toPath(jpeg));
    QFile::remove(jpeg);
    if (written != SkinStatus::Ok)
        return fail(error,
                    statusText(written) + QLatin1Char(' ') + QDir::toNativeSeparators(skinPath));
    return true;
}
