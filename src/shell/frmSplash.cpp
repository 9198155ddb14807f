#include "shell/frmSplash.h"

#include "alarms/AlarmEntry.h"
#include "notes/NoteDesktop.h"
#include "notes/NoteResizer.h"
#include "notes/frmNote.h"
#include "notes/richtext/RichTextBox.h"
#include "notes/richtext/TextLoader.h"
#include "platform/Artwork.h"
#include "platform/Clock.h"
#include "platform/IniFile.h"
#include "platform/Prompter.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/NotesSync.h"
#include "shell/Twips.h"
#include "shell/cIni.h"
#include "shell/mdlVariables.h"
#include "skins/SkinInstaller.h"
#include "skins/SkinReader.h"
#include "skins/frmSkins.h"
#include "tips/MinTimer.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QSystemTrayIcon>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr int SplashWidth = 5400; // twips
constexpr int SplashHeight = 3240;
// The scroll runs without pause: each step is an event-loop turn of its own, so the box is
// painted at every step, but no step waits for a clock.
constexpr int ScrollStepMs = 0;

} // namespace

frmSplash::frmSplash(AppContext &ctx)
    : Form(ctx, QStringLiteral("frmSplash"),
           Qt::SplashScreen | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(Twips::toPixels(SplashWidth), Twips::toPixels(SplashHeight));
    setWindowTitle(AppInfo::Title);

    Image1 = new QLabel(this);
    Image1->setPixmap(Artwork::pixmap(QStringLiteral(":/splash/image1.png")));
    Image1->setGeometry(22, 22, 96, 96);

    Image3 = new QLabel(this);
    Image3->setPixmap(Artwork::pixmap(QStringLiteral(":/splash/image3.png")));
    Image3->setGeometry(width() - 96, 132, 72, 60);

    Shape1 = new QFrame(this);
    Shape1->setFrameShape(QFrame::HLine);
    Shape1->setStyleSheet(QStringLiteral("color: rgba(150, 100, 20, 110);"));
    Shape1->setGeometry(132, 86, width() - 160, 2);

    Label2 = new QLabel(QStringLiteral(" Version 1.0"), this);
    Label2->setStyleSheet(QStringLiteral("color: #8a5a12; font-size: 11px;"));
    Label2->setGeometry(132, 92, 160, 18);

    picContainer = new QFrame(this);
    picContainer->setGeometry(26, 142, 190, 44);
    picContainer->setStyleSheet(QStringLiteral(
        "QFrame { background: rgba(255, 255, 255, 150); border: 1px solid rgba(150, 100, 20, 90);"
        " border-radius: 6px; }"));

    txtInfo = new QLabel(QStringLiteral("Loading \r\nNotes...\r\n"), picContainer);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPixelSize(13);
    verdana.setBold(true);
    txtInfo->setFont(verdana);
    txtInfo->setStyleSheet(
        QStringLiteral("color: #6b4510; background: transparent; border: none;"));
    txtInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtInfo->setGeometry(10, 0, picContainer->width() - 20, 40);
    // The text starts half way down the box and slides up before loading.
    m_infoTop = Twips::fromPixels(picContainer->height()) / 2;
    placeInfo();

    tmrMoveInfo.setInterval(300);
    tmrMoveInfo.setSingleShot(false);
    connect(&tmrMoveInfo, &QTimer::timeout, this, &frmSplash::tmrMoveInfo_Timer);
    tmrLoad.setInterval(1);
    connect(&tmrLoad, &QTimer::timeout, this, &frmSplash::tmrLoad_Timer);
    m_scrollStep.setInterval(ScrollStepMs);
    connect(&m_scrollStep, &QTimer::timeout, this, &frmSplash::MoveInfoStep);
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(SaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &frmSplash::SaveSession);
    m_restoreStep.setInterval(0);
    connect(&m_restoreStep, &QTimer::timeout, this, &frmSplash::restoreNextNote);
    m_sync = new NotesSync(
        ctx, [this](const SessionFile::Note &stored) { return restoreNote(stored); }, this);
    connect(m_sync, &NotesSync::notesChanged, this, &frmSplash::ScheduleSave);
}

frmSplash::~frmSplash() = default;

