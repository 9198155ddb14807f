#pragma once

#include "alarms/AlarmList.h"
#include "alarms/AlarmScheduler.h"
#include "notes/NoteMenus.h"
#include "notes/PictureButton.h"
#include "platform/StepTimer.h"
#include "shell/Form.h"
#include "shell/WindowPlace.h"
#include "tips/TipChooser.h"

#include <QDateTime>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <memory>
#include <optional>
#include <vector>

class FindBar;
class QAction;
class QLabel;
class QMenu;
class MinTimer;
class QPrinter;
class QScrollBar;
class LazyPictureButton;
class NoteDesktop;
class NoteResizer;
class RichTextBox;
class NoteSpelling;

// A note on the desktop: a window without title bar whose background is its
// skin, holding rich text, a message line and a row of picture buttons. The
// program also keeps one that is never shown: the hidden menu note, which
// carries the tray menu.
class frmNote : public Form, public PictureButton::Listener
{
    Q_OBJECT
public:
    // Full size of a note, in twips.
    static constexpr int FullWidth = 3945;
    static constexpr int FullHeight = 2475;

    explicit frmNote(AppContext &ctx);
    ~frmNote() override;

    // A live note of the session (only those are saved).
    bool bolShown = false;
    // The note's skin name; empty for a note made by "New Note".
    QString Skin;
    // Who the note is across saves (empty until first needed), and when its text or alarms
    // last changed (invalid: not known).
    QString NoteId;
    QDateTime LastChanged;

    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    // Position and size in twips. They stay exact while the window has not
    // been moved, so positions read from a session are written back unchanged;
    // where the window system does not tell positions, only a drag moves them.
    int Left() const;
    int Top() const;
    int Width() const { return m_widthTw; }
    int Height() const { return m_heightTw; }
    void setLeft(int twips);
    void setTop(int twips);
    void Move(int leftTwips, int topTwips);
    void setWidth(int twips);
    void setHeight(int twips);

    // The note is shrunk to its round bullet.
    bool isBullet() const;
    // The colour of a note's scroll bars on a skin.
    static QColor ScrollBarColor(const QPixmap &skin);
    // The bullet's round window shape, which its picture fills exactly.
    static QRegion BulletShape();
    // Shows the bullet with its round window shape, at the bullet's size.
    void ShowBullet();
    // Brings a note that lies off every screen back onto the nearest one.
    void KeepOnScreen();

    // Controls.
    RichTextBox *rtxtMain = nullptr;
    QLabel *lblAds = nullptr;
    AlarmList *lstAlarms = nullptr;
    QLabel *imgBase = nullptr;
    PictureButton *butB = nullptr;
    LazyPictureButton *butBC = nullptr;
    PictureButton *butI = nullptr;
    LazyPictureButton *butIC = nullptr;
    PictureButton *butU = nullptr;
    LazyPictureButton *butUC = nullptr;
    PictureButton *butS = nullptr;
    LazyPictureButton *butSC = nullptr;
    PictureButton *butBullet = nullptr;
    LazyPictureButton *butBulletC = nullptr;
    PictureButton *butAlarm = nullptr;
    LazyPictureButton *butAlarmC = nullptr;
    PictureButton *butMin = nullptr;
    LazyPictureButton *butMinC = nullptr;
    PictureButton *butHide = nullptr;
    LazyPictureButton *butHideC = nullptr;
    PictureButton *butClose = nullptr;
    LazyPictureButton *butCloseC = nullptr;
    PictureButton *butMenu = nullptr;
    LazyPictureButton *butMenuC = nullptr;
    // The bullet and its grow button: none until the note first shrinks.
    QLabel *picBullet = nullptr;
    PictureButton *butGrow = nullptr;
    LazyPictureButton *butGrowC = nullptr;

    // Timers. The alarm check runs on the program's one-second AlarmTick.
    MinTimer *tmrlblADS = nullptr;
    StepTimer tmrMin;
    StepTimer tmrRestore;
    StepTimer tmrType;

