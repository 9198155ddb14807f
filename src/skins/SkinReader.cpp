#include "skins/SkinReader.h"

#include "platform/Prompter.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "skins/SkinFile.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

namespace {

const char *const kErrorTitle = QT_TRANSLATE_NOOP("SkinReader", "Error reading skin file");

QString fromPath(const std::filesystem::path &path)
{
    return QString::fromStdU16String(path.u16string());
}

} // namespace

SkinReader::SkinReader(AppContext &ctx) : SkinReader(ctx, AppInfo::Title) {}

SkinReader::SkinReader(AppContext &ctx, const QString &title) : m_ctx(ctx), m_title(title) {}

std::filesystem::path SkinReader::toPath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

bool SkinReader::isPicture(const std::filesystem::path &path)
{
    QImageReader reader(fromPath(path));
    // The name may say nothing (a temporary file) or lie; the bytes decide.
    reader.setDecideFormatFromContent(true);
    return !reader.read().isNull();
}

QImage SkinReader::ExtractSkinImage(const QString &skinPath, QWidget *parent, SkinInfo *info)
{
    const SkinFile::PictureResult found = SkinFile::LocatePicture(toPath(skinPath));
    m_lastStatus = found.status;
    if (info)
        *info = found.info;
    QImage picture;
    if (found.status == SkinStatus::Ok) {
        // The picture runs to the end of the file: read from where it starts, by its bytes.
        QFile file(skinPath);
        if (file.open(QIODevice::ReadOnly) && file.seek(static_cast<qint64>(found.offset))) {
            QImageReader reader(&file);
            reader.setDecideFormatFromContent(true);
            picture = reader.read();
        }
        if (picture.isNull())
            m_lastStatus = SkinStatus::NotAPicture;
    }
    if (m_lastStatus != SkinStatus::Ok) {
        tell(m_lastStatus, parent);
        return QImage();
    }
    return picture;
}

std::optional<SkinInfo> SkinReader::ReadSkinInfo(const QString &skinPath, QWidget *parent)
{
    const SkinFile::InfoResult result = SkinFile::ReadSkinInfo(toPath(skinPath));
    m_lastStatus = result.status;
    if (result.status == SkinStatus::Ok || result.status == SkinStatus::Missing)
        return result.info;
    tell(result.status, parent);
    return std::nullopt;
}

void SkinReader::tell(SkinStatus status, QWidget *parent) const
{
    QString text;
    QString title = m_title;
    Prompter::Icon icon = Prompter::Icon::Exclamation;
    switch (status) {
    case SkinStatus::Ok:
        return;
    case SkinStatus::NotASkin:
    case SkinStatus::Missing: // a file that is not there reads as an empty one
        text = tr("This file is not a Pennyquill skin.");
        break;
    case SkinStatus::OtherVersion:
        text = tr("The version of this skin is different from the version you have "
                  "installed on your computer.");
        break;
    case SkinStatus::Damaged:
    case SkinStatus::FieldTooLong:
    case SkinStatus::WriteFailed: // nothing is written here: a read that failed half way
        text = tr("Error reading skin file.\r\n"
                  "The skin file is damaged or not in the right format.");
        title = tr(kErrorTitle);
        icon = Prompter::Icon::Critical;
        break;
    case SkinStatus::NotAPicture:
        text = tr("Error reading skin file.\r\n"
                  "The picture in the skin file is damaged or not a picture.");
        title = tr(kErrorTitle);
        icon = Prompter::Icon::Critical;
        break;
    }
    m_ctx.prompter->message(parent, text, title, Prompter::Buttons::Ok, icon);
}
