#include "transfer/NoteImporter.h"

#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/Folders.h"
#include "platform/Prompter.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "shell/frmSplash.h"
#include "shell/mdlVariables.h"
#include "skins/SkinList.h"
#include "skins/SkinReader.h"
#include "skins/frmSkins.h"
#include "transfer/ColorMatch.h"
#include "transfer/NoteDocument.h"
#include "transfer/NoteFileReader.h"
#include "transfer/StickyReader.h"
#include "transfer/XpadReader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QSet>

#include <algorithm>
#include <utility>

namespace {

QString plural(qsizetype count, const char *one)
{
    Q_UNUSED(one)
    return count == 1 ? QCoreApplication::translate("NoteImporter", "1 note")
                      : QCoreApplication::translate("NoteImporter", "%1 notes").arg(count);
}

// Where a note of this size may stand: its top left corner on a screen, so it can be dragged.
bool onScreen(const QRect &frame)
{
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(frame.topLeft()))
            return true;
    return false;
}

} // namespace

NoteImporter::NoteImporter(AppContext &ctx) : m_ctx(ctx) {}

QList<ImportBatch> NoteImporter::ReadSources(const QStringList &sources)
{
    QList<ImportBatch> batches;
    QStringList files;
    for (const QString &source : sources) {
        const QFileInfo info(source);
        if (source == QLatin1String("xpad"))
            batches.append(XpadReader::read(XpadReader::defaultFolder()));
        else if (source == QLatin1String("sticky"))
            batches.append(StickyReader::read(StickyReader::defaultPath()));
        else if (info.isDir())
            batches.append(XpadReader::read(source));
        else if (info.suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0)
            batches.append(StickyReader::read(source));
        else
            files.append(source);
    }
    if (!files.isEmpty())
        batches.append(NoteFileReader::read(files));
    return batches;
}

int NoteImporter::Import(const QList<ImportBatch> &batches, QWidget *parent)
{
    // What is here already, by text: an import of the same source finds all its notes.
    QSet<QString> present;
    int live = 0;
    for (Form *form : m_ctx.forms->formsNamed(QStringLiteral("frmNote")))
        if (auto *note = qobject_cast<frmNote *>(form); note && note->bolShown) {
            present.insert(note->rtxtMain->document()->toPlainText());
            ++live;
        }
    int offered = 0, duplicates = 0;
    for (const ImportBatch &batch : batches)
        for (const ImportBatch::Note &note : batch.notes) {
            ++offered;
            if (present.contains(NoteDocument::plainText(note.note.TextRTF)))
                ++duplicates;
        }
    bool skipDuplicates = false;
    if (duplicates > 0) {
        const Prompter::Answer answer = m_ctx.prompter->message(
            parent,
            QCoreApplication::translate(
                "NoteImporter",
                "%1 of the %2 notes to import are here already with the same text "
                "(imported before?).\n\nImport them again?\n\nYes: import every note. "
                "No: import only the others. Cancel: import nothing.")
                .arg(duplicates)
                .arg(offered),
            AppInfo::Title, Prompter::Buttons::YesNoCancel, Prompter::Icon::Question);
        if (answer == Prompter::Answer::Cancel) {
            m_summary = QCoreApplication::translate("NoteImporter", "Nothing was imported.");
            return 0;
        }
        skipDuplicates = answer == Prompter::Answer::No;
    }

    const int room = std::min(MaxAtOnce, SessionFile::MaxNotes - live);
    QStringList lines, unmapped, errors;
    int made = 0, skipped = 0, leftOver = 0, cascade = 0;
    for (const ImportBatch &batch : batches) {
        int fromHere = 0;
        for (const ImportBatch::Note &imported : batch.notes) {
            const QString text = NoteDocument::plainText(imported.note.TextRTF);
            if (skipDuplicates && present.contains(text)) {
                ++skipped;
                continue;
            }
            if (made >= room) {
                ++leftOver;
                continue;
            }
            if (!imported.placeKnown || !onScreen(QRect(Twips::toPixels(imported.note.Left),
                                                        Twips::toPixels(imported.note.Top), 1, 1)))
                ++cascade;
            makeNote(imported, cascade);
            present.insert(text);
            ++made;
            ++fromHere;
        }
        if (fromHere > 0 || batch.errors.isEmpty())
            lines.append(QCoreApplication::translate("NoteImporter", "  %1 from %2")
                             .arg(plural(fromHere, "note"), batch.source));
        for (const QString &line : batch.unmapped)
            if (!unmapped.contains(line))
                unmapped.append(line);
        errors += batch.errors;
    }
    if (skipped > 0)
        lines.append(QCoreApplication::translate("NoteImporter", "  %1 already here left out")
                         .arg(plural(skipped, "note")));
    if (leftOver > 0)
        errors.append(QCoreApplication::translate(
                          "NoteImporter",
                          "%1 not imported: at most %2 notes are imported at a time. Import the "
                          "same source again and answer No to bring in the rest.")
                          .arg(plural(leftOver, "note"))
                          .arg(room));

    m_summary = made > 0 ? QCoreApplication::translate("NoteImporter", "Imported %1:\n")
                               .arg(plural(made, "note"))
                         : QCoreApplication::translate("NoteImporter", "Nothing was imported.\n");
    m_summary += lines.join(QLatin1Char('\n'));
    if (!unmapped.isEmpty())
        m_summary += QCoreApplication::translate("NoteImporter", "\n\nNot carried over:\n- ") +
                     unmapped.join(QStringLiteral("\n- "));
    if (!errors.isEmpty())
        m_summary += QCoreApplication::translate("NoteImporter", "\n\nProblems:\n- ") +
                     errors.join(QStringLiteral("\n- "));
    // The new notes are saved whether or not the summary is closed soon.
    if (made > 0)
        if (auto *splash =
                qobject_cast<frmSplash *>(m_ctx.forms->find(QStringLiteral("frmSplash"))))
            splash->ScheduleSave();
    m_ctx.prompter->message(parent, m_summary, AppInfo::Title, Prompter::Buttons::Ok,
                            errors.isEmpty() ? Prompter::Icon::Information
                                             : Prompter::Icon::Exclamation);
    return made;
}

