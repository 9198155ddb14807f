#include "skins/SkinReader.h"

#include "platform/Folders.h"
#include "platform/Prompter.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "skins/SkinFile.h"

#include <QDir>
#include <QImage>
#include <QImageReader>

namespace {

const QString kErrorTitle = QStringLiteral("Error reading skin file");

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

QString SkinReader::ExtractSkinImage(const QString &skinPath, QWidget *parent, SkinInfo *info)
{
    const SkinFile::ImageResult result =
        SkinFile::ExtractSkinImage(toPath(skinPath), toPath(Folders::tempPath()), isPicture);
    m_lastStatus = result.status;
    if (info)
        *info = result.info;
    if (result.status != SkinStatus::Ok) {
        tell(result.status, parent);
        return QString();
    }
    return fromPath(result.imagePath);
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
        text = QStringLiteral("This file is not a Pennyquill skin.");
        break;
    case SkinStatus::OtherVersion:
        text = QStringLiteral("The version of this skin is different from the version you have "
                              "installed on your computer.");
        break;
    case SkinStatus::Damaged:
    case SkinStatus::FieldTooLong:
        text = QStringLiteral("Error reading skin file.\r\n"
                              "The skin file is damaged or not in the right format.");
        title = kErrorTitle;
        icon = Prompter::Icon::Critical;
        break;
    case SkinStatus::NotAPicture:
        text = QStringLiteral("Error reading skin file.\r\n"
                              "The picture in the skin file is damaged or not a picture.");
        title = kErrorTitle;
        icon = Prompter::Icon::Critical;
        break;
    case SkinStatus::WriteFailed:
        text = QStringLiteral("The skin picture cannot be written to the temporary folder:\r\n") +
               QDir::toNativeSeparators(Folders::tempPath());
        icon = Prompter::Icon::Critical;
        break;
    }
    m_ctx.prompter->message(parent, text, title, Prompter::Buttons::Ok, icon);
}
