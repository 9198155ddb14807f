#include "skintool/frmSkinPreview.h"

#include "skintool/NoteOverlay.h"
#include "skintool/SkinBuilder.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmSkinPreview::frmSkinPreview(AppContext &ctx)
    : Form(ctx, QStringLiteral("frmSkinPreview"),
           Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Skin Preview"));
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    picSkin = new QLabel(this);
    picSkin->setFixedSize(SkinBuilder::Width, SkinBuilder::Height);
    layout->addWidget(picSkin);
    cmdClose = new QPushButton(tr("Close"), this);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    connect(cmdClose, &QPushButton::clicked, this, &frmSkinPreview::cmdClose_Click);
}

void frmSkinPreview::ShowPicture(const QImage &picture, const QImage &overlay)
{
    imgButtons = overlay;
    picSkin->setPixmap(QPixmap::fromImage(NoteOverlay::Canvas(picture, imgButtons)));
}

void frmSkinPreview::cmdClose_Click()
{
    Unload();
}

void frmSkinPreview::closeEvent(QCloseEvent *event)
{
    event->accept();
    Unload();
}