frmNote *NoteImporter::makeNote(const ImportBatch::Note &imported, int cascade)
{
    auto *note = new frmNote(m_ctx);
    note->Load();
    if (imported.placeKnown && onScreen(QRect(Twips::toPixels(imported.note.Left),
                                              Twips::toPixels(imported.note.Top), 1, 1))) {
        note->Move(static_cast<int>(imported.note.Left), static_cast<int>(imported.note.Top));
    } else {
        // Down and to the right from the top left of the main screen, in rows of ten.
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint();
        const int step = (cascade - 1) % 10, row = (cascade - 1) / 10 % 10;
        note->Move(Twips::fromPixels(origin.x() + 40 + 30 * step + 60 * row),
                   Twips::fromPixels(origin.y() + 40 + 30 * step));
    }
    note->Skin = skinFor(imported.background);
    if (note->Skin != frmSkins::BaseSkin)
        if (frmSkins *lookup = frmSkins::Instance(m_ctx))
            lookup->ApplyStoredSkin(note);
    note->bolShown = true;
    note->rtxtMain->setTextRTF(imported.note.TextRTF);
    note->setVisible(imported.note.Visible);
    return note;
}

void NoteImporter::loadSkinColors()
{
    m_skinColorsLoaded = true;
    m_skinColors.append(
        {frmSkins::BaseSkin, ColorMatch::average(QImage(QStringLiteral(":/note/baseskin.png")))});
    SkinReader reader(m_ctx);
    for (const SkinList::Entry &skin : SkinList::Scan(
             {m_ctx.folders.skinsDir(), Folders::sharedDataDir() + QStringLiteral("/skins")})) {
        if (const QColor color = ColorMatch::average(reader.ExtractSkinImage(skin.path));
            color.isValid())
            m_skinColors.append({skin.listName, color});
    }
}

QString NoteImporter::skinFor(const QColor &color)
{
    if (!color.isValid())
        return frmSkins::BaseSkin;
    if (!m_skinColorsLoaded)
        loadSkinColors();
    QList<QColor> colors;
    for (const auto &skin : std::as_const(m_skinColors))
        colors.append(skin.second);
    const int best = ColorMatch::nearest(color, colors);
    return best < 0 ? frmSkins::BaseSkin : m_skinColors.at(best).first;
}
