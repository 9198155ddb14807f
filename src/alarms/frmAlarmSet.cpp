#include "alarms/frmAlarmSet.h"

#include "alarms/AlarmEntry.h"
#include "alarms/AlarmMarks.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/Prompter.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "shell/mdlVariables.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
                 Twips::toPixels(height));
}

template <typename Widget> Widget *place(Widget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

const QString HourMessage = QStringLiteral("Hour must be numeric and between 1 - 12");
const QString MinuteMessage = QStringLiteral("Minute must be numeric and between 0 - 59");

} // namespace

frmAlarmSet::frmAlarmSet(AppContext &ctx)
    : Form(ctx, QStringLiteral("frmAlarmSet"),
           Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setWindowTitle(QStringLiteral("Alarm Set"));
    CaptionsInFrames();
    setFixedSize(Twips::toPixels(4680), Twips::toPixels(3075));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);

    fraMain = place(new QGroupBox(QStringLiteral("Set Alarm"), this), 90, 60, 3300, 2910);
    lblTime = place(new QLabel(QStringLiteral("Time:"), fraMain), 135, 315, 1410, 300);
    txtHour = place(new QLineEdit(fraMain), 150, 570, 480, 285);
    txtHour->setMaxLength(2);
    lblDot = place(new QLabel(QStringLiteral(":"), fraMain), 720, 585, 120, 285);
    txtMin = place(new QLineEdit(fraMain), 825, 570, 480, 300);
    txtMin->setMaxLength(2);
    cboAMPM = place(new QComboBox(fraMain), 1680, 570, 615, 315);
    cboAMPM->addItems({QStringLiteral("AM"), QStringLiteral("PM")});
    lblMsg =
        place(new QLabel(QStringLiteral("Show following message:"), fraMain), 105, 1110, 1800, 285);
    txtMsg =
        place(new QLineEdit(QStringLiteral("Alarm for 10:30 PM"), fraMain), 105, 1365, 3030, 300);
    optSysBeep =
        place(new QRadioButton(QStringLiteral("Play system beep"), fraMain), 90, 1890, 2775, 225);
    optCusSound = place(new QRadioButton(QStringLiteral("Play following sound file:"), fraMain), 90,
                        2160, 2730, 225);
    txtCusSound = place(new QLineEdit(fraMain), 330, 2430, 2460, 285);
    cmdBrowse = place(new QPushButton(QStringLiteral("..."), fraMain), 2820, 2430, 315, 270);
    cmdOK = place(new QPushButton(QStringLiteral("&OK"), this), 3450, 150, 1140, 345);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdCancel = place(new QPushButton(QStringLiteral("&Cancel"), this), 3450, 570, 1140, 345);
    cmdFastSelect =
        place(new QPushButton(QStringLiteral("&Fast Select "), this), 3465, 1545, 1140, 345);

    // The tab order of the dialog, first to last.
    const QList<QWidget *> order = {txtHour,     cboAMPM, txtMsg,    optSysBeep, optCusSound,
                                    txtCusSound, cmdOK,   cmdCancel, cmdBrowse,  cmdFastSelect};
    setTabOrder(txtHour, txtMin);
    setTabOrder(txtMin, cboAMPM);
    for (qsizetype i = 1; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));

    mnuFast = new QMenu(QStringLiteral("Fast Selet"), this);
    const auto fast = [this](const char *caption, int minutes) {
        QAction *item = mnuFast->addAction(QString::fromLatin1(caption));
        connect(item, &QAction::triggered, this, [this, minutes] { FastSelect(minutes); });
        return item;
    };
    mnu1Min = fast("1 Minute Later", 1);
    mnu2Min = fast("2 Minutes Later", 2);
    mnu3Min = fast("3 Minutes Later", 3);
    mnu5Min = fast("5 Minutes Later", 5);
    mnuDash1 = mnuFast->addSeparator();
    mnu10Min = fast("10 Minutes Later", 10);
    mnu15Min = fast("15 Minutes Later", 15);
    mnu20Min = fast("20 Minutes Later", 20);
    mnu30Min = fast("30 Minutes Later", 30);
    mnu45Min = fast("45 Minutes Later", 45);
    mnu1Hour = fast("1 Hour Later", 60);

    connect(cmdOK, &QPushButton::clicked, this, &frmAlarmSet::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAlarmSet::cmdCancel_Click);
    connect(cmdFastSelect, &QPushButton::clicked, this, &frmAlarmSet::cmdFastSelect_Click);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmAlarmSet::cmdBrowse_Click);
    connect(optSysBeep, &QRadioButton::clicked, this, &frmAlarmSet::optSysBeep_Click);
    connect(optCusSound, &QRadioButton::clicked, this, &frmAlarmSet::optCusSound_Click);
    for (QLineEdit *box : {txtHour, txtMin, txtMsg, txtCusSound})
        box->installEventFilter(this);
    // Where this desktop's font draws wider than the classic one, captions grow rather than
    // being cut off.
    for (QWidget *caption :
         std::initializer_list<QWidget *>{lblTime, lblMsg, optSysBeep, optCusSound, cboAMPM})
        caption->resize(std::max(caption->width(), caption->sizeHint().width()), caption->height());
}

