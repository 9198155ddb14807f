#include "alarms/frmAlarmSet.h"

#include "alarms/AlarmEntry.h"
#include "alarms/AlarmMarks.h"
#include "alarms/AlarmWhen.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/Prompter.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/CaptionRoom.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "shell/mdlVariables.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

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

// Room made under the time row for the date and the repeat.
constexpr int DateRows = 660;

const char *const HourMessage =
    QT_TRANSLATE_NOOP("frmAlarmSet", "Hour must be numeric and between 1 - 12");
const char *const MinuteMessage =
    QT_TRANSLATE_NOOP("frmAlarmSet", "Minute must be numeric and between 0 - 59");

} // namespace

frmAlarmSet::frmAlarmSet(AppContext &ctx)
    : Form(ctx, QStringLiteral("frmAlarmSet"),
           Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setWindowTitle(tr("Alarm Set"));
    CaptionsInFrames();
    setFixedSize(Twips::toPixels(4680), Twips::toPixels(3075 + DateRows));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);

    fraMain = place(new QGroupBox(tr("Set Alarm"), this), 90, 60, 3300, 2910 + DateRows);
    lblTime = place(new QLabel(tr("Time:"), fraMain), 135, 315, 1410, 300);
    txtHour = place(new QLineEdit(fraMain), 150, 570, 480, 285);
    txtHour->setMaxLength(2);
    lblDot = place(new QLabel(QStringLiteral(":"), fraMain), 720, 585, 120, 285);
    txtMin = place(new QLineEdit(fraMain), 825, 570, 480, 300);
    txtMin->setMaxLength(2);
    cboAMPM = place(new QComboBox(fraMain), 1680, 570, 615, 315);
    cboAMPM->addItems({QStringLiteral("AM"), QStringLiteral("PM")});
    lblDate = place(new QLabel(tr("&Date:"), fraMain), 135, 960, 690, 285);
    dtpDate = place(new QDateEdit(fraMain), 825, 930, 1830, 315);
    dtpDate->setCalendarPopup(true);
    dtpDate->setDisplayFormat(QStringLiteral("ddd d MMM yyyy"));
    lblDate->setBuddy(dtpDate);
    cmdFastDate = place(new QToolButton(fraMain), 2685, 930, 345, 315);
    cmdFastDate->setText(QStringLiteral("..."));
    cmdFastDate->setToolTip(tr("Today, tomorrow or a day of the coming week"));
    mnuFastDate = new QMenu(tr("Fast Date"), this);
    connect(mnuFastDate, &QMenu::aboutToShow, this, &frmAlarmSet::FillFastDates);
    cmdFastDate->setMenu(mnuFastDate);
    cmdFastDate->setPopupMode(QToolButton::InstantPopup);
    lblRepeat = place(new QLabel(tr("&Repeat:"), fraMain), 135, 1350, 690, 285);
    cboRepeat = place(new QComboBox(fraMain), 825, 1320, 2205, 315);
    lblRepeat->setBuddy(cboRepeat);
    lblMsg =
        place(new QLabel(tr("Show following message:"), fraMain), 105, 1110 + DateRows, 1800, 285);
    txtMsg =
        place(new QLineEdit(tr("Alarm for 10:30 PM"), fraMain), 105, 1365 + DateRows, 3030, 300);
    optSysBeep =
        place(new QRadioButton(tr("Play system beep"), fraMain), 90, 1890 + DateRows, 2775, 225);
    optCusSound = place(new QRadioButton(tr("Play following sound file:"), fraMain), 90,
                        2160 + DateRows, 2730, 225);
    txtCusSound = place(new QLineEdit(fraMain), 330, 2430 + DateRows, 2460, 285);
    cmdBrowse =
        place(new QPushButton(QStringLiteral("..."), fraMain), 2820, 2430 + DateRows, 315, 270);
    cmdOK = place(new QPushButton(tr("&OK"), this), 3450, 150, 1140, 345);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdCancel = place(new QPushButton(tr("&Cancel"), this), 3450, 570, 1140, 345);
    cmdFastSelect = place(new QPushButton(tr("&Fast Select "), this), 3465, 1545, 1140, 345);

    // The tab order of the dialog, first to last.
    const QList<QWidget *> order = {txtHour,   cboAMPM,    dtpDate,      cmdFastDate, cboRepeat,
                                    txtMsg,    optSysBeep, optCusSound,  txtCusSound, cmdOK,
                                    cmdCancel, cmdBrowse,  cmdFastSelect};
    setTabOrder(txtHour, txtMin);
    setTabOrder(txtMin, cboAMPM);
    for (qsizetype i = 1; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));

    mnuFast = new QMenu(tr("Fast Selet"), this);
    const auto fast = [this](const char *caption, int minutes) {
        QAction *item = mnuFast->addAction(tr(caption));
        connect(item, &QAction::triggered, this, [this, minutes] { FastSelect(minutes); });
        return item;
    };
    mnu1Min = fast(QT_TR_NOOP("1 Minute Later"), 1);
    mnu2Min = fast(QT_TR_NOOP("2 Minutes Later"), 2);
    mnu3Min = fast(QT_TR_NOOP("3 Minutes Later"), 3);
    mnu5Min = fast(QT_TR_NOOP("5 Minutes Later"), 5);
    mnuDash1 = mnuFast->addSeparator();
    mnu10Min = fast(QT_TR_NOOP("10 Minutes Later"), 10);
    mnu15Min = fast(QT_TR_NOOP("15 Minutes Later"), 15);
    mnu20Min = fast(QT_TR_NOOP("20 Minutes Later"), 20);
    mnu30Min = fast(QT_TR_NOOP("30 Minutes Later"), 30);
    mnu45Min = fast(QT_TR_NOOP("45 Minutes Later"), 45);
    mnu1Hour = fast(QT_TR_NOOP("1 Hour Later"), 60);

    connect(dtpDate, &QDateEdit::dateChanged, this, &frmAlarmSet::dtpDate_Change);
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
    roomForCaptions();
}

