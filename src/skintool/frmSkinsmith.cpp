#include "skintool/frmSkinsmith.h"

#include "platform/Prompter.h"
#include "platform/ShellOpener.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "skins/SkinReader.h"
#include "skintool/NoteOverlay.h"
#include "skintool/SkinBuilder.h"
#include "skintool/frmSkinPreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int PreviewWidth = 131;
constexpr int PreviewHeight = 82;

// The busy pointer for as long as it lives, or until released.
class WaitPointer
{
public:
    WaitPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitPointer() { release(); }
    WaitPointer(const WaitPointer &) = delete;
    WaitPointer &operator=(const WaitPointer &) = delete;
    void release()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active = true;
};

} // namespace

const QString frmSkinsmith::Title = QStringLiteral("Pennyquill skinsmith");
const QString frmSkinsmith::UploadPage =
    AppInfo::MakerSite + QStringLiteral("products/pennyquill/skins/upload/?from=skinsmith");
const char *const frmSkinsmith::SkinFilter =
    QT_TRANSLATE_NOOP("frmSkinsmith", "Pennyquill Skin Files (*.pqs)");

frmSkinsmith::frmSkinsmith(AppContext &ctx)
    : Form(ctx, QStringLiteral("frmSkinsmith"),
           Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
               Qt::WindowCloseButtonHint)
{
    setWindowTitle(Title);
    CaptionsInFrames();
    imgButtons = NoteOverlay::Picture();
    buildControls();
}

QStringList frmSkinsmith::ImageFilters()
{
    QStringList all = {QStringLiteral("*.bmp"), QStringLiteral("*.dib"), QStringLiteral("*.gif"),
                       QStringLiteral("*.jpg"), QStringLiteral("*.wmf"), QStringLiteral("*.emf"),
                       QStringLiteral("*.png"), QStringLiteral("*.jpeg")};
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        const QString pattern = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
        if (!all.contains(pattern))
            all.append(pattern);
    }
    return {tr("All Picture Files (%1)").arg(all.join(QLatin1Char(' '))),
            tr("Bitmaps (*.bmp *.dib)"),
            tr("Gif Images (*.gif)"),
            tr("JPEG Images (*.jpg *.jpeg)"),
            tr("PNG Images (*.png)"),
            tr("Metafiles (*.wmf *.emf)"),
            tr("All Files (*)")};
}

