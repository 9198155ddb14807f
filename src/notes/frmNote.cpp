#include "notes/frmNote.h"

#include "alarms/AlarmEntry.h"
#include "alarms/AlarmMarks.h"
#include "alarms/AlarmTick.h"
#include "alarms/AlarmWhen.h"
#include "alarms/AlertGate.h"
#include "alarms/frmAlarmList.h"
#include "alarms/frmAlarmSet.h"
#include "alarms/frmAlert.h"
#include "find/FindBar.h"
#include "notes/LazyPictureButton.h"
#include "notes/MessageInk.h"
#include "notes/NoteDesktop.h"
#include "notes/NoteKeys.h"
#include "notes/NoteResizer.h"
#include "notes/NoteSaveAs.h"
#include "notes/PictureButton.h"
#include "notes/SharedPictures.h"
#include "notes/frmToolTip.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/RandomSource.h"
#include "platform/ShellOpener.h"
#include "platform/TopMost.h"
#include "shell/AccessibleRole.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "shell/frmSplash.h"
#include "shell/mdlVariables.h"
#include "skins/frmSkins.h"
#include "spell/NoteSpelling.h"
#include "tips/MinTimer.h"
#include "transfer/frmExport.h"
#include "transfer/frmImport.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QSystemTrayIcon>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimerEvent>
#include <algorithm>
#include <cmath>

namespace {

// The client area, which carries the skin, starts one pixel in.
constexpr int Frame = 1;
constexpr int BulletWidthPx = 35;
constexpr int BulletHeightPx = 34;
constexpr int AdsRestTop = 1890;
// How the message line starts when it tells the time of the alarm on the clicked text.
const char *const AlarmTold = QT_TRANSLATE_NOOP("frmNote", "Alarm set to this text at ");
constexpr int AdsScrollStop = 1695;
constexpr int StepTwips = 200;

QString res(const QString &name)
{
    return QStringLiteral(":/note/") + name + QStringLiteral(".png");
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(Frame + Twips::toPixels(left), Frame + Twips::toPixels(top),
                 Twips::toPixels(width), Twips::toPixels(height));
}

} // namespace

frmNote::frmNote(AppContext &ctx)
    : Form(ctx, QStringLiteral("frmNote"), Qt::Window | Qt::FramelessWindowHint), tmrMin(this, 10),
      tmrRestore(this, 10), tmrType(this, 50), m_place(ctx.windowPositionsKnown),
      m_minimizeStep(this, 0), m_restoreStep(this, 0), m_scroll(this, 5)
{
    // The icon is the program's own: one of the note's own would be handed to the window
    // system a second time for every note, after the program's.
    setWindowTitle(AppInfo::Title);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);
    setMouseTracking(true);
    buildControls();
    m_desktop = new NoteDesktop(*this, ctx);
    m_resizer = new NoteResizer(*this);
    applySize();
    connect(tmrlblADS, &MinTimer::Timer, this, &frmNote::tmrlblADS_Timer);
    wireTextEditing();
    m_spelling = std::make_unique<NoteSpelling>(*rtxtMain, ctx.spelling);
}

frmNote::~frmNote()
{
    // Its alerts and the session hear of it while it is still a note.
    LeaveForms();
}

void frmNote::buildControls()
{
    imgBase = new QLabel(this);
    imgBase->setPixmap(SharedPictures::get(res(QStringLiteral("baseskin"))));
    imgBase->setGeometry(twipsRect(3660, 2265, 3915, 2445));
    imgBase->hide();
    m_picture = imgBase->pixmap();

    rtxtMain = new RichTextBox(this);
    rtxtMain->setGeometry(twipsRect(75, 525, 3735, 1335));
    rtxtMain->verticalScrollBar()->installEventFilter(this);
    rtxtMain->horizontalScrollBar()->installEventFilter(this);

    lblAds = new QLabel(this);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSizeF(6.75);
    lblAds->setFont(verdana);
    // A palette rather than a style sheet: a sheet per note is costly to build and to polish.
    QPalette adsColors = lblAds->palette();
    adsColors.setColor(QPalette::WindowText, QColor::fromRgb(MessageInk::Dark));
    lblAds->setPalette(adsColors);
    lblAds->setGeometry(twipsRect(120, AdsRestTop, 3700, 195));
    lblAds->hide();
    AccessibleRole::set(lblAds, QAccessible::StatusBar);

    lstAlarms = new AlarmList(this);
    connect(lstAlarms, &AlarmList::changed, this, &frmNote::lstAlarms_Change);

    pair(butB, butBC, QStringLiteral("butB"), 105, 300, tr("Bold"));
    pair(butI, butIC, QStringLiteral("butI"), 300, 300, tr("Italic"));
    pair(butU, butUC, QStringLiteral("butU"), 495, 300, tr("Underline"));
    pair(butS, butSC, QStringLiteral("butS"), 690, 300, tr("Strikethrough"));
    pair(butBullet, butBulletC, QStringLiteral("butBullet"), 885, 300, tr("Bullet"));
    pair(butAlarm, butAlarmC, QStringLiteral("butAlarm"), 1185, 300,
         tr("Set Alarm For Selected Text"));
    butAlarmC->setToolTip(tr("Remove Alarm"));
    pair(butMin, butMinC, QStringLiteral("butMin"), 3405, 60, tr("Minimize Note"));
    pair(butHide, butHideC, QStringLiteral("butHide"), 3555, 60, tr("Hide Note"));
    pair(butClose, butCloseC, QStringLiteral("butClose"), 3720, 60, tr("Delete Note"));
    pair(butMenu, butMenuC, QStringLiteral("butMenu"), 150, 2205, QString());
    butMenu->setAccessibleName(tr("Menu"));
    for (PictureButton *format : {butB, butI, butU, butS, butBullet})
        format->setCheckable(true);

    tmrlblADS = new MinTimer(this);
}

PictureButton *frmNote::button(const QString &name, int leftTw, int topTw)
{
    auto *b = new PictureButton(res(name), this, this);
    b->move(Frame + Twips::toPixels(leftTw), Frame + Twips::toPixels(topTw));
    return b;
}

void frmNote::pair(PictureButton *&normal, LazyPictureButton *&pressed, const QString &name,
                   int leftTw, int topTw, const QString &toolTip)
{
    normal = button(name, leftTw, topTw);
    normal->setToolTip(toolTip);
    pressed = pressedLook(normal, name + QLatin1Char('C'));
    pressed->setToolTip(toolTip);
}

LazyPictureButton *frmNote::pressedLook(PictureButton *normal, const QString &name)
{
    m_pressedLooks.push_back(std::make_unique<LazyPictureButton>(res(name), normal, this));
    return m_pressedLooks.back().get();
}

namespace {

// The buttons whose pressed look shows while they are held and which run a command when
// let go over them.
struct CommandButton
{
    PictureButton *frmNote::*normal;
    LazyPictureButton *frmNote::*pressed;
    void (frmNote::*command)();
};

constexpr frmNote::Format AllFormats[] = {frmNote::Format::Bold, frmNote::Format::Italic,
                                          frmNote::Format::StrikeThru, frmNote::Format::Underline,
                                          frmNote::Format::Bullet};

} // namespace