void frmSplash::Form_Load()
{
    mdlVariables::SetTopMost(this, mdlVariables::HWND_TOPMOST);

    // The options file is read once, whatever its count says.
    const IniFile options(cIni(m_ctx.folders).resolve(QStringLiteral("PQOptions.ini")));
    const QString section = QStringLiteral("General Options");
    const int tipsCount =
        std::clamp(options.value(section, QStringLiteral("TipsCount"), QStringLiteral("0")).toInt(),
                   0, MaxTips);
    QStringList tips;
    for (int i = 0; i < tipsCount; ++i)
        tips.append(options.value(section, QStringLiteral("Tips") + QString::number(i)));
    tips.append(QString());
    m_ctx.vars->Tips = tips;
    m_ctx.vars->UserName = m_ctx.vars->Option(QStringLiteral("UserName"));

    m_trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();
    if (m_trayAvailable) {
        TrayIcon = new QSystemTrayIcon(QIcon(QStringLiteral(":/note/icon32.png")), this);
        TrayIcon->setToolTip(AppInfo::TrayToolTip);
        if (frmNote *menu = menuNote())
            TrayIcon->setContextMenu(menu->menus().mnuTray);
        connect(TrayIcon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger)
                        TrayIcon_BringForward();
                    else if (reason == QSystemTrayIcon::DoubleClick ||
                             reason == QSystemTrayIcon::MiddleClick)
                        TrayIcon_ShowNotes();
                });
        TrayIcon->show();
    }

    connect(m_ctx.forms, &FormRegistry::formLoaded, this, &frmSplash::watch);
    connect(m_ctx.forms, &FormRegistry::formUnloaded, this, [this](Form *form) {
        if (form->formName() == QLatin1String("frmNote"))
            ScheduleSave();
    });
    tmrMoveInfo.start();
}

void frmSplash::Form_Unload()
{
    tmrMoveInfo.stop();
    tmrLoad.stop();
    m_scrollStep.stop();
    m_restoreStep.stop();
    m_saveTimer.stop();
    if (TrayIcon)
        TrayIcon->hide();
    // Notes are still open here: the splash goes before any of them. A run
    // that ends before its notes came back has nothing new to write.
    // What changed on disk meanwhile is merged into the notes saved, not into windows.
    m_ending = true;
    if (m_loaded)
        SaveSession();
    // The notes leave after it: what is left of the session is not for writing.
    m_loaded = false;
}

frmNote *frmSplash::menuNote() const
{
    return qobject_cast<frmNote *>(m_ctx.forms->find(QStringLiteral("frmNote")));
}

void frmSplash::TrayIcon_BringForward()
{
    for (Form *form : m_ctx.forms->formsNamed(QStringLiteral("frmNote")))
        if (form->isVisible()) {
            form->show();
            form->raise();
        }
}

void frmSplash::TrayIcon_ShowNotes()
{
    for (Form *form : m_ctx.forms->formsNamed(QStringLiteral("frmNote")))
        if (auto *note = qobject_cast<frmNote *>(form); note && note->bolShown) {
            note->show();
            note->raise();
        }
}

void frmSplash::tmrMoveInfo_Timer()
{
    tmrMoveInfo.stop();
    MoveInfo();
}

void frmSplash::MoveInfo()
{
    // One step per timer tick, so the window keeps painting while it scrolls.
    m_scrollStep.start();
}

void frmSplash::MoveInfoStep()
{
    picContainer->update();
    m_infoTop -= 10;
    const int containerHeight = Twips::fromPixels(picContainer->height());
    if (m_infoTop + 300 < containerHeight / 2) {
        placeInfo();
        m_scrollStep.stop();
        tmrLoad.start();
        return;
    }
    const int textHeight = Twips::fromPixels(txtInfo->height());
    if (textHeight + m_infoTop + 200 < 0)
        m_infoTop = containerHeight;
    placeInfo();
}

void frmSplash::placeInfo()
{
    txtInfo->move(txtInfo->x(), Twips::toPixels(m_infoTop));
}

