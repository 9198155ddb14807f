#include "skintool/frmSplash.h"

#include "shell/AppContext.h"
#include "shell/FormRegistry.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace skinsmith {

frmSplash::frmSplash(AppContext &ctx)
    : Form(ctx, QStringLiteral("frmSplash"), Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Pennyquill skinsmith"));
    setFixedSize(340, 150);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap(QStringLiteral(":/skinsmith/icon128.png"))
                          .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Image1->setGeometry(20, 27, 96, 96);

    lblName = new QLabel(QStringLiteral("skinsmith"), this);
    QFont big(QStringLiteral("DejaVu Serif"));
    big.setPixelSize(30);
    big.setItalic(true);
    lblName->setFont(big);
    lblName->setStyleSheet(QStringLiteral("color: #6b4a0e;"));
    lblName->setGeometry(130, 34, 200, 40);

    lblVersion = new QLabel(QStringLiteral(" Version 1.0 Beta"), this);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    lblVersion->setFont(tahoma);
    lblVersion->setStyleSheet(QStringLiteral("color: #8a5a12;"));
    lblVersion->setGeometry(132, 80, 200, 18);

    auto *maker = new QLabel(tr("Skins for Pennyquill notes"), this);
    maker->setFont(tahoma);
    maker->setStyleSheet(QStringLiteral("color: #777777;"));
    maker->setGeometry(132, 100, 200, 18);

    tmrLoad.setInterval(LoadDelayMs);
    tmrLoad.setSingleShot(true);
    connect(&tmrLoad, &QTimer::timeout, this, &frmSplash::tmrLoad_Timer);
}

void frmSplash::Form_Load()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    tmrLoad.start();
}

void frmSplash::tmrLoad_Timer()
{
    // The main window is loaded first, so the program does not end in between.
    if (Form *main = m_ctx.forms->defaultInstance(QStringLiteral("frmSkinsmith")))
        main->show();
    Unload();
}

} // namespace skinsmith