void frmNote::PictureDown(PictureButton *button, Qt::MouseButton mouse)
{
    if (button == butMenu) {
        butMenu_MouseDown();
        return;
    }
    if (mouse != Qt::LeftButton)
        return;
    // Every other plain button shows its pressed or "on" look while it is held.
    for (const auto &look : m_pressedLooks) {
        if (look->base() == button) {
            look->show();
            return;
        }
    }
}

void frmNote::PictureUp(PictureButton *button, Qt::MouseButton mouse, bool inside)
{
    static const CommandButton commands[] = {
        {&frmNote::butClose, &frmNote::butCloseC, &frmNote::DeleteNote},
        {&frmNote::butMin, &frmNote::butMinC, &frmNote::Minimize},
        {&frmNote::butHide, &frmNote::butHideC, &frmNote::HideNote},
        {&frmNote::butGrow, &frmNote::butGrowC, &frmNote::Restore},
    };
    const bool left = mouse == Qt::LeftButton;
    if (button == butMenu || button == butMenuC->made()) {
        butMenuC->hide();
        return;
    }
    for (const CommandButton &c : commands) {
        if (button == this->*c.normal) {
            (this->*c.pressed)->hide();
            if (left && inside)
                (this->*c.command)();
            return;
        }
    }
    // A format's plain button turns it on, its "on" look (over the plain one) turns it off.
    for (Format format : AllFormats) {
        const LazyPictureButton *on = control(format).onImage;
        if (left && button == on->base())
            FormatButtonUp(format);
        else if (left && button == on->made())
            FormatButtonCUp(format);
    }
    if (left && button == butAlarm) {
        butAlarmC->hide();
        mnuAlarmSet_Click();
    } else if (left && button == butAlarmC->made()) {
        mnuAlarmClear_Click();
        butAlarmC->hide();
    }
}

void frmNote::timerEvent(QTimerEvent *event)
{
    const int id = event->timerId();
    if (tmrMin.fired(id))
        tmrMin_Timer();
    else if (tmrRestore.fired(id))
        tmrRestore_Timer();
    else if (tmrType.fired(id))
        tmrType_Timer();
    else if (m_minimizeStep.fired(id))
        stepMinimize();
    else if (m_restoreStep.fired(id))
        stepRestore();
    else if (m_scroll.fired(id))
        stepTypeScroll();
    else
        Form::timerEvent(event);
}

NoteMenus &frmNote::menus()
{
    if (!m_menus) {
        m_menus = std::make_unique<NoteMenus>(this);
        wireMenus();
    }
    return *m_menus;
}

void frmNote::setOnTop(bool onTop)
{
    m_onTop = onTop;
    if (m_menus)
        m_menus->mnuTop->setChecked(onTop);
}

void frmNote::setAllNotesMenu(QMenu *tray)
{
    m_allNotes = tray;
    if (m_menus && tray) {
        m_menus->mnuMain->addSeparator();
        m_menus->mnuMain->addMenu(tray);
    }
}

void frmNote::wireMenus()
{
    // State kept while the menus were not there yet.
    const NoteMenus &m = *m_menus;
    m.mnuTop->setChecked(m_onTop);
    connect(m.mnuTop, &QAction::toggled, this, [this](bool on) { m_onTop = on; });
    m_desktop->wireMenuItem(m.mnuAllWorkspaces);
    // Skins are offered only where the skin dialog is part of the program.
    const bool skins = m_ctx.forms->hasFactory(QStringLiteral("frmSkins"));
    m.mnuSkins->setEnabled(skins);
    m.mnuTraySkin->setEnabled(skins);
    if (m_allNotes) {
        m.mnuMain->addSeparator();
        m.mnuMain->addMenu(m_allNotes);
    }
    rtxtMain_SelChange();

    // Every main-menu command first lets go of the menu button's pressed look.
    connect(m.mnuMain, &QMenu::triggered, this, [this] { hideMenuPressed(); });
    connect(m.mnuMain, &QMenu::aboutToHide, this, [this] { hideMenuPressed(); });
    connect(m.mnuNewNote, &QAction::triggered, this, &frmNote::mnuNewNote_Click);
    connect(m.mnuMin, &QAction::triggered, this, &frmNote::mnuMin_Click);
    connect(m.mnuTop, &QAction::triggered, this, &frmNote::mnuTop_Click);
    connect(m.mnuOptions, &QAction::triggered, this, &frmNote::mnuOptions_Click);
    connect(m.mnuSkins, &QAction::triggered, this, &frmNote::mnuSkins_Click);
    connect(m.mnuHelpAbout, &QAction::triggered, this, &frmNote::mnuHelpAbout_Click);
    connect(m.mnuHelpVWeb, &QAction::triggered, this, &frmNote::mnuHelpVWeb_Click);
    connect(m.mnuHelpDWeb, &QAction::triggered, this, &frmNote::mnuHelpDWeb_Click);
    connect(m.mnuDelete, &QAction::triggered, this, &frmNote::mnuDelete_Click);
    connect(m.mnuHide, &QAction::triggered, this, &frmNote::mnuHide_Click);
    connect(m.mnuTitleHide, &QAction::triggered, this, &frmNote::mnuTitleHide_Click);
    connect(m.mnuTitleMinimize, &QAction::triggered, this, &frmNote::mnuTitleMinimize_Click);
    connect(m.mnuTitleRestore, &QAction::triggered, this, &frmNote::mnuTitleRestore_Click);
    connect(m.mnuTitleClose, &QAction::triggered, this, &frmNote::mnuTitleClose_Click);

    connect(m.mnuTrayNew, &QAction::triggered, this, &frmNote::mnuTrayNew_Click);
    connect(m.mnuTrayShowAll, &QAction::triggered, this, &frmNote::mnuTrayShowAll_Click);
    connect(m.mnuTrayHideAll, &QAction::triggered, this, &frmNote::mnuTrayHideAll_Click);
    connect(m.mnuTrayMin, &QAction::triggered, this, &frmNote::mnuTrayMin_Click);
    connect(m.mnuTrayRestore, &QAction::triggered, this, &frmNote::mnuTrayRestore_Click);
    connect(m.mnuTrayTop, &QAction::triggered, this, &frmNote::mnuTrayTop_Click);
    connect(m.mnuTrayOptions, &QAction::triggered, this, &frmNote::mnuTrayOptions_Click);
    connect(m.mnuTraySkin, &QAction::triggered, this, &frmNote::mnuTraySkin_Click);
    connect(m.mnuTrayAlarms, &QAction::triggered, this, &frmNote::mnuTrayAlarms_Click);
    connect(m.mnuTrayHelpAbout, &QAction::triggered, this, &frmNote::mnuTrayHelpAbout_Click);
    connect(m.mnuTrayHelpVWeb, &QAction::triggered, this, &frmNote::mnuTrayHelpVWeb_Click);
    connect(m.mnuTrayHelpDWeb, &QAction::triggered, this, &frmNote::mnuTrayHelpDWeb_Click);
    connect(m.mnuTrayExit, &QAction::triggered, this, &frmNote::mnuTrayExit_Click);
    connect(m.mnuTrayImport, &QAction::triggered, this, &frmNote::mnuTrayImport_Click);
    connect(m.mnuTrayExport, &QAction::triggered, this, &frmNote::mnuTrayExport_Click);
    connect(m.mnuTrayNotes, &QAction::triggered, this, &frmNote::mnuTrayNotes_Click);
    connect(m.mnuFontBold, &QAction::triggered, this, &frmNote::mnuFontBold_Click);
    connect(m.mnuFontItalic, &QAction::triggered, this, &frmNote::mnuFontItalic_Click);
    connect(m.mnuFontUnderline, &QAction::triggered, this, &frmNote::mnuFontUnderline_Click);
    connect(m.mnuFontStrick, &QAction::triggered, this, &frmNote::mnuFontStrick_Click);
    connect(m.mnuFontBullet, &QAction::triggered, this, &frmNote::mnuFontBullet_Click);
    connect(m.mnuFontColor, &QAction::triggered, this, &frmNote::mnuFontColor_Click);
    connect(m.mnuFontFont, &QAction::triggered, this, &frmNote::mnuFontFont_Click);
    connect(m.mnuSave, &QAction::triggered, this, &frmNote::mnuSave_Click);
    connect(m.mnuPrint, &QAction::triggered, this, &frmNote::mnuPrint_Click);
    connect(m.mnuClear, &QAction::triggered, this, &frmNote::mnuClear_Click);
    connect(m.mnuConUndo, &QAction::triggered, this, &frmNote::mnuConUndo_Click);
    connect(m.mnuConCut, &QAction::triggered, this, &frmNote::mnuConCut_Click);
    connect(m.mnuConCopy, &QAction::triggered, this, &frmNote::mnuConCopy_Click);
    connect(m.mnuConPast, &QAction::triggered, this, &frmNote::mnuConPast_Click);
    connect(m.mnuConDel, &QAction::triggered, this, &frmNote::mnuConDel_Click);
    connect(m.mnuConSelAll, &QAction::triggered, this, &frmNote::mnuConSelAll_Click);
    connect(m.mnuAlarmSet, &QAction::triggered, this, &frmNote::mnuAlarmSet_Click);
    connect(m.mnuAlarmClear, &QAction::triggered, this, &frmNote::mnuAlarmClear_Click);
    connect(m.mnuConSetAlarm, &QAction::triggered, this, &frmNote::mnuConSetAlarm_Click);
    connect(m.mnuConRemAlarm, &QAction::triggered, this, &frmNote::mnuConRemAlarm_Click);
}