void frmSkinsmith::buildControls()
{
    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    lblTitle = new QLabel(tr("Load your skin file and enter your information in "
                             "Author Information section then click Build skin file."),
                          this);
    lblTitle->setWordWrap(true);
    grid->addWidget(lblTitle, 0, 0, 1, 2);

    auto *canvasFrame = new QFrame(this);
    canvasFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *canvasLayout = new QVBoxLayout(canvasFrame);
    canvasLayout->setContentsMargins(2, 2, 2, 2);
    picSkin = new QLabel(canvasFrame);
    picSkin->setFixedSize(SkinBuilder::Width, SkinBuilder::Height);
    picSkin->setPixmap(QPixmap::fromImage(NoteOverlay::Canvas(QImage(), imgButtons)));
    canvasLayout->addWidget(picSkin);
    grid->addWidget(canvasFrame, 1, 0, Qt::AlignTop);

    fraMain = new QGroupBox(tr("Pennyquill Skin Information"), this);
    auto *main = new QGridLayout(fraMain);
    lblSkinName = new QLabel(tr("&Skin name:"), fraMain);
    txtSkinName = new QLineEdit(fraMain);
    lblSkinName->setBuddy(txtSkinName);
    main->addWidget(lblSkinName, 0, 0);
    main->addWidget(txtSkinName, 0, 1);
    cmdLoadImage = new QPushButton(tr("&Load Image File"), fraMain);
    main->addWidget(cmdLoadImage, 1, 0, 1, 2);
    picSkinPreview = new QLabel(fraMain);
    picSkinPreview->setFixedSize(PreviewWidth, PreviewHeight);
    picSkinPreview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    imgOverLayer = new QLabel(picSkinPreview);
    imgOverLayer->setGeometry(0, 0, PreviewWidth, PreviewHeight);
    imgOverLayer->setToolTip(tr("Click to enlarge preview"));
    imgOverLayer->setCursor(Qt::PointingHandCursor);
    imgOverLayer->installEventFilter(this);
    imgOverLayer->hide();
    main->addWidget(picSkinPreview, 2, 0, 1, 2, Qt::AlignHCenter);
    chkCompress = new QCheckBox(tr("Co&mpress image file"), fraMain);
    main->addWidget(chkCompress, 3, 0, 1, 2);
    fraCompress = new QGroupBox(fraMain);
    auto *compress = new QHBoxLayout(fraCompress);
    sldCompress = new QSlider(Qt::Horizontal, fraCompress);
    sldCompress->setRange(0, 100);
    sldCompress->setValue(100);
    sldCompress->setTickPosition(QSlider::TicksBelow);
    sldCompress->setTickInterval(10);
    sldCompress->setPageStep(10);
    sldCompress->setEnabled(false);
    sldCompress->setToolTip(tr("JPEG quality: smaller files to the left"));
    lblQuality = new QLabel(QStringLiteral("100"), fraCompress);
    lblQuality->setMinimumWidth(lblQuality->fontMetrics().horizontalAdvance(QStringLiteral("100")));
    compress->addWidget(sldCompress);
    compress->addWidget(lblQuality);
    main->addWidget(fraCompress, 4, 0, 1, 2);
    grid->addWidget(fraMain, 1, 1, 2, 1);

    fraAuthorInfo = new QGroupBox(tr("&Author Information"), this);
    auto *author = new QGridLayout(fraAuthorInfo);
    const auto field = [this, author](QLabel *&label, QLineEdit *&edit, const QString &caption,
                                      int row) {
        label = new QLabel(caption, fraAuthorInfo);
        edit = new QLineEdit(fraAuthorInfo);
        label->setBuddy(edit);
        author->addWidget(label, row, 0);
        author->addWidget(edit, row, 1);
    };
    field(lblName, txtName, tr("&Name:"), 0);
    field(lblEmail, txtEmail, tr("&Email:"), 1);
    field(lblWebsite, txtWebsite, tr("&Website:"), 2);
    grid->addWidget(fraAuthorInfo, 2, 0);

    auto *bottom = new QHBoxLayout;
    lblLink = new QLabel(tr("Upload your skins freely"), this);
    lblLink->setStyleSheet(QStringLiteral("color: #1a4fb0; text-decoration: underline;"));
    lblLink->setCursor(Qt::PointingHandCursor);
    lblLink->setToolTip(UploadPage);
    lblLink->installEventFilter(this);
    bottom->addWidget(lblLink);
    bottom->addStretch();
    cmdOpen = new QPushButton(tr("&Open Skin"), this);
    cmdBuildSkin = new QPushButton(tr("&Build Skin"), this);
    cmdClose = new QPushButton(tr("&Close"), this);
    for (QPushButton *button : {cmdOpen, cmdBuildSkin, cmdClose})
        bottom->addWidget(button);
    grid->addLayout(bottom, 3, 0, 1, 2);

    connect(cmdLoadImage, &QPushButton::clicked, this, &frmSkinsmith::cmdLoadImage_Click);
    connect(chkCompress, &QCheckBox::clicked, this, &frmSkinsmith::chkCompress_Click);
    connect(sldCompress, &QSlider::valueChanged, lblQuality,
            [this](int value) { lblQuality->setText(QString::number(value)); });
    connect(cmdOpen, &QPushButton::clicked, this, &frmSkinsmith::cmdOpen_Click);
    connect(cmdBuildSkin, &QPushButton::clicked, this, &frmSkinsmith::cmdBuildSkin_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSkinsmith::cmdClose_Click);
}

int frmSkinsmith::quality() const
{
    return sldCompress->isEnabled() ? sldCompress->value() : 100;
}

frmSkinPreview *frmSkinsmith::preview() const
{
    return m_preview;
}

QString frmSkinsmith::startFolder() const
{
    return m_lastPath.isEmpty() ? QString() : QFileInfo(m_lastPath).absolutePath();
}

