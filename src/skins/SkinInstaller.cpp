#include "skins/SkinInstaller.h"

#include "platform/Prompter.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "skins/SkinFile.h"
#include "skins/SkinFileName.h"
#include "skins/SkinList.h"
#include "skins/SkinReader.h"

#include <QDir>
#include <QFile>

SkinInstaller::SkinInstaller(AppContext &ctx) : m_ctx(ctx) {}

std::optional<SkinInstaller::Installed> SkinInstaller::Install(const QString &skinPath,
                                                               QWidget *parent)
{
    // Extracting checks the header and the picture and tells the user what
    // is wrong; a file that would not show is not worth installing.
    SkinInfo info;
    SkinReader reader(m_ctx);
    if (reader.ExtractSkinImage(skinPath, parent, &info).isNull())
        return std::nullopt;

    const QString skinName = QString::fromStdString(info.skinName);
    const std::optional<std::string> fileName = SkinFileName::fromSkinName(info.skinName);
    if (!fileName) {
        refuse(parent, tr("The skin \"%1\" cannot be installed: its name cannot be "
                          "used as a file name.")
                           .arg(skinName));
        return std::nullopt;
    }

    const QString folder = m_ctx.folders.skinsDir();
    const QString target = folder + QLatin1Char('/') + QString::fromStdString(*fileName);
    // The copy is the user's alone, as every file the program writes.
    if (!Folders::makePrivateFolder(folder) ||
        SkinFile::CopySkin(SkinReader::toPath(skinPath), SkinReader::toPath(target)) !=
            SkinStatus::Ok ||
        !QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        refuse(parent, tr("The skin \"%1\" could not be copied into the skins "
                          "folder:\r\n%2")
                           .arg(skinName, QDir::toNativeSeparators(folder)));
        return std::nullopt;
    }
    return Installed{target, SkinList::ListName(QString::fromStdString(*fileName)), skinName};
}

void SkinInstaller::refuse(QWidget *parent, const QString &text) const
{
    m_ctx.prompter->message(parent, text, AppInfo::Title, Prompter::Buttons::Ok,
                            Prompter::Icon::Exclamation);
}
