#pragma once

#include "notes/PictureButton.h"
#include "shell/Form.h"

#include <QPoint>
#include <QTimer>
#include <array>

class QLabel;

// The message balloon: a speech bubble with its pointer on the left that a
// note raises beside itself. There is one at a time; a new message replaces
// the text, place and closing period of the open one.
class frmToolTip : public Form, public PictureButton::Listener
{
    Q_OBJECT
public:
    explicit frmToolTip(AppContext &ctx);

    // The loaded balloon, or a new one loaded now.
    static frmToolTip *Open(AppContext &ctx);
    // The loaded balloon, or null.
    static frmToolTip *Loaded(AppContext &ctx);

    QLabel *lblToolTip = nullptr;
    PictureButton *butClose = nullptr;
    PictureButton *butCloseC = nullptr;
    QTimer tmrUnload;

    // Texts over 200 characters become their first 250 and "...".
    void CheckHeight();
    void CheckWidth();

    // Lays the balloon out for its text and shows it: shape, outline, topmost,
    // closing timer. Also what happens whenever the balloon is activated.
    void showBalloon();

    std::array<QPoint, 7> outlinePoints() const { return m_points; }

    void tmrUnload_Timer();
    // The close button: its pressed look while held, closing when let go.
    void PictureDown(PictureButton *button, Qt::MouseButton mouse) override;
    void PictureUp(PictureButton *button, Qt::MouseButton mouse, bool inside) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void layoutBalloon();

    std::array<QPoint, 7> m_points{};
};