void frmNote::Form_Load()
{
    setHeight(FullHeight);
    HookMenu();
    // The format buttons show the format at the caret from the start.
    rtxtMain_SelChange();
    AlarmTick::attach(m_ctx);
}

void frmNote::tmrAlarms_Timer()
{
    tmrAlarms_Timer(m_ctx.clock->now());
}

void frmNote::tmrAlarms_Timer(const QDateTime &now)
{
    if (lstAlarms->count() == 0) {
        m_alarmScheduler.checkEmpty(); // most notes: kept cheap
        return;
    }
    const QList<AlarmScheduler::Due> due =
        m_alarmScheduler.check(lstAlarms->lines(), now, [this](int alarmIndex) {
            return AlertGate::IsOpen(*m_ctx.forms, this, alarmIndex);
        });
    for (const AlarmScheduler::Due &one : due)
        AlertGate::Open(m_ctx, this, one.ListIndex, one.Entry, one.Missed);
}

void frmNote::Form_Unload()
{
    tmrlblADS->setEnable(false);
    tmrMin.stop();
    tmrRestore.stop();
    tmrType.stop();
    m_minimizeStep.stop();
    m_restoreStep.stop();
    m_scroll.stop();
}

void frmNote::HookMenu()
{
    setHeight(m_resizer->fullHeight());
    if (m_menus)
        m_menus->HookMenu();
}

void frmNote::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    styleScrollBars();
    MessageInk::dress(*lblAds, m_picture);
    update();
    emit NoteChanged();
}

QColor frmNote::ScrollBarColor(const QPixmap &skin)
{
    // Averaging the picture is costly and every note of a skin shares its picture: the last
    // answer is kept for the next note.
    static qint64 lastKey = 0;
    static QColor lastColor;
    if (!skin.isNull() && skin.cacheKey() == lastKey)
        return lastColor;
    // The skin's own colour, deepened so that it reads on the skin.
    const QImage average =
        skin.toImage().scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QColor color = average.isNull() ? QColor(251, 226, 118) : average.pixelColor(0, 0);
    color = color.darker(175);
    color.setAlpha(170);
    lastKey = skin.isNull() ? 0 : skin.cacheKey();
    lastColor = color;
    return color;
}

void frmNote::styleScrollBars()
{
    for (QScrollBar *bar : {rtxtMain->verticalScrollBar(), rtxtMain->horizontalScrollBar()})
        if (bar->isVisible())
            styleScrollBar(bar);
}

