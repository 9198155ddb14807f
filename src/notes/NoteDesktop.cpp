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

bool NoteDesktop::option(const QString &name) const
{
    return m_ctx.vars && m_ctx.vars->OptionIsYes(name);
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
        item->setToolTip(QStringLiteral("Your desktop does not let a program show a window on "
                                        "every workspace."));
    }
    connect(item, &QAction::triggered, this, [this](bool on) { setOnAllWorkspaces(on); });
}

void NoteDesktop::OptionsChanged(AppContext &ctx, bool workspacesBefore)
{
    const bool workspaces = ctx.vars->OptionIsYes(WorkspacesOption);
    const bool taskbar = ctx.vars->OptionIsYes(TaskbarOption);
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
