#include "notes/NoteMenus.h"

#include "notes/NoteKeys.h"
#include "notes/SharedPictures.h"

#include <QAction>
#include <QMenu>

namespace {

QString res(const char *name)
{
    return QStringLiteral(":/note/") + QString::fromLatin1(name) + QStringLiteral(".png");
}

} // namespace

NoteMenus::NoteMenus(QWidget *owner)
{
    auto item = [this](QMenu *menu, const char *name, const char *caption) {
        return CMMain.add(menu, QString::fromLatin1(name), tr(caption));
    };
    auto sub = [this](QMenu *menu, const char *name, const char *caption) {
        return CMMain.addMenu(menu, QString::fromLatin1(name), tr(caption));
    };
    auto popup = [owner](const char *name) {
        auto *menu = new QMenu(owner);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    mnuMain = popup("mnuMain");
    mnuNewNote = item(mnuMain, "mnuNewNote", QT_TR_NOOP("||&New Note"));
    mnuMin = item(mnuMain, "mnuMin", QT_TR_NOOP("||&Minimize"));
    mnuTop = item(mnuMain, "mnuTop", QT_TR_NOOP("(#)|A|&Always On Top"));
    mnuAllWorkspaces = item(mnuMain, "mnuAllWorkspaces", QT_TR_NOOP("(#)|W|On All &Workspaces"));
    mnuDash1 = item(mnuMain, "mnuDash1", QT_TR_NOOP("(-)Saving"));
    mnuSave = item(mnuMain, "mnuSave", QT_TR_NOOP("||&Save As..."));
    mnuPrint = item(mnuMain, "mnuPrint", QT_TR_NOOP("&Print..."));
    mnuDash2 = item(mnuMain, "mnuDash2", "-");
    mnuOptions = item(mnuMain, "mnuOptions", QT_TR_NOOP("||&Options..."));
    mnuSkins = item(mnuMain, "mnuSkins", QT_TR_NOOP("||Change &Skin..."));
    mnuDash6 = item(mnuMain, "mnuDash6", "-");
    mnuAlarm = sub(mnuMain, "mnuAlarm", QT_TR_NOOP("||&Alarm"));
    mnuAlarmSet = item(mnuAlarm, "mnuAlarmSet", QT_TR_NOOP("&Set Alarm"));
    mnuAlarmClear = item(mnuAlarm, "mnuAlarmClear", QT_TR_NOOP("&Remove Alarm"));
    mnuDash3 = item(mnuMain, "mnuDash3", "-");
    mnuClear = item(mnuMain, "mnuClear", QT_TR_NOOP("Clear"));
    mnuFont = sub(mnuMain, "mnuFont", QT_TR_NOOP("&Font"));
    mnuFontBold = item(mnuFont, "mnuFontBold", QT_TR_NOOP("(#)|B|&Bold"));
    mnuFontItalic = item(mnuFont, "mnuFontItalic", QT_TR_NOOP("(#)|I|&Italic"));
    mnuFontUnderline = item(mnuFont, "mnuFontUnderline", QT_TR_NOOP("(#)|U|&Underline"));
    mnuFontStrick = item(mnuFont, "mnuFontStrick", QT_TR_NOOP("(#)|S|&Strikethrough"));
    mnuFontBullet = item(mnuFont, "mnuFontBullet", QT_TR_NOOP("(#)|B|&Bullet"));
    mnuFontDash1 = item(mnuFont, "mnuFontDash1", "-");
    mnuFontColor = item(mnuFont, "mnuFontColor", QT_TR_NOOP("&Color..."));
    mnuFontFont = item(mnuFont, "mnuFontFont", QT_TR_NOOP("&Font..."));
    mnuDash4 = item(mnuMain, "mnuDash4", QT_TR_NOOP("(-)Others"));
    mnuHelpAbout = item(mnuMain, "mnuHelpAbout", QT_TR_NOOP("&About..."));
    mnuHelp = sub(mnuMain, "mnuHelp", QT_TR_NOOP("&Help"));
    mnuHelpVWeb = item(mnuHelp, "mnuHelpVWeb", QT_TR_NOOP("Visit &Corvane Website..."));
    mnuHelpDWeb = item(mnuHelp, "mnuHelpDWeb", QT_TR_NOOP("&Pennyquill On The Web..."));
    mnuHelpDash1 = item(mnuMain, "mnuHelpDash1", "-");
    mnuDelete = item(mnuMain, "mnuDelete", QT_TR_NOOP("&Delete"));
    mnuHide = item(mnuMain, "mnuHide", QT_TR_NOOP("&Hide"));

    mnuTitle = popup("mnuTitle");
    mnuTitleHide = item(mnuTitle, "mnuTitleHide", QT_TR_NOOP("&Hide"));
    mnuTitleDash1 = item(mnuTitle, "mnuTitleDash1", "-");
    mnuTitleMinimize = item(mnuTitle, "mnuTitleMinimize", QT_TR_NOOP("&Minimize"));
    mnuTitleRestore = item(mnuTitle, "mnuTitleRestore", QT_TR_NOOP("&Restore"));
    mnuTitleDash2 = item(mnuTitle, "mnuTitleDash2", "-");
    mnuTitleClose = item(mnuTitle, "mnuTitleClose", QT_TR_NOOP("&Delete"));

    mnuCon = popup("mnuCon");
    mnuConUndo = item(mnuCon, "mnuConUndo", QT_TR_NOOP("&Undo"));
    mnuConDash1 = item(mnuCon, "mnuConDash1", "-");
    mnuConCut = item(mnuCon, "mnuConCut", QT_TR_NOOP("Cu&t"));
    mnuConCopy = item(mnuCon, "mnuConCopy", QT_TR_NOOP("&Copy"));
    mnuConPast = item(mnuCon, "mnuConPast", QT_TR_NOOP("&Paste"));
    mnuConDel = item(mnuCon, "mnuConDel", QT_TR_NOOP("&Delete"));
    mnuConDash2 = item(mnuCon, "mnuConDash2", "-");
    mnuConSetAlarm = item(mnuCon, "mnuConSetAlarm", QT_TR_NOOP("Set &Alarm"));
    mnuConRemAlarm = item(mnuCon, "mnuConRemAlarm", QT_TR_NOOP("&Remove Alarm"));
    mnuConDash3 = item(mnuCon, "mnuConDash3", "-");
    mnuConSelAll = item(mnuCon, "mnuConSelAll", QT_TR_NOOP("&Select All"));

    mnuTray = popup("mnuTray");
    mnuTrayNew = item(mnuTray, "mnuTrayNew", QT_TR_NOOP("&New Note"));
    mnuTrayDash1 = item(mnuTray, "mnuTrayDash1", "-");
    mnuTrayShowAll = item(mnuTray, "mnuTrayShowAll", QT_TR_NOOP("&Show All Notes"));
    mnuTrayHideAll = item(mnuTray, "mnuTrayHideAll", QT_TR_NOOP("&Hide All Notes"));
    mnuTrayMin = item(mnuTray, "mnuTrayMin", QT_TR_NOOP("&Minimize All Notes"));
    mnuTrayRestore = item(mnuTray, "mnuTrayRestore", QT_TR_NOOP("&Restore All Notes"));
    mnuTrayDash2 = item(mnuTray, "mnuTrayDash2", "-");
    mnuTrayTop = item(mnuTray, "mnuTrayTop", QT_TR_NOOP("(#)|A|&Always On Top"));
    mnuTrayDash3 = item(mnuTray, "mnuTrayDash3", "-");
    mnuTrayOptions = item(mnuTray, "mnuTrayOptions", QT_TR_NOOP("&Options..."));
    mnuTraySkin = item(mnuTray, "mnuTraySkin", QT_TR_NOOP("Change &Skin..."));
    mnuTrayAlarms = item(mnuTray, "mnuTrayAlarms", QT_TR_NOOP("A&larms..."));
    mnuTrayDash4 = item(mnuTray, "mnuTrayDash4", "-");
    mnuTrayHelpAbout = item(mnuTray, "mnuTrayHelpAbout", QT_TR_NOOP("&About..."));
    mnuTrayHelp = sub(mnuTray, "mnuTrayHelp", QT_TR_NOOP("&Help"));
    mnuTrayHelpVWeb = item(mnuTrayHelp, "mnuTrayHelpVWeb", QT_TR_NOOP("Visit Corvane Website"));
    mnuTrayHelpDWeb = item(mnuTrayHelp, "mnuTrayHelpDWeb", QT_TR_NOOP("Pennyquill On The Web"));
    mnuTrayHelpDash1 = item(mnuTray, "mnuTrayHelpDash1", "-");
    mnuTrayExit = item(mnuTray, "mnuTrayExit", QT_TR_NOOP("E&xit"));
    // Beside "New Note": finding a note is as common as making one.
    mnuTrayNotes = item(mnuTray, "mnuTrayNotes", QT_TR_NOOP("No&tes…"));
    mnuTray->removeAction(mnuTrayNotes);
    mnuTray->insertAction(mnuTrayDash1, mnuTrayNotes);

    // Import and export follow the skin command.
    mnuTrayImport = item(mnuTray, "mnuTrayImport", QT_TR_NOOP("&Import Notes..."));
    mnuTrayExport = item(mnuTray, "mnuTrayExport", QT_TR_NOOP("&Export All Notes..."));
    for (QAction *action : {mnuTrayImport, mnuTrayExport}) {
        mnuTray->removeAction(action);
        mnuTray->insertAction(mnuTrayDash4, action);
    }

    // The help menu keeps only the two web pages.
    mnuHelp->setTitle(tr("On &Web"));
    HookMenu();
    NoteKeys::label(*this);
}

void NoteMenus::HookMenu()
{
    CMMain.setPicture(tr("&New Note"), SharedPictures::get(res("menu2")));
    CMMain.setPicture(tr("&Save As..."), SharedPictures::get(res("menu1")));
    CMMain.setPicture(tr("&Options..."), SharedPictures::get(res("menu3")));
    CMMain.setPicture(tr("&Help"), SharedPictures::get(res("menu4")));
    CMMain.setPicture(tr("&Font"), SharedPictures::get(res("menu5")));
    // The help menu is captioned "On &Web"; it keeps the help picture.
    mnuHelp->menuAction()->setIcon(SharedPictures::icon(res("menu4")));
}