void frmNote::styleScrollBar(QScrollBar *bar)
{
    // A long note gets a thin bar in the skin's colours instead of the desktop's grey one.
    // The sheet is costly to build and most notes never show a bar: it is set when one shows.
    const QColor handle = ScrollBarColor(m_picture);
    const QString sheet =
        QStringLiteral("QScrollBar { background: transparent; margin: 0; border: none; }"
                       "QScrollBar:vertical { width: 6px; }"
                       "QScrollBar:horizontal { height: 6px; }"
                       "QScrollBar::handle { background: %1; border-radius: 3px; }"
                       "QScrollBar::handle:vertical { min-height: 14px; }"
                       "QScrollBar::handle:horizontal { min-width: 14px; }"
                       "QScrollBar::handle:hover { background: %2; }"
                       "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
                       "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
            .arg(handle.name(QColor::HexArgb), handle.darker(130).name(QColor::HexArgb));
    if (bar->styleSheet() != sheet)
        bar->setStyleSheet(sheet);
}

// ---- position and size in twips ------------------------------------------

int frmNote::Left() const
{
    return m_place.place(pos()).x();
}

int frmNote::Top() const
{
    return m_place.place(pos()).y();
}

void frmNote::setLeft(int twips)
{
    Move(twips, Top());
}

void frmNote::setTop(int twips)
{
    Move(Left(), twips);
}

void frmNote::Move(int leftTwips, int topTwips)
{
    m_place.set(QPoint(leftTwips, topTwips));
    move(Twips::toPixels(leftTwips), Twips::toPixels(topTwips));
}

void frmNote::setWidth(int twips)
{
    m_widthTw = twips;
    applySize();
}

void frmNote::setHeight(int twips)
{
    m_heightTw = twips;
    applySize();
}

void frmNote::applySize()
{
    const QSize size(std::max(1, Twips::toPixels(m_widthTw)),
                     std::max(1, Twips::toPixels(m_heightTw)));
    setFixedSize(size);
    if (m_resizer)
        m_resizer->layout();
}

void frmNote::moveEvent(QMoveEvent *)
{
    emit NoteChanged();
}

bool frmNote::isBullet() const
{
    return picBullet && !picBullet->isHidden();
}

void frmNote::buildBullet()
{
    // Made when the note first shrinks: most notes never do.
    picBullet = new QLabel(this);
    picBullet->setPixmap(SharedPictures::get(res(QStringLiteral("bullet"))));
    picBullet->setGeometry(0, 0, BulletWidthPx, BulletHeightPx);
    picBullet->setMouseTracking(true);
    picBullet->installEventFilter(this);
    picBullet->setFocusPolicy(Qt::StrongFocus);
    picBullet->setAccessibleName(tr("Bullet"));
    // The grow button sits inside the bullet, at client coordinates of its own.
    butGrow = new PictureButton(res(QStringLiteral("butGrow")), picBullet, this);
    butGrow->setGeometry(Twips::toPixels(195), Twips::toPixels(210), 9, 9);
    butGrowC = pressedLook(butGrow, QStringLiteral("butGrowC"));
}

void frmNote::hideBullet()
{
    if (!picBullet)
        return;
    butGrowC->hide();
    picBullet->hide();
}

void frmNote::setBulletShape()
{
    butMenuC->hide();
    if (!picBullet)
        buildBullet();
    picBullet->show();
    picBullet->raise();
    picBullet->setFocus();
    setMask(BulletShape());
}

QRegion frmNote::BulletShape()
{
    // The disc of the bullet picture (tools/artwork paints it to this shape):
    // whole within the bullet's 35 x 34 pixels, so neither the restored bullet
    // nor a freshly minimized one is cut flat.
    return QRegion(QRect(2, 2, 31, 31), QRegion::Ellipse);
}

void frmNote::ShowBullet()
{
    setBulletShape();
    setWidth(Twips::fromPixels(BulletWidthPx));
    setHeight(Twips::fromPixels(BulletHeightPx));
}

void frmNote::KeepOnScreen()
{
    // Where the window system keeps places to itself, the stored one is kept.
    if (!m_place.reported())
        return;
    const QRect frame(x(), y(), width(), height());
    const QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *nearest = nullptr;
    qint64 best = -1;
    for (QScreen *screen : screens) {
        const QRect area = screen->availableGeometry();
        if (area.intersects(frame))
            return;
        const QPoint d = area.center() - frame.center();
        const qint64 distance = qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
        if (!nearest || distance < best) {
            nearest = screen;
            best = distance;
        }
    }
    if (!nearest)
        return;
    const QRect area = nearest->availableGeometry();
    const int px =
        std::clamp(frame.x(), area.left(), std::max(area.left(), area.right() - frame.width()));
    const int py =
        std::clamp(frame.y(), area.top(), std::max(area.top(), area.bottom() - frame.height()));
    Move(Twips::fromPixels(px), Twips::fromPixels(py));
}

// ---- painting --------------------------------------------------------------

void frmNote::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(176, 128, 36));
    p.drawPixmap(Frame, Frame, m_resizer->skin(m_picture));
}

// ---- dragging, title menu, double clicks ----------------------------------

void frmNote::startDrag(const QPoint &pos)
{
    m_place.beginDrag(pos, this->pos());
}

void frmNote::dragTo(const QPoint &pos)
{
    const QPoint to = m_place.dragTo(pos, this->pos());
    Move(to.x(), to.y());
}

void frmNote::mousePressEvent(QMouseEvent *event)
{
    if (m_resizer->press(event))
        return;
    startDrag(event->position().toPoint());
}

void frmNote::mouseMoveEvent(QMouseEvent *event)
{
    butMenuC->hide();
    if (m_resizer->move(event))
        return;
    if (event->buttons() == Qt::LeftButton)
        dragTo(event->position().toPoint());
}

void frmNote::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_resizer->release(event))
        return;
    if (event->button() == Qt::RightButton)
        showTitleMenu(event->globalPosition().toPoint(), false);
}

void frmNote::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Minimize();
}

void frmNote::showTitleMenu(const QPoint &globalPos, bool bullet)
{
    const NoteMenus &m = menus();
    m.mnuTitleRestore->setEnabled(bullet);
    m.mnuTitleMinimize->setEnabled(!bullet);
    m.mnuTitle->popup(globalPos);
}

bool frmNote::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show &&
        (watched == rtxtMain->verticalScrollBar() || watched == rtxtMain->horizontalScrollBar()))
        styleScrollBar(static_cast<QScrollBar *>(watched));
    if (watched != picBullet)
        return Form::eventFilter(watched, event);
    if (NoteKeys::bulletEvent(*this, event))
        return true;
    // The bullet drags, pops up the title menu and restores like the window,
    // and shows the note's text while the pointer rests on it.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        startDrag(picBullet->mapToParent(static_cast<QMouseEvent *>(event)->position().toPoint()));
        return true;
    case QEvent::MouseMove: {
        auto *move = static_cast<QMouseEvent *>(event);
        if (move->buttons() == Qt::LeftButton)
            dragTo(picBullet->mapToParent(move->position().toPoint()));
        else if (move->buttons() == Qt::NoButton)
            bulletHover();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *release = static_cast<QMouseEvent *>(event);
        if (release->button() == Qt::RightButton)
            showTitleMenu(release->globalPosition().toPoint(), true);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            Restore();
        return true;
    default:
        return false;
    }
}

void frmNote::bulletHover()
{
    const int left = Left() + 430;
    const int top = Top() - 10;
    if (frmToolTip *open = frmToolTip::Loaded(m_ctx)) {
        // A balloon placed for another note gives way to this note's text.
        if (open->pos() != QPoint(Twips::toPixels(left), Twips::toPixels(top)))
            open->Unload();
    }
    butMenuC->hide();
    frmToolTip *balloon = frmToolTip::Open(m_ctx);
    if (balloon->lblToolTip->text().isEmpty())
        balloon->lblToolTip->setText(rtxtMain->Text());
    balloon->move(Twips::toPixels(left), Twips::toPixels(top));
    if (!balloon->isVisible())
        balloon->showBalloon();
}

// ---- menu button -------------------------------------------------------------

void frmNote::hideMenuPressed()
{
    butMenuC->hide();
}

QPoint frmNote::MainMenuPosition() const
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int screenHeightTw = Twips::fromPixels(screen->geometry().height());
    const QPoint bottomLeft(butMenu->x(), butMenu->y() + butMenu->height());
    const int buttonTopTw = Twips::fromPixels(butMenu->y());
    if (buttonTopTw + Top() + 4695 > screenHeightTw)
        return butMenu->pos();
    return bottomLeft;
}

void frmNote::butMenu_MouseDown()
{
    butMenuC->show();
    menus().mnuMain->popup(mapToGlobal(MainMenuPosition()));
}

// ---- minimize and restore ---------------------------------------------------

void frmNote::Minimize()
{
    butMenuC->hide();
    tmrType.stop();
    m_scroll.stop();
    lblAds->clear();
    tmrMin.start();
}

void frmNote::tmrMin_Timer()
{
    tmrMin.stop();
    MinimizeWindow();
}

void frmNote::MinimizeWindow()
{
    m_widthDone = false;
    m_heightDone = false;
    m_minimizeStep.start();
}

