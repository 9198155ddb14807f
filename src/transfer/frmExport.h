#pragma once

#include "shell/Form.h"
#include "shell/SessionFile.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

// "Export All Notes": every note to a folder, one file each with an index.html, or all
// notes into one printable HTML or PDF file. Existing files are replaced only when the
// user says so.
class frmExport : public Form
{
    Q_OBJECT
public:
    explicit frmExport(AppContext &ctx);

    static frmExport *Open(AppContext &ctx);

    QRadioButton *optMarkdown = nullptr;
    QRadioButton *optHtml = nullptr;
    QRadioButton *optRtf = nullptr;
    QRadioButton *optOneHtml = nullptr;
    QRadioButton *optOnePdf = nullptr;
    QLineEdit *txtFolder = nullptr;
    QPushButton *cmdBrowse = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdCancel = nullptr;

    void cmdBrowse_Click();
    // True when files were written.
    bool cmdExport_Click();
    void cmdCancel_Click();
};
