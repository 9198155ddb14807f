#pragma once

#include "shell/Form.h"

#include <QImage>

class QLabel;
class QPushButton;

// The large preview: the picture at the note's size with the note's controls
// over it, in a window of its own beside the main window.
class frmSkinPreview : public Form
{
    Q_OBJECT
public:
    explicit frmSkinPreview(AppContext &ctx);

    // Shows picture stretched to the canvas, with the regions of overlay.
    void ShowPicture(const QImage &picture, const QImage &overlay);

    QLabel *picSkin = nullptr;
    QPushButton *cmdClose = nullptr;
    QImage imgButtons;

    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
};
