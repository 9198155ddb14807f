#include "tips/frmEnterTip.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

frmEnterTip::frmEnterTip(AppContext &ctx, QListWidget *lstTips)
    : Form(ctx, QStringLiteral("frmEnterTip"), Qt::Dialog), m_lstTips(lstTips)
{
    setWindowTitle(tr("Enter Tip Text"));
    CaptionsInFrames();
    setWindowModality(Qt::ApplicationModal);

    fraTip = new QGroupBox(tr("Enter a Tip Text"), this);
    txtTip = new QLineEdit(fraTip);
    auto *tipLayout = new QVBoxLayout(fraTip);
    tipLayout->addWidget(txtTip);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    for (QPushButton *button : {cmdOK, cmdCancel})
        button->setMinimumWidth(80);
    cmdOK->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraTip);
    layout->addLayout(buttons);

    fraTip->setObjectName(QStringLiteral("fraTip"));
    txtTip->setObjectName(QStringLiteral("txtTip"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    connect(cmdOK, &QPushButton::clicked, this, &frmEnterTip::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEnterTip::cmdCancel_Click);
    connect(txtTip, &QLineEdit::returnPressed, this, &frmEnterTip::cmdOK_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frmEnterTip::cmdCancel_Click);
}

void frmEnterTip::Form_Load()
{
    resize(380, sizeHint().height());
    txtTip->setFocus();
}

void frmEnterTip::cmdOK_Click()
{
    if (m_lstTips) {
        const QString text = txtTip->text();
        bool editing = false;
        const int position = iEdit.toInt(&editing);
        if (editing && position >= 0 && position < m_lstTips->count()) {
            delete m_lstTips->takeItem(position);
            m_lstTips->insertItem(position, text);
            // Keep the edited tip selected, so Edit and Remove still have a target.
            m_lstTips->setCurrentRow(position);
        } else {
            m_lstTips->addItem(text);
        }
    }
    iEdit.clear();
    Unload();
}

void frmEnterTip::cmdCancel_Click()
{
    Unload();
}

void frmEnterTip::closeEvent(QCloseEvent *event)
{
    event->accept();
    Unload();
}