void frmSkinsmith::showPicture(const QImage &picture, const QString &path)
{
    imgSkin = picture;
    picSkin->setPixmap(QPixmap::fromImage(NoteOverlay::Canvas(imgSkin, imgButtons)));
    picSkinPreview->setPixmap(QPixmap::fromImage(SkinBuilder::render(imgSkin).scaled(
        picSkinPreview->contentsRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    imgOverLayer->show();
    m_lastPath = path;
    if (m_preview)
        m_preview->ShowPicture(imgSkin, imgButtons);
}

void frmSkinsmith::cmdLoadImage_Click()
{
    const auto choice =
        m_ctx.prompter->openFile(this, tr("Load Image File"), startFolder(), ImageFilters());
    if (!choice)
        return;
    repaint();
    WaitPointer wait;
    QString error;
    const QImage picture = SkinBuilder::loadPicture(choice->path, &error);
    wait.release();
    // What cannot be read leaves everything as it was.
    if (picture.isNull()) {
        m_ctx.prompter->message(this, tr("Error on reading image.\r\n") + error, tr("Error"),
                                Prompter::Buttons::Ok, Prompter::Icon::Critical);
        return;
    }
    showPicture(picture, choice->path);
}

void frmSkinsmith::chkCompress_Click()
{
    sldCompress->setEnabled(chkCompress->isChecked());
}

void frmSkinsmith::warn(const QString &text, QWidget *field)
{
    m_ctx.prompter->message(this, text, Title, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
    field->setFocus();
}

bool frmSkinsmith::checkFields()
{
    if (txtSkinName->text().isEmpty()) {
        warn(tr("Please enter a name fo this skin."), txtSkinName);
        return false;
    }
    if (txtName->text().isEmpty()) {
        warn(tr("Please enter your name as author of this skin."), txtName);
        return false;
    }
    if (txtEmail->text().isEmpty()) {
        warn(tr("Please enter your email address."), txtEmail);
        return false;
    }
    SkinBuilder::Field refused = SkinBuilder::Field::None;
    const QString reason = SkinBuilder::checkTexts(
        {txtSkinName->text(), txtName->text(), txtEmail->text(), txtWebsite->text()}, &refused);
    if (!reason.isEmpty()) {
        QWidget *const fields[] = {txtSkinName, txtSkinName, txtName, txtEmail, txtWebsite};
        warn(reason, fields[static_cast<int>(refused)]);
        return false;
    }
    if (imgSkin.isNull()) {
        warn(tr("Please load a picture for this skin first."), cmdLoadImage);
        return false;
    }
    return true;
}

void frmSkinsmith::cmdBuildSkin_Click()
{
    if (!checkFields())
        return;
    const auto choice =
        m_ctx.prompter->saveFile(this, tr("Save Skin File"), startFolder(), {tr(SkinFilter)}, 0);
    if (!choice)
        return;
    QString path = choice->path;
    // The notes program lists .pqs files only. The dialog asked about
    // replacing the name as typed; ask again for the name with the extension.
    if (QFileInfo(path).suffix().compare(QLatin1String("pqs"), Qt::CaseInsensitive) != 0) {
        path += QStringLiteral(".pqs");
        if (QFileInfo::exists(path) &&
            m_ctx.prompter->message(this,
                                    tr("%1 already exists.\r\nDo you want to replace it?")
                                        .arg(QFileInfo(path).fileName()),
                                    Title, Prompter::Buttons::YesNo,
                                    Prompter::Icon::Exclamation) != Prompter::Answer::Yes)
            return;
    }
    repaint();
    WaitPointer wait;
    QString error;
    const bool built = SkinBuilder::build(
        imgSkin, {txtSkinName->text(), txtName->text(), txtEmail->text(), txtWebsite->text()},
        quality(), path, &error);
    wait.release();
    if (built)
        m_ctx.prompter->message(this, txtSkinName->text() + tr(" skin successfully built."), Title,
                                Prompter::Buttons::Ok, Prompter::Icon::Information);
    else
        m_ctx.prompter->message(this, tr("The skin was not built.\r\n") + error, Title,
                                Prompter::Buttons::Ok, Prompter::Icon::Critical);
}

void frmSkinsmith::cmdOpen_Click()
{
    repaint();
    ReadSkin();
}

void frmSkinsmith::ReadSkin()
{
    const auto choice =
        m_ctx.prompter->openFile(this, tr("Open Skin"), startFolder(), {tr(SkinFilter)});
    if (!choice)
        return;
    // A refused skin has been shown to the user; nothing else changes.
    SkinReader reader(m_ctx, Title);
    SkinInfo info;
    WaitPointer wait;
    const QImage picture = reader.ExtractSkinImage(choice->path, this, &info);
    if (picture.isNull())
        return;
    txtSkinName->setText(QString::fromStdString(info.skinName));
    txtName->setText(QString::fromStdString(info.author));
    txtEmail->setText(QString::fromStdString(info.email));
    txtWebsite->setText(QString::fromStdString(info.website));
    showPicture(picture, choice->path);
}

void frmSkinsmith::imgOverLayer_Click()
{
    if (m_preview)
        m_preview->Unload();
    m_preview = new frmSkinPreview(m_ctx);
    m_preview->Load();
    m_preview->ShowPicture(imgSkin, imgButtons);
    m_preview->move(frameGeometry().topRight() + QPoint(8, 0));
    m_preview->show();
}

void frmSkinsmith::lblLink_Click()
{
    m_ctx.shell->open(QUrl(UploadPage));
}

void frmSkinsmith::cmdClose_Click()
{
    Unload();
}

void frmSkinsmith::Form_Unload()
{
    // The preview goes with the main window, so closing it ends the program.
    if (m_preview)
        m_preview->Unload();
}

void frmSkinsmith::closeEvent(QCloseEvent *event)
{
    event->accept();
    Unload();
}

bool frmSkinsmith::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == imgOverLayer) {
            imgOverLayer_Click();
            return true;
        }
        if (watched == lblLink) {
            lblLink_Click();
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}
