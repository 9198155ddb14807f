#include "notes/NoteSaveAs.h"

#include "notes/richtext/RichTextBox.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "platform/SafeFile.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

NoteSaveAs::NoteSaveAs(AppContext &ctx, QWidget *parent) : m_ctx(ctx), m_parent(parent) {}

QString NoteSaveAs::finalName(const QString &chosen, bool rich)
{
    if (!QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + (rich ? QStringLiteral(".rtf") : QStringLiteral(".txt"));
}

bool NoteSaveAs::run(const RichTextBox &text)
{
    return run(FileSystem::real(), text);
}

bool NoteSaveAs::run(FileSystem &fs, const RichTextBox &text)
{
    const QStringList filters = {tr("Rich Text Format (*.RTF)"), tr("Text Document (*.txt)")};
    const auto choice =
        m_ctx.prompter->saveFile(m_parent, tr("Save As"), QDir::homePath(), filters, 0);
    if (!choice)
        return false;
    const bool rich = choice->filterIndex == 0;
    const QString path = finalName(choice->path, rich);
    if (!allowed(path, path != choice->path))
        return false;
    return write(fs, path, rich ? text.TextRTF().toUtf8() : text.Text().toUtf8());
}

bool NoteSaveAs::allowed(const QString &path, bool extensionAdded) const
{
    const QFileInfo target(path);
    if (target.isSymLink()) {
        tell(tr("\"%1\" is a symbolic link. Notes are never saved through a link: "
                "please choose another name.")
                 .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    // The dialog asked about the name typed; the one written has its extension added.
    if (!extensionAdded || !target.exists())
        return true;
    return m_ctx.prompter->message(m_parent,
                                   tr("\"%1\" already exists.\r\nDo you want to "
                                      "replace it?")
                                       .arg(QDir::toNativeSeparators(path)),
                                   tr("Save As"), Prompter::Buttons::YesNo,
                                   Prompter::Icon::Exclamation) == Prompter::Answer::Yes;
}

bool NoteSaveAs::write(FileSystem &fs, const QString &path, const QByteArray &bytes) const
{
    const QFileInfo target(path);
    QString error;
    bool saved = false;
    if (target.isDir()) {
        error = target.fileName() + tr(": a folder stands there");
    } else {
        // Renamed onto the name itself: a link that appeared there since is replaced, not followed.
        const QString temp =
            path + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16,
                                                 QLatin1Char('0'));
        if (SafeFile::writeNew(fs, temp, bytes, SafeFile::privateMode(path), &error)) {
            if (!fs.rename(temp, path)) {
                error = target.fileName() + QStringLiteral(": ") + FileSystem::lastError();
                fs.remove(temp);
            } else if (!fs.syncFolder(target.absolutePath())) {
                error = target.absolutePath() + QStringLiteral(": ") + FileSystem::lastError();
            } else {
                saved = true;
            }
        }
    }
    if (!saved)
        tell(tr("The note could not be saved as \"%1\": %2\nThe note itself is "
                "unchanged.")
                 .arg(QDir::toNativeSeparators(path), error));
    return saved;
}

void NoteSaveAs::tell(const QString &text) const
{
    m_ctx.prompter->message(m_parent, text, AppInfo::Title, Prompter::Buttons::Ok,
                            Prompter::Icon::Exclamation);
}