void frmSplash::tmrLoad_Timer()
{
    tmrLoad.stop();
    m_restored.clear();
    const mdlVariables &vars = *m_ctx.vars;
    m_tipSettings.delay = vars.Option(QStringLiteral("TipDelay")).trimmed().toInt();
    m_tipSettings.showTips = vars.OptionIsYes(QStringLiteral("ShowTipText"));
    m_tipSettings.random = vars.OptionIsYes(QStringLiteral("ShowRnd"));
    m_tipSettings.showWhenStart = vars.OptionIsYes(QStringLiteral("ShowWhenStart"));
    SessionFile file(m_ctx.folders);
    SessionFile::ArrivalWait wait = m_sync->arrivalWait;
    // A stop request ends the wait for a half-delivered pair too.
    wait.pause = [this, pause = wait.pause](int ms) {
        return !(stopRequested && stopRequested()) && pause && pause(ms);
    };
    file.setArrivalWait(wait);
    m_session = file.load(m_ctx.clock->now());
    m_nextNote = 0;
    m_restoreStep.start();
}

void frmSplash::restoreNextNote()
{
    if (stopRequested && stopRequested()) {
        m_restoreStep.stop();
        return;
    }
    if (m_nextNote < m_session.notes.size()) {
        restoreNote(m_session.notes.at(m_nextNote++));
        return;
    }
    m_restoreStep.stop();
    finishWhenTextsAreBack();
}

void frmSplash::finishWhenTextsAreBack()
{
    if (m_loaded || m_nextNote < m_session.notes.size() || (stopRequested && stopRequested()))
        return;
    for (const QPointer<TextLoader> &loader : std::as_const(m_loaders))
        if (loader && !loader->isFinished())
            return; // its finished() calls back
    m_loaders.clear();
    finishLoading();
}

void frmSplash::finishLoading()
{
    const SessionFile::LoadResult result = std::exchange(m_session, {});
    if (!result.message().isEmpty())
        m_ctx.prompter->message(this, result.message(), AppInfo::Title, Prompter::Buttons::Ok,
                                Prompter::Icon::Exclamation);
    const bool skinNoteAdded = installCommandLineSkin();
    hide();
    // The skin lookup is done; a dialog the user opened meanwhile stays.
    if (Form *lookup = m_ctx.forms->find(QStringLiteral("frmSkins")); lookup && lookup->isHidden())
        lookup->Unload();
    m_loaded = true;
    m_sync->start(result);
    emit sessionBack();
    if (skinNoteAdded)
        ScheduleSave();
    if (!m_trayAvailable)
        tellAboutMissingTray();
    emit loadFinished();
}

frmNote *frmSplash::restoreNote(const SessionFile::Note &stored)
{
    auto *note = new frmNote(m_ctx);
    note->Load();
    note->Move(static_cast<int>(std::lround(stored.Left)),
               static_cast<int>(std::lround(stored.Top)));
    if (stored.OnTop) {
        mdlVariables::SetTopMost(note, mdlVariables::HWND_TOPMOST);
        note->setOnTop(true);
    }
    note->resizer().setFullSize(QSize(stored.Width.value_or(frmNote::FullWidth),
                                      stored.Height.value_or(frmNote::FullHeight)));
    if (stored.AllWorkspaces)
        note->desktop().setOnAllWorkspaces(*stored.AllWorkspaces);
    if (stored.Minimized)
        note->ShowBullet();
    note->setLeft(static_cast<int>(std::lround(stored.Left)));
    // The name is kept as stored, so a note goes back out as it came in.
    note->Skin = stored.Skin;
    putStoredSkin(note);
    applyTipSettings(note);
    if (m_tipSettings.showWhenStart)
        note->setVisible(stored.Visible);
    note->lstAlarms->addItems(stored.Alerts);
    // New alarms are numbered above every restored one, so an index names one alarm only.
    for (const QString &line : stored.Alerts)
        if (const std::optional<AlarmEntry> entry = AlarmEntry::parse(line);
            entry && entry->Index < std::numeric_limits<int>::max())
            m_ctx.vars->AlarmCounter = std::max(m_ctx.vars->AlarmCounter, entry->Index);
    note->bolShown = true;
    if (TextLoader::worthIt(stored.TextRTF)) {
        auto *loader = new TextLoader(note->rtxtMain, stored.TextRTF, stopRequested);
        m_loaders.append(loader);
        connect(loader, &TextLoader::finished, this, &frmSplash::finishWhenTextsAreBack,
                Qt::QueuedConnection);
        connect(loader, &QObject::destroyed, this, &frmSplash::finishWhenTextsAreBack,
                Qt::QueuedConnection);
    } else {
        note->rtxtMain->setTextRTF(stored.TextRTF, stopRequested);
    }
    // After the text and alarms, whose arrival is no change of the user's.
    note->NoteId = stored.Id;
    note->LastChanged = stored.Changed;
    note->KeepOnScreen();
    m_restored.append(note);
    return note;
}

