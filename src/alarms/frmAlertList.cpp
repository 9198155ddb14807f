#include "alarms/frmAlertList.h"

#include "alarms/AlarmAnswer.h"
#include "alarms/AlarmEntry.h"
#include "alarms/frmAlert.h"
#include "notes/frmNote.h"
#include "platform/Notifier.h"
#include "platform/Sound.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/mdlVariables.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

frmAlertList::frmAlertList(AppContext &ctx)
    : Form(ctx, QStringLiteral("frmAlertList"),
           Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Alarms"));
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/alert/icon%1.png").arg(size));
    setWindowIcon(icon);
    resize(440, 320);

    lblDue = new QLabel(this);
    lblDue->setObjectName(QStringLiteral("lblDue"));
    lblDue->setWordWrap(true);
    lstDue = new QListWidget(this);
    lstDue->setObjectName(QStringLiteral("lstDue"));
    lstDue->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstDue->setUniformItemSizes(true); // thousands of rows stay cheap to lay out
    cmdSnooz = new QPushButton(tr("&Snooz"), this);
    cmdSnooz->setObjectName(QStringLiteral("cmdSnooz"));
    cmdOK = new QPushButton(tr("&Dismiss"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAlertList::cmdOK_Click);
    connect(cmdSnooz, &QPushButton::clicked, this, &frmAlertList::cmdSnooz_Click);

    mnuSnooz = new QMenu(tr("Snooz"), this);
    mnuSnooz->setObjectName(QStringLiteral("mnuSnooz"));
    for (int minutes : {1, 2, 3, 5, 10, 15, 20, 30, 45, 60}) {
        const QString caption = minutes == 60  ? tr("1 Hour")
                                : minutes == 1 ? tr("1 Minute")
                                               : tr("%1 Minutes").arg(minutes);
        QAction *action = mnuSnooz->addAction(caption);
        connect(action, &QAction::triggered, this, [this, minutes] { SnoozeSelected(minutes); });
        if (minutes == frmAlert::DefaultSnooze)
            mnuSnooz->setDefaultAction(action);
        if (minutes == 5)
            mnuSnooz->addSeparator();
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSnooz);
    buttons->addWidget(cmdOK);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblDue);
    layout->addWidget(lstDue);
    layout->addLayout(buttons);

    // Rows go with their note.
    if (m_ctx.forms)
        connect(m_ctx.forms, &FormRegistry::formUnloaded, this, &frmAlertList::senderUnloaded);
}

frmAlertList::~frmAlertList() = default;

void frmAlertList::Form_Load()
{
    mdlVariables::SetTopMost(this, mdlVariables::HWND_TOPMOST);
}

frmAlertList *frmAlertList::Find(const FormRegistry &forms)
{
    return qobject_cast<frmAlertList *>(forms.find(QStringLiteral("frmAlertList")));
}

frmAlertList *frmAlertList::Gather(AppContext &ctx, frmNote *sender, int listIndex,
                                   const AlarmEntry &entry)
{
    frmAlertList *list = Find(*ctx.forms);
    const bool made = !list;
    if (made) {
        list = new frmAlertList(ctx);
        list->Load();
    }
    list->add(sender, listIndex, entry);
    if (made) {
        list->lstDue->setCurrentRow(0);
        list->show();
        if (ctx.notifier)
            ctx.notifier->notify(AppInfo::Title + tr(" alarm"),
                                 tr("More alarms are due than windows are opened "
                                    "for: they are listed in one window."));
    }
    return list;
}

void frmAlertList::add(frmNote *sender, int listIndex, const AlarmEntry &entry)
{
    sender->lstAlarms->setText(listIndex, entry.line());
    m_due.append({sender, listIndex, entry.Index, entry.UnmarkedText});
    m_held.insert({sender, entry.Index});
    const QString message = entry.Message.simplified();
    lstDue->addItem(entry.TimeText + QStringLiteral("   ") + message);
    showCount();
}

bool frmAlertList::Holds(const frmNote *sender, int alarmIndex) const
{
    return m_held.contains({sender, alarmIndex});
}

void frmAlertList::showCount()
{
    lblDue->setText(tr("%1 more alarms are due. Dismiss or snooze the ones you "
                       "select; closing this window snoozes those left for %2 "
                       "minutes.")
                        .arg(m_due.size())
                        .arg(frmAlert::DefaultSnooze));
}

QList<frmAlertList::Due> frmAlertList::takeSelected()
{
    QList<int> rows;
    for (const QModelIndex &index : lstDue->selectionModel()->selectedRows())
        rows.append(index.row());
    if (rows.isEmpty())
        for (int row = 0; row < lstDue->count(); ++row)
            rows.append(row);
    return takeRows(rows);
}

QList<frmAlertList::Due> frmAlertList::takeRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    QList<Due> taken;
    for (int row : rows) {
        delete lstDue->takeItem(row);
        const Due due = m_due.takeAt(row);
        m_held.remove({due.sender.data(), due.alarmIndex});
        taken.append(due);
    }
    return taken;
}

void frmAlertList::cmdOK_Click()
{
    QList<Due> taken = takeSelected();
    // From the end of each list, so that a removal does not move the entries still to come.
    std::sort(taken.begin(), taken.end(),
              [](const Due &a, const Due &b) { return a.listIndex > b.listIndex; });
    m_ctx.sound->stop();
    for (const Due &due : taken)
        if (due.sender)
            AlarmAnswer::dismiss(m_ctx, *due.sender, due.listIndex, due.alarmIndex,
                                 due.unmarkedRtf);
    answered();
}

void frmAlertList::cmdSnooz_Click()
{
    mnuSnooz->popup(cmdSnooz->mapToGlobal(QPoint(0, cmdSnooz->height())));
    mnuSnooz->setActiveAction(mnuSnooz->defaultAction());
}

void frmAlertList::SnoozeSelected(int minutes)
{
    m_ctx.sound->stop();
    for (const Due &due : takeSelected())
        if (due.sender)
            AlarmAnswer::snooze(m_ctx, *due.sender, due.listIndex, due.alarmIndex, minutes);
    answered();
}

void frmAlertList::answered()
{
    if (m_due.isEmpty())
        Unload();
    else
        showCount();
}

void frmAlertList::closeEvent(QCloseEvent *event)
{
    // The title bar's close button: every row left is snoozed, as an alert's close does.
    lstDue->clearSelection();
    SnoozeSelected(frmAlert::DefaultSnooze);
    event->accept();
}

void frmAlertList::senderUnloaded(Form *form)
{
    QList<int> rows;
    for (int row = 0; row < m_due.size(); ++row)
        if (m_due.at(row).sender == form || !m_due.at(row).sender)
            rows.append(row);
    if (rows.isEmpty())
        return;
    takeRows(rows);
    answered();
}
