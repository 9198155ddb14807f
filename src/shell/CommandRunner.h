#pragma once

#include "platform/SingleInstance.h"
#include "shell/CommandLine.h"

#include <QList>
#include <QObject>

class Startup;
struct AppContext;

// Carries out what a command line, a later start or the session bus asks of
// the running program, on the notes as the tray menu would. Commands that
// come while the session is still loading wait for it.
class CommandRunner : public QObject
{
    Q_OBJECT
public:
    CommandRunner(AppContext &ctx, Startup &startup, QObject *parent = nullptr);

    // Runs the commands (none: show every note, as a bare later start asks)
    // and answers through respond once they are done, or at once when the
    // answer does not depend on them; the answer to --quit says whether the
    // notes were saved, and the program ends after it when they were.
    void run(const QList<CommandLine::Command> &commands,
             const SingleInstance::Responder &respond = {});

    // Commands given to the first start itself, run once its notes are back.
    // A bare start shows only what the session and the options say.
    void runAtStart(const QList<CommandLine::Command> &commands);

private:
    struct Pending
    {
        QList<CommandLine::Command> commands;
        SingleInstance::Responder respond;
    };
    void runNow(const QList<CommandLine::Command> &commands,
                const SingleInstance::Responder &respond);
    void runPending();
    void newNote(const CommandLine::Command &command);
    void addSkin(const QString &skinFile);
    bool anyNoteShown() const;
    SingleInstance::Reply quit();

    AppContext &m_ctx;
    Startup &m_startup;
    QList<Pending> m_pending;
    bool m_waiting = false;
};