frmAlarmSet *frmAlarmSet::Open(AppContext &ctx)
{
    if (auto *open = qobject_cast<frmAlarmSet *>(ctx.forms->find(QStringLiteral("frmAlarmSet"))))
        return open;
    auto *dialog = new frmAlarmSet(ctx);
    dialog->Load();
    return dialog;
}

void frmAlarmSet::Form_Load()
{
    mdlVariables::SetTopMost(this, mdlVariables::HWND_TOPMOST);
    SetTimeBoxes(m_ctx.clock->now());
    optCusSound->setChecked(true);
    txtCusSound->setText(Folders::sharedDataDir() + QStringLiteral("/sounds/chime.wav"));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void frmAlarmSet::SetTimeBoxes(const QDateTime &t)
{
    const int hour = t.time().hour() % 12;
    txtHour->setText(QStringLiteral("%1").arg(hour == 0 ? 12 : hour, 2, 10, QLatin1Char('0')));
    txtMin->setText(QStringLiteral("%1").arg(t.time().minute(), 2, 10, QLatin1Char('0')));
    cboAMPM->setCurrentIndex(t.time().hour() < 12 ? 0 : 1);
}

void frmAlarmSet::FastSelect(int minutes)
{
    SetTimeBoxes(m_ctx.clock->now().addSecs(60LL * minutes));
}

void frmAlarmSet::cmdFastSelect_Click()
{
    mnuFast->popup(mapToGlobal(cmdFastSelect->geometry().bottomLeft() + QPoint(0, 1)));
}

void frmAlarmSet::optSysBeep_Click()
{
    txtCusSound->setEnabled(false);
    QPalette palette = txtCusSound->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    txtCusSound->setPalette(palette);
}

void frmAlarmSet::optCusSound_Click()
{
    txtCusSound->setEnabled(true);
    txtCusSound->setPalette(QPalette());
    txtCusSound->setFocus(Qt::OtherFocusReason);
}

void frmAlarmSet::cmdBrowse_Click()
{
    const std::optional<Prompter::FileChoice> chosen = m_ctx.prompter->openFile(
        this, QString(), QString(), {QStringLiteral("Sound files (*.wav)")});
    if (chosen && !chosen->path.isEmpty())
        txtCusSound->setText(chosen->path);
}

void frmAlarmSet::warn(const QString &text, QWidget *focus)
{
    m_ctx.prompter->message(this, text, AppInfo::Title, Prompter::Buttons::Ok,
                            Prompter::Icon::Exclamation);
    // A window manager gives the activation to another window (often the note) when the box
    // closes; the keys typed next belong in the dialog's box, not over the note's selection.
    activateWindow();
    focus->setFocus(Qt::OtherFocusReason);
}

// Digits only: a sign or a decimal point would pass a looser numeric test and then fail
// as a time of day.
bool frmAlarmSet::validateBox(QLineEdit *box, int low, int high, const QString &message)
{
    const QString text = box->text().trimmed();
    bool digits = !text.isEmpty();
    for (const QChar c : text)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (digits && text.toInt() >= low && text.toInt() <= high)
        return true;
    m_validating = true;
    warn(message, box);
    m_validating = false;
    return false;
}

bool frmAlarmSet::txtHour_Validate()
{
    return validateBox(txtHour, 1, 12, HourMessage);
}

bool frmAlarmSet::txtMin_Validate()
{
    return validateBox(txtMin, 0, 59, MinuteMessage);
}

bool frmAlarmSet::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // The whole text is selected on entering a box, to be typed over.
        auto *box = qobject_cast<QLineEdit *>(watched);
        if (box)
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
    } else if (event->type() == QEvent::FocusOut && !m_validating) {
        // Checked when the focus moves to another control of the dialog, not when the
        // dialog itself loses the focus.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == txtHour)
                txtHour_Validate();
            else if (watched == txtMin)
                txtMin_Validate();
        }
    }
    return Form::eventFilter(watched, event);
}

