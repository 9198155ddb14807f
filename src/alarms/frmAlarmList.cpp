#include "alarms/frmAlarmList.h"

#include "alarms/AlarmEntry.h"
#include "alarms/AlarmMarks.h"
#include "alarms/AlarmWhen.h"
#include "alarms/frmAlert.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int RowRole = Qt::UserRole; // the item's place in m_rows

// The words inside the mark of `index` in a note's plain text: after "[" and
// exactly those digits, up to "]".
QString markedWords(const QString &text, int index)
{
    const QString opening = QLatin1Char('[') + QString::number(index);
    for (qsizetype at = text.indexOf(opening); at >= 0; at = text.indexOf(opening, at + 1)) {
        const qsizetype from = at + opening.size();
        if (from < text.size() && text.at(from).isDigit())
            continue; // "[1" opening "[12"
        const qsizetype to = text.indexOf(QLatin1Char(']'), from);
        return text.mid(from, to < 0 ? -1 : to - from).simplified();
    }
    return {};
}

} // namespace

frmAlarmList::frmAlarmList(AppContext &ctx) : Form(ctx, QStringLiteral("frmAlarmList"))
{
    setWindowTitle(tr("Alarms"));
    resize(720, 320);
    lvwAlarms = new QTreeWidget(this);
    lvwAlarms->setObjectName(QStringLiteral("lvwAlarms"));
    lvwAlarms->setRootIsDecorated(false);
    lvwAlarms->setUniformRowHeights(true);
    lvwAlarms->setHeaderLabels(
        {tr("Next due"), tr("Repeat"), tr("Message"), tr("Marked words"), tr("Note")});
    lvwAlarms->header()->setStretchLastSection(true);
    lvwAlarms->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(lvwAlarms);
    connect(lvwAlarms, &QTreeWidget::itemActivated, this, &frmAlarmList::lvwAlarms_Activate);

    m_refresh.setSingleShot(true);
    m_refresh.setInterval(0);
    connect(&m_refresh, &QTimer::timeout, this, &frmAlarmList::Refresh);
    connect(m_ctx.forms, &FormRegistry::formLoaded, this, &frmAlarmList::watch);
    connect(m_ctx.forms, &FormRegistry::formUnloaded, this, [this] { m_refresh.start(); });
    for (Form *form : m_ctx.forms->formsNamed(QStringLiteral("frmNote")))
        watch(form);
}

frmAlarmList::~frmAlarmList()
{
    // Leaving the forms last (in Form's destructor) must not wake the list's parts, gone by then.
    disconnect(m_ctx.forms, nullptr, this, nullptr);
}

frmAlarmList *frmAlarmList::Open(AppContext &ctx)
{
    auto *list = qobject_cast<frmAlarmList *>(ctx.forms->find(QStringLiteral("frmAlarmList")));
    if (!list) {
        list = new frmAlarmList(ctx);
        list->Load();
    }
    list->show();
    list->raise();
    list->activateWindow();
    return list;
}

void frmAlarmList::Form_Load()
{
    Refresh();
    lvwAlarms->setFocus(Qt::OtherFocusReason);
}

void frmAlarmList::Form_Unload()
{
    // Notes unloaded along with the list must not wake it.
    m_refresh.stop();
    disconnect(m_ctx.forms, nullptr, this, nullptr);
}

void frmAlarmList::watch(Form *form)
{
    if (auto *note = qobject_cast<frmNote *>(form)) {
        connect(note->lstAlarms, &AlarmList::changed, &m_refresh, qOverload<>(&QTimer::start),
                Qt::UniqueConnection);
        m_refresh.start();
    }
}

