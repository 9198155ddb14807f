#include "skins/frmSkins.h"

#include "notes/frmNote.h"
#include "platform/Folders.h"
#include "platform/ShellOpener.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/mdlVariables.h"
#include "skins/SkinFile.h"
#include "skins/SkinList.h"
#include "skins/SkinReader.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QUrl>

namespace {

const QString kFormName = QStringLiteral("frmSkins");
const QString kNoteForm = QStringLiteral("frmNote");

QString infoLines(const QString &name, const QString &author, const QString &email,
                  const QString &website)
{
    return QCoreApplication::translate("frmSkins", "Skin name : ") + name +
           QCoreApplication::translate("frmSkins", "\r\nAuthor : ") + author +
           QCoreApplication::translate("frmSkins", "\r\nEmail : ") + email +
           QCoreApplication::translate("frmSkins", "\r\nWebsite : ") + website;
}

} // namespace

frmSkins::frmSkins(AppContext &ctx)
    : Form(ctx, kFormName,
           Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Select Skin"));
    setFixedSize(330, 318);

    lblTitle = new QLabel(tr("Available Skins:"), this);
    lblTitle->setGeometry(12, 8, 306, 20);

    lstSkins = new QListWidget(this);
    lstSkins->setGeometry(12, 30, 306, 132);
    connect(lstSkins, &QListWidget::currentRowChanged, this, &frmSkins::lstSkins_Click);
    // A click on the entry already selected changes no row, and applies all the same.
    lstSkins->viewport()->installEventFilter(this);
    connect(lstSkins, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (lstSkins->row(item) == m_rowAtPress)
            lstSkins_Click();
        m_rowAtPress = -1;
    });

    txtSkinInfo = new QPlainTextEdit(this);
    txtSkinInfo->setReadOnly(true);
    txtSkinInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8);
    txtSkinInfo->setFont(tahoma);
    txtSkinInfo->setGeometry(12, 170, 306, 72);

    chkChangeAll = new QCheckBox(tr("Change skin of &all notes"), this);
    chkChangeAll->setGeometry(12, 248, 306, 22);

    lblChanging = new QLabel(tr("Changing Skin..."), this);
    QFont bold = lblChanging->font();
    bold.setBold(true);
    lblChanging->setFont(bold);
    lblChanging->setGeometry(12, 274, 200, 18);
    lblChanging->hide();

    lblLink = new QLabel(tr("Get More Skins"), this);
    QFont underlined = lblLink->font();
    underlined.setUnderline(true);
    lblLink->setFont(underlined);
    QPalette link = lblLink->palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Link));
    lblLink->setPalette(link);
    lblLink->setCursor(Qt::PointingHandCursor);
    lblLink->setGeometry(12, 296, 140, 18);
    lblLink->adjustSize();
    lblLink->installEventFilter(this);

    cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setGeometry(226, 282, 92, 28);
    connect(cmdClose, &QPushButton::clicked, this, &frmSkins::cmdClose_Click);
}

frmSkins *frmSkins::Instance(AppContext &ctx)
{
    return qobject_cast<frmSkins *>(ctx.forms->defaultInstance(kFormName));
}

void frmSkins::showCentred()
{
    // Opened anew, it comes up in the middle of the screen, not in a corner.
    if (isHidden())
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

frmSkins *frmSkins::OpenFor(AppContext &ctx, frmNote *note)
{
    frmSkins *dialog = Instance(ctx);
    if (!dialog)
        return nullptr;
    dialog->frmToBeSet = note;
    dialog->bJustLoad = false;
    // Each opening from a note starts on that note alone.
    dialog->chkChangeAll->setEnabled(true);
    dialog->chkChangeAll->setChecked(false);
    dialog->FillList();
    dialog->showCentred();
    return dialog;
}

frmSkins *frmSkins::OpenForAll(AppContext &ctx)
{
    frmSkins *dialog = Instance(ctx);
    if (!dialog)
        return nullptr;
    dialog->frmToBeSet = nullptr;
    dialog->bJustLoad = true;
    dialog->FillList();
    dialog->lblChanging->hide();
    dialog->chkChangeAll->setChecked(true);
    dialog->chkChangeAll->setEnabled(false);
    dialog->showCentred();
    return dialog;
}

QString frmSkins::SkinsPage()
{
    return AppInfo::MakerSite + QStringLiteral("pennyquill/skins/?from=pennyquill");
}

void frmSkins::Form_Load()
{
    mdlVariables::SetTopMost(this, mdlVariables::HWND_TOPMOST);
    FillList();
}

void frmSkins::closeEvent(QCloseEvent *event)
{
    event->accept();
    Unload();
}

bool frmSkins::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstSkins->viewport() && event->type() == QEvent::MouseButtonPress)
        m_rowAtPress = lstSkins->currentRow();
    if (watched == lblLink && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        lblLink_Click();
    return Form::eventFilter(watched, event);
}

