#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QAction;
class frmNote;
struct AppContext;

// How a note stands among the desktop's windows: its window title is the
// first line of its text, so window lists and screen readers tell notes
// apart; the taskbar and the pager leave it out unless the user wants it
// there ("ShowInTaskbar"); and it shows on every workspace when the user
// asks so, for this note ("On All Workspaces") or for all ("AllWorkspaces").
class NoteDesktop : public QObject
{
    Q_OBJECT
public:
    static constexpr int TitleLength = 40;
    static inline const QString TaskbarOption = QStringLiteral("ShowInTaskbar");
    static inline const QString WorkspacesOption = QStringLiteral("AllWorkspaces");

    NoteDesktop(frmNote &note, AppContext &ctx);

    // The title for a note whose text begins with this line.
    static QString TitleFor(const QString &firstLine);

    // Shown on every workspace: the note's own choice, else the option's.
    bool onAllWorkspaces() const;
    void setOnAllWorkspaces(bool all);
    // The note's own choice, when it made one (what the session keeps).
    std::optional<bool> ownWorkspaces() const { return m_allWorkspaces; }
    bool inTaskbar() const;
    void setInTaskbar(bool shown);

    // The note menu's "On All Workspaces": checked as the note is, greyed
    // where the window system offers no workspaces to a program.
    void wireMenuItem(QAction *item);

    // Options saved: every note takes the taskbar option, and the workspaces
    // option when it changed from workspacesBefore.
    static void OptionsChanged(AppContext &ctx, bool workspacesBefore);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateTitle();
    bool option(const QString &name) const;

    frmNote &m_note;
    AppContext &m_ctx;
    std::optional<bool> m_allWorkspaces;
    std::optional<bool> m_inTaskbar;
    QAction *m_item = nullptr;
};
