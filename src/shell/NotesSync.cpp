#include "shell/NotesSync.h"

#include "alarms/AlarmEntry.h"
#include "alarms/AlertGate.h"
#include "notes/NoteDesktop.h"
#include "notes/NoteResizer.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "notes/richtext/RtfReader.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/frmSplash.h"
#include "shell/mdlVariables.h"
#include "skins/SkinReader.h"
#include "skins/frmSkins.h"
#include "sync/ConflictCopies.h"
#include "sync/PairWatcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <cmath>
#include <limits>

namespace {

using Note = SessionFile::Note;

QHash<QString, QString> revisionsOf(const QList<Note> &notes)
{
    QHash<QString, QString> revisions;
    for (const Note &note : notes)
        revisions.insert(note.Id, note.Revision);
    return revisions;
}

QStringList idsOf(const QList<SessionFile::Deleted> &deleted)
{
    QStringList ids;
    for (const SessionFile::Deleted &note : deleted)
        ids << note.Id;
    ids.sort();
    return ids;
}

QString firstLine(const QString &rtf)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    RtfReader(RtfReader::Target::Document).read(rtf, cursor);
    const QString line = document.toPlainText().section(QLatin1Char('\n'), 0, 0);
    const QString trimmed = line.trimmed().left(60);
    return trimmed.isEmpty() ? NotesSync::tr("(empty note)") : trimmed;
}

} // namespace