void frmNote::unloadToolTip()
{
    if (frmToolTip *open = frmToolTip::Loaded(m_ctx))
        open->Unload();
}

void frmNote::stepMinimize()
{
    unloadToolTip();
    const int bulletW = Twips::fromPixels(BulletWidthPx);
    const int bulletH = Twips::fromPixels(BulletHeightPx);
    if (m_widthTw > bulletW)
        setWidth(m_widthTw - StepTwips);
    else
        m_widthDone = true;
    if (m_heightTw > bulletH)
        setHeight(m_heightTw - StepTwips);
    else
        m_heightDone = true;
    if (!(m_widthDone && m_heightDone))
        return;
    m_minimizeStep.stop();
    setBulletShape();
    m_widthDone = false;
    m_heightDone = false;
    setWidth(bulletW + 50);
    setHeight(bulletH + 50);
    emit NoteChanged();
}

void frmNote::Restore()
{
    hideBullet();
    clearMask();
    tmrRestore.start();
}

void frmNote::tmrRestore_Timer()
{
    tmrRestore.stop();
    RestorWindow();
}

void frmNote::RestorWindow()
{
    m_widthDone = false;
    m_heightDone = false;
    m_restoreStep.start();
}

void frmNote::stepRestore()
{
    unloadToolTip();
    // Back to the note's own size, from which the classic grow stops 115 twips short in height.
    if (m_widthTw < m_resizer->fullWidth())
        setWidth(m_widthTw + StepTwips);
    else
        m_widthDone = true;
    if (m_heightTw < m_resizer->fullHeight() - (FullHeight - 2360))
        setHeight(m_heightTw + StepTwips);
    else
        m_heightDone = true;
    if (!(m_widthDone && m_heightDone))
        return;
    m_restoreStep.stop();
    butMenuC->hide();
    m_widthDone = false;
    m_heightDone = false;
    setWidth(m_resizer->fullWidth());
    setHeight(m_resizer->fullHeight());
    emit NoteChanged();
}

bool frmNote::isAnimating() const
{
    return tmrMin.isActive() || tmrRestore.isActive() || m_minimizeStep.isActive() ||
           m_restoreStep.isActive();
}

void frmNote::mnuMin_Click()
{
    Minimize();
}

void frmNote::mnuTitleMinimize_Click()
{
    Minimize();
}

void frmNote::mnuTitleRestore_Click()
{
    unloadToolTip();
    Restore();
}

// ---- hide, delete, on top ------------------------------------------------------

void frmNote::HideNote()
{
    hide();
    emit NoteChanged();
}

void frmNote::closeEvent(QCloseEvent *event)
{
    // Accepted, the window would go without the session hearing of it.
    event->ignore();
    HideNote();
}

void frmNote::mnuHide_Click()
{
    HideNote();
}

void frmNote::mnuTitleHide_Click()
{
    HideNote();
}

void frmNote::DeleteNote()
{
    butMenuC->hide();
    const bool onTop = m_onTop;
    if (onTop)
        mdlVariables::SetTopMost(this, mdlVariables::HWND_NOTOPMOST);
    const auto answer = m_ctx.prompter->message(this, tr("Delete current note?"), AppInfo::Title,
                                                Prompter::Buttons::YesNo, Prompter::Icon::Question);
    if (answer == Prompter::Answer::Yes) {
        emit NoteChanged();
        Unload();
        for (Form *form : m_ctx.forms->formsNamed(QStringLiteral("frmNote")))
            if (auto *other = qobject_cast<frmNote *>(form); other && other != this)
                other->HookMenu();
        return;
    }
    if (onTop)
        mdlVariables::SetTopMost(this, mdlVariables::HWND_TOPMOST);
}

void frmNote::mnuDelete_Click()
{
    DeleteNote();
}

void frmNote::mnuTitleClose_Click()
{
    DeleteNote();
}

void frmNote::mnuTop_Click()
{
    // The action has already toggled its own check mark.
    mdlVariables::SetTopMost(this,
                             m_onTop ? mdlVariables::HWND_TOPMOST : mdlVariables::HWND_NOTOPMOST);
    emit NoteChanged();
}

// ---- new note -------------------------------------------------------------------

void frmNote::mnuNewNote_Click()
{
    MakeNote();
}

frmNote *frmNote::MakeNote()
{
    butMenuC->hide();
    auto *note = new frmNote(m_ctx);
    note->Load();
    note->setPicture(m_picture);
    if (m_onTop) {
        mdlVariables::SetTopMost(note, mdlVariables::HWND_TOPMOST);
        note->setOnTop(true);
    }
    note->bolShown = true;
    note->PlaceAtRandom();
    note->show();
    emit NoteChanged();
    return note;
}

void frmNote::PlaceAtRandom()
{
    const Form *menuNote = m_ctx.forms->find(QStringLiteral("frmNote"));
    const auto *hidden = qobject_cast<const frmNote *>(menuNote);
    const int w = hidden ? hidden->Width() : FullWidth;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect geometry = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const double screenW = Twips::fromPixels(geometry.width());
    const double screenH = Twips::fromPixels(geometry.height());
    const double r1 = m_ctx.random->next();
    const double r2 = m_ctx.random->next();
    const int left = static_cast<int>(std::floor((screenW - w - 200 - 200 + 1) * r1 + 200));
    const int top = static_cast<int>(std::floor((screenH / 1.5 - 100 - 200 + 1) * r2 + 200));
    Move(Twips::fromPixels(geometry.x()) + left, Twips::fromPixels(geometry.y()) + top);
}

// ---- other menu commands -----------------------------------------------------

void frmNote::showForm(const QString &name)
{
    if (Form *form = m_ctx.forms->defaultInstance(name)) {
        form->show();
        form->raise();
        form->activateWindow();
    }
}

void frmNote::mnuOptions_Click()
{
    butMenuC->hide();
    showForm(QStringLiteral("frmOptions"));
}

void frmNote::mnuSkins_Click()
{
    butMenuC->hide();
    frmSkins::OpenFor(m_ctx, this);
}

void frmNote::mnuHelpAbout_Click()
{
    butMenuC->hide();
    showForm(QStringLiteral("frmAbout"));
}

void frmNote::mnuHelpVWeb_Click()
{
    butMenuC->hide();
    m_ctx.shell->open(QUrl(AppInfo::MakerPage));
}

void frmNote::mnuHelpDWeb_Click()
{
    butMenuC->hide();
    m_ctx.shell->open(QUrl(AppInfo::ProductPage));
}

// ---- balloon -----------------------------------------------------------------

void frmNote::LoadToolTip(const QString &Caption, int Position, int ShowMilSec)
{
    frmToolTip *balloon = frmToolTip::Open(m_ctx);
    balloon->lblToolTip->setText(Caption);
    if (Position == 1)
        balloon->move(Twips::toPixels(Left() + Width() - 300), Twips::toPixels(Top() + 700));
    balloon->tmrUnload.setInterval(ShowMilSec);
    balloon->showBalloon();
}

// ---- greeting and typewriter --------------------------------------------------

