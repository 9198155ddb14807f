#include "notes/frmToolTip.h"

#include "notes/PictureButton.h"
#include "shell/AppContext.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "shell/mdlVariables.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace {

constexpr int LabelLeft = 17;
constexpr int LabelWidth = 114;
constexpr int DesignWidth = 146; // pixels
constexpr int MinimumWidthTwips = 600;

} // namespace

frmToolTip::frmToolTip(AppContext &ctx)
    : Form(ctx, QStringLiteral("frmToolTip"),
           Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    resize(DesignWidth, 40);

    lblToolTip = new QLabel(this);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(6.75);
    lblToolTip->setFont(tahoma);
    lblToolTip->setWordWrap(true);
    lblToolTip->setForegroundRole(QPalette::WindowText);
    lblToolTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblToolTip->setGeometry(LabelLeft, 5, LabelWidth, 20);

    butClose = new PictureButton(QStringLiteral(":/note/butClose.png"), this, this);
    butCloseC = new PictureButton(QStringLiteral(":/note/butCloseC.png"), this, this);
    butCloseC->hide();

    tmrUnload.setInterval(3000);
    connect(&tmrUnload, &QTimer::timeout, this, &frmToolTip::tmrUnload_Timer);
}

void frmToolTip::PictureDown(PictureButton *button, Qt::MouseButton)
{
    if (button == butClose)
        butCloseC->show();
}

void frmToolTip::PictureUp(PictureButton *button, Qt::MouseButton, bool)
{
    if (button == butClose)
        Unload();
}

frmToolTip *frmToolTip::Loaded(AppContext &ctx)
{
    return qobject_cast<frmToolTip *>(ctx.forms->find(QStringLiteral("frmToolTip")));
}

frmToolTip *frmToolTip::Open(AppContext &ctx)
{
    if (frmToolTip *open = Loaded(ctx))
        return open;
    auto *balloon = new frmToolTip(ctx);
    balloon->Load();
    return balloon;
}

void frmToolTip::CheckWidth() {}

void frmToolTip::CheckHeight()
{
    const QString text = lblToolTip->text();
    if (text.size() > 200)
        lblToolTip->setText(text.left(250) + QStringLiteral("..."));
}

void frmToolTip::showBalloon()
{
    layoutBalloon();
    show();
    raise();
    mdlVariables::SetTopMost(this, mdlVariables::HWND_TOPMOST);
    tmrUnload.start();
}

void frmToolTip::layoutBalloon()
{
    CheckWidth();
    CheckHeight();
    lblToolTip->setFixedWidth(LabelWidth);
    const int labelHeight = lblToolTip->heightForWidth(LabelWidth);
    lblToolTip->setFixedHeight(std::max(labelHeight, lblToolTip->fontMetrics().height()));
    int w = width();
    if (Twips::fromPixels(w) < MinimumWidthTwips)
        w = Twips::toPixels(MinimumWidthTwips);
    resize(w, lblToolTip->height() + 10);
    butClose->move(width() - 13, 4);
    butCloseC->move(butClose->pos());

    const int W = width();
    const int H = height();
    m_points = {QPoint(10, 0),  QPoint(W, 0),  QPoint(W, H),  QPoint(10, H),
                QPoint(10, 30), QPoint(0, 20), QPoint(10, 10)};
    setMask(QRegion(QPolygon(QList<QPoint>(m_points.begin(), m_points.end())), Qt::OddEvenFill));
    // The outline is drawn inside the shape.
    m_points[1] = QPoint(W - 3, 0);
    m_points[2] = QPoint(W - 3, H - 3);
    m_points[3] = QPoint(10, H - 3);
    update();
}

void frmToolTip::tmrUnload_Timer()
{
    tmrUnload.stop();
    Unload();
}

void frmToolTip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    for (size_t i = 0; i < m_points.size(); ++i)
        p.drawLine(m_points[i], m_points[(i + 1) % m_points.size()]);
}

// A click on the label reaches here too: labels pass the mouse on.
void frmToolTip::mousePressEvent(QMouseEvent *)
{
    Unload();
}
