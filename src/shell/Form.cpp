#include "shell/Form.h"

#include "shell/AppContext.h"
#include "shell/FormRegistry.h"

#include <QGuiApplication>
#include <QScreen>

Form::Form(AppContext &ctx, const QString &formName, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), m_ctx(ctx), m_formName(formName)
{
    setObjectName(formName);
}

Form::~Form()
{
    LeaveForms();
}

void Form::LeaveForms()
{
    if (m_loaded && m_ctx.forms)
        m_ctx.forms->removed(this);
    m_loaded = false;
}

void Form::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    if (m_ctx.forms)
        m_ctx.forms->added(this);
    Form_Load();
}

void Form::Unload()
{
    if (!m_loaded || m_unloading)
        return;
    m_unloading = true;
    Form_Unload();
    hide();
    m_loaded = false;
    if (m_ctx.forms)
        m_ctx.forms->removed(this);
    deleteLater();
}

void Form::UnloadAtExit()
{
    if (!m_loaded || m_unloading)
        return;
    m_unloading = true;
    Form_Unload();
    m_loaded = false;
    if (m_ctx.forms)
        m_ctx.forms->removed(this);
}

void Form::setVisible(bool visible)
{
    const Qt::WindowType type = windowType();
    const bool appearing = visible && !isVisible();
    if (appearing && (type == Qt::Dialog || type == Qt::SplashScreen) &&
        !testAttribute(Qt::WA_Moved)) {
        moveToCentre();
        m_centring = true;
    }
    QWidget::setVisible(visible);
    // Each child shown before its window had a surface asks for its repaint by a posted
    // event. Left in the queue, some of them arrive after the window's first expose and
    // have the whole window painted a second time; handed over now, it is painted once.
    if (appearing && isWindow())
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
}

void Form::showEvent(QShowEvent *event)
{
    if (m_centring) {
        moveToCentre();
        m_centring = false;
    }
    QWidget::showEvent(event);
}

void Form::moveToCentre()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Form::CaptionsInFrames()
{
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 3px;"
        " margin-top: 0.75em; padding: 0.6em 4px 4px 4px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 8px; padding: 0 3px; }"));
}
