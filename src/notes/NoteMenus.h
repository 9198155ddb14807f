#pragma once

#include "notes/CoolMenu.h"

#include <QCoreApplication>

class QAction;
class QMenu;
class QWidget;

// A note's pop-up menus with their items and pictures. A note builds them on first use
// (frmNote::menus()): most notes of a long session never open one, and the menus are the
// larger part of what a note would otherwise build at start.
class NoteMenus
{
    Q_DECLARE_TR_FUNCTIONS(NoteMenus)

public:
    // The menus become children of owner and go with it.
    explicit NoteMenus(QWidget *owner);

    CoolMenu CMMain;

    QMenu *mnuMain = nullptr;
    QAction *mnuNewNote = nullptr, *mnuMin = nullptr, *mnuTop = nullptr, *mnuDash1 = nullptr,
            *mnuSave = nullptr, *mnuPrint = nullptr, *mnuDash2 = nullptr, *mnuOptions = nullptr,
            *mnuSkins = nullptr, *mnuDash6 = nullptr, *mnuDash3 = nullptr, *mnuClear = nullptr,
            *mnuDash4 = nullptr, *mnuHelpAbout = nullptr, *mnuHelpDash1 = nullptr,
            *mnuDelete = nullptr, *mnuHide = nullptr;
    QAction *mnuAllWorkspaces = nullptr;
    QMenu *mnuAlarm = nullptr;
    QAction *mnuAlarmSet = nullptr, *mnuAlarmClear = nullptr;
    QMenu *mnuFont = nullptr;
    QAction *mnuFontBold = nullptr, *mnuFontItalic = nullptr, *mnuFontUnderline = nullptr,
            *mnuFontStrick = nullptr, *mnuFontBullet = nullptr, *mnuFontDash1 = nullptr,
            *mnuFontColor = nullptr, *mnuFontFont = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpVWeb = nullptr, *mnuHelpDWeb = nullptr;

    QMenu *mnuTitle = nullptr;
    QAction *mnuTitleHide = nullptr, *mnuTitleDash1 = nullptr, *mnuTitleMinimize = nullptr,
            *mnuTitleRestore = nullptr, *mnuTitleDash2 = nullptr, *mnuTitleClose = nullptr;

    QMenu *mnuCon = nullptr;
    QAction *mnuConUndo = nullptr, *mnuConDash1 = nullptr, *mnuConCut = nullptr,
            *mnuConCopy = nullptr, *mnuConPast = nullptr, *mnuConDel = nullptr,
            *mnuConDash2 = nullptr, *mnuConSetAlarm = nullptr, *mnuConRemAlarm = nullptr,
            *mnuConDash3 = nullptr, *mnuConSelAll = nullptr;

    QMenu *mnuTray = nullptr;
    QAction *mnuTrayNew = nullptr, *mnuTrayDash1 = nullptr, *mnuTrayShowAll = nullptr,
            *mnuTrayHideAll = nullptr, *mnuTrayMin = nullptr, *mnuTrayRestore = nullptr,
            *mnuTrayDash2 = nullptr, *mnuTrayTop = nullptr, *mnuTrayDash3 = nullptr,
            *mnuTrayOptions = nullptr, *mnuTraySkin = nullptr, *mnuTrayDash4 = nullptr,
            *mnuTrayHelpAbout = nullptr, *mnuTrayHelpDash1 = nullptr, *mnuTrayExit = nullptr;
    QMenu *mnuTrayHelp = nullptr;
    // Opens the notes list.
    QAction *mnuTrayNotes = nullptr;
    // Every alarm of every note, in one window.
    QAction *mnuTrayAlarms = nullptr;
    QAction *mnuTrayHelpVWeb = nullptr, *mnuTrayHelpDWeb = nullptr;
    // Moving notes in from other programs and out to files.
    QAction *mnuTrayImport = nullptr, *mnuTrayExport = nullptr;

    // Gives the menu items their pictures (again after another note went).
    void HookMenu();
};