void frmAlarmSet::roomForCaptions()
{
    // Longer captions of other languages: the Date and Repeat labels push their fields to the
    // right, the frame, the button column and the dialog grow to hold them.
    const int labels = std::max({0, CaptionRoom::needed(lblDate) - lblDate->width(),
                                 CaptionRoom::needed(lblRepeat) - lblRepeat->width()});
    for (QWidget *field : std::initializer_list<QWidget *>{dtpDate, cmdFastDate, cboRepeat})
        field->move(field->x() + labels, field->y());
    for (QLabel *label : {lblDate, lblRepeat})
        label->resize(label->width() + labels, label->height());
    int frame = fraMain->width();
    for (const QWidget *child : fraMain->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        frame = std::max(frame, child->geometry().right() + Twips::toPixels(90));
    const int frameGrowth = frame - fraMain->width();
    fraMain->resize(frame, fraMain->height());
    const QList<QPushButton *> buttons = {cmdOK, cmdCancel, cmdFastSelect};
    int column = cmdOK->width();
    for (const QPushButton *button : buttons)
        column = std::max(column, CaptionRoom::needed(button));
    const int growth = frameGrowth + column - cmdOK->width();
    for (QPushButton *button : buttons)
        button->setGeometry(button->x() + frameGrowth, button->y(), column, button->height());
    setFixedSize(width() + growth, height());
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
    const QDateTime now = m_ctx.clock->now();
    SetTimeBoxes(now);
    dtpDate->setDate(now.date());
    FillFastDates();
    dtpDate_Change();
    cboRepeat->setCurrentIndex(0);
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
    const QDateTime then = m_ctx.clock->now().addSecs(60LL * minutes);
    SetTimeBoxes(then);
    dtpDate->setDate(then.date()); // "5 Minutes Later" at 11:58 PM is tomorrow
}

void frmAlarmSet::FillFastDates()
{
    mnuFastDate->clear();
    const QDate today = m_ctx.clock->now().date();
    for (int days = 0; days < 8; ++days) {
        const QDate day = today.addDays(days);
        const QString caption = days == 0   ? tr("&Today")
                                : days == 1 ? tr("To&morrow")
                                            : QLocale().toString(day, QStringLiteral("dddd d MMM"));
        connect(mnuFastDate->addAction(caption), &QAction::triggered, this,
                [this, day] { dtpDate->setDate(day); });
    }
}

void frmAlarmSet::dtpDate_Change()
{
    // The weekly choice names the day it repeats on.
    const int chosen = std::max(0, cboRepeat->currentIndex());
    cboRepeat->clear();
    cboRepeat->addItems(
        {tr("Once"), tr("Every day"), tr("Every weekday"),
         tr("Every week on %1").arg(QLocale().dayName(dtpDate->date().dayOfWeek()))});
    cboRepeat->setCurrentIndex(chosen);
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
    const std::optional<Prompter::FileChoice> chosen =
        m_ctx.prompter->openFile(this, QString(), QString(), {tr("Sound files (*.wav)")});
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
    return validateBox(txtHour, 1, 12, tr(HourMessage));
}

bool frmAlarmSet::txtMin_Validate()
{
    return validateBox(txtMin, 0, 59, tr(MinuteMessage));
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
        warn(tr("Please enter a message for this alert."), txtMsg);
        return;
    }
    const bool customSound = optCusSound->isChecked();
    if (customSound && txtCusSound->text().isEmpty()) {
        warn(tr("Please choose a sound file for this alert."), txtCusSound);
        return;
    }
    // The entry's fields are joined by these sequences; a field holding one would break it.
    if (const QString reserved = AlarmEntry::reservedIn(txtMsg->text()); !reserved.isEmpty()) {
        warn(tr("The message cannot contain \"%1\". Please change it.").arg(reserved), txtMsg);
        return;
    }
    if (const QString reserved = AlarmEntry::reservedIn(txtCusSound->text());
        customSound && !reserved.isEmpty()) {
        warn(tr("The sound file path cannot contain \"%1\". Please choose another "
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
    const QDateTime now = m_ctx.clock->now();
    const QTime minute(now.time().hour(), now.time().minute());
    const QString past = tr("The time you chose is in the past.");
    if (!chosen || dtpDate->date() < now.date()) {
        warn(past, chosen ? static_cast<QWidget *>(dtpDate) : txtHour);
        return;
    }
    if (dtpDate->date() == now.date() && *chosen < minute) {
        // Most often meant for tomorrow morning: offered at once.
        const QString offer =
            past +
            tr("\n\nSet the alarm for %1 tomorrow instead?").arg(AlarmEntry::formatTime(*chosen));
        if (m_ctx.prompter->message(this, offer, AppInfo::Title, Prompter::Buttons::YesNo,
                                    Prompter::Icon::Exclamation) != Prompter::Answer::Yes) {
            txtHour->setFocus(Qt::OtherFocusReason);
            return;
        }
        dtpDate->setDate(now.date().addDays(1));
    }
    AlarmWhen when;
    when.Repeats = static_cast<AlarmWhen::Repeat>(std::max(0, cboRepeat->currentIndex()));
    when.Date = when.RepeatDate = AlarmWhen::firstDay(dtpDate->date(), when.Repeats);
    when.Time = when.RepeatTime = *chosen;

    if (frmNote *note = frmSender.data()) {
        RichTextBox &box = *note->rtxtMain;
        // The selection may have moved into a mark while the dialog was open.
        if (box.SelProtected().value_or(true))
            note->mnuAlarmClear_Click();
        note->SelectWord();
        AlarmEntry entry;
        entry.Index = ++m_ctx.vars->AlarmCounter;
        entry.UnmarkedText = AlarmMarks::mark(box, entry.Index);
        // Dated, so that it is never taken for another day.
        entry.TimeText = AlarmWhen::timeText(when.Date, timeText);
        entry.setRepeatField(when.repeatField());
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
