#include "tips/frmOptions.h"

#include "notes/NoteDesktop.h"
#include "notes/frmNote.h"
#include "platform/DesktopHints.h"
#include "platform/IniFile.h"
#include "platform/LogonEntry.h"
#include "platform/Prompter.h"
#include "platform/UserRegistry.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/cIni.h"
#include "shell/mdlVariables.h"
#include "spell/SpellingOptions.h"
#include "tips/MinTimer.h"
#include "tips/frmEnterTip.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString GeneralKey = QStringLiteral("General");
const QString TipTextKey = QStringLiteral("TipText");
const QString OptionsFile = QStringLiteral("PQOptions.ini");
const QString OptionsSection = QStringLiteral("General Options");

// The delay box sits in the gap of this caption, where %1 stands.
const char *const DelayText =
    QT_TRANSLATE_NOOP("frmOptions", "Show a new Tip Text every %1 minutes.");
const QString DelayGap = QStringLiteral("              ");

const char *const NumericWarning = QT_TRANSLATE_NOOP(
    "frmOptions", "Please enter a numeric value between 1 to 99 for Tip cycle show.");
const char *const NameWarning =
    QT_TRANSLATE_NOOP("frmOptions", "Please enter a name for user name.");

QString yesNo(bool on)
{
    return on ? QStringLiteral("yes") : QStringLiteral("no");
}

// A delay is one or two digits giving 1 to 99 minutes. "0" would make the
// minute timer fire on every tick, so it is refused like text.
bool isValidDelay(const QString &text)
{
    if (text.isEmpty() || text.size() > 2)
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    const int minutes = text.toInt();
    return minutes >= 1 && minutes <= 99;
}

void setBoxColor(QWidget *box, QPalette::ColorRole from)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(from));
    box->setPalette(palette);
}

} // namespace

frmOptions::frmOptions(AppContext &ctx) : Form(ctx, QStringLiteral("frmOptions"), Qt::Dialog)
{
    setWindowTitle(tr("Options"));
    CaptionsInFrames();

    tbsOptions = new QTabBar(this);
    tbsOptions->setDrawBase(false);
    tbsOptions->setExpanding(false);
    tbsOptions->setTabData(tbsOptions->addTab(tr("General")), GeneralKey);
    tbsOptions->setTabData(tbsOptions->addTab(tr("Tip Text")), TipTextKey);

    buildGeneral();
    buildTip();

    cmdOK = new QPushButton(tr("OK"), this);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdApply = new QPushButton(tr("Apply"), this);
    cmdApply->setEnabled(false);
    for (QPushButton *button : {cmdOK, cmdCancel, cmdApply}) {
        button->setMinimumWidth(84);
        button->setAutoDefault(false);
    }

    // Both frames share one cell: the tab decides which one is visible.
    auto *pages = new QGridLayout;
    pages->addWidget(fraGeneral, 0, 0);
    pages->addWidget(fraTip, 0, 0);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdApply);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(0);
    layout->addWidget(tbsOptions);
    layout->addLayout(pages, 1);
    layout->addSpacing(10);
    layout->addLayout(buttons);

    connect(tbsOptions, &QTabBar::currentChanged, this, &frmOptions::tbsOptions_Click);
    connect(chkRunOnStart, &QCheckBox::clicked, this, &frmOptions::chkRunOnStart_Click);
    connect(chkShowNote, &QCheckBox::clicked, this, &frmOptions::chkShowNote_Click);
    for (QCheckBox *box : {chkTaskbar, chkAllWorkspaces})
        connect(box, &QCheckBox::clicked, cmdApply, [this] { cmdApply->setEnabled(true); });
    connect(chkShowRnd, &QCheckBox::clicked, this, &frmOptions::chkShowRnd_Click);
    connect(chkShowTip, &QCheckBox::clicked, this, &frmOptions::chkShowTip_Click);
    connect(txtName, &QLineEdit::textChanged, this, &frmOptions::txtName_Change);
    connect(txtDelay, &QLineEdit::textChanged, this, &frmOptions::txtDelay_Change);
    connect(lstTips, &QListWidget::itemSelectionChanged, this, &frmOptions::lstTips_Click);
    connect(lstTips, &QListWidget::itemClicked, this, &frmOptions::lstTips_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmOptions::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmOptions::cmdEdit_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmOptions::cmdRemove_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);

    auto *nextTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    nextTab->setContext(Qt::WindowShortcut);
    connect(nextTab, &QShortcut::activated, this, &frmOptions::NextTab);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frmOptions::cmdCancel_Click);

    txtDelay->installEventFilter(this);

    // Controls go by their names, as the rest of the program knows them.
    const QList<std::pair<QObject *, const char *>> named{
        {tbsOptions, "tbsOptions"},   {fraGeneral, "fraGeneral"},
        {lblName, "lblName"},         {txtName, "txtName"},
        {chkShowNote, "chkShowNote"}, {chkRunOnStart, "chkRunOnStart"},
        {fraTip, "fraTip"},           {lblTip, "lblTip"},
        {lstTips, "lstTips"},         {cmdAdd, "cmdAdd"},
        {cmdEdit, "cmdEdit"},         {cmdRemove, "cmdRemove"},
        {chkShowTip, "chkShowTip"},   {fraBehavior, "fraBehavior"},
        {chkShowRnd, "chkShowRnd"},   {lblShowDelay, "lblShowDelay"},
        {txtDelay, "txtDelay"},       {cmdOK, "cmdOK"},
        {cmdCancel, "cmdCancel"},     {cmdApply, "cmdApply"}};
    for (const auto &[control, name] : named)
        control->setObjectName(QLatin1String(name));
}