    // The note's pop-up menus, built on first use.
    NoteMenus &menus();
    bool menusBuilt() const { return m_menus != nullptr; }
    // "Always On Top", which the main menu shows as a check mark.
    bool isOnTop() const { return m_onTop; }
    void setOnTop(bool onTop);
    // Without a tray icon the tray menu's commands close every note's main menu.
    void setAllNotesMenu(QMenu *tray);

    // Public methods other windows call.
    void HookMenu();
    void LoadToolTip(const QString &Caption, int Position, int ShowMilSec);
    void MinimizeWindow();
    void RestorWindow();
    void mnuNewNote_Click();
    // What "New Note" makes: a live note beside this one, shown; for callers that fill it.
    frmNote *MakeNote();
    // Places a note at random as "New Note" does (W: the hidden menu note's width).
    void PlaceAtRandom();

    // Window commands.
    void Minimize();
    void Restore();
    void HideNote();
    void DeleteNote();

    // Handlers.
    void mnuMin_Click();
    void mnuTop_Click();
    void mnuOptions_Click();
    void mnuSkins_Click();
    void mnuHelpAbout_Click();
    void mnuHelpVWeb_Click();
    void mnuHelpDWeb_Click();
    void mnuDelete_Click();
    void mnuHide_Click();
    void mnuTitleHide_Click();
    void mnuTitleMinimize_Click();
    void mnuTitleRestore_Click();
    void mnuTitleClose_Click();
    void butMenu_MouseDown();
    // The mouse on any of the note's picture buttons or their pressed looks.
    void PictureDown(PictureButton *button, Qt::MouseButton mouse) override;
    void PictureUp(PictureButton *button, Qt::MouseButton mouse, bool inside) override;
    void tmrMin_Timer();
    void tmrRestore_Timer();
    void tmrType_Timer();
    void tmrlblADS_Timer();
    // One check of the note's alarms: every due entry opens its alert window.
    void tmrAlarms_Timer();
    // The same at a moment read once for every note of the tick.
    void tmrAlarms_Timer(const QDateTime &now);
    void lstAlarms_Change();

    // The tray menu's commands; they run on the hidden menu note.
    void mnuTrayNew_Click();
    void mnuTrayShowAll_Click();
    void mnuTrayHideAll_Click();
    void mnuTrayMin_Click();
    void mnuTrayRestore_Click();
    void mnuTrayTop_Click();
    void mnuTrayOptions_Click();
    void mnuTraySkin_Click();
    void mnuTrayAlarms_Click();
    void mnuTrayHelpAbout_Click();
    void mnuTrayHelpVWeb_Click();
    void mnuTrayHelpDWeb_Click();
    void mnuTrayExit_Click();
    void mnuTrayImport_Click();
    void mnuTrayExport_Click();
    void mnuTrayNotes_Click();

    // Text editing and formatting.
    enum class Format { Bold, Italic, Underline, StrikeThru, Bullet };
    void rtxtMain_Change();
    void rtxtMain_SelChange();
    void rtxtMain_KeyDown(int &KeyCode, int Shift);
    void rtxtMain_KeyPress(int &KeyAscii);
    void rtxtMain_MouseUp(int Button, int Shift, int X, int Y);
    void rtxtMain_Click();
    // A format button's normal image released, or its "on" image released.
    void FormatButtonUp(Format format);
    void FormatButtonCUp(Format format);
    void FormatMenuClick(Format format);
    void mnuFontBold_Click() { FormatMenuClick(Format::Bold); }
    void mnuFontItalic_Click() { FormatMenuClick(Format::Italic); }
    void mnuFontUnderline_Click() { FormatMenuClick(Format::Underline); }
    void mnuFontStrick_Click() { FormatMenuClick(Format::StrikeThru); }
    void mnuFontBullet_Click() { FormatMenuClick(Format::Bullet); }
    void mnuFontColor_Click();
    void mnuFontFont_Click();
    void mnuSave_Click();
    void mnuPrint_Click();
    // Prints the whole note to a printer that is set up already.
    void PrintTo(QPrinter &printer);
    void mnuClear_Click();
    void mnuConUndo_Click();
    void mnuConCut_Click();
    void mnuConCopy_Click();
    void mnuConPast_Click();
    void mnuConDel_Click();
    void mnuConSelAll_Click();
    // The selection holds protected (alarm) text, wholly or in part.
    bool SelectionProtected() const;