void frmAlarmSet::cmdOK_Click()
{
    mdlVariables::SetTopMost(this, mdlVariables::HWND_NOTOPMOST);
    if (txtMsg->text().isEmpty()) {
        warn(QStringLiteral("Please enter a message for this alert."), txtMsg);
        return;
    }
    const bool customSound = optCusSound->isChecked();
    if (customSound && txtCusSound->text().isEmpty()) {
        warn(QStringLiteral("Please choose a sound file for this alert."), txtCusSound);
        return;
    }
    // The entry's fields are joined by these sequences; a field holding one would break it.
    if (const QString reserved = AlarmEntry::reservedIn(txtMsg->text()); !reserved.isEmpty()) {
        warn(QStringLiteral("The message cannot contain \"%1\". Please change it.").arg(reserved),
             txtMsg);
        return;
    }
    if (const QString reserved = AlarmEntry::reservedIn(txtCusSound->text());
        customSound && !reserved.isEmpty()) {
        warn(QStringLiteral("The sound file path cannot contain \"%1\". Please choose another "
                            "file.")
                 .arg(reserved),
             txtCusSound);
        return;
    }
    // Enter may start OK while a time box still holds what leaving it would refuse.
    if (!txtHour_Validate() || !txtMin_Validate())
        return;
    const QString timeText = txtHour->text() + QLatin1Char(':') + txtMin->text() +
                             QLatin1Char(' ') + cboAMPM->currentText();
    const std::optional<QTime> chosen = AlarmEntry::timeOfDay(timeText);
    const QTime now = m_ctx.clock->now().time();
    if (!chosen || *chosen < QTime(now.hour(), now.minute())) {
        warn(QStringLiteral("The time you chose is in the past."), txtHour);
        return;
    }

    if (frmNote *note = frmSender.data()) {
        RichTextBox &box = *note->rtxtMain;
        // The selection may have moved into a mark while the dialog was open.
        if (box.SelProtected().value_or(true))
            note->mnuAlarmClear_Click();
        note->SelectWord();
        AlarmEntry entry;
        entry.Index = ++m_ctx.vars->AlarmCounter;
        entry.UnmarkedText = AlarmMarks::mark(box, entry.Index);
        entry.TimeText = timeText;
        entry.Message = txtMsg->text();
        entry.Sound = customSound ? txtCusSound->text() : AlarmEntry::SystemBeep;
        note->lstAlarms->addItem(entry.line());
    }
    Unload();
}

void frmAlarmSet::cmdCancel_Click()
{
    Unload();
}

// Enter is OK (or the button that has the focus), Esc is Cancel.
void frmAlarmSet::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        else
            cmdOK->click();
        break;
    case Qt::Key_Escape:
        cmdCancel->click();
        break;
    default:
        Form::keyPressEvent(event);
    }
}

void frmAlarmSet::closeEvent(QCloseEvent *event)
{
    event->accept();
    Unload();
}