QString frmNote::Greeting(int hour, const QString &userName)
{
    QString greeting;
    if (hour < 12)
        greeting = tr("Good morning ");
    else if (hour < 20)
        greeting = tr("Good evening ");
    else
        greeting = tr("Good night ");
    return greeting + userName + QLatin1Char('.');
}

void frmNote::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_ctx.vars->Greeted) {
        m_ctx.vars->Greeted = true;
        lblAds->hide();
        lblAds->setText(Greeting(m_ctx.clock->now().time().hour(), m_ctx.vars->UserName));
        tmrType.start();
    }
    Form::changeEvent(event);
}

void frmNote::tmrType_Timer()
{
    if (m_typeText.isEmpty())
        m_typeText = lblAds->text();
    ++m_typePos;
    if (m_typePos >= m_typeText.size() + 1) {
        tmrType.stop();
        m_typeText.clear();
        m_typePos = 0;
        return;
    }
    // A space with a further word after it: break the line when that word
    // would run past the note's edge.
    const int index = m_typePos - 1;
    if (m_typeText.at(index) == QLatin1Char(' ')) {
        const int nextSpace = m_typeText.indexOf(QLatin1Char(' '), index + 2);
        if (nextSpace >= 0) {
            const QString word = m_typeText.mid(index, nextSpace - index);
            const int widthTw =
                Twips::fromPixels(fontMetrics().horizontalAdvance(lblAds->text() + word));
            if (widthTw + 900 > Width()) {
                tmrType.stop();
                m_scrollTopTw = AdsRestTop;
                m_scroll.start();
                return;
            }
        }
    }
    lblAds->setText(m_typeText.left(m_typePos));
    lblAds->show();
}

void frmNote::stepTypeScroll()
{
    // The full line slides up out of sight before the next one starts.
    if (m_scrollTopTw >= AdsScrollStop) {
        lblAds->move(lblAds->x(),
                     Frame + Twips::toPixels(m_scrollTopTw) + m_resizer->grownBy().height());
        m_scrollTopTw -= 10;
        return;
    }
    m_scroll.stop();
    restAds();
    // The next line starts with the word after the space where it broke.
    const int from =
        m_typeText.indexOf(QLatin1Char(' '), std::max(0, int(lblAds->text().size()) - 1));
    m_typeText = from < 0 ? QString() : m_typeText.mid(from + 1);
    lblAds->clear();
    m_typePos = 1;
    lblAds->setText(m_typeText.left(m_typePos));
    lblAds->show();
    tmrType.start();
}

void frmNote::tmrlblADS_Timer()
{
    lblAds->hide();
    const std::optional<QString> tip =
        m_tips.NextTip(m_ctx.vars->Tips, m_ctx.vars->RandomTips, *m_ctx.random);
    if (!tip)
        return;
    lblAds->setText(*tip);
    tmrType.start();
}

// ---- the tray menu ---------------------------------------------------------

QList<frmNote *> frmNote::noteWindows() const
{
    QList<frmNote *> notes;
    for (Form *form : m_ctx.forms->formsNamed(QStringLiteral("frmNote")))
        if (auto *note = qobject_cast<frmNote *>(form))
            notes.append(note);
    return notes;
}

void frmNote::mnuTrayNew_Click()
{
    mnuNewNote_Click();
}

void frmNote::mnuTrayShowAll_Click()
{
    for (frmNote *note : noteWindows())
        if (note->bolShown) {
            note->show();
            note->raise();
        }
    emit NoteChanged();
}

void frmNote::mnuTrayHideAll_Click()
{
    for (frmNote *note : noteWindows())
        note->hide();
    emit NoteChanged();
}

void frmNote::mnuTrayMin_Click()
{
    for (frmNote *note : noteWindows())
        note->tmrMin.start();
}

void frmNote::mnuTrayRestore_Click()
{
    for (frmNote *note : noteWindows()) {
        note->hideBullet();
        note->clearMask();
        note->tmrRestore.start();
    }
}

void frmNote::mnuTrayTop_Click()
{
    // The action has already toggled itself: its new state is the wish.
    const bool onTop = menus().mnuTrayTop->isChecked();
    for (frmNote *note : noteWindows()) {
        note->setOnTop(onTop);
        mdlVariables::SetTopMost(note,
                                 onTop ? mdlVariables::HWND_TOPMOST : mdlVariables::HWND_NOTOPMOST);
    }
    emit NoteChanged();
}

void frmNote::mnuTrayOptions_Click()
{
    showForm(QStringLiteral("frmOptions"));
}

void frmNote::mnuTraySkin_Click()
{
    frmSkins::OpenForAll(m_ctx);
}

void frmNote::mnuTrayAlarms_Click()
{
    frmAlarmList::Open(m_ctx);
}

void frmNote::mnuTrayHelpAbout_Click()
{
    showForm(QStringLiteral("frmAbout"));
}

void frmNote::mnuTrayHelpVWeb_Click()
{
    m_ctx.shell->open(QUrl(AppInfo::MakerPage));
}

void frmNote::mnuTrayHelpDWeb_Click()
{
    m_ctx.shell->open(QUrl(AppInfo::ProductPage));
}

void frmNote::mnuTrayNotes_Click()
{
    showForm(QStringLiteral("frmNotesList"));
}

FindBar &frmNote::findBar()
{
    if (!m_findBar)
        m_findBar = new FindBar(this, *rtxtMain, m_ctx);
    return *m_findBar;
}

void frmNote::mnuTrayExit_Click()
{
    auto *splash = qobject_cast<frmSplash *>(m_ctx.forms->find(QStringLiteral("frmSplash")));
    // Notes that cannot be saved would be lost: the user may stay.
    if (splash && !splash->SaveBeforeExit())
        return;
    if (splash && splash->TrayIcon)
        splash->TrayIcon->hide();
    m_ctx.forms->endProgram();
}

void frmNote::mnuTrayImport_Click()
{
    frmImport::Open(m_ctx);
}

void frmNote::mnuTrayExport_Click()
{
    frmExport::Open(m_ctx);
}

// ---- text editing and formatting -------------------------------------------

namespace {

const char *const ProtectedWarning = QT_TRANSLATE_NOOP(
    "frmNote",
    "You cannot edit this text because an alarm is set to it. To remove alarm right click on it "
    "and choose 'Remove Alarm'.");

} // namespace