void frmOptions::buildGeneral()
{
    fraGeneral = new QGroupBox(tr("General"), this);
    lblName = new QLabel(tr("Type your &name below. Pennyquill uses this name for greetings"),
                         fraGeneral);
    lblName->setWordWrap(true);
    txtName = new QLineEdit(fraGeneral);
    lblName->setBuddy(txtName);
    chkShowNote = new QCheckBox(tr("&Show my notes when Pennyquill starts."), fraGeneral);
    chkRunOnStart = new QCheckBox(LogonEntry::caption(), fraGeneral);
    chkTaskbar = new QCheckBox(tr("Show notes in the &taskbar."), fraGeneral);
    chkAllWorkspaces = new QCheckBox(tr("Show notes on all &workspaces."), fraGeneral);
    // Both are hints to an X11 window manager; elsewhere nothing would take them.
    if (!DesktopHints::offered())
        for (QCheckBox *box : {chkTaskbar, chkAllWorkspaces}) {
            box->setEnabled(false);
            box->setToolTip(tr("Your desktop does not let a program choose this."));
        }

    auto *layout = new QVBoxLayout(fraGeneral);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(lblName);
    layout->addSpacing(4);
    layout->addWidget(txtName);
    layout->addSpacing(18);
    layout->addWidget(chkShowNote);
    layout->addSpacing(6);
    layout->addWidget(chkRunOnStart);
    if (m_ctx.spelling) {
        fraSpelling = new SpellingOptions(fraGeneral);
        fraSpelling->setObjectName(QStringLiteral("fraSpelling"));
        connect(fraSpelling, &SpellingOptions::Changed, this,
                [this] { cmdApply->setEnabled(true); });
        layout->addSpacing(12);
        layout->addWidget(fraSpelling);
    }
    layout->addSpacing(6);
    layout->addWidget(chkTaskbar);
    layout->addSpacing(6);
    layout->addWidget(chkAllWorkspaces);
    layout->addStretch(1);
}