void frmAlarmList::Refresh()
{
    if (!isLoaded())
        return;
    const QDateTime now = m_ctx.clock->now();
    std::vector<Row> rows;
    for (Form *form : m_ctx.forms->formsNamed(QStringLiteral("frmNote"))) {
        auto *note = qobject_cast<frmNote *>(form);
        if (!note || note->lstAlarms->count() == 0)
            continue;
        const QString text = note->rtxtMain->Text();
        // The first line as the user wrote it, without the marks' brackets and indexes.
        static const QRegularExpression marks(QStringLiteral("\\[\\d+|\\]"));
        const QString firstLine =
            text.section(QStringLiteral("\r\n"), 0, 0).remove(marks).simplified();
        for (const QString &line : note->lstAlarms->lines()) {
            const std::optional<AlarmEntry> entry = AlarmEntry::parse(line);
            if (!entry)
                continue;
            const std::optional<AlarmWhen> when =
                AlarmWhen::read(entry->TimeText, entry->repeatField());
            Row row;
            row.Note = note;
            row.Index = entry->Index;
            QString due = entry->TimeText;
            if (entry->isPlayed()) {
                row.Due = now;
                due = tr("now (alert open)");
            } else if (when) {
                row.Due = when->nextDue(now);
                due = AlarmWhen::describe(row.Due.date(), row.Due.time(), now.date());
            }
            row.Columns = {due, when ? when->repeatText() : QString(), entry->Message,
                           markedWords(text, entry->Index), firstLine};
            rows.push_back(std::move(row));
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        if (a.Due.isValid() != b.Due.isValid())
            return a.Due.isValid();
        return a.Due < b.Due;
    });

    // The current row stays current where it is still there.
    const QTreeWidgetItem *current = lvwAlarms->currentItem();
    const frmNote *currentNote = current ? noteOf(current) : nullptr;
    const int currentIndex = current ? indexOf(current) : 0;
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(rows.size()));
    QTreeWidgetItem *keep = nullptr;
    for (const Row &row : rows) {
        auto *item = new QTreeWidgetItem(row.Columns);
        item->setData(0, RowRole, int(items.size()));
        if (row.Note == currentNote && row.Index == currentIndex)
            keep = item;
        items.append(item);
    }
    m_rows = std::move(rows);
    lvwAlarms->clear();
    lvwAlarms->addTopLevelItems(items);
    if (!keep && !items.isEmpty())
        keep = items.first();
    lvwAlarms->setCurrentItem(keep);
    for (const int column : {ColDue, ColRepeat})
        lvwAlarms->resizeColumnToContents(column);
}

frmNote *frmAlarmList::noteOf(const QTreeWidgetItem *item) const
{
    const int row = item->data(0, RowRole).toInt();
    frmNote *note = row < int(m_rows.size()) ? m_rows[size_t(row)].Note.data() : nullptr;
    // A note unloaded since the last refill is gone, or about to be.
    return note && note->isLoaded() ? note : nullptr;
}

int frmAlarmList::indexOf(const QTreeWidgetItem *item) const
{
    const int row = item->data(0, RowRole).toInt();
    return row < int(m_rows.size()) ? m_rows[size_t(row)].Index : 0;
}

bool frmAlarmList::caretIntoMark(frmNote *note, int index)
{
    const int at = AlarmMarks::findMark(*note->rtxtMain, index);
    if (at < 0)
        return false;
    note->rtxtMain->setSelStart(at + 1);
    return true;
}

void frmAlarmList::lvwAlarms_Activate()
{
    const QTreeWidgetItem *item = lvwAlarms->currentItem();
    frmNote *note = item ? noteOf(item) : nullptr;
    if (!note)
        return;
    note->show();
    note->raise();
    note->activateWindow();
    note->rtxtMain->setFocus(Qt::OtherFocusReason);
    // As a click in the mark: the mark selected, its time on the message line.
    if (caretIntoMark(note, indexOf(item)))
        note->rtxtMain_Click();
}

void frmAlarmList::lvwAlarms_Delete()
{
    const QTreeWidgetItem *item = lvwAlarms->currentItem();
    frmNote *note = item ? noteOf(item) : nullptr;
    if (!note)
        return;
    const int index = indexOf(item);
    if (frmAlert::OpenFor(*m_ctx.forms, note, index)) {
        m_ctx.prompter->message(
            this,
            tr("You cannot clear the alarm set to this text because the alart window "
               "for this text is now shown, you can Dismissed or Snooz it from its "
               "alart window."),
            AppInfo::Title, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
        return;
    }
    if (caretIntoMark(note, index)) {
        note->mnuAlarmClear_Click();
        return;
    }
    // An entry whose mark is gone from the text: only the entry to remove.
    for (int row = 0; row < note->lstAlarms->count(); ++row) {
        const std::optional<AlarmEntry> entry = AlarmEntry::parse(note->lstAlarms->text(row));
        if (entry && entry->Index == index) {
            note->lstAlarms->removeAt(row);
            return;
        }
    }
}

bool frmAlarmList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lvwAlarms && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        lvwAlarms_Delete();
        return true;
    }
    return Form::eventFilter(watched, event);
}

void frmAlarmList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        Unload();
    else
        Form::keyPressEvent(event);
}

void frmAlarmList::closeEvent(QCloseEvent *event)
{
    event->accept();
    Unload();
}
