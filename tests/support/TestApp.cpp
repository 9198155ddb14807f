#include "TestApp.h"

#include "shell/Form.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

int TestApp::s_alive = 0;

TestApp::TestApp()
    : registry(m_dir.path() + QStringLiteral("/registry.ini")),
      logon(m_dir.path() + QStringLiteral("/autostart")), vars(ctx)
{
    ctx.folders = Folders(m_dir.path(), m_dir.path());
    ctx.folders.ensureExist();
    ctx.clock = &clock;
    ctx.prompter = &prompter;
    ctx.sound = &sound;
    ctx.notifier = &notifier;
    ctx.shell = &shell;
    ctx.random = &random;
    ctx.registry = &registry;
    ctx.logon = &logon;
    ctx.forms = &forms;
    ctx.vars = &vars;
    ++s_alive;
}

TestApp::~TestApp()
{
    // Forms still loaded go before the context they point into.
    const auto loaded = forms.all();
    for (Form *form : loaded)
        delete form;
    // Exit leaves its windows to the ending program; the last test program
    // alive takes them down instead.
    if (--s_alive == 0) {
        QList<QPointer<Form>> left;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *form = qobject_cast<Form *>(window))
                left << form;
        for (const QPointer<Form> &form : left)
            delete form.data();
    }
}

bool TestApp::loadSession(frmSplash *splash)
{
    splash->tmrMoveInfo.stop();
    splash->tmrLoad_Timer();
    return QTest::qWaitFor([splash] { return splash->sessionLoaded(); }, 10000);
}
