#include "alarms/frmAlert.h"

#include "alarms/AlarmAnswer.h"
#include "alarms/AlarmEntry.h"
#include "alarms/AlarmMarks.h"
#include "alarms/AlarmWhen.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/Artwork.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "platform/RandomSource.h"
#include "platform/Sound.h"
#include "shell/AccessibleRole.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/CaptionRoom.h"
#include "shell/FormRegistry.h"
#include "shell/NotesBus.h"
#include "shell/Twips.h"
#include "shell/frmSplash.h"
#include "shell/mdlVariables.h"
#include "widgets/lcd/LCDEffect.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
                 Twips::toPixels(height));
}

QRect screenTwips(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect px = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return QRect(Twips::fromPixels(px.x()), Twips::fromPixels(px.y()),
                 Twips::fromPixels(px.width()), Twips::fromPixels(px.height()));
}

QSystemTrayIcon *trayIcon(AppContext &ctx)
{
    auto *splash = qobject_cast<frmSplash *>(ctx.forms->find(QStringLiteral("frmSplash")));
    return splash && splash->TrayIcon && splash->TrayIcon->isVisible() ? splash->TrayIcon : nullptr;
}

} // namespace

frmAlert::frmAlert(AppContext &ctx)
    : Form(ctx, QStringLiteral("frmAlert"),
           Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
               Qt::MSWindowsFixedSizeDialogHint),
      m_place(ctx.windowPositionsKnown)
{
    setWindowTitle(tr("Alarm"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 96})
        icon.addFile(QStringLiteral(":/alert/icon%1.png").arg(size));
    setWindowIcon(icon);
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));

    LCDEffect = new ::LCDEffect(this);
    LCDEffect->setObjectName(QStringLiteral("LCDEffect"));
    LCDEffect->setLightColorOff(128);
    LCDEffect->setLightColorOn(255);
    LCDEffect->setGeometry(twipsRect(60, 75, 1320, 1290));
    connect(LCDEffect, &::LCDEffect::EffectFinished, this, &frmAlert::LCDEffect_EffectFinished);
    AccessibleRole::set(LCDEffect, QAccessible::Graphic, tr("alarm lights"));

    txtMsg = new QPlainTextEdit(this);
    txtMsg->setObjectName(QStringLiteral("txtMsg"));
    txtMsg->setReadOnly(true);
    txtMsg->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; color: black; }"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    txtMsg->setFont(tahoma);
    txtMsg->setGeometry(twipsRect(1425, 75, 3180, 1275));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Artwork::pixmap(QStringLiteral(":/alert/image1.png")));
    Image1->setGeometry(twipsRect(75, 1380, 480, 480));

    cmdOK = new QPushButton(tr("&Dismiss"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setGeometry(twipsRect(3465, 1530, 1080, 330));
    cmdSnooz = new QPushButton(tr("&Snooze"), this);
    cmdSnooz->setObjectName(QStringLiteral("cmdSnooz"));
    cmdSnooz->setGeometry(twipsRect(2280, 1530, 1080, 330));
    CaptionRoom::growLeft({cmdOK, cmdSnooz});
    connect(cmdOK, &QPushButton::clicked, this, &frmAlert::cmdOK_Click);
    connect(cmdSnooz, &QPushButton::clicked, this, &frmAlert::cmdSnooz_Click);

    setTabOrder(cmdOK, txtMsg);
    setTabOrder(txtMsg, cmdSnooz);
    buildMenu();

    // An alert goes with its note.
    if (m_ctx.forms)
        connect(m_ctx.forms, &FormRegistry::formUnloaded, this, &frmAlert::senderUnloaded);
}

frmAlert::~frmAlert() = default;

void frmAlert::buildMenu()
{
    mnuSnooz = new QMenu(tr("Snooze"), this);
    mnuSnooz->setObjectName(QStringLiteral("mnuSnooz"));
    struct Item
    {
        QAction *&action;
        const char *name;
        const char *caption;
        void (frmAlert::*handler)();
    };
    const Item items[] = {
        {mnu1Min, "mnu1Min", QT_TR_NOOP("1 Minute"), &frmAlert::mnu1Min_Click},
        {mnu2Min, "mnu2Min", QT_TR_NOOP("2 Minutes"), &frmAlert::mnu2Min_Click},
        {mnu3Min, "mnu3Min", QT_TR_NOOP("3 Minutes"), &frmAlert::mnu3Min_Click},
        {mnu5Min, "mnu5Min", QT_TR_NOOP("5 Minutes"), &frmAlert::mnu5Min_Click},
        {mnuDash2, "mnuDash2", "-", nullptr},
        {mnu10Min, "mnu10Min", QT_TR_NOOP("10 Minutes"), &frmAlert::mnu10Min_Click},
        {mnu15Min, "mnu15Min", QT_TR_NOOP("15 Minutes"), &frmAlert::mnu15Min_Click},
        {mnu20Min, "mnu20Min", QT_TR_NOOP("20 Minutes"), &frmAlert::mnu20Min_Click},
        {mnu30Min, "mnu30Min", QT_TR_NOOP("30 Minutes"), &frmAlert::mnu30Min_Click},
        {mnu45Min, "mnu45Min", QT_TR_NOOP("45 Minutes"), &frmAlert::mnu45Min_Click},
        {mnu1Hour, "mnu1Hour", QT_TR_NOOP("1 Hour"), &frmAlert::mnu1Hour_Click},
    };
    for (const Item &item : items) {
        item.action =
            item.handler ? mnuSnooz->addAction(tr(item.caption)) : mnuSnooz->addSeparator();
        item.action->setObjectName(QString::fromLatin1(item.name));
        if (item.handler)
            connect(item.action, &QAction::triggered, this, item.handler);
    }
    mnuSnooz->setDefaultAction(mnu5Min);
}

void frmAlert::Form_Load()
{
    mdlVariables::SetTopMost(this, mdlVariables::HWND_TOPMOST);
    StartEffect(PickEffect(), true);
}

frmAlert *frmAlert::Open(AppContext &ctx, frmNote *sender, int listIndex, const AlarmEntry &entry,
                         const QString &missed)
{
    auto *alert = new frmAlert(ctx);
    alert->Load();
    sender->lstAlarms->setText(listIndex, entry.line());
    alert->txtMsg->setPlainText(missed.isEmpty() ? entry.Message
                                                 : entry.Message + QStringLiteral("\n\n(") +
                                                       missed + QLatin1Char(')'));
    alert->txtMsg->setAccessibleName(entry.Message);
    alert->frmSender = sender;
    alert->iAlarmIndex = entry.Index;
    alert->iListIndex = listIndex;
    alert->sSelTextRTF = entry.UnmarkedText;

    const QPoint place =
        Placement(ctx.vars->LastAlertPos, QSize(ClientWidth, ClientHeight), screenTwips(alert));
    alert->m_place.set(place);
    alert->move(Twips::toPixels(place.x()), Twips::toPixels(place.y()));
    // On top and flashing, but the keyboard stays where the user is typing, so
    // that typing cannot dismiss the alarm; a click gives the window the focus.
    alert->setAttribute(Qt::WA_ShowWithoutActivating);
    alert->show();
    QApplication::alert(alert);
    // Taken as painted at once: the platform paints later, and a second alert
    // of the same check must not open exactly over this one.
    alert->rememberPosition();
    // Screen readers say the message as the alert opens.
    AccessibleRole::announce(alert->txtMsg, QAccessible::Alert);

    if (entry.Sound == AlarmEntry::SystemBeep)
        ctx.sound->beep();
    else
        ctx.sound->play(entry.Sound);

    // Scripts on the session bus hear of it too.
    if (ctx.bus)
        ctx.bus->announceAlarm(entry);
    // Also on the desktop's notifications, or the tray's balloon without them.
    // Each is taken back when the alert is answered.
    static quint64 notifications = 0;
    const QString summary = AppInfo::Title + tr(" alarm");
    const QString key = QStringLiteral("alarm-%1").arg(++notifications);
    if (ctx.notifier && ctx.notifier->notifyKeyed(key, summary, entry.Message)) {
        alert->m_notification = key;
    } else if (QSystemTrayIcon *tray = trayIcon(ctx)) {
        tray->showMessage(summary, entry.Message, alert->windowIcon(), 0);
        alert->m_balloon = true;
    }
    return alert;
}

frmAlert *frmAlert::OpenFor(const FormRegistry &forms, const frmNote *sender, int alarmIndex)
{
    for (Form *form : forms.formsNamed(QStringLiteral("frmAlert"))) {
        auto *alert = qobject_cast<frmAlert *>(form);
        if (alert && !alert->m_answered && alert->frmSender == sender &&
            alert->iAlarmIndex == alarmIndex)
            return alert;
    }
    return nullptr;
}

QPoint frmAlert::Placement(const QPoint &lastPainted, const QSize &size, const QRect &screen)
{
    const QPoint centre(screen.x() + screen.width() / 2 - size.width() / 2,
                        screen.y() + screen.height() / 2 - size.height() / 2);
    if (lastPainted.isNull())
        return centre;
    const QPoint next = lastPainted + QPoint(CascadeStep, CascadeStep);
    return screen.contains(QRect(next, size)) ? next : centre;
}

void frmAlert::Form_Unload()
{
    if (!m_notification.isEmpty() && m_ctx.notifier)
        m_ctx.notifier->withdraw(m_notification);
    m_notification.clear();
    // An empty message takes the balloon down.
    if (QSystemTrayIcon *tray = m_balloon ? trayIcon(m_ctx) : nullptr)
        tray->showMessage(QString(), QString(), QIcon(), 0);
    m_balloon = false;
}

void frmAlert::paintEvent(QPaintEvent *event)
{
    Form::paintEvent(event);
    rememberPosition();
}

void frmAlert::rememberPosition()
{
    // Where the system does not tell, the place the window was put at counts.
    m_ctx.vars->LastAlertPos = m_place.reported()
                                   ? QPoint(Twips::fromPixels(x()), Twips::fromPixels(y()))
                                   : m_place.place(pos());
}

void frmAlert::LCDEffect_EffectFinished()
{
    if (m_blinkCleanUp) {
        LCDEffect->OffAll();
        m_blinkCleanUp = false;
    }
    const int k = PickEffect();
    StartEffect(k, m_turnOn);
    // A blink leaves the panel all on; before an effect that paints on, clear it.
    if (k == 3 && !m_turnOn)
        m_blinkCleanUp = true;
    m_turnOn = !m_turnOn;
}

int frmAlert::PickEffect() const
{
    const int k = static_cast<int>(m_ctx.random->next() * 8) + 1;
    return qBound(1, k, 8);
}

void frmAlert::StartEffect(int k, bool turnOn)
{
    switch (k) {
    case 1:
        LCDEffect->EFBandsOver(turnOn);
        break;
    case 2:
        LCDEffect->EFBarRight(turnOn);
        break;
    case 3:
        LCDEffect->EFBlink();
        break;
    case 4:
        LCDEffect->EFCircle(turnOn);
        break;
    case 5:
        LCDEffect->EFCleanUp(turnOn);
        break;
    case 6:
        LCDEffect->EFRoll(turnOn);
        break;
    case 7:
        LCDEffect->EFSlice(turnOn);
        break;
    default:
        LCDEffect->EFSlideOver(turnOn);
        break;
    }
}

void frmAlert::cmdOK_Click()
{
    if (m_answered)
        return;
    m_answered = true;
    m_ctx.sound->stop();
    if (frmSender)
        AlarmAnswer::dismiss(m_ctx, *frmSender, iListIndex, iAlarmIndex, sSelTextRTF);
    Unload();
}

void frmAlert::cmdSnooz_Click()
{
    if (m_answered)
        return;
    mnuSnooz->popup(cmdSnooz->mapToGlobal(QPoint(0, cmdSnooz->height())));
    mnuSnooz->setActiveAction(mnu5Min);
}

void frmAlert::SnoozeItem(int minutes)
{
    if (m_answered)
        return;
    m_answered = true;
    m_ctx.sound->stop();
    Snooze(minutes);
    Unload();
}

void frmAlert::Snooze(int minutes)
{
    if (frmSender)
        AlarmAnswer::snooze(m_ctx, *frmSender, iListIndex, iAlarmIndex, minutes);
}

void frmAlert::closeEvent(QCloseEvent *event)
{
    // The title bar's close button: a snooze for the default time.
    SnoozeItem(DefaultSnooze);
    event->accept();
}

void frmAlert::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focusWidget() == cmdSnooz)
            cmdSnooz_Click();
        else
            cmdOK_Click();
        break;
    case Qt::Key_Escape:
        cmdSnooz_Click();
        break;
    default:
        Form::keyPressEvent(event);
    }
}

void frmAlert::senderUnloaded(Form *form)
{
    if (form != frmSender.data() || m_answered)
        return;
    m_answered = true;
    Unload();
}