NotesSync::NotesSync(AppContext &ctx, NoteMaker makeNote, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_makeNote(std::move(makeNote))
{
    arrivalWait.limitMs = ArrivalWaitMs;
    arrivalWait.pause = [](int ms) {
        QThread::msleep(ms);
        return true;
    };
}

NotesSync::~NotesSync() = default;

void NotesSync::start(const SessionFile::LoadResult &loaded)
{
    const SessionFile file(m_ctx.folders);
    m_book.remember(loaded.notes, frmSplash::LiveNotes(m_ctx));
    m_book.setDeleted(loaded.deleted);
    m_mark = file.mark();
    m_diskRevisions = revisionsOf(loaded.notes);
    m_diskDeleted = loaded.deleted;
    m_skins = skinFiles();
    if (!m_watcher) {
        m_watcher =
            new PairWatcher({file.sessionPath(), file.textPath()},
                            {QFileInfo(file.sessionPath()).absolutePath(),
                             QFileInfo(file.textPath()).absolutePath(), m_ctx.folders.skinsDir()},
                            this);
        connect(m_watcher, &PairWatcher::changed, this, &NotesSync::checkDisk);
    }
    mergeConflictCopies();
}

bool NotesSync::prepareSave(QList<Note> *notes, QList<SessionFile::Deleted> *deleted, bool ending)
{
    SessionFile file(m_ctx.folders);
    if (!(file.mark() == m_mark)) {
        // Changed since this program last read or wrote it: what is there is merged first.
        file.setArrivalWait(arrivalWait);
        const SessionFile::Snapshot disk = file.snapshot();
        if (disk.state == SessionFile::PairState::Whole) {
            const SessionMerge::Result merged = mergeFrom(disk, ending);
            if (ending) {
                *notes = merged.notes;
                *deleted = merged.deleted;
                return true;
            }
        } else if (disk.state == SessionFile::PairState::Damaged) {
            tellDamaged(file.setAsideDamaged());
        }
    }
    *notes = frmSplash::LiveNotes(m_ctx);
    m_book.stamp(*notes, m_ctx.clock->now());
    *deleted = m_book.deleted();
    // The files hold these notes already.
    return !(file.mark() == m_mark && revisionsOf(*notes) == m_diskRevisions &&
             idsOf(*deleted) == idsOf(m_diskDeleted));
}

void NotesSync::saved(const QList<Note> &notes)
{
    const SessionFile file(m_ctx.folders);
    m_mark = file.mark();
    m_diskRevisions = revisionsOf(notes);
    m_diskDeleted = m_book.deleted();
}

void NotesSync::checkDisk()
{
    if (m_busy)
        return m_watcher->poke();
    m_busy = true;
    const SessionFile file(m_ctx.folders);
    if (!(file.mark() == m_mark)) {
        const SessionFile::Snapshot disk =
            SessionFile::snapshotOf(file.sessionPath(), file.textPath());
        const QDateTime now = m_ctx.clock->now();
        // A half (or a file an engine writes in place) may still be on its way.
        const bool arriving = disk.state != SessionFile::PairState::Whole &&
                              disk.state != SessionFile::PairState::Absent;
        if (arriving && !m_arrivingSince.isValid())
            m_arrivingSince = now;
        if (arriving && m_arrivingSince.msecsTo(now) < arrivalWait.limitMs) {
            // Looked at again soon; nothing is touched meanwhile.
            m_watcher->poke();
        } else {
            m_arrivingSince = {};
            if (disk.state == SessionFile::PairState::Whole) {
                if (!mergeFrom(disk, false).sameAsDisk)
                    emit notesChanged();
            } else {
                // Damaged, or gone: what this program has is written again.
                if (disk.state != SessionFile::PairState::Absent &&
                    disk.state != SessionFile::PairState::Incomplete)
                    tellDamaged(SessionFile(m_ctx.folders).setAsideDamaged());
                m_mark = {};
                emit notesChanged();
            }
        }
    }
    mergeConflictCopies();
    redressSkinnedNotes();
    m_busy = false;
}

QStringList NotesSync::skinFiles() const
{
    return QDir(m_ctx.folders.skinsDir()).entryList(QDir::Files, QDir::Name);
}

void NotesSync::redressSkinnedNotes()
{
    // A skin that came after the note wearing it: put on now.
    const QStringList skins = skinFiles();
    if (skins == m_skins)
        return;
    m_skins = skins;
    QList<frmNote *> skinned;
    for (frmNote *note : windows())
        if (!note->Skin.isEmpty() && note->Skin != frmSkins::BaseSkin)
            skinned << note;
    frmSkins *lookup = skinned.isEmpty() ? nullptr : frmSkins::Instance(m_ctx);
    if (!lookup)
        return;
    lookup->FillList();
    for (frmNote *note : std::as_const(skinned))
        lookup->ApplyStoredSkin(note);
    if (lookup->isHidden())
        lookup->Unload();
}

SessionMerge::Result NotesSync::mergeFrom(const SessionFile::Snapshot &disk, bool ending,
                                          bool mainPair)
{
    const QDateTime now = m_ctx.clock->now();
    QList<Note> live = frmSplash::LiveNotes(m_ctx);
    m_book.stamp(live, now);
    const SessionMerge::Result result =
        SessionMerge::merge({disk.notes, disk.deleted}, {live, m_book.deleted()}, now);
    ++m_merges;
    if (mainPair) {
        m_mark = disk.mark;
        m_diskRevisions = revisionsOf(disk.notes);
        m_diskDeleted = disk.deleted;
    }
    if (ending) {
        m_book.remember(result.notes, result.notes);
        m_book.setDeleted(result.deleted);
    } else {
        apply(result, live);
    }
    return result;
}

QHash<QString, frmNote *> NotesSync::windows() const
{
    QHash<QString, frmNote *> open;
    for (Form *form : m_ctx.forms->formsNamed(QStringLiteral("frmNote")))
        if (auto *note = qobject_cast<frmNote *>(form); note && note->bolShown)
            open.insert(note->NoteId, note);
    return open;
}

void NotesSync::apply(const SessionMerge::Result &result, const QList<Note> &before)
{
    // What the windows give back: read again only from the windows this merge touched.
    QHash<QString, Note> live;
    for (const Note &note : before)
        live.insert(note.Id, note);
    QHash<QString, frmNote *> open = windows();
    for (auto it = result.renamed.cbegin(); it != result.renamed.cend(); ++it)
        if (frmNote *note = open.take(it.key())) {
            note->NoteId = it.value();
            open.insert(it.value(), note);
            live.remove(it.key());
        }
    QSet<QString> alive;
    for (const Note &stored : result.notes) {
        alive.insert(stored.Id);
        frmNote *note = open.value(stored.Id);
        if (!note)
            note = m_makeNote(stored);
        else if (result.taken.contains(stored.Id))
            update(note, stored);
        else if (live.contains(stored.Id))
            continue;
        if (note)
            live.insert(stored.Id, frmSplash::LiveNote(note));
    }
    for (auto it = open.cbegin(); it != open.cend(); ++it)
        if (!alive.contains(it.key())) {
            live.remove(it.key());
            it.value()->bolShown = false;
            it.value()->Unload();
        }
    m_book.remember(result.notes, live.values());
    m_book.setDeleted(result.deleted);
    if (!result.conflicts.isEmpty())
        // Told after the merge and the save around it are done.
        QTimer::singleShot(0, this,
                           [this, conflicts = result.conflicts] { tellConflicts(conflicts); });
}

void NotesSync::update(frmNote *note, const Note &stored)
{
    if (note->rtxtMain->TextRTF() != stored.TextRTF) {
        // The caret and the scroll stay where they were, as far as the new text reaches.
        RichTextBox &box = *note->rtxtMain;
        const int start = box.SelStart();
        const int length = box.SelLength();
        const int scroll = box.verticalScrollBar()->value();
        box.setTextRTF(stored.TextRTF);
        const int end = int(box.Text().size());
        box.setSelStart(std::min(start, end));
        box.setSelLength(std::min(length, end - std::min(start, end)));
        box.verticalScrollBar()->setValue(scroll);
    }
    takeAlarms(note, stored.Alerts);
    if (stored.OnTop != note->isOnTop()) {
        mdlVariables::SetTopMost(note, stored.OnTop ? mdlVariables::HWND_TOPMOST
                                                    : mdlVariables::HWND_NOTOPMOST);
        note->setOnTop(stored.OnTop);
    }
    note->resizer().setFullSize(QSize(stored.Width.value_or(frmNote::FullWidth),
                                      stored.Height.value_or(frmNote::FullHeight)));
    if (stored.AllWorkspaces)
        note->desktop().setOnAllWorkspaces(*stored.AllWorkspaces);
    if (stored.Minimized && !note->isBullet())
        note->ShowBullet();
    else if (!stored.Minimized && note->isBullet())
        note->Restore();
    note->Move(int(std::lround(stored.Left)), int(std::lround(stored.Top)));
    if (note->Skin != stored.Skin) {
        note->Skin = stored.Skin;
        if (stored.Skin.isEmpty() || stored.Skin == frmSkins::BaseSkin)
            note->setPicture(
                QPixmap::fromImage(SkinReader(m_ctx).ExtractSkinImage(QString(), note)));
        else if (frmSkins *lookup = frmSkins::Instance(m_ctx))
            lookup->ApplyStoredSkin(note);
    }
    if (note->isVisible() != stored.Visible)
        note->setVisible(stored.Visible);
    // What arrived is no change of the user's here.
    note->LastChanged = stored.Changed;
}

void NotesSync::takeAlarms(frmNote *note, const QStringList &alerts)
{
    // An alert open here keeps its own line, so it is neither opened again nor lost.
    QStringList lines = alerts;
    const auto indexOf = [](const QString &line) {
        const std::optional<AlarmEntry> entry = AlarmEntry::parse(line);
        return entry ? entry->Index : -1;
    };
    for (const QString &line : note->lstAlarms->lines()) {
        const std::optional<AlarmEntry> ours = AlarmEntry::parse(line);
        if (!ours || !AlertGate::IsOpen(*m_ctx.forms, note, ours->Index))
            continue;
        qsizetype row = 0;
        while (row < lines.size() && indexOf(lines.at(row)) != ours->Index)
            ++row;
        if (row < lines.size())
            lines[row] = line;
        else
            lines.append(line);
    }
    if (lines != note->lstAlarms->lines()) {
        note->lstAlarms->clear();
        note->lstAlarms->addItems(lines);
    }
    // New alarms here are numbered above every one that arrived.
    for (const QString &line : std::as_const(lines))
        if (const std::optional<AlarmEntry> entry = AlarmEntry::parse(line);
            entry && entry->Index < std::numeric_limits<int>::max())
            m_ctx.vars->AlarmCounter = std::max(m_ctx.vars->AlarmCounter, entry->Index);
}

void NotesSync::tellConflicts(const QList<SessionMerge::Conflict> &conflicts)
{
    QStringList pairs;
    for (const SessionMerge::Conflict &conflict : conflicts)
        pairs << tr("\"%1\" (this computer) and \"%2\" (the other computer)")
                     .arg(firstLine(conflict.oursText), firstLine(conflict.theirsText));
    // Told beside the notes: the user may be typing into one of them.
    m_ctx.prompter->notice(nullptr,
                           tr("These notes were changed on this computer and on another one at the "
                              "same time. Both versions are kept, side by side:\n\n%1")
                               .arg(pairs.join(QLatin1Char('\n'))),
                           AppInfo::Title, Prompter::Icon::Information);
}

void NotesSync::tellDamaged(const QStringList &keptAs)
{
    m_ctx.prompter->message(
        nullptr,
        tr("The files of your notes were changed from outside and cannot be read. "
           "They were kept as \"%1\"; the notes shown here are saved again.")
            .arg(keptAs.join(QStringLiteral("\" and \""))),
        AppInfo::Title, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
}

void NotesSync::mergeConflictCopies()
{
    const SessionFile file(m_ctx.folders);
    QStringList unmatched;
    const QList<ConflictCopies::Found> found =
        ConflictCopies::find(file.sessionPath(), file.textPath(), &unmatched);
    bool changed = false;
    for (const QString &path : ConflictCopies::backupCopies(file.sessionPath(), file.textPath()))
        putInBackups(path);
    for (const ConflictCopies::Found &copy : found) {
        changed = !mergeFrom(copy.snapshot, false, false).sameAsDisk || changed;
        for (const QString &path : copy.files)
            putInBackups(path);
    }
    const QDateTime now = m_ctx.clock->now();
    QStringList damaged;
    for (const QString &path : std::as_const(unmatched)) {
        const QDateTime since = m_unmatchedSince.value(path, now);
        m_unmatchedSince.insert(path, since);
        if (since.msecsTo(now) < arrivalWait.limitMs) {
            m_watcher->poke();
            continue;
        }
        m_unmatchedSince.remove(path);
        damaged << putInBackups(path);
    }
    if (!damaged.isEmpty())
        m_ctx.prompter->message(
            nullptr,
            tr("A copy of your notes made by the program that keeps your folders in "
               "step cannot be read, so nothing was taken from it. It was kept as "
               "\"%1\".")
                .arg(damaged.join(QStringLiteral("\" and \""))),
            AppInfo::Title, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
    if (changed)
        emit notesChanged();
}

QString NotesSync::putInBackups(const QString &path)
{
    const QString folder = m_ctx.folders.profileFile(QStringLiteral("backups"));
    Folders::makePrivateFolder(folder);
    const QString name = QFileInfo(path).fileName();
    QString target = QDir(folder).filePath(name);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QDir(folder).filePath(name + QLatin1Char('.') + QString::number(n));
    QFile::rename(path, target);
    return target;
}