    // Alarms on the note's text.
    void mnuAlarmSet_Click();
    void mnuAlarmClear_Click();
    void mnuConSetAlarm_Click() { mnuAlarmSet_Click(); }
    void mnuConRemAlarm_Click() { mnuAlarmClear_Click(); }
    void SelectWord();

    static constexpr int ReservedColor = 33023;
    static QColor ColorFromValue(int value);
    static int ValueFromColor(const QColor &color);

    // The main menu's place for the menu button (window coordinates, pixels):
    // below the button unless that would run past the screen's bottom.
    QPoint MainMenuPosition() const;
    // The greeting for a time of day.
    static QString Greeting(int hour, const QString &userName);

    // The find bar, made on first use.
    FindBar &findBar();
    // Its title, taskbar entry and workspaces; its own size.
    NoteDesktop &desktop() { return *m_desktop; }
    NoteResizer &resizer() { return *m_resizer; }
    // Shrinking to the bullet or growing back.
    bool isAnimating() const;

    // The typewriter is scrolling its line away.
    bool isTypeScrolling() const { return m_scroll.isActive(); }
    // Spelling checked as the user types.
    NoteSpelling &spelling() { return *m_spelling; }

signals:
    // The note's text, place, look or alarms changed (used to save soon).
    void NoteChanged();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    // The window manager's close (Alt+F4) is the note's Hide.
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void buildControls();
    void buildBullet();
    void hideBullet();
    void wireMenus();
    PictureButton *button(const QString &name, int leftTw, int topTw);
    void pair(PictureButton *&normal, LazyPictureButton *&pressed, const QString &name, int leftTw,
              int topTw, const QString &toolTip);
    LazyPictureButton *pressedLook(PictureButton *normal, const QString &name);
    void applySize();
    void startDrag(const QPoint &pos);
    void dragTo(const QPoint &pos);
    void showTitleMenu(const QPoint &globalPos, bool bullet);
    friend class NoteKeys;
    void bulletHover();
    void stepMinimize();
    void stepRestore();
    void stepTypeScroll();
    // The message line back at its resting place.
    void restAds();
    void unloadToolTip();
    void hideMenuPressed();
    void setBulletShape();
    void styleScrollBars();
    void styleScrollBar(QScrollBar *bar);
    QList<frmNote *> noteWindows() const;
    void showForm(const QString &name);
    void wireTextEditing();
    // What stands for one format: its "on" image, its Font menu item and
    // its property of the rich-text box.
    struct FormatControl
    {
        LazyPictureButton *onImage;
        QAction *menuItem;
        std::optional<bool> (RichTextBox::*read)() const;
        void (RichTextBox::*set)(bool);
    };
    FormatControl control(Format format) const;
    void warnProtected();
    // The index of the mark at the caret (0: none), the time of an alarm ("" when there is
    // none) and the list position of its entry (-1 when there is none).
    int GetAlarmIndex();
    QString GetAlarmTime(int index) const;
    int FindAlarmEntry(int index) const;
    void sendKeys(int key, Qt::KeyboardModifiers modifiers);

    QPixmap m_picture;
    TipChooser m_tips;
    WindowPlace m_place;
    int m_widthTw = FullWidth;
    int m_heightTw = FullHeight;
    bool m_widthDone = false;
    bool m_heightDone = false;
    StepTimer m_minimizeStep;
    StepTimer m_restoreStep;
    // Typewriter state.
    QString m_typeText;
    int m_adsAlarm = 0; // the alarm whose time the message line shows
    int m_typePos = 0;
    int m_scrollTopTw = 0;
    StepTimer m_scroll;
    AlarmScheduler m_alarmScheduler;
    std::unique_ptr<NoteMenus> m_menus;
    std::vector<std::unique_ptr<LazyPictureButton>> m_pressedLooks;
    bool m_onTop = false;
    QPointer<QMenu> m_allNotes;
    std::unique_ptr<NoteSpelling> m_spelling;
    FindBar *m_findBar = nullptr;
    NoteDesktop *m_desktop = nullptr;
    NoteResizer *m_resizer = nullptr;
};
