#pragma once

class frmNote;
class NoteMenus;
class QEvent;

// The note's keyboard commands beyond the text box's own editing keys: the same commands as
// its menus and buttons, so a note is usable without a mouse. Works on the note it is given;
// a note keeps nothing for it.
class NoteKeys
{
public:
    // A key that reached the text box (classic key code and shift state: 1 Shift, 2 Ctrl,
    // 4 Alt). Runs its command and clears the code when it is one of the note's keys.
    static void textKey(frmNote &note, int &keyCode, int shift);
    // The menu key or Shift+F10 in the text box: the text's menu at the caret.
    static void caretMenu(frmNote &note);
    // An event on the bullet: Enter or Space grows it, the menu key or Shift+F10 its menu.
    static bool bulletEvent(frmNote &note, QEvent *event);
    // Shows the keys beside the menu items that have one.
    static void label(NoteMenus &menus);
};
