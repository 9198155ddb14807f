#include "notes/NoteDesktop.h"

#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "platform/DesktopHints.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/mdlVariables.h"

#include <QAction>
#include <QEvent>
#include <QTextBlock>
#include <QTextDocument>

NoteDesktop::NoteDesktop(frmNote &note, AppContext &ctx) : QObject(&note), m_note(note), m_ctx(ctx)
{
    note.installEventFilter(this);
    connect(note.rtxtMain, &RichTextBox::Change, this, &NoteDesktop::updateTitle);
}

QString NoteDesktop::TitleFor(const QString &firstLine)
{
    const QString title = firstLine.simplified().left(TitleLength).trimmed();
    return title.isEmpty() ? AppInfo::Title : title;
}

void NoteDesktop::updateTitle()
{
    const QString title = TitleFor(m_note.rtxtMain->document()->firstBlock().text());
    if (m_note.windowTitle() != title)
        m_note.setWindowTitle(title);
}

namespace {

// The two options as last read: each note asks when it is shown, and reading the settings a
// thousand times would slow the start. Only the options dialog changes them while the
// program runs, and it calls OptionsChanged, which reads them again.
struct Options
{
    const mdlVariables *vars = nullptr;
    bool taskbar = false;
    bool workspaces = false;
};
Options cachedOptions;

const Options &readOptions(const mdlVariables *vars, bool again = false)
{
    if (vars && (again || cachedOptions.vars != vars))
        cachedOptions = {vars, vars->OptionIsYes(NoteDesktop::TaskbarOption),
                         vars->OptionIsYes(NoteDesktop::WorkspacesOption)};
    return cachedOptions;
}

} // namespace

bool NoteDesktop::option(const QString &name) const
{
    if (!m_ctx.vars)
        return false;
    const Options &options = readOptions(m_ctx.vars);
    return name == TaskbarOption ? options.taskbar : options.workspaces;
}

bool NoteDesktop::onAllWorkspaces() const
{
    return m_allWorkspaces.value_or(option(WorkspacesOption));
}

void NoteDesktop::setOnAllWorkspaces(bool all)
{
    const bool changed = onAllWorkspaces() != all || !m_allWorkspaces;
    m_allWorkspaces = all;
    if (m_item)
        m_item->setChecked(all);
    if (!changed)
        return;
    DesktopHints::setOnAllWorkspaces(m_note.isVisible() ? &m_note : nullptr, all);
    emit m_note.NoteChanged();
}

bool NoteDesktop::inTaskbar() const
{
    return m_inTaskbar.value_or(option(TaskbarOption));
}

void NoteDesktop::setInTaskbar(bool shown)
{
    m_inTaskbar = shown;
    DesktopHints::setSkipTaskbar(m_note.isVisible() ? &m_note : nullptr, !shown);
}

void NoteDesktop::wireMenuItem(QAction *item)
{
    m_item = item;
    item->setCheckable(true);
    item->setChecked(onAllWorkspaces());
    if (!DesktopHints::offered()) {
        item->setEnabled(false);
        item->setToolTip(tr("Your desktop does not let a program show a window on "
                            "every workspace."));
    }
    connect(item, &QAction::triggered, this, [this](bool on) { setOnAllWorkspaces(on); });
}

void NoteDesktop::OptionsChanged(AppContext &ctx, bool workspacesBefore)
{
    const Options &options = readOptions(ctx.vars, true);
    const bool workspaces = options.workspaces;
    const bool taskbar = options.taskbar;
    for (Form *form : ctx.forms->formsNamed(QStringLiteral("frmNote"))) {
        auto *note = qobject_cast<frmNote *>(form);
        if (!note || !note->bolShown)
            continue;
        note->desktop().setInTaskbar(taskbar);
        // Changing the option puts every note where it says; each note may then differ.
        if (workspaces != workspacesBefore)
            note->desktop().setOnAllWorkspaces(workspaces);
    }
}

bool NoteDesktop::eventFilter(QObject *watched, QEvent *event)
{
    // The window manager reads the hints when the window appears (again).
    if (watched == &m_note && event->type() == QEvent::Show) {
        DesktopHints::setSkipTaskbar(&m_note, !inTaskbar());
        DesktopHints::setOnAllWorkspaces(&m_note, onAllWorkspaces());
    }
    return false;
}
