#include "about/frmAbout.h"
#include "about/frmSupport.h"
#include "platform/LogonEntry.h"
#include "platform/Prompter.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationWatcher.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/InitialSettings.h"
#include "shell/ProgramContext.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"
#include "tips/frmOptions.h"

#include <QApplication>
#include <QIcon>
#include <QSessionManager>

#include <cstdio>

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

} // namespace

int main(int argc, char **argv)
{
    preferXWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::Title);
    QApplication::setOrganizationName(AppInfo::MakerName);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/note/icon128.png")));
    // The program lives on in the tray while no note is showing.
    QApplication::setQuitOnLastWindowClosed(false);

    ProgramContext program(Folders::fromEnvironment(), LogonEntry::defaultDir());
    AppContext &ctx = program.ctx;

    // One copy per data folder; a later start hands its command line over.
    SingleInstance instance(ctx.folders.dataDir());
    const SingleInstance::Result held = instance.acquire();
    if (held == SingleInstance::Result::Running && instance.handOff(app.arguments().mid(1)))
        return 0;
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
    QObject::connect(&forms, &FormRegistry::lastFormUnloaded, &app, &QCoreApplication::quit);

    Startup startup(ctx);
    startup.run();
    QObject::connect(&instance, &SingleInstance::argumentsReceived, &app,
                     [&startup](const QStringList &arguments) { startup.SecondStart(arguments); });

    // No edit is lost when the desktop session ends or the program is told to
    // stop: the session is written first.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, [&startup](QSessionManager &) {
        if (frmSplash *splash = startup.splash())
            splash->SaveSession();
    });
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, [&forms] {
        forms.unloadAll();
        QCoreApplication::quit();
    });

    const int result = QApplication::exec();
    forms.unloadAll();
    return result;
}
