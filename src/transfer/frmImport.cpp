#include "transfer/frmImport.h"

#include "platform/Prompter.h"
#include "shell/AppContext.h"
#include "shell/FormRegistry.h"
#include "transfer/NoteImporter.h"
#include "transfer/StickyReader.h"
#include "transfer/XpadReader.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmImport::frmImport(AppContext &ctx) : Form(ctx, QStringLiteral("frmImport"), Qt::Dialog)
{
    setWindowTitle(tr("Import Notes"));
    lblInfo = new QLabel(tr("Bring notes in from another notes program or from files.\n"
                            "Each becomes a Pennyquill note, where it stood when that is known."),
                         this);
    optXpad = new QRadioButton(
        tr("&xpad notes (%1)").arg(QDir::toNativeSeparators(XpadReader::defaultFolder())), this);
    optSticky = new QRadioButton(tr("&Sticky Notes of Linux Mint (%1)")
                                     .arg(QDir::toNativeSeparators(StickyReader::defaultPath())),
                                 this);
    optFiles = new QRadioButton(tr("&Files: text, Markdown, RTF or HTML, one note each..."), this);
    optXpad->setChecked(true);
    cmdImport = new QPushButton(tr("&Import"), this);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdImport->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblInfo);
    layout->addSpacing(8);
    layout->addWidget(optXpad);
    layout->addWidget(optSticky);
    layout->addWidget(optFiles);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(cmdImport, &QPushButton::clicked, this, &frmImport::cmdImport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmImport::cmdCancel_Click);
}

frmImport *frmImport::Open(AppContext &ctx)
{
    auto *form = qobject_cast<frmImport *>(ctx.forms->find(QStringLiteral("frmImport")));
    if (!form) {
        form = new frmImport(ctx);
        form->Load();
    }
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

void frmImport::cmdImport_Click()
{
    QStringList sources;
    if (optXpad->isChecked())
        sources = {QStringLiteral("xpad")};
    else if (optSticky->isChecked())
        sources = {QStringLiteral("sticky")};
    else
        sources = m_ctx.prompter->openFiles(
            this, tr("Import Notes"), QDir::homePath(),
            {tr("Notes (*.txt *.text *.md *.markdown *.rtf *.html *.htm)"), tr("All files (*)")});
    if (sources.isEmpty())
        return;
    hide();
    NoteImporter(m_ctx).Import(NoteImporter::ReadSources(sources));
    Unload();
}

void frmImport::cmdCancel_Click()
{
    Unload();
}
