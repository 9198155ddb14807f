#pragma once

#include "find/NoteIndex.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QTimer>

class Form;
class QPixmap;
class frmNote;
struct AppContext;

// The program's live notes as the notes list, the session bus and launchers find them: keeps a
// NoteIndex in step with the note windows (a changed note is read again when next searched,
// not at every keystroke), stamps a note's last-changed time when its text or alarms change,
// and brings a found note up.
class NotesCatalog : public QObject
{
    Q_OBJECT
public:
    struct Hit
    {
        frmNote *note;
        QString id;
        QString firstLine;
    };

    explicit NotesCatalog(AppContext &ctx, QObject *parent = nullptr);

    // The live notes, in load order.
    QList<frmNote *> notes() const;
    frmNote *note(const QString &id) const;
    // The note's id, given one now when it has none yet.
    static QString IdOf(frmNote *note);
    // The index, brought up to date first.
    const NoteIndex &index();
    // Every note's text is in the index (it is read while the program waits for input).
    bool upToDate() const;
    // The notes the search matches, in load order.
    QList<Hit> find(const QString &search);

    // Shows the note (un-hidden, grown from its bullet), brings it to the front and selects the
    // first place where a word of the search occurs.
    static void Show(frmNote *note, const QString &search);
    // The colour a skin is known by: its picture's average.
    static QColor SkinColor(const QPixmap &picture);

signals:
    // A note came, went, or changed its text, alarms, look or visibility.
    void changed();

private:
    void watch(Form *form);
    void forget(Form *form);
    void textChanged(frmNote *note);
    void markDirty(frmNote *note);
    void reindex(frmNote *note);
    // Reads a few changed notes into the index, and comes back for the rest.
    void indexSome();

    AppContext &m_ctx;
    NoteIndex m_index;
    // The id each note is indexed under, so a note that goes leaves the index.
    QHash<frmNote *, QString> m_indexed;
    QSet<frmNote *> m_dirty;
    QTimer m_idle;
};
