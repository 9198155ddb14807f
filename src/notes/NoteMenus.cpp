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
        return CMMain.add(menu, QString::fromLatin1(name), QString::fromUtf8(caption));
    };
    auto sub = [this](QMenu *menu, const char *name, const char *caption) {
        return CMMain.addMenu(menu, QString::fromLatin1(name), QString::fromUtf8(caption));
    };
    auto popup = [owner](const char *name) {
        auto *menu = new QMenu(owner);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    mnuMain = popup("mnuMain");
    mnuNewNote = item(mnuMain, "mnuNewNote", "||&New Note");
    mnuMin = item(mnuMain, "mnuMin", "||&Minimize");
    mnuTop = item(mnuMain, "mnuTop", "(#)|A|&Always On Top");
    mnuAllWorkspaces = item(mnuMain, "mnuAllWorkspaces", "(#)|W|On All &Workspaces");
    mnuDash1 = item(mnuMain, "mnuDash1", "(-)Saving");
    mnuSave = item(mnuMain, "mnuSave", "||&Save As...");
    mnuPrint = item(mnuMain, "mnuPrint", "&Print...");
    mnuDash2 = item(mnuMain, "mnuDash2", "-");
    mnuOptions = item(mnuMain, "mnuOptions", "||&Options...");
    mnuSkins = item(mnuMain, "mnuSkins", "||Change &Skin...");
    mnuDash6 = item(mnuMain, "mnuDash6", "-");
    mnuAlarm = sub(mnuMain, "mnuAlarm", "||&Alarm");
    mnuAlarmSet = item(mnuAlarm, "mnuAlarmSet", "&Set Alarm");
    mnuAlarmClear = item(mnuAlarm, "mnuAlarmClear", "&Remove Alarm");
    mnuDash3 = item(mnuMain, "mnuDash3", "-");
    mnuClear = item(mnuMain, "mnuClear", "Clear");
    mnuFont = sub(mnuMain, "mnuFont", "&Font");
    mnuFontBold = item(mnuFont, "mnuFontBold", "(#)|B|&Bold");
    mnuFontItalic = item(mnuFont, "mnuFontItalic", "(#)|I|&Italic");
    mnuFontUnderline = item(mnuFont, "mnuFontUnderline", "(#)|U|&Underline");
    mnuFontStrick = item(mnuFont, "mnuFontStrick", "(#)|S|&Strikethrough");
    mnuFontBullet = item(mnuFont, "mnuFontBullet", "(#)|B|&Bullet");
    mnuFontDash1 = item(mnuFont, "mnuFontDash1", "-");
    mnuFontColor = item(mnuFont, "mnuFontColor", "&Color...");
    mnuFontFont = item(mnuFont, "mnuFontFont", "&Font...");
    mnuDash4 = item(mnuMain, "mnuDash4", "(-)Others");
    mnuHelpAbout = item(mnuMain, "mnuHelpAbout", "&About...");
    mnuHelp = sub(mnuMain, "mnuHelp", "&Help");
    mnuHelpVWeb = item(mnuHelp, "mnuHelpVWeb", "Visit &Corvane Website...");
    mnuHelpDWeb = item(mnuHelp, "mnuHelpDWeb", "&Pennyquill On The Web...");
    mnuHelpDash1 = item(mnuMain, "mnuHelpDash1", "-");
    mnuDelete = item(mnuMain, "mnuDelete", "&Delete");
    mnuHide = item(mnuMain, "mnuHide", "&Hide");

    mnuTitle = popup("mnuTitle");
    mnuTitleHide = item(mnuTitle, "mnuTitleHide", "&Hide");
    mnuTitleDash1 = item(mnuTitle, "mnuTitleDash1", "-");
    mnuTitleMinimize = item(mnuTitle, "mnuTitleMinimize", "&Minimize");
    mnuTitleRestore = item(mnuTitle, "mnuTitleRestore", "&Restore");
    mnuTitleDash2 = item(mnuTitle, "mnuTitleDash2", "-");
    mnuTitleClose = item(mnuTitle, "mnuTitleClose", "&Delete");

    mnuCon = popup("mnuCon");
    mnuConUndo = item(mnuCon, "mnuConUndo", "&Undo");
    mnuConDash1 = item(mnuCon, "mnuConDash1", "-");
    mnuConCut = item(mnuCon, "mnuConCut", "Cu&t");
    mnuConCopy = item(mnuCon, "mnuConCopy", "&Copy");
    mnuConPast = item(mnuCon, "mnuConPast", "&Paste");
    mnuConDel = item(mnuCon, "mnuConDel", "&Delete");
    mnuConDash2 = item(mnuCon, "mnuConDash2", "-");
    mnuConSetAlarm = item(mnuCon, "mnuConSetAlarm", "Set &Alarm");
    mnuConRemAlarm = item(mnuCon, "mnuConRemAlarm", "&Remove Alarm");
    mnuConDash3 = item(mnuCon, "mnuConDash3", "-");
    mnuConSelAll = item(mnuCon, "mnuConSelAll", "&Select All");

    mnuTray = popup("mnuTray");
    mnuTrayNew = item(mnuTray, "mnuTrayNew", "&New Note");
    mnuTrayDash1 = item(mnuTray, "mnuTrayDash1", "-");
    mnuTrayShowAll = item(mnuTray, "mnuTrayShowAll", "&Show All Notes");
    mnuTrayHideAll = item(mnuTray, "mnuTrayHideAll", "&Hide All Notes");
    mnuTrayMin = item(mnuTray, "mnuTrayMin", "&Minimize All Notes");
    mnuTrayRestore = item(mnuTray, "mnuTrayRestore", "&Restore All Notes");
    mnuTrayDash2 = item(mnuTray, "mnuTrayDash2", "-");
    mnuTrayTop = item(mnuTray, "mnuTrayTop", "(#)|A|&Always On Top");
    mnuTrayDash3 = item(mnuTray, "mnuTrayDash3", "-");
    mnuTrayOptions = item(mnuTray, "mnuTrayOptions", "&Options...");
    mnuTraySkin = item(mnuTray, "mnuTraySkin", "Change &Skin...");
    mnuTrayAlarms = item(mnuTray, "mnuTrayAlarms", "A&larms...");
    mnuTrayDash4 = item(mnuTray, "mnuTrayDash4", "-");
    mnuTrayHelpAbout = item(mnuTray, "mnuTrayHelpAbout", "&About...");
    mnuTrayHelp = sub(mnuTray, "mnuTrayHelp", "&Help");
    mnuTrayHelpVWeb = item(mnuTrayHelp, "mnuTrayHelpVWeb", "Visit Corvane Website");
    mnuTrayHelpDWeb = item(mnuTrayHelp, "mnuTrayHelpDWeb", "Pennyquill On The Web");
    mnuTrayHelpDash1 = item(mnuTray, "mnuTrayHelpDash1", "-");
    mnuTrayExit = item(mnuTray, "mnuTrayExit", "E&xit");
    // Beside "New Note": finding a note is as common as making one.
    mnuTrayNotes = item(mnuTray, "mnuTrayNotes", "No&tes…");
    mnuTray->removeAction(mnuTrayNotes);
    mnuTray->insertAction(mnuTrayDash1, mnuTrayNotes);

    // Import and export follow the skin command.
    mnuTrayImport = item(mnuTray, "mnuTrayImport", "&Import Notes...");
    mnuTrayExport = item(mnuTray, "mnuTrayExport", "&Export All Notes...");
    for (QAction *action : {mnuTrayImport, mnuTrayExport}) {
        mnuTray->removeAction(action);
        mnuTray->insertAction(mnuTrayDash4, action);
    }

    // The help menu keeps only the two web pages.
    mnuHelp->setTitle(QStringLiteral("On &Web"));
    HookMenu();
    NoteKeys::label(*this);
}

void NoteMenus::HookMenu()
{
    CMMain.setPicture(QStringLiteral("&New Note"), SharedPictures::get(res("menu2")));
    CMMain.setPicture(QStringLiteral("&Save As..."), SharedPictures::get(res("menu1")));
    CMMain.setPicture(QStringLiteral("&Options..."), SharedPictures::get(res("menu3")));
    CMMain.setPicture(QStringLiteral("&Help"), SharedPictures::get(res("menu4")));
    CMMain.setPicture(QStringLiteral("&Font"), SharedPictures::get(res("menu5")));
    // The help menu is captioned "On &Web"; it keeps the help picture.
    mnuHelp->menuAction()->setIcon(SharedPictures::icon(res("menu4")));
}