QColor frmNote::ColorFromValue(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int frmNote::ValueFromColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

void frmNote::wireTextEditing()
{
    connect(rtxtMain, &RichTextBox::Change, this, &frmNote::rtxtMain_Change);
    connect(rtxtMain, &RichTextBox::SelChange, this, &frmNote::rtxtMain_SelChange);
    connect(rtxtMain, &RichTextBox::KeyDown, this, &frmNote::rtxtMain_KeyDown);
    connect(rtxtMain, &RichTextBox::KeyPress, this, &frmNote::rtxtMain_KeyPress);
    connect(rtxtMain, &RichTextBox::MouseUp, this, &frmNote::rtxtMain_MouseUp);
    connect(rtxtMain, &RichTextBox::Click, this, &frmNote::rtxtMain_Click);
    connect(rtxtMain, &RichTextBox::ContextMenuRequested, this,
            [this] { NoteKeys::caretMenu(*this); });
}

frmNote::FormatControl frmNote::control(Format format) const
{
    const NoteMenus *m = m_menus.get();
    switch (format) {
    case Format::Italic:
        return {butIC, m ? m->mnuFontItalic : nullptr, &RichTextBox::SelItalic,
                &RichTextBox::setSelItalic};
    case Format::Underline:
        return {butUC, m ? m->mnuFontUnderline : nullptr, &RichTextBox::SelUnderline,
                &RichTextBox::setSelUnderline};
    case Format::StrikeThru:
        return {butSC, m ? m->mnuFontStrick : nullptr, &RichTextBox::SelStrikeThru,
                &RichTextBox::setSelStrikeThru};
    case Format::Bullet:
        return {butBulletC, m ? m->mnuFontBullet : nullptr, &RichTextBox::SelBullet,
                &RichTextBox::setSelBullet};
    case Format::Bold:
        break;
    }
    return {butBC, m ? m->mnuFontBold : nullptr, &RichTextBox::SelBold, &RichTextBox::setSelBold};
}

bool frmNote::SelectionProtected() const
{
    return rtxtMain->SelProtected().value_or(true);
}

void frmNote::warnProtected()
{
    LoadToolTip(tr(ProtectedWarning), 1, 4000);
}

void frmNote::FormatButtonUp(Format format)
{
    if (SelectionProtected()) {
        warnProtected();
        control(format).onImage->hide();
        return;
    }
    const FormatControl c = control(format);
    (rtxtMain->*c.set)(true);
    c.onImage->show();
    if (c.menuItem)
        c.menuItem->setChecked(true);
}

void frmNote::FormatButtonCUp(Format format)
{
    if (SelectionProtected()) {
        warnProtected();
        return;
    }
    const FormatControl c = control(format);
    (rtxtMain->*c.set)(false);
    c.onImage->hide();
    if (c.menuItem)
        c.menuItem->setChecked(false);
}

void frmNote::FormatMenuClick(Format format)
{
    // The item has already toggled its check mark: its new state is the wish.
    butMenuC->hide();
    menus();
    const FormatControl c = control(format);
    const bool on = c.menuItem->isChecked();
    (rtxtMain->*c.set)(on);
    c.onImage->setVisible(on);
}

void frmNote::rtxtMain_Change()
{
    // Screen readers tell notes apart by their first line.
    rtxtMain->setAccessibleName(rtxtMain->document()->firstBlock().text().trimmed().left(40));
    rtxtMain_SelChange();
}

void frmNote::rtxtMain_SelChange()
{
    const bool isProtected = rtxtMain->SelProtected().value_or(false);
    butAlarmC->setVisible(isProtected);
    // Mixed counts as off.
    for (Format format : AllFormats) {
        const FormatControl c = control(format);
        const bool on = (rtxtMain->*c.read)().value_or(false);
        c.onImage->setVisible(on);
        if (c.menuItem)
            c.menuItem->setChecked(on);
    }
    if (m_menus)
        m_menus->mnuAlarmClear->setEnabled(isProtected);
}

void frmNote::rtxtMain_KeyDown(int &KeyCode, int Shift)
{
    NoteKeys::textKey(*this, KeyCode, Shift);
    // Finding changes nothing, so it is open inside alarm marks too.
    if (FindBar::Handles(KeyCode, Shift)) {
        findBar().KeyDown(KeyCode, Shift);
        KeyCode = 0;
        return;
    }
    if (rtxtMain->SelProtected().value_or(false) && (KeyCode < 33 || KeyCode > 40)) {
        warnProtected();
        KeyCode = 0;
        return;
    }
    // The usual shortcuts take the same paths as the buttons and the menu.
    if (Shift != 2)
        return;
    auto toggle = [this, &KeyCode](Format format) {
        if (control(format).onImage->isVisible())
            FormatButtonCUp(format);
        else
            FormatButtonUp(format);
        KeyCode = 0;
    };
    switch (KeyCode) {
    case 'B':
        toggle(Format::Bold);
        break;
    case 'I':
        toggle(Format::Italic);
        break;
    case 'U':
        toggle(Format::Underline);
        break;
    case 'A':
        mnuConSelAll_Click();
        KeyCode = 0;
        break;
    default:
        break;
    }
}

void frmNote::rtxtMain_KeyPress(int &KeyAscii)
{
    if (KeyAscii != '[' && KeyAscii != ']')
        return;
    KeyAscii = 0;
    // Shown with the balloon's own closing period.
    frmToolTip *balloon = frmToolTip::Open(m_ctx);
    balloon->lblToolTip->setText(
        tr("'[' and ']' are preserved characters and cannot be type in the note box."));
    balloon->move(Twips::toPixels(Left() + Width() - 300), Twips::toPixels(Top() + 800));
    balloon->showBalloon();
}

void frmNote::rtxtMain_MouseUp(int Button, int, int X, int Y)
{
    // Menus that are not built yet have every item enabled.
    if (Button != 2 && !m_menus)
        return;
    const NoteMenus &m = menus();
    for (QAction *item :
         {m.mnuConCopy, m.mnuConCut, m.mnuConDel, m.mnuConSetAlarm, m.mnuConRemAlarm, m.mnuConPast})
        item->setEnabled(true);
    if (Button != 2)
        return;
    if (rtxtMain->SelText().isEmpty()) {
        for (QAction *item : {m.mnuConCopy, m.mnuConCut, m.mnuConDel, m.mnuConSetAlarm})
            item->setEnabled(false);
    }
    const std::optional<bool> isProtected = rtxtMain->SelProtected();
    if (isProtected.has_value() && !*isProtected)
        m.mnuConRemAlarm->setEnabled(false);
    if (!isProtected.has_value() || *isProtected)
        m.mnuConSetAlarm->setEnabled(false);
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard || clipboard->text().isEmpty())
        m.mnuConPast->setEnabled(false);
    m_spelling->prepareMenu(*m.mnuCon, m.mnuConUndo, QPoint(X, Y));
    m.mnuCon->popup(rtxtMain->viewport()->mapToGlobal(QPoint(X, Y)));
}

void frmNote::rtxtMain_Click()
{
    butMenuC->hide();
    if (!rtxtMain->SelProtected().value_or(false))
        return;
    const int index = GetAlarmIndex();
    const QString time = GetAlarmTime(index);
    const int position = FindAlarmEntry(index);
    const QString t =
        tr(AlarmTold) +
        AlarmWhen::spoken(AlarmEntry::parse(lstAlarms->text(position)).value_or(AlarmEntry()),
                          m_ctx.clock->now().date()) +
        QLatin1Char('.');
    // Typing starts once; a second click on the same mark leaves it running or standing.
    // Protected text without an alarm entry has no time to tell.
    if (!time.isEmpty() && lblAds->text() != t && m_typeText != t) {
        m_scroll.stop();
        restAds();
        m_typeText.clear();
        m_typePos = 0;
        lblAds->setText(t);
        m_adsAlarm = index;
        tmrType.start();
    }
    rtxtMain->Span(QStringLiteral("["), false, true);
    rtxtMain->Span(QStringLiteral("]"), true, true);
}

