#include "platform/DesktopShell.h"
#include "platform/DisplayCheck.h"
#include "platform/Languages.h"
#include "platform/QtPrompter.h"
#include "shell/AppContext.h"
#include "shell/FormRegistry.h"
#include "skintool/SkinsmithCommandLine.h"
#include "skintool/frmSkinsmith.h"
#include "skintool/frmSplash.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <cstdio>

namespace {

// skinsmith's own captions, and the notes program's for the skin files both read.
Languages skinsmithLanguages()
{
    return Languages({QStringLiteral("skinsmith"), QStringLiteral("pennyquill")},
                     Languages::shippedFolder(), Languages::qtFolder());
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    // Commands for scripts run without a window or a display.
    if (SkinsmithCommandLine::wanted(arguments)) {
        QCoreApplication app(argc, argv);
        Languages languages = skinsmithLanguages();
        languages.install(Languages::wantedFromProcess());
        QCoreApplication::setApplicationName(QStringLiteral("skinsmith"));
        QTextStream out(stdout);
        QTextStream err(stderr);
        return SkinsmithCommandLine::run(QCoreApplication::arguments(), out, err);
    }
    if (!DisplayCheck::available()) {
        QCoreApplication app(argc, argv);
        Languages languages = skinsmithLanguages();
        languages.install(Languages::wantedFromProcess());
        std::fprintf(stderr, "skinsmith: %s\n",
                     qPrintable(SkinsmithCommandLine::tr(
                         "no display to open the window on; the commands work without one "
                         "(skinsmith --help)")));
        return SkinsmithCommandLine::ExitUsage;
    }

    QApplication app(argc, argv);
    Languages languages = skinsmithLanguages();
    languages.install(Languages::wantedFromProcess());
    QApplication::setApplicationName(QStringLiteral("skinsmith"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/skinsmith/icon%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    // The program ends when its last form is unloaded, not when a window hides.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPrompter prompter;
    DesktopShell shell;
    FormRegistry forms;
    AppContext ctx;
    ctx.prompter = &prompter;
    ctx.shell = &shell;
    ctx.forms = &forms;
    forms.setFactory(QStringLiteral("frmSkinsmith"), [&ctx] { return new frmSkinsmith(ctx); });
    QObject::connect(&forms, &FormRegistry::lastFormUnloaded, &app, &QCoreApplication::quit);

    auto *splash = new skinsmith::frmSplash(ctx);
    splash->Load();
    splash->show();
    const int result = QApplication::exec();
    forms.unloadAll();
    return result;
}
