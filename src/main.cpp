#include "about/frmAbout.h"
#include "about/frmSupport.h"
#include "find/NotesCatalog.h"
#include "find/frmNotesList.h"
#include "platform/Languages.h"
#include "platform/LogonEntry.h"
#include "platform/Prompter.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationWatcher.h"
#include "shell/AppInfo.h"
#include "shell/CommandLine.h"
#include "shell/FormRegistry.h"
#include "shell/InitialSettings.h"
#include "shell/NotesBus.h"
#include "shell/ProgramContext.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"
#include "skins/frmSkins.h"
#include "tips/frmOptions.h"

#include <QApplication>
#include <QDBusConnection>
#include <QFile>
#include <QIcon>
#include <QSessionManager>
#include <cstdio>
#include <cstdlib>

namespace {

// Notes are placed where the user left them. A Wayland session does not let
// a program place its own windows, so run on XWayland when there is one.
void preferXWayland()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// Qt's own event loop instead of GLib's: GLib's writes its wake-up file for every event the
// window system's reader thread hands over, and with a thousand notes opening those
// wake-ups and the thread switches they cause cost a quarter of the start. Nothing in the
// program needs GLib's loop. A user's own setting is kept; ours is taken back once the
// application has its loop, so programs started from a note do not inherit it.
bool preferQtEventLoop()
{
    if (qEnvironmentVariableIsSet("QT_NO_GLIB"))
        return false;
    qputenv("QT_NO_GLIB", "1");
    return true;
}

// The help, the version, or the error (on the error stream).
void print(const CommandLine &line)
{
    FILE *stream = line.action() == CommandLine::Action::Fail ? stderr : stdout;
    std::fputs(line.output().toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char **argv)
{
    // Help, version and a wrong option need no display, so they are answered first.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine early(rawArguments);
    if (early.action() != CommandLine::Action::Run) {
        // Read again in the user's language, which needs an application but no display.
        QCoreApplication core(argc, argv);
        Languages languages({QStringLiteral("pennyquill")}, Languages::shippedFolder(),
                            Languages::qtFolder());
        languages.install(Languages::wantedFromProcess());
        const CommandLine answer(rawArguments);
        print(answer);
        return answer.exitCode();
    }

    preferXWayland();
    const bool qtEventLoop = preferQtEventLoop();
    QApplication app(argc, argv);
    if (qtEventLoop)
        qunsetenv("QT_NO_GLIB");
    Languages languages({QStringLiteral("pennyquill")}, Languages::shippedFolder(),
                        Languages::qtFolder());
    languages.install(Languages::wantedFromProcess());
    // Qt has taken its own options (-platform, -style ...) out by now.
    const CommandLine commandLine(QApplication::arguments());
    if (commandLine.action() != CommandLine::Action::Run) {
        print(commandLine);
        return commandLine.exitCode();
    }
    QApplication::setApplicationName(AppInfo::Title);
    QApplication::setOrganizationName(AppInfo::MakerName);
    // One size only: the window system is handed every size of the icon for each window made,
    // a thousand notes included. Notes carry this one, the note picture at 48 pixels.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/note/icon48.png")));
    // The program lives on in the tray while no note is showing.
    QApplication::setQuitOnLastWindowClosed(false);

    ProgramContext program(Folders::fromEnvironment(), LogonEntry::defaultDir());
    AppContext &ctx = program.ctx;

    // One copy per data folder. A later start hands what it asks to the running
    // copy, prints its answer and ends with its status.
    SingleInstance instance(ctx.folders.dataDir());
    SingleInstance::Result held = instance.acquire();
    if (held == SingleInstance::Result::Running) {
        const QList<CommandLine::Command> commands = commandLine.commands();
        // Saving many notes takes longer than taking a command.
        const bool quits =
            !commands.isEmpty() && commands.last().kind == CommandLine::Command::Kind::Quit;
        if (const auto reply =
                instance.handOff(CommandLine::encode(commands), quits ? 60000 : 5000)) {
            std::fputs(reply->output.toLocal8Bit().constData(),
                       reply->status == 0 ? stdout : stderr);
            return reply->status;
        }
        // Its holder may have ended without ever listening: the lock is then this start's.
        held = instance.acquire();
    }
    if (held == SingleInstance::Result::First && !commandLine.startsProgram()) {
        std::fprintf(stderr, "pennyquill: %s\n",
                     qPrintable(CommandLine::tr("Pennyquill is not running.")));
        return 1;
    }
    if (held != SingleInstance::Result::First) {
        fprintf(stderr, "pennyquill: %s\n", qPrintable(instance.errorText()));
        ctx.prompter->message(nullptr, instance.errorText(), AppInfo::Title, Prompter::Buttons::Ok,
                              Prompter::Icon::Exclamation);
        return 1;
    }
    FormRegistry &forms = program.forms;

    InitialSettings::apply(ctx);

    forms.setFactory(QStringLiteral("frmAbout"), [&ctx] { return new frmAbout(ctx); });
    forms.setFactory(QStringLiteral("frmSupport"), [&ctx] { return new frmSupport(ctx); });
    forms.setFactory(QStringLiteral("frmOptions"), [&ctx] { return new frmOptions(ctx); });
    forms.setFactory(QStringLiteral("frmSkins"), [&ctx] { return new frmSkins(ctx); });
    // Follows every note from its first load, for the notes list and the bus's FindNotes.
    NotesCatalog catalog(ctx);
    forms.setFactory(QStringLiteral("frmNotesList"),
                     [&ctx, &catalog] { return new frmNotesList(ctx, catalog); });
    // exit, not quit: quit would first close every window one by one, which with the
    // notes still on screen takes a time that grows with the square of their number.
    QObject::connect(&forms, &FormRegistry::lastFormUnloaded, &app,
                     [] { QCoreApplication::exit(0); });

    Startup startup(ctx);
    // With --new the words on the line are the note's text, not a skin file.
    startup.setArguments({commandLine.skinPath()});
    startup.run();
    startup.commands().runAtStart(commandLine.commands());
    instance.setHandler(
        [&startup](const QStringList &message, const SingleInstance::Responder &respond) {
            startup.SecondStart(message, respond);
        });

    NotesBus bus(ctx);
    bus.setCatalog(&catalog);
    bus.setCommands(&startup.commands());
    if (bus.registerOn(QDBusConnection::sessionBus()))
        ctx.bus = &bus;

    // No edit is lost when the desktop session ends or the program is told to
    // stop: the session is written first.
    QObject::connect(&app, &QGuiApplication::commitDataRequest,
                     [&startup](QSessionManager &) { startup.SaveRequested(); });
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested,
                     [&startup] { startup.StopRequested(); });
    // Until the notes are back there is nothing to save, and a huge note can keep the main
    // thread from its events for long: a stop signal ends the program at once meanwhile.
    TerminationWatcher::setLeftovers({instance.lockPath(), instance.serverPath()});
    TerminationWatcher::setEndAtOnce(true);
    QObject::connect(startup.splash(), &frmSplash::sessionBack, &app,
                     [] { TerminationWatcher::setEndAtOnce(false); });

    const int result = QApplication::exec();
    forms.unloadAll();
    // Everything is written by now. Taking every window down one by one would wait on the
    // window system once per window (seconds with many notes); it drops them all at once
    // when the program ends. Only the single-instance lock is let go first.
    QFile::remove(instance.lockPath());
    std::fflush(nullptr);
    std::_Exit(result);
}
