#include "about/frmAbout.h"

#include "platform/Artwork.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/CaptionRoom.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "shell/mdlVariables.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

namespace {

// The form was laid out in twips.
QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
                 Twips::toPixels(height));
}

constexpr int ClientWidth = 4710;
constexpr int ClientHeight = 3300;
// Where the white face of the box ends and the button strip begins.
constexpr int ButtonStripTop = 2640;

QLabel *pictureLabel(QWidget *parent, const QString &resource)
{
    auto *label = new QLabel(parent);
    label->setPixmap(Artwork::pixmap(resource));
    return label;
}

// The version label has a narrow, fixed place in the corner: a wide system
// font is made smaller rather than cut off.
void shrinkToFit(QLabel *label, qreal pointSize)
{
    QFont font = label->font();
    font.setStretch(QFont::SemiCondensed);
    font.setPointSizeF(pointSize);
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
}

} // namespace

frmAbout::frmAbout(AppContext &ctx)
    : Form(ctx, QStringLiteral("frmAbout"),
           Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
               Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(tr("About %1...").arg(AppInfo::Title));
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));

    // The pictures lie under the scroll window, which is made after them.
    Image2 = pictureLabel(this, QStringLiteral(":/about/maker_logo.png"));
    Image2->setGeometry(twipsRect(120, 30, 1200, 450));
    Image3 = pictureLabel(this, QStringLiteral(":/about/product.png"));
    Image3->setGeometry(twipsRect(60, 585, 3165, 1620));

    Label2 = new QLabel(tr(" Version %1").arg(AppInfo::Version), this);
    QPalette versionPalette = Label2->palette();
    versionPalette.setColor(QPalette::WindowText, QColor(64, 64, 64));
    versionPalette.setColor(QPalette::Window, Qt::white);
    Label2->setPalette(versionPalette);
    Label2->setAutoFillBackground(true);
    Label2->setGeometry(twipsRect(3780, 0, 855, 195));
    shrinkToFit(Label2, 7.5);
    CaptionRoom::growLeft({Label2});

    picContainer = new QWidget(this);
    QPalette white = picContainer->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    picContainer->setPalette(white);
    picContainer->setAutoFillBackground(true);
    picContainer->setGeometry(twipsRect(2520, 510, 2100, ContainerHeight));

    txtInfo = new QTextEdit(picContainer);
    txtInfo->setReadOnly(true);
    txtInfo->setFrameShape(QFrame::NoFrame);
    txtInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A moving text is read, not worked with: no caret, no selection.
    txtInfo->setTextInteractionFlags(Qt::NoTextInteraction);
    txtInfo->setFocusPolicy(Qt::NoFocus);
    txtInfo->viewport()->setCursor(Qt::ArrowCursor);
    QFont infoFont = txtInfo->font();
    infoFont.setPointSizeF(8);
    txtInfo->setFont(infoFont);
    placeInfo();

    tmrMoveInfo = new QTimer(this);
    tmrMoveInfo->setInterval(50);
    connect(tmrMoveInfo, &QTimer::timeout, this, &frmAbout::tmrMoveInfo_Timer);

    Command1 = new QPushButton(tr("&OK"), this);
    Command1->setGeometry(twipsRect(3465, 2865, 1065, 330));
    // Enter or Space closes the box straight away.
    Command1->setDefault(true);
    setFocusProxy(Command1);
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    Command2 = new QPushButton(tr("&Support information"), this);
    Command2->setGeometry(twipsRect(60, 2850, 1950, 345));
    CaptionRoom::growLeft({Command1});
    CaptionRoom::growRight(Command2);
    connect(Command2, &QPushButton::clicked, this, &frmAbout::Command2_Click);
}

QString frmAbout::InfoText()
{
    const QString site = QUrl(AppInfo::MakerSite).host();
    const QString crlf = QStringLiteral("\r\n");
    return tr("%1 %2 \u00A9 %3. All rights reserved.")
               .arg(AppInfo::Title, AppInfo::Version, AppInfo::MakerName) +
           crlf +
           tr("Warning: this program is protected by copyright law and international "
              "treaties. Unauthorised copying of it, or of any part of it, will be "
              "prosecuted.") +
           crlf + crlf +
           tr("The %1 logo and %2 are trademarks of %1.").arg(AppInfo::MakerName, AppInfo::Title) +
           crlf + crlf + tr("Visit %1 at %2 for our other software.").arg(AppInfo::MakerName, site);
}

void frmAbout::Form_Load()
{
    mdlVariables::SetTopMost(this, mdlVariables::HWND_TOPMOST);
    txtInfo->setPlainText(InfoText());
    QTextCursor all(txtInfo->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    tmrMoveInfo->start();
}

void frmAbout::Form_Unload()
{
    tmrMoveInfo->stop();
}

void frmAbout::tmrMoveInfo_Timer()
{
    m_infoTop -= ScrollStep;
    // Once the lower edge is more than the margin above the window, the text
    // comes in again from just below the window's lower edge.
    if (m_infoTop + InfoHeight + WrapMargin < 0)
        m_infoTop = ContainerHeight;
    placeInfo();
}

void frmAbout::Command1_Click()
{
    Unload();
}

void frmAbout::Command2_Click()
{
    Form *support =
        m_ctx.forms ? m_ctx.forms->defaultInstance(QStringLiteral("frmSupport")) : nullptr;
    if (!support)
        return;
    support->show();
    support->raise();
    support->activateWindow();
    mdlVariables::SetTopMost(support, mdlVariables::HWND_TOPMOST);
}

void frmAbout::closeEvent(QCloseEvent *event)
{
    // Closing the window from its title bar unloads it, like the OK button.
    event->accept();
    Unload();
}

void frmAbout::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int stripTop = Twips::toPixels(ButtonStripTop);
    p.fillRect(QRect(0, 0, width(), stripTop), Qt::white);
    p.fillRect(QRect(0, stripTop, width(), height() - stripTop), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, stripTop, width(), stripTop);
    // A thin frame around the scroll window, drawn outside it so the moving
    // text never covers it.
    p.drawRect(picContainer->geometry().adjusted(-1, -1, 0, 0));
}

void frmAbout::placeInfo()
{
    txtInfo->setGeometry(twipsRect(30, m_infoTop, 1890, InfoHeight));
}