void frmSplash::applyTipSettings(frmNote *note)
{
    note->tmrlblADS->setInterval(m_tipSettings.delay);
    note->tmrlblADS->setEnable(m_tipSettings.showTips);
    note->lblAds->setVisible(m_tipSettings.showTips);
    m_ctx.vars->RandomTips = m_tipSettings.random;
}

void frmSplash::putStoredSkin(frmNote *note)
{
    // Notes without a skin of their own never load the lookup.
    if (note->Skin.isEmpty() || note->Skin == frmSkins::BaseSkin)
        return;
    if (frmSkins *lookup = frmSkins::Instance(m_ctx))
        lookup->ApplyStoredSkin(note);
}

bool frmSplash::installCommandLineSkin()
{
    return !CommandLineSkin.isEmpty() && AddSkinNote(CommandLineSkin);
}

std::optional<SkinInstaller::Installed> frmSplash::AddSkinNote(const QString &skinFile)
{
    const std::optional<SkinInstaller::Installed> installed =
        SkinInstaller(m_ctx).Install(skinFile, this);
    frmNote *menu = menuNote();
    if (!installed || !menu)
        return std::nullopt;
    // Made and placed as "New Note" makes one, then dressed in the new skin.
    frmNote *note = menu->MakeNote();
    const QImage image = SkinReader(m_ctx).ExtractSkinImage(installed->path, note);
    if (!image.isNull())
        note->setPicture(QPixmap::fromImage(image));
    note->Skin = installed->listName;
    return installed;
}

void frmSplash::watch(Form *form)
{
    auto *note = qobject_cast<frmNote *>(form);
    if (!note)
        return;
    connect(note, &frmNote::NoteChanged, this, &frmSplash::ScheduleSave);
    connect(note->rtxtMain, &RichTextBox::Change, this, &frmSplash::ScheduleSave);
    connect(note->lstAlarms, &AlarmList::changed, this, &frmSplash::ScheduleSave);
    // Without a tray the tray's commands live in every note's menu.
    frmNote *menu = menuNote();
    if (!m_trayAvailable && menu && note != menu) {
        QMenu *tray = menu->menus().mnuTray;
        tray->setTitle(QStringLiteral("All &Notes"));
        note->setAllNotesMenu(tray);
    }
}

void frmSplash::tellAboutMissingTray()
{
    const QString shown = QStringLiteral("NoTrayNoticeShown");
    if (m_ctx.vars->OptionIsYes(shown))
        return;
    m_ctx.prompter->message(
        nullptr,
        QStringLiteral(
            "Your desktop has no notification area, so Pennyquill shows no tray icon.\n\n"
            "The tray's commands (New Note, Show All Notes, Options, Exit and the others) "
            "are in every note's menu, under \"All Notes\". Start Pennyquill again (from "
            "the menu or a terminal) to show every note, hidden ones too."),
        AppInfo::Title, Prompter::Buttons::Ok, Prompter::Icon::Information);
    m_ctx.vars->RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey, shown,
                             QStringLiteral("yes"));
}

void frmSplash::ScheduleSave()
{
    // Counted from the first change, so that steady typing is saved too.
    if (m_loaded && !m_saveTimer.isActive())
        m_saveTimer.start();
}

QList<SessionFile::Note> frmSplash::LiveNotes(AppContext &ctx)
{
    QList<SessionFile::Note> notes;
    for (Form *form : ctx.forms->formsNamed(QStringLiteral("frmNote")))
        if (auto *note = qobject_cast<frmNote *>(form); note && note->bolShown)
            notes.append(LiveNote(note));
    return notes;
}

