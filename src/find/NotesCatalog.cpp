#include "find/NotesCatalog.h"

#include "alarms/AlarmList.h"
#include "find/DocumentSearch.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/Clock.h"
#include "shell/AppContext.h"
#include "shell/FormRegistry.h"
#include "shell/SessionFile.h"

#include <QImage>
#include <QPixmap>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

// Notes read into the index per turn of the event loop while the program waits for input.
constexpr int NotesPerTurn = 50;
// After a change, how long typing may pause before the note is read again.
constexpr int QuietMs = 400;

} // namespace

NotesCatalog::NotesCatalog(AppContext &ctx, QObject *parent) : QObject(parent), m_ctx(ctx)
{
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &NotesCatalog::indexSome);
    connect(ctx.forms, &FormRegistry::formLoaded, this, &NotesCatalog::watch);
    connect(ctx.forms, &FormRegistry::formUnloaded, this, &NotesCatalog::forget);
    for (Form *form : ctx.forms->all())
        watch(form);
}

void NotesCatalog::watch(Form *form)
{
    auto *note = qobject_cast<frmNote *>(form);
    if (!note)
        return;
    // A new note counts as changed now; a restored one gets its stored time after this.
    if (!note->LastChanged.isValid())
        note->LastChanged = m_ctx.clock->now();
    markDirty(note);
    connect(note->rtxtMain, &RichTextBox::Change, this, [this, note] { textChanged(note); });
    connect(note->lstAlarms, &AlarmList::changed, this, [this, note] {
        note->LastChanged = m_ctx.clock->now();
        emit changed();
    });
    connect(note, &frmNote::NoteChanged, this, &NotesCatalog::changed);
    // A note deleted without being unloaded (at the end of a test) leaves too.
    connect(note, &QObject::destroyed, this, [this, note] {
        m_dirty.remove(note);
        if (const auto id = m_indexed.constFind(note); id != m_indexed.cend()) {
            m_index.remove(*id);
            m_indexed.erase(id);
        }
    });
    emit changed();
}

void NotesCatalog::forget(Form *form)
{
    auto *note = qobject_cast<frmNote *>(form);
    if (!note)
        return;
    m_dirty.remove(note);
    if (const auto id = m_indexed.constFind(note); id != m_indexed.cend()) {
        m_index.remove(*id);
        m_indexed.erase(id);
    }
    disconnect(note, nullptr, this, nullptr);
    disconnect(note->rtxtMain, nullptr, this, nullptr);
    disconnect(note->lstAlarms, nullptr, this, nullptr);
    emit changed();
}

void NotesCatalog::textChanged(frmNote *note)
{
    note->LastChanged = m_ctx.clock->now();
    markDirty(note);
    emit changed();
}

void NotesCatalog::markDirty(frmNote *note)
{
    m_dirty.insert(note);
    m_idle.start(QuietMs);
}

void NotesCatalog::indexSome()
{
    int left = NotesPerTurn;
    for (auto it = m_dirty.begin(); it != m_dirty.end() && left > 0; --left) {
        frmNote *note = *it;
        if (!note->bolShown) { // the hidden menu note, or one not yet restored
            ++it;
            continue;
        }
        reindex(note);
        it = m_dirty.erase(it);
    }
    if (left == 0)
        m_idle.start(0);
}

void NotesCatalog::reindex(frmNote *note)
{
    // A restored note may have been given its stored id since it was indexed.
    const QString id = IdOf(note);
    if (const QString old = m_indexed.value(note); !old.isEmpty() && old != id)
        m_index.remove(old);
    m_indexed.insert(note, id);
    m_index.setText(id, note->rtxtMain->document()->toPlainText());
}

bool NotesCatalog::upToDate() const
{
    return std::none_of(m_dirty.cbegin(), m_dirty.cend(),
                        [](const frmNote *note) { return note->bolShown; });
}

QList<frmNote *> NotesCatalog::notes() const
{
    QList<frmNote *> live;
    for (Form *form : m_ctx.forms->formsNamed(QStringLiteral("frmNote")))
        if (auto *note = qobject_cast<frmNote *>(form); note && note->bolShown)
            live << note;
    return live;
}

frmNote *NotesCatalog::note(const QString &id) const
{
    for (frmNote *live : notes())
        if (live->NoteId == id)
            return live;
    return nullptr;
}

QString NotesCatalog::IdOf(frmNote *note)
{
    if (note->NoteId.isEmpty())
        note->NoteId = SessionFile::NewId();
    return note->NoteId;
}

const NoteIndex &NotesCatalog::index()
{
    for (auto it = m_dirty.begin(); it != m_dirty.end();) {
        frmNote *note = *it;
        if (!note->bolShown) {
            ++it;
            continue;
        }
        reindex(note);
        it = m_dirty.erase(it);
    }
    return m_index;
}

QList<NotesCatalog::Hit> NotesCatalog::find(const QString &search)
{
    const NoteIndex &current = index();
    QList<Hit> hits;
    const QStringList found = current.find(search);
    const QSet<QString> matching(found.cbegin(), found.cend());
    for (frmNote *live : notes())
        if (matching.contains(live->NoteId))
            hits.append({live, live->NoteId, current.firstLine(live->NoteId)});
    return hits;
}

void NotesCatalog::Show(frmNote *note, const QString &search)
{
    if (note->isHidden()) {
        note->show();
        emit note->NoteChanged();
    }
    if (note->isBullet())
        note->Restore();
    note->raise();
    note->activateWindow();
    // The earliest place any word of the search occurs.
    std::optional<DocumentSearch::Range> first;
    const DocumentSearch in(*note->rtxtMain->document());
    for (const QString &term : NoteIndex::Terms(search)) {
        const QList<DocumentSearch::Range> found = in.matches(term);
        if (!found.isEmpty() && (!first || found.first().from < first->from))
            first = found.first();
    }
    if (first) {
        QTextCursor cursor(note->rtxtMain->document());
        cursor.setPosition(first->from);
        cursor.setPosition(first->to, QTextCursor::KeepAnchor);
        note->rtxtMain->setTextCursor(cursor);
        note->rtxtMain->ensureCursorVisible();
    }
    note->rtxtMain->setFocus();
}

QColor NotesCatalog::SkinColor(const QPixmap &picture)
{
    // Every note of a skin shares its picture: one average per picture.
    static QHash<qint64, QColor> known;
    if (const auto hit = known.constFind(picture.cacheKey()); hit != known.cend())
        return *hit;
    const QImage average =
        picture.toImage().scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QColor color = average.isNull() ? QColor(251, 226, 118) : average.pixelColor(0, 0);
    known.insert(picture.cacheKey(), color);
    return color;
}
