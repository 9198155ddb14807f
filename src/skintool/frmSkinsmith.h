#pragma once

#include "shell/Form.h"

#include <QImage>
#include <QPointer>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class frmSkinPreview;

// skinsmith's main window: load a picture, see it at the note's size with the
// note's controls over it, fill in the skin's and the author's details, and
// build the skin file; or open a skin file to see it and fill the fields again.
class frmSkinsmith : public Form
{
    Q_OBJECT
public:
    static const QString Title;
    // The skins upload page, opened from lblLink.
    static const QString UploadPage;
    static const char *const SkinFilter;

    explicit frmSkinsmith(AppContext &ctx);

    // The filters of the Load Image dialog: the classic picture types, PNG,
    // and every other type this system's picture reader knows.
    static QStringList ImageFilters();

    QLabel *lblTitle = nullptr;
    QLabel *picSkin = nullptr;
    QGroupBox *fraMain = nullptr;
    QLabel *lblSkinName = nullptr;
    QLineEdit *txtSkinName = nullptr;
    QPushButton *cmdLoadImage = nullptr;
    QLabel *picSkinPreview = nullptr;
    QLabel *imgOverLayer = nullptr;
    QCheckBox *chkCompress = nullptr;
    QGroupBox *fraCompress = nullptr;
    QSlider *sldCompress = nullptr;
    QLabel *lblQuality = nullptr;
    QGroupBox *fraAuthorInfo = nullptr;
    QLabel *lblName = nullptr;
    QLineEdit *txtName = nullptr;
    QLabel *lblEmail = nullptr;
    QLineEdit *txtEmail = nullptr;
    QLabel *lblWebsite = nullptr;
    QLineEdit *txtWebsite = nullptr;
    QLabel *lblLink = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdBuildSkin = nullptr;
    QPushButton *cmdClose = nullptr;

    // The picture as loaded, at its own size (null until one is loaded).
    QImage imgSkin;
    // The note's controls, painted over the canvas and the large preview.
    QImage imgButtons;

    // The picture or skin file last loaded.
    QString lastPath() const { return m_lastPath; }
    // The JPEG quality Build Skin uses.
    int quality() const;
    // The open large preview, if any.
    frmSkinPreview *preview() const;

    void cmdLoadImage_Click();
    void chkCompress_Click();
    void cmdBuildSkin_Click();
    void cmdOpen_Click();
    void ReadSkin();
    void imgOverLayer_Click();
    void lblLink_Click();
    void cmdClose_Click();

protected:
    void Form_Unload() override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void showPicture(const QImage &picture, const QString &path);
    bool checkFields();
    void warn(const QString &text, QWidget *field);
    QString startFolder() const;

    QString m_lastPath;
    QPointer<frmSkinPreview> m_preview;
};
