#pragma once

#include "shell/Form.h"

#include <QPointer>
#include <QStringList>

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class frmNote;

// The skin dialog: lists the installed skins, shows the header of the one
// selected and puts it on one note or on every note. Loaded without being
// shown, it is also the lookup by which start-up finds a note's stored skin.
class frmSkins : public Form
{
    Q_OBJECT
public:
    static inline const QString BaseSkin = QStringLiteral("<<Base Skin>>");
    // What a note opened on the base skin entry stores: no skin file has
    // this list name, so the note keeps the base skin after a restart.
    static inline const QString BaseSkinLower = QStringLiteral("<<base skin>>");

    explicit frmSkins(AppContext &ctx);

    // The dialog's single instance, loaded if it was not; null when the
    // program has no skin dialog.
    static frmSkins *Instance(AppContext &ctx);
    // Opens the dialog for one note: its skin is selected and put on again.
    static frmSkins *OpenFor(AppContext &ctx, frmNote *note);
    // Opens the dialog for every note: the all-notes box is checked and fixed.
    static frmSkins *OpenForAll(AppContext &ctx);

    // The note served when opened from a note's menu; unset otherwise.
    QPointer<frmNote> frmToBeSet;
    // Set when opened for all notes or as the start-up lookup.
    bool bJustLoad = true;

    QLabel *lblTitle = nullptr;
    QListWidget *lstSkins = nullptr;
    QPlainTextEdit *txtSkinInfo = nullptr;
    QCheckBox *chkChangeAll = nullptr;
    QLabel *lblChanging = nullptr;
    QLabel *lblLink = nullptr;
    QPushButton *cmdClose = nullptr;
    // The skin file behind list entry i is files[i - 1].
    QStringList files;

    // Fills the list again from the skins folders; from a note's menu it
    // selects that note's skin and puts it on again.
    void FillList();
    // Start-up: puts the skin file listed under the note's stored name on it;
    // a name that is not listed leaves the note as it is.
    void ApplyStoredSkin(frmNote *note);

    void lstSkins_Click();
    void cmdClose_Click();
    void lblLink_Click();

    // Where "Get More Skins" leads.
    static QString SkinsPage();

protected:
    void Form_Load() override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Outcome { Applied, Refused, Stop };

    // The header lines of list entry row; tell: whether a damaged file is reported.
    QString infoText(int row, bool tell);
    Outcome applyFile(frmNote *note, const QString &path, const QString &listName);
    QList<QPointer<frmNote>> targets() const;
    void showCentred();

    // The selected row when the mouse was last pressed on the list.
    int m_rowAtPress = -1;
};
