#include "about/frmSupport.h"

#include "platform/Artwork.h"
#include "platform/ShellOpener.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/CaptionRoom.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>
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
// The tip of the pointing finger in link_cursor.png.
const QPoint LinkCursorHotSpot(10, 1);

// A link shows its whole address: a label narrower than its text grows to
// the right, where the window has room for it.
void fitWidthToText(QLabel *label)
{
    const int needed = label->sizeHint().width();
    if (needed > label->width())
        label->resize(needed, label->height());
}

} // namespace

frmSupport::frmSupport(AppContext &ctx)
    : Form(ctx, QStringLiteral("frmSupport"),
           Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
               Qt::MSWindowsFixedSizeDialogHint),
      m_linkCursor(Artwork::pixmap(QStringLiteral(":/about/link_cursor.png")),
                   LinkCursorHotSpot.x(), LinkCursorHotSpot.y())
{
    setWindowTitle(tr("Support information"));
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
    setMouseTracking(true);

    txtInfo = new QTextEdit(this);
    txtInfo->setReadOnly(true);
    txtInfo->setFrameShape(QFrame::NoFrame);
    txtInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The window's face colour behind the text makes it read as the window's own text.
    QPalette face = txtInfo->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));
    txtInfo->setPalette(face);
    txtInfo->setGeometry(twipsRect(90, 135, 4515, 2235));
    txtInfo->viewport()->setMouseTracking(true);
    txtInfo->viewport()->installEventFilter(this);

    lblWebsite = linkLabel(QUrl(AppInfo::MakerSite).host());
    lblWebsite->setGeometry(twipsRect(135, 2835, 2070, 240));
    fitWidthToText(lblWebsite);

    lblSupport = linkLabel(AppInfo::SupportEmail);
    QFont linkFont = lblSupport->font();
    linkFont.setPointSizeF(8.25);
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    lblSupport->setFont(linkFont);
    lblSupport->setGeometry(twipsRect(120, 2580, 1815, 255));
    fitWidthToText(lblSupport);

    cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setGeometry(twipsRect(3525, 2820, 1065, 345));
    CaptionRoom::growLeft({cmdClose});
    cmdClose->setMouseTracking(true);
    cmdClose->installEventFilter(this);
    connect(cmdClose, &QPushButton::clicked, this, &frmSupport::cmdClose_Click);
}

QLabel *frmSupport::linkLabel(const QString &text)
{
    auto *label = new QLabel(text, this);
    QPalette link = label->palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Highlight));
    label->setPalette(link);
    label->setCursor(m_linkCursor);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    return label;
}

QString frmSupport::InfoText()
{
    return QStringList{
        tr("If you have any comment or questions, feel free to email us via "
           "following address:"),
        QLatin1Char('<') + AppInfo::SupportEmail + QLatin1Char('>'),
        tr("Our support team will answer your emails within one day or two."),
        tr("Visit %1 online for latest news and FAQs. You can subscribe yourself to "
           "our mailing list to receive our newsletter that contains special offers, "
           "news, updates, product reviews, tip and tricks about %1 and our other "
           "software.")
            .arg(AppInfo::Title)}
        .join(QStringLiteral("\r\n"));
}

void frmSupport::Form_Load()
{
    txtInfo->setPlainText(InfoText());
}

void frmSupport::setMousePointer(int pointer)
{
    m_mousePointer = pointer;
    if (pointer == vbCustom)
        setCursor(m_linkCursor);
    else
        unsetCursor();
}

void frmSupport::lblWebsite_Click()
{
    openInShell(AppInfo::MakerSite);
}

void frmSupport::lblSupport_Click()
{
    openInShell(QStringLiteral("mailto:") + AppInfo::SupportEmail);
}

void frmSupport::openInShell(const QString &target)
{
    // A desktop without a browser or mail program simply does nothing.
    if (m_ctx.shell)
        m_ctx.shell->open(QUrl(target));
}

void frmSupport::lblWebsite_MouseMove()
{
    setMousePointer(vbCustom);
}

void frmSupport::lblSupport_MouseMove()
{
    setMousePointer(vbCustom);
}

void frmSupport::Form_MouseMove()
{
    setMousePointer(vbDefault);
}

void frmSupport::cmdClose_MouseMove()
{
    setMousePointer(vbDefault);
}

void frmSupport::txtInfo_MouseMove()
{
    setMousePointer(vbDefault);
}

void frmSupport::cmdClose_Click()
{
    Unload();
}

bool frmSupport::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        // A label would pass the move on to the window, which would put the
        // arrow straight back: the move ends at the link.
        if (watched == lblWebsite) {
            lblWebsite_MouseMove();
            return true;
        }
        if (watched == lblSupport) {
            lblSupport_MouseMove();
            return true;
        }
        if (watched == cmdClose)
            cmdClose_MouseMove();
        else if (watched == txtInfo->viewport())
            txtInfo_MouseMove();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        // A click is a left press and release over the same link; the label
        // that took the press gets the release wherever the mouse went.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *label = qobject_cast<QLabel *>(watched);
        if (mouse->button() == Qt::LeftButton && label &&
            label->rect().contains(mouse->position().toPoint())) {
            if (label == lblWebsite)
                lblWebsite_Click();
            else if (label == lblSupport)
                lblSupport_Click();
        }
    }
    return Form::eventFilter(watched, event);
}

void frmSupport::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove();
    Form::mouseMoveEvent(event);
}

void frmSupport::closeEvent(QCloseEvent *event)
{
    // Closing the window from its title bar unloads it, like the Close button.
    event->accept();
    Unload();
}
