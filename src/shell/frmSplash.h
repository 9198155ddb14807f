#pragma once

#include "shell/Form.h"
#include "shell/SessionFile.h"
#include "skins/SkinInstaller.h"

#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>

class QFrame;
class QLabel;
class QSystemTrayIcon;
class TextLoader;
class frmNote;
class NotesSync;

// The start-up window: shows while the notes of the last session come back,
// then hides and stays loaded for the whole run. It owns the tray icon, and
// it writes the session: a few seconds after the notes change, when asked to
// by the desktop or a signal, and when it is unloaded at exit.
class frmSplash : public Form
{
    Q_OBJECT
public:
    // How long after a change the session is written.
    static constexpr int SaveDelayMs = 3000;
    // More tips than anyone writes: a larger "TipsCount" is taken as this many.
    static constexpr int MaxTips = 10000;
    // Every live note as the session stores it, in load order (what a save writes and an
    // export reads).
    static QList<SessionFile::Note> LiveNotes(AppContext &ctx);
    // One note's window as the session stores it.
    static SessionFile::Note LiveNote(frmNote *note);

    explicit frmSplash(AppContext &ctx);
    ~frmSplash() override;

    // Runs the loading scroll, then enables tmrLoad.
    void MoveInfo();

    QFrame *picContainer = nullptr;
    QLabel *txtInfo = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image3 = nullptr;
    QFrame *Shape1 = nullptr;
    QSystemTrayIcon *TrayIcon = nullptr;
    QTimer tmrMoveInfo;
    QTimer tmrLoad;
    // A skin file named on the command line (cleaned), or empty.
    QString CommandLineSkin;

    // Position of txtInfo inside picContainer, in twips.
    int txtInfoTop() const { return m_infoTop; }

    void tmrMoveInfo_Timer();
    void tmrLoad_Timer();
    // The tray icon's notifications; the third, the tray menu, is the icon's
    // own context menu.
    void TrayIcon_BringForward();
    void TrayIcon_ShowNotes();

    // Whether the desktop shows the tray icon; without one the tray's
    // commands are reached from every note's menu.
    bool trayAvailable() const { return m_trayAvailable; }

    // The session's notes are all back (until then nothing is saved).
    bool sessionLoaded() const { return m_loaded; }
    // Asked between notes and while a note's text is read: true stops the loading, because
    // the program has been asked to end.
    std::function<bool()> stopRequested;

    // Writes the session now; false (after telling the user) when it failed. A session that
    // is not fully loaded is never written: false, and nothing is said.
    bool SaveSession();
    // Before the program ends: writes the session; when that fails the user
    // decides whether to end anyway. False keeps the program running.
    bool SaveBeforeExit();
    // Asked to end from outside (a later start's --quit, the bus): writes the
    // session without asking anyone; false with the reason when that failed.
    bool SaveForQuit(QString *error);
    // Installs a skin file and shows it on a new note placed as "New Note"
    // places one; empty when the file was refused (the user was told).
    std::optional<SkinInstaller::Installed> AddSkinNote(const QString &skinFile);
    // Writes the session a few seconds after the first change that is not
    // saved yet, once, however many changes come in the meantime.
    void ScheduleSave();
    bool savePending() const { return m_saveTimer.isActive(); }
    int saveTimerRemaining() const { return m_saveTimer.remainingTime(); }

    // Keeps the notes in step with their files when something else changes them.
    NotesSync &sync() { return *m_sync; }

    // The notes restored by the last tmrLoad_Timer run, in load order.
    QList<frmNote *> restoredNotes() const { return m_restored; }

signals:
    // The session is fully back: from now on it is written when the program ends.
    void sessionBack();
    // The session's notes are back and the splash has hidden itself.
    void loadFinished();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void paintEvent(QPaintEvent *event) override;

private:
    // ending: the program ends, so notes that changed on disk are merged without windows.
    bool saveNotes(QString *error, bool ending = false);
    void MoveInfoStep();
    void placeInfo();
    void restoreNextNote();
    // Once every note is made and every huge text read.
    void finishWhenTextsAreBack();
    void finishLoading();
    frmNote *restoreNote(const SessionFile::Note &stored);
    void applyTipSettings(frmNote *note);
    void putStoredSkin(frmNote *note);
    // True when a note wearing the skin was added.
    bool installCommandLineSkin();
    void watch(Form *form);
    void tellAboutMissingTray();
    frmNote *menuNote() const;

    int m_infoTop = 0;
    QTimer m_scrollStep;
    QTimer m_saveTimer;
    // One note per tick, so the splash keeps painting and a stop request is heard
    // between notes.
    QTimer m_restoreStep;
    SessionFile::LoadResult m_session;
    // The tip options every restored note gets, read once per load.
    struct TipSettings
    {
        int delay = 0;
        bool showTips = false;
        bool random = false;
        bool showWhenStart = false;
    } m_tipSettings;
    qsizetype m_nextNote = 0;
    bool m_trayAvailable = false;
    bool m_loaded = false;
    bool m_saveFailureShown = false;
    QList<frmNote *> m_restored;
    // Huge texts still being read on worker threads; null once a note went away.
    QList<QPointer<TextLoader>> m_loaders;
    NotesSync *m_sync = nullptr;
    bool m_ending = false;
};