SessionFile::Note frmSplash::LiveNote(frmNote *note)
{
    SessionFile::Note stored;
    stored.Left = note->Left();
    stored.Top = note->Top();
    stored.Minimized = note->isBullet();
    stored.Skin = note->Skin;
    stored.Visible = note->isVisible();
    stored.OnTop = note->isOnTop();
    for (int row = 0; row < note->lstAlarms->count(); ++row)
        stored.Alerts.append(note->lstAlarms->text(row));
    stored.TextRTF = note->rtxtMain->TextRTF();
    if (note->NoteId.isEmpty())
        note->NoteId = SessionFile::NewId();
    stored.Id = note->NoteId;
    stored.Changed = note->LastChanged;
    if (!note->resizer().isClassicSize()) {
        stored.Width = note->resizer().fullWidth();
        stored.Height = note->resizer().fullHeight();
    }
    stored.AllWorkspaces = note->desktop().ownWorkspaces();
    return stored;
}

bool frmSplash::saveNotes(QString *error, bool ending)
{
    m_saveTimer.stop();
    if (!m_loaded)
        return false;
    QList<SessionFile::Note> notes;
    QList<SessionFile::Deleted> deleted;
    // What changed on disk is merged first; the files may hold these notes already.
    if (!m_sync->prepareSave(&notes, &deleted, ending || m_ending))
        return true;
    if (!SessionFile(m_ctx.folders).save(notes, m_ctx.clock->now().date(), error, deleted))
        return false;
    m_sync->saved(notes);
    return true;
}

bool frmSplash::SaveBeforeExit()
{
    QString error;
    if (!m_loaded)
        return true;
    if (saveNotes(&error, true)) {
        // Written: the unload that follows has nothing new to write.
        m_loaded = false;
        return true;
    }
    const bool leave =
        m_ctx.prompter->message(
            nullptr,
            QStringLiteral("Your notes could not be saved (%1). If Pennyquill ends now, the "
                           "changes since the last save are lost.\n\nEnd Pennyquill anyway?")
                .arg(error),
            AppInfo::Title, Prompter::Buttons::YesNo,
            Prompter::Icon::Exclamation) == Prompter::Answer::Yes;
    // The user knows: the save at unload says nothing more.
    m_saveFailureShown = leave;
    return leave;
}

bool frmSplash::SaveForQuit(QString *error)
{
    if (!m_loaded)
        return true;
    if (!saveNotes(error, true))
        return false;
    // Written: the unload that follows has nothing new to write.
    m_loaded = false;
    return true;
}

bool frmSplash::SaveSession()
{
    QString error;
    if (saveNotes(&error)) {
        // The user was told the notes were not saved: say that they are now.
        if (m_saveFailureShown)
            m_ctx.prompter->message(nullptr, QStringLiteral("Your notes are saved again."),
                                    AppInfo::Title, Prompter::Buttons::Ok,
                                    Prompter::Icon::Information);
        m_saveFailureShown = false;
        return true;
    }
    // Said once until a save works again, so the user is not flooded.
    if (!m_saveFailureShown) {
        m_saveFailureShown = true;
        m_ctx.prompter->message(nullptr,
                                QStringLiteral("Your notes could not be saved (%1). The last saved "
                                               "copy is unchanged; Pennyquill will try again after "
                                               "your next change.")
                                    .arg(error.isEmpty() ? QStringLiteral("unknown error") : error),
                                AppInfo::Title, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
    }
    return false;
}

void frmSplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);

    QLinearGradient paper(card.topLeft(), card.bottomLeft());
    paper.setColorAt(0, QColor(255, 246, 196));
    paper.setColorAt(1, QColor(252, 222, 128));
    QPainterPath outline;
    outline.addRoundedRect(card, 14, 14);
    p.fillPath(outline, paper);
    p.setPen(QPen(QColor(176, 120, 30), 1.5));
    p.drawPath(outline);

    // The folded corner of a note.
    const QPointF corner = card.bottomRight();
    QPainterPath fold;
    fold.moveTo(corner + QPointF(-34, 0));
    fold.lineTo(corner + QPointF(0, -34));
    fold.lineTo(corner + QPointF(-30, -30));
    fold.closeSubpath();
    p.fillPath(fold, QColor(232, 190, 90));

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(31);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(110, 66, 8));
    p.drawText(QRectF(132, 28, width() - 140, 50), Qt::AlignLeft | Qt::AlignVCenter,
               AppInfo::Title);

    QFont tagline(QStringLiteral("DejaVu Sans"));
    tagline.setPixelSize(12);
    p.setFont(tagline);
    p.setPen(QColor(140, 96, 30));
    p.drawText(QRectF(134, 112, width() - 150, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Sticky notes by ") + AppInfo::MakerName);
}