void frmSkins::FillList()
{
    int selected = -1;
    {
        // Filling is not choosing: only the selection made below applies.
        const QSignalBlocker quiet(lstSkins);
        lstSkins->clear();
        files.clear();
        lstSkins->addItem(BaseSkin);
        const QList<SkinList::Entry> skins = SkinList::Scan(
            {m_ctx.folders.skinsDir(), Folders::sharedDataDir() + QStringLiteral("/skins")});
        for (const SkinList::Entry &skin : skins) {
            lstSkins->addItem(skin.listName);
            files.append(skin.path);
            if (!bJustLoad && frmToBeSet && skin.listName == frmToBeSet->Skin)
                selected = lstSkins->count() - 1;
        }
        lstSkins->setCurrentRow(selected >= 0 ? selected : 0);
    }
    if (bJustLoad) {
        lblChanging->hide();
        txtSkinInfo->setPlainText(infoText(0, true));
        return;
    }
    QPointer<frmNote> note = frmToBeSet;
    lstSkins_Click();
    if (selected < 0 && note)
        note->Skin = BaseSkinLower;
}

void frmSkins::ApplyStoredSkin(frmNote *note)
{
    if (!note || note->Skin == BaseSkin)
        return;
    for (int row = 1; row < lstSkins->count(); ++row)
        if (lstSkins->item(row)->text() == note->Skin) {
            applyFile(note, files.at(row - 1), note->Skin);
            return;
        }
}

void frmSkins::lstSkins_Click()
{
    const int row = lstSkins->currentRow();
    if (row < 0)
        return;
    // Arrow and hourglass until the pass ends, also if the dialog goes meanwhile.
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    lblChanging->show();
    repaint();
    const QPointer<frmSkins> self(this);
    const bool all = chkChangeAll->isChecked();
    const QString path = row > 0 ? files.at(row - 1) : QString();
    const QString listName = lstSkins->item(row)->text();
    bool finished = true;
    bool told = false;
    QPointer<frmNote> dressed;
    for (const QPointer<frmNote> &note : targets()) {
        // Every note repaints as its turn comes; the dialog may go meanwhile.
        if (all)
            QCoreApplication::processEvents();
        if (!self)
            break;
        if (!note)
            continue;
        if (row == 0) {
            note->setPicture(note->imgBase->pixmap());
            note->Skin = BaseSkin;
            dressed = note;
            continue;
        }
        const Outcome outcome = applyFile(note, path, listName);
        if (outcome == Outcome::Applied)
            dressed = note;
        else
            told = true;
        if (outcome == Outcome::Stop) {
            finished = false;
            break;
        }
    }
    QGuiApplication::restoreOverrideCursor();
    if (!self)
        return;
    // The tray's "New Note" copies the hidden menu note's look: it follows
    // all notes, without a warning of its own.
    if (all && dressed)
        if (auto *menu = qobject_cast<frmNote *>(m_ctx.forms->find(kNoteForm));
            menu && !menu->bolShown) {
            menu->setPicture(dressed->Picture());
            menu->Skin = dressed->Skin;
        }
    if (finished)
        txtSkinInfo->setPlainText(infoText(row, !told));
    lblChanging->hide();
}

void frmSkins::cmdClose_Click()
{
    Unload();
}

void frmSkins::lblLink_Click()
{
    m_ctx.shell->open(QUrl(SkinsPage()));
}

QString frmSkins::infoText(int row, bool tell)
{
    if (row == 0)
        return infoLines(BaseSkin, AppInfo::MakerName + QStringLiteral(", Inc."),
                         AppInfo::SupportEmail, AppInfo::MakerSite);
    std::optional<SkinInfo> info;
    if (tell) {
        info = SkinReader(m_ctx).ReadSkinInfo(files.at(row - 1), this);
    } else {
        // The file was refused, and the user told so, while it was applied: a second message
        // about the same file would only contradict the first.
        const SkinFile::InfoResult header =
            SkinFile::ReadSkinInfo(SkinReader::toPath(files.at(row - 1)));
        if (header.status == SkinStatus::Ok)
            info = header.info;
    }
    if (!info)
        return QString();
    return infoLines(QString::fromStdString(info->skinName), QString::fromStdString(info->author),
                     QString::fromStdString(info->email), QString::fromStdString(info->website));
}

frmSkins::Outcome frmSkins::applyFile(frmNote *note, const QString &path, const QString &listName)
{
    SkinReader reader(m_ctx);
    QWidget *parent = isVisible() ? static_cast<QWidget *>(this) : note;
    const QPixmap picture = QPixmap::fromImage(reader.ExtractSkinImage(path, parent));
    if (!picture.isNull()) {
        note->setPicture(picture);
        note->Skin = listName;
        return Outcome::Applied;
    }
    // A file that is not a skin (or not this version) was reported; the note
    // keeps its look and its name. Anything worse ends the whole pass.
    switch (reader.lastStatus()) {
    case SkinStatus::NotASkin:
    case SkinStatus::OtherVersion:
    case SkinStatus::Missing:
        return Outcome::Refused;
    default:
        return Outcome::Stop;
    }
}

QList<QPointer<frmNote>> frmSkins::targets() const
{
    QList<QPointer<frmNote>> notes;
    if (chkChangeAll->isChecked()) {
        for (Form *form : m_ctx.forms->formsNamed(kNoteForm))
            if (auto *note = qobject_cast<frmNote *>(form); note && note->bolShown)
                notes.append(note);
    } else if (frmToBeSet) {
        notes.append(frmToBeSet);
    }
    return notes;
}