void frmOptions::buildTip()
{
    fraTip = new QGroupBox(tr("Tip Text"), this);
    lblTip = new QLabel(tr("Click Add TipText button to add a new Tip Text. These "
                           "texts will be shown in the period set in below."),
                        fraTip);
    lblTip->setWordWrap(true);
    lstTips = new QListWidget(fraTip);
    lstTips->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTips->setFixedHeight(132);
    cmdAdd = new QPushButton(tr("&Add "), fraTip);
    cmdEdit = new QPushButton(tr("&Edit"), fraTip);
    cmdRemove = new QPushButton(tr("&Remove"), fraTip);
    cmdEdit->setEnabled(false);
    cmdRemove->setEnabled(false);
    for (QPushButton *button : {cmdAdd, cmdEdit, cmdRemove}) {
        button->setMinimumWidth(84);
        button->setAutoDefault(false);
    }
    chkShowTip = new QCheckBox(tr("Show Tip Text"), fraTip);

    fraBehavior = new QGroupBox(tr("Tip Text Behavior"), fraTip);
    chkShowRnd = new QCheckBox(tr("Show Tip Text randomly."), fraBehavior);
    lblShowDelay = new QLabel(tr(DelayText).arg(DelayGap), fraBehavior);
    // The box lives on the caption, over the blanks left for it.
    txtDelay = new QLineEdit(lblShowDelay);
    txtDelay->setMaxLength(2);
    txtDelay->setAlignment(Qt::AlignRight);
    placeDelayBox();

    auto *behavior = new QVBoxLayout(fraBehavior);
    behavior->setContentsMargins(12, 10, 12, 10);
    behavior->addWidget(chkShowRnd);
    behavior->addSpacing(4);
    behavior->addWidget(lblShowDelay);

    auto *listButtons = new QVBoxLayout;
    listButtons->addWidget(cmdAdd);
    listButtons->addWidget(cmdEdit);
    listButtons->addWidget(cmdRemove);
    listButtons->addStretch(1);

    auto *list = new QHBoxLayout;
    list->addWidget(lstTips, 1);
    list->addLayout(listButtons);

    auto *layout = new QVBoxLayout(fraTip);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(lblTip);
    layout->addSpacing(6);
    layout->addLayout(list, 1);
    layout->addSpacing(6);
    layout->addWidget(chkShowTip);
    layout->addSpacing(4);
    layout->addWidget(fraBehavior);
}

void frmOptions::placeDelayBox()
{
    const QFontMetrics metrics(lblShowDelay->font());
    const QString before = tr(DelayText).section(QStringLiteral("%1"), 0, 0);
    const int left = metrics.horizontalAdvance(before);
    const int width = metrics.horizontalAdvance(before + DelayGap) - left;
    const int height = txtDelay->sizeHint().height();
    lblShowDelay->setFixedHeight(height);
    lblShowDelay->setMinimumWidth(metrics.horizontalAdvance(lblShowDelay->text()) + 4);
    txtDelay->setGeometry(left, 0, width, height);
}

void frmOptions::Form_Load()
{
    const mdlVariables &vars = *m_ctx.vars;
    chkRunOnStart->setChecked(vars.OptionIsYes(QStringLiteral("RunWithWindows")));
    chkShowTip->setChecked(vars.OptionIsYes(QStringLiteral("ShowTipText")));
    chkShowRnd->setChecked(vars.OptionIsYes(QStringLiteral("ShowRnd")));
    chkShowNote->setChecked(vars.OptionIsYes(QStringLiteral("ShowWhenStart")));
    chkTaskbar->setChecked(vars.OptionIsYes(NoteDesktop::TaskbarOption));
    chkAllWorkspaces->setChecked(vars.OptionIsYes(NoteDesktop::WorkspacesOption));
    txtName->setText(vars.Option(QStringLiteral("UserName")));
    txtDelay->setText(vars.Option(QStringLiteral("TipDelay")));
    if (fraSpelling)
        fraSpelling->load(*m_ctx.spelling);
    lstTips->clear();
    for (int i = 0; i < vars.TipsCount(); ++i)
        lstTips->addItem(vars.Tips.at(i));
    chkShowTip_Click();
    cmdApply->setEnabled(false);

    SelectTab(GeneralKey);
    tbsOptions_Click();

    // The window keeps the size that holds either page.
    fraTip->show();
    fraGeneral->show();
    setFixedSize(sizeHint());
    tbsOptions_Click();

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void frmOptions::Form_Unload()
{
    if (m_enterTip)
        m_enterTip->Unload();
}

void frmOptions::closeEvent(QCloseEvent *event)
{
    event->accept();
    Unload();
}

bool frmOptions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtDelay && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString typed = key->text();
        // Only characters are filtered: editing keys and shortcuts (paste
        // among them) carry no printable text.
        if (typed.size() == 1 && typed.at(0).isPrint() &&
            txtDelay_KeyPress(typed.at(0).unicode()) == 0)
            return true;
    }
    return Form::eventFilter(watched, event);
}

int frmOptions::txtDelay_KeyPress(int KeyAscii)
{
    const bool digit = KeyAscii >= '0' && KeyAscii <= '9';
    return digit || KeyAscii == '\b' ? KeyAscii : 0;
}

QString frmOptions::SelectedTabKey() const
{
    return tbsOptions->tabData(tbsOptions->currentIndex()).toString();
}

