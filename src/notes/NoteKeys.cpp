#include "notes/NoteKeys.h"

#include "notes/NoteMenus.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

namespace {

constexpr int ShiftDown = 1;
constexpr int CtrlDown = 2;

void focusAfter(QWidget *from)
{
    for (QWidget *next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

struct KeyCommand
{
    int keyCode;
    int shift;
    void (*run)(frmNote &);
};

// Ctrl+B, I, U and A are the text box's own (bold, italic, underline, select all).
const KeyCommand TextCommands[] = {
    {'N', CtrlDown, [](frmNote &n) { n.mnuNewNote_Click(); }},
    {'H', CtrlDown | ShiftDown, [](frmNote &n) { n.mnuHide_Click(); }},
    {'B', CtrlDown | ShiftDown, [](frmNote &n) { n.mnuMin_Click(); }},
    {'D', CtrlDown, [](frmNote &n) { n.mnuDelete_Click(); }},
    {'P', CtrlDown, [](frmNote &n) { n.mnuPrint_Click(); }},
    {'A', CtrlDown | ShiftDown, [](frmNote &n) { n.mnuAlarmSet_Click(); }},
    {'Y', CtrlDown, [](frmNote &n) { n.rtxtMain->redo(); }},
    {'Z', CtrlDown | ShiftDown, [](frmNote &n) { n.rtxtMain->redo(); }},
    {121, ShiftDown, [](frmNote &n) { NoteKeys::caretMenu(n); }}, // Shift+F10
    // Tab types a tab; Ctrl+Tab leaves the text for the note's buttons.
    {9, CtrlDown, [](frmNote &n) { focusAfter(n.rtxtMain); }},
};

bool isMenuKey(const QKeyEvent &key)
{
    return key.key() == Qt::Key_Menu ||
           (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

} // namespace

void NoteKeys::textKey(frmNote &note, int &keyCode, int shift)
{
    for (const KeyCommand &c : TextCommands) {
        if (c.keyCode == keyCode && c.shift == shift) {
            keyCode = 0;
            c.run(note);
            return;
        }
    }
}

void NoteKeys::caretMenu(frmNote &note)
{
    const QPoint at = note.rtxtMain->cursorRect().bottomLeft();
    note.rtxtMain_MouseUp(2, 0, at.x(), at.y());
}

bool NoteKeys::bulletEvent(frmNote &note, QEvent *event)
{
    QLabel *bullet = note.picBullet;
    if (event->type() == QEvent::ContextMenu) {
        note.showTitleMenu(bullet->mapToGlobal(bullet->rect().center()), true);
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        note.Restore();
        return true;
    default:
        if (!isMenuKey(*key))
            return false;
        note.showTitleMenu(bullet->mapToGlobal(bullet->rect().center()), true);
        return true;
    }
}

void NoteKeys::label(NoteMenus &m)
{
    const struct
    {
        QAction *item;
        QKeySequence keys;
    } labels[] = {
        {m.mnuNewNote, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {m.mnuMin, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B)},
        {m.mnuPrint, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {m.mnuDelete, QKeySequence(Qt::CTRL | Qt::Key_D)},
        {m.mnuHide, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H)},
        {m.mnuAlarmSet, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)},
        {m.mnuConSetAlarm, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)},
        {m.mnuFontBold, QKeySequence(Qt::CTRL | Qt::Key_B)},
        {m.mnuFontItalic, QKeySequence(Qt::CTRL | Qt::Key_I)},
        {m.mnuFontUnderline, QKeySequence(Qt::CTRL | Qt::Key_U)},
        {m.mnuConUndo, QKeySequence(QKeySequence::Undo)},
        {m.mnuConCut, QKeySequence(QKeySequence::Cut)},
        {m.mnuConCopy, QKeySequence(QKeySequence::Copy)},
        {m.mnuConPast, QKeySequence(QKeySequence::Paste)},
        {m.mnuConSelAll, QKeySequence(Qt::CTRL | Qt::Key_A)},
    };
    for (const auto &l : labels) {
        // Shown in the menu; the text box carries the key out, so the item answers it only
        // while its own menu is open.
        l.item->setShortcut(l.keys);
        l.item->setShortcutContext(Qt::WidgetShortcut);
    }
}
