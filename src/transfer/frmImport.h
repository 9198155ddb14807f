#pragma once

#include "shell/Form.h"

class QLabel;
class QPushButton;
class QRadioButton;

// "Import Notes": xpad's notes, Sticky Notes' file, or text, Markdown, RTF and HTML files.
class frmImport : public Form
{
    Q_OBJECT
public:
    explicit frmImport(AppContext &ctx);

    // The dialog's single instance, loaded when needed, shown and raised.
    static frmImport *Open(AppContext &ctx);

    QLabel *lblInfo = nullptr;
    QRadioButton *optXpad = nullptr;
    QRadioButton *optSticky = nullptr;
    QRadioButton *optFiles = nullptr;
    QPushButton *cmdImport = nullptr;
    QPushButton *cmdCancel = nullptr;

    void cmdImport_Click();
    void cmdCancel_Click();
};