void frmOptions::SelectTab(const QString &key)
{
    for (int i = 0; i < tbsOptions->count(); ++i)
        if (tbsOptions->tabData(i).toString() == key)
            tbsOptions->setCurrentIndex(i);
}

void frmOptions::tbsOptions_Click()
{
    const bool general = SelectedTabKey() == GeneralKey;
    fraGeneral->setVisible(general);
    fraTip->setVisible(!general);
}

void frmOptions::NextTab()
{
    tbsOptions->setCurrentIndex((tbsOptions->currentIndex() + 1) % tbsOptions->count());
}

void frmOptions::chkRunOnStart_Click()
{
    cmdApply->setEnabled(true);
}

void frmOptions::chkShowNote_Click()
{
    cmdApply->setEnabled(true);
}

void frmOptions::chkShowRnd_Click()
{
    cmdApply->setEnabled(true);
}

void frmOptions::chkShowTip_Click()
{
    const bool on = chkShowTip->isChecked();
    lstTips->setEnabled(on);
    cmdAdd->setEnabled(on);
    txtDelay->setEnabled(on);
    chkShowRnd->setEnabled(on);
    // Edit and Remove come back only when a tip is selected again.
    if (!on) {
        cmdEdit->setEnabled(false);
        cmdRemove->setEnabled(false);
    }
    const QPalette::ColorRole background = on ? QPalette::Base : QPalette::Button;
    setBoxColor(lstTips, background);
    setBoxColor(txtDelay, background);
    cmdApply->setEnabled(true);
}

void frmOptions::txtName_Change()
{
    cmdApply->setEnabled(true);
}

void frmOptions::txtDelay_Change()
{
    cmdApply->setEnabled(true);
}

void frmOptions::lstTips_Click()
{
    if (lstTips->currentRow() >= 0 && lstTips->currentItem()->isSelected()) {
        cmdEdit->setEnabled(true);
        cmdRemove->setEnabled(true);
    }
}

frmEnterTip *frmOptions::EnterTip() const
{
    return m_enterTip;
}

void frmOptions::showEnterTip(const QString &iEdit, const QString &text)
{
    if (m_enterTip)
        m_enterTip->Unload();
    auto *enterTip = new frmEnterTip(m_ctx, lstTips);
    enterTip->iEdit = iEdit;
    enterTip->txtTip->setText(text);
    enterTip->Load();
    // Over the options dialog, and kept above it by the window manager.
    enterTip->winId();
    if (enterTip->windowHandle() && windowHandle())
        enterTip->windowHandle()->setTransientParent(windowHandle());
    QRect frame = enterTip->rect();
    frame.moveCenter(geometry().center());
    enterTip->move(frame.topLeft());
    enterTip->show();
    m_enterTip = enterTip;
}

void frmOptions::cmdAdd_Click()
{
    showEnterTip(QString(), QString());
}

void frmOptions::cmdEdit_Click()
{
    const int position = lstTips->currentRow();
    if (position < 0)
        return;
    showEnterTip(QString::number(position), lstTips->item(position)->text());
}

void frmOptions::cmdRemove_Click()
{
    const int position = lstTips->currentRow();
    if (position < 0)
        return;
    delete lstTips->takeItem(position);
    const int count = lstTips->count();
    lstTips->setCurrentRow(position < count - 1 ? position : count - 1);
    if (count == 0) {
        cmdEdit->setEnabled(false);
        cmdRemove->setEnabled(false);
    }
}

void frmOptions::warn(const QString &text)
{
    m_ctx.prompter->message(this, text, AppInfo::Title, Prompter::Buttons::Ok,
                            Prompter::Icon::Exclamation);
}

