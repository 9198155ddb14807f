#pragma once

#include "shell/Form.h"

#include <QCursor>

class QLabel;
class QPushButton;
class QTextEdit;

// The support window: how to reach the maker, with two links that hand the
// web page and a new mail message to the desktop.
class frmSupport : public Form
{
    Q_OBJECT
public:
    explicit frmSupport(AppContext &ctx);

    // The window's mouse pointer: the default arrow, or the custom link cursor.
    static constexpr int vbDefault = 0;
    static constexpr int vbCustom = 99;
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    // The custom cursor the links and the window show.
    QCursor MouseIcon() const { return m_linkCursor; }

    // The contact text: its lines separated by CR LF.
    static QString InfoText();

    QTextEdit *txtInfo;
    QLabel *lblWebsite;
    QLabel *lblSupport;
    QPushButton *cmdClose;

    void lblWebsite_Click();
    void lblSupport_Click();
    void lblWebsite_MouseMove();
    void lblSupport_MouseMove();
    void Form_MouseMove();
    void cmdClose_MouseMove();
    void txtInfo_MouseMove();
    void cmdClose_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *linkLabel(const QString &text);
    void openInShell(const QString &target);

    QCursor m_linkCursor;
    int m_mousePointer = vbDefault;
};
