#pragma once

#include "shell/Form.h"

class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;

// The about box: the maker's logo and the product picture, and an information
// text that scrolls up through a small white window and comes in again from
// below. It reads and writes nothing; each opening is a new instance, so the
// text starts from its first place every time.
class frmAbout : public Form
{
    Q_OBJECT
public:
    explicit frmAbout(AppContext &ctx);

    // The scroll window and the text's travel, in twips.
    static constexpr int ContainerHeight = 1635;
    static constexpr int InfoStartTop = 1605;
    static constexpr int InfoHeight = 4710;
    static constexpr int ScrollStep = 7;
    // How far the text's lower edge goes above the window before it wraps.
    static constexpr int WrapMargin = 200;

    // The information text: four paragraphs with CR LF line breaks.
    static QString InfoText();

    // txtInfo's top inside picContainer, in twips.
    int txtInfoTop() const { return m_infoTop; }

    QWidget *picContainer;
    QTextEdit *txtInfo;
    QTimer *tmrMoveInfo;
    QLabel *Label2;
    QPushButton *Command1;
    QPushButton *Command2;
    QLabel *Image2;
    QLabel *Image3;

    void tmrMoveInfo_Timer();
    void Command1_Click();
    void Command2_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void placeInfo();

    int m_infoTop = InfoStartTop;
};