bool frmOptions::SaveOptions()
{
    if (!isValidDelay(txtDelay->text())) {
        warn(tr(NumericWarning));
        SelectTab(TipTextKey);
        txtDelay->setFocus();
        return false;
    }
    if (txtName->text().isEmpty()) {
        warn(tr(NameWarning));
        SelectTab(GeneralKey);
        txtName->setFocus();
        return false;
    }

    mdlVariables &vars = *m_ctx.vars;
    const auto hive = mdlVariables::HKEY_CURRENT_USER;
    const QString &key = AppInfo::RegistryKey;
    bool written = true;
    bool logonWritten = true;

    const bool runAtLogon = chkRunOnStart->isChecked();
    written &= vars.RegSetString(hive, key, QStringLiteral("RunWithWindows"), yesNo(runAtLogon));
    if (m_ctx.logon)
        logonWritten = runAtLogon ? m_ctx.logon->set(QCoreApplication::applicationFilePath())
                                  : m_ctx.logon->remove();

    written &= vars.RegSetString(hive, key, QStringLiteral("ShowWhenStart"),
                                 yesNo(chkShowNote->isChecked()));
    written &= vars.RegSetString(hive, key, QStringLiteral("UserName"), txtName->text());

    written &= saveTips();

    written &=
        vars.RegSetString(hive, key, QStringLiteral("ShowRnd"), yesNo(chkShowRnd->isChecked()));
    vars.RandomTips = chkShowRnd->isChecked();

    const bool showTips = chkShowTip->isChecked();
    written &= vars.RegSetString(hive, key, QStringLiteral("ShowTipText"), yesNo(showTips));
    applyTipSwitch(showTips);

    // The open notes keep their delay; notes pick it up when they are next made.
    written &= vars.RegSetString(hive, key, QStringLiteral("TipDelay"), txtDelay->text());

    vars.UserName = txtName->text();
    if (fraSpelling)
        written &= fraSpelling->save(*m_ctx.spelling);

    const bool workspacesBefore = vars.OptionIsYes(NoteDesktop::WorkspacesOption);
    written &=
        vars.RegSetString(hive, key, NoteDesktop::TaskbarOption, yesNo(chkTaskbar->isChecked()));
    written &= vars.RegSetString(hive, key, NoteDesktop::WorkspacesOption,
                                 yesNo(chkAllWorkspaces->isChecked()));
    NoteDesktop::OptionsChanged(m_ctx, workspacesBefore);

    if (!logonWritten)
        warn(runAtLogon ? tr("Pennyquill could not be set to start when you log on.")
                        : tr("Pennyquill could not be kept from starting when you "
                             "log on."));
    if (!written)
        warn(tr("Your options could not be saved. Please check that the folder "
                "\"%1\" can be written to.")
                 .arg(m_ctx.folders.profileDir()));
    return written && logonWritten;
}

bool frmOptions::saveTips()
{
    mdlVariables &vars = *m_ctx.vars;
    vars.Tips.clear();
    for (int i = 0; i < lstTips->count(); ++i)
        vars.Tips.append(lstTips->item(i)->text());
    vars.Tips.append(QString());

    // All tips go to the file in one write, so the file never holds half a list.
    IniFile ini(cIni(m_ctx.folders).resolve(OptionsFile),
                m_ctx.registry ? m_ctx.registry->fileSystem() : FileSystem::real());
    for (int i = 0; i < vars.TipsCount(); ++i)
        ini.setValue(OptionsSection, QStringLiteral("Tips%1").arg(i), vars.Tips.at(i));
    ini.setValue(OptionsSection, QStringLiteral("TipsCount"), QString::number(vars.TipsCount()));
    return ini.save();
}

void frmOptions::applyTipSwitch(bool showTips)
{
    const QList<Form *> notes = m_ctx.forms->formsNamed(QStringLiteral("frmNote"));
    for (Form *form : notes) {
        auto *note = qobject_cast<frmNote *>(form);
        if (!note || !note->tmrlblADS || !note->lblAds)
            continue;
        if (!showTips) {
            // Hidden notes are switched off as well: no note shows a tip until
            // tips are switched on again.
            note->tmrlblADS->setEnable(false);
            if (note->isVisible())
                note->lblAds->hide();
        } else if (note->isVisible()) {
            note->tmrlblADS->setEnable(true);
            note->lblAds->show();
        }
    }
    // Live notes that are hidden just now get their tips back as well.
    if (showTips) {
        for (Form *form : notes) {
            auto *note = qobject_cast<frmNote *>(form);
            if (note && note->bolShown && note->tmrlblADS)
                note->tmrlblADS->setEnable(true);
        }
    }
}

void frmOptions::cmdOK_Click()
{
    if (SaveOptions())
        Unload();
}

void frmOptions::cmdApply_Click()
{
    cmdApply->setEnabled(!SaveOptions());
}

void frmOptions::cmdCancel_Click()
{
    Unload();
}