// ---- alarms ----------------------------------------------------------------

void frmNote::lstAlarms_Change()
{
    // The message line stops telling the time of an alarm that is gone.
    if (m_adsAlarm == 0 || FindAlarmEntry(m_adsAlarm) >= 0)
        return;
    m_adsAlarm = 0;
    if (!lblAds->text().startsWith(tr(AlarmTold)) && !m_typeText.startsWith(tr(AlarmTold)))
        return; // another line has taken its place
    tmrType.stop();
    m_scroll.stop();
    m_typeText.clear();
    m_typePos = 0;
    lblAds->clear();
    restAds();
}

void frmNote::restAds()
{
    // Below the text, which a resized note has grown.
    lblAds->move(lblAds->x(), Frame + Twips::toPixels(AdsRestTop) + m_resizer->grownBy().height());
}

void frmNote::mnuAlarmSet_Click()
{
    butMenuC->hide();
    const QString selected = rtxtMain->SelText();
    if (selected.isEmpty()) {
        LoadToolTip(tr("Please select a text that you want set an alarm to it."), 1, 3000);
        return;
    }
    if (rtxtMain->SelProtected().value_or(true)) {
        LoadToolTip(tr("The text you selected is already an alarm. Please clear the "
                       "alarm set to it by right clicking on it and choose 'Clear "
                       "Alarm' from menu and then try again"),
                    1, 4000);
        return;
    }
    frmAlarmSet *dialog = frmAlarmSet::Open(m_ctx);
    dialog->frmSender = this;
    // The message is one line: line breaks of the selection become spaces.
    QString message = selected;
    message.replace(QLatin1String("\r\n"), QLatin1String(" "));
    message.replace(QLatin1Char('\v'), QLatin1Char(' '));
    dialog->txtMsg->setText(message.trimmed());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void frmNote::mnuAlarmClear_Click()
{
    const int index = GetAlarmIndex();
    const int position = FindAlarmEntry(index);
    if (position < 0)
        return; // no alarm at the caret: nothing to remove
    const std::optional<AlarmEntry> entry = AlarmEntry::parse(lstAlarms->text(position));
    // Refused only while the alert is really open: a "played" entry left
    // without its window (restored, or its window gone) can be removed.
    if (AlertGate::IsOpen(*m_ctx.forms, this, index)) {
        LoadToolTip(tr("You cannot clear the alarm set to this text because the "
                       "alart window for this text is now shown, you can Dismissed "
                       "or Snooz it from its alart window."),
                    1, 4000);
        return;
    }
    lstAlarms->removeAt(position);
    AlarmMarks::restore(*rtxtMain, index, entry->UnmarkedText);
}

void frmNote::SelectWord()
{
    AlarmMarks::selectWord(*rtxtMain);
}

int frmNote::GetAlarmIndex()
{
    return AlarmMarks::indexAtCaret(*rtxtMain);
}

QString frmNote::GetAlarmTime(int index) const
{
    const int position = FindAlarmEntry(index);
    if (position < 0)
        return QString();
    return AlarmEntry::parse(lstAlarms->text(position))->TimeText;
}

int frmNote::FindAlarmEntry(int index) const
{
    if (index <= 0)
        return -1;
    for (int row = 0; row < lstAlarms->count(); ++row) {
        const std::optional<AlarmEntry> entry = AlarmEntry::parse(lstAlarms->text(row));
        if (entry && entry->Index == index)
            return row;
    }
    return -1;
}

void frmNote::mnuFontColor_Click()
{
    butMenuC->hide();
    const std::optional<int> current = rtxtMain->SelColor();
    const std::optional<QColor> chosen =
        m_ctx.prompter->chooseColor(this, ColorFromValue(current.value_or(0)));
    if (!chosen)
        return;
    int value = ValueFromColor(*chosen);
    if (current && value == *current)
        return;
    // That orange belongs to the alarm marks.
    if (value == ReservedColor)
        value = ReservedColor - 1;
    rtxtMain->setSelColor(value);
}

void frmNote::mnuFontFont_Click()
{
    butMenuC->hide();
    QFont initial(rtxtMain->SelFontName().value_or(font().family()));
    initial.setPointSizeF(rtxtMain->SelFontSize().value_or(8.25));
    initial.setBold(rtxtMain->SelBold().value_or(false));
    initial.setItalic(rtxtMain->SelItalic().value_or(false));
    auto apply = [this](const QFont &chosen) {
        if (chosen.family().isEmpty())
            return;
        rtxtMain->setSelFontName(chosen.family());
        rtxtMain->setSelFontSize(chosen.pointSizeF());
        rtxtMain->setSelBold(chosen.bold());
        rtxtMain->setSelItalic(chosen.italic());
    };
    if (const std::optional<QFont> chosen = m_ctx.prompter->chooseFont(this, initial, 4, 30, apply))
        apply(*chosen);
}

void frmNote::mnuSave_Click()
{
    butMenuC->hide();
    NoteSaveAs(m_ctx, this).run(*rtxtMain);
}

void frmNote::mnuPrint_Click()
{
    butMenuC->hide();
    QPrinter printer(QPrinter::HighResolution);
    const bool accepted = m_ctx.prompter->choosePrinter(this, printer);
    rtxtMain->setSelStart(0);
    if (accepted)
        PrintTo(printer);
}

void frmNote::PrintTo(QPrinter &printer)
{
    rtxtMain->document()->print(&printer);
}

void frmNote::mnuClear_Click()
{
    butMenuC->hide();
    if (rtxtMain->Text().isEmpty())
        return;
    const auto answer =
        m_ctx.prompter->message(this, tr("Notes will be lost. Is it OK?"), tr("Jotwell clearing"),
                                Prompter::Buttons::YesNo, Prompter::Icon::Question);
    if (answer == Prompter::Answer::Yes)
        rtxtMain->setText(QString());
}

void frmNote::sendKeys(int key, Qt::KeyboardModifiers modifiers)
{
    // Posted, not sent: the keys are handled after the menu command returns,
    // by the same key handling as typed keys.
    rtxtMain->setFocus();
    QCoreApplication::postEvent(rtxtMain, new QKeyEvent(QEvent::KeyPress, key, modifiers));
    QCoreApplication::postEvent(rtxtMain, new QKeyEvent(QEvent::KeyRelease, key, modifiers));
}

void frmNote::mnuConUndo_Click()
{
    sendKeys(Qt::Key_Z, Qt::ControlModifier);
}

void frmNote::mnuConCut_Click()
{
    sendKeys(Qt::Key_X, Qt::ControlModifier);
}

void frmNote::mnuConCopy_Click()
{
    sendKeys(Qt::Key_C, Qt::ControlModifier);
}

void frmNote::mnuConPast_Click()
{
    sendKeys(Qt::Key_V, Qt::ControlModifier);
}

void frmNote::mnuConDel_Click()
{
    sendKeys(Qt::Key_Delete, Qt::NoModifier);
}

void frmNote::mnuConSelAll_Click()
{
    rtxtMain->setSelStart(0);
    rtxtMain->setSelLength(int(rtxtMain->Text().size()) + 100);
}
