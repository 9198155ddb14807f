#pragma once

#include "shell/Form.h"

#include <QPointer>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// Enters a new tip or edits one, straight into the options dialog's tip list.
// It is shown application-modal: nothing else can change that list meanwhile.
class frmEnterTip : public Form
{
    Q_OBJECT
public:
    frmEnterTip(AppContext &ctx, QListWidget *lstTips);

    // Empty while a new tip is added; otherwise the list position, in decimal,
    // of the tip being edited.
    QString iEdit;

    QGroupBox *fraTip = nullptr;
    QLineEdit *txtTip = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void Form_Load() override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPointer<QListWidget> m_lstTips;
};
