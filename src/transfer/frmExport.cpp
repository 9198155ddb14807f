#include "transfer/frmExport.h"

#include "platform/Prompter.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/FormRegistry.h"
#include "shell/frmSplash.h"
#include "transfer/NoteExporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QString listed(const QStringList &names)
{
    constexpr int Shown = 8;
    QString text = QStringLiteral("  ") + names.mid(0, Shown).join(QStringLiteral("\n  "));
    if (names.size() > Shown)
        text +=
            QCoreApplication::translate("frmExport", "\n  and %1 more").arg(names.size() - Shown);
    return text;
}

} // namespace

frmExport::frmExport(AppContext &ctx) : Form(ctx, QStringLiteral("frmExport"), Qt::Dialog)
{
    setWindowTitle(tr("Export All Notes"));
    optMarkdown = new QRadioButton(tr("One &Markdown file per note"), this);
    optHtml = new QRadioButton(tr("One &HTML file per note"), this);
    optRtf = new QRadioButton(tr("One &RTF file per note"), this);
    optOneHtml = new QRadioButton(tr("All notes in one printable HTML &file"), this);
    optOnePdf = new QRadioButton(tr("All notes in one &PDF file"), this);
    optMarkdown->setChecked(true);
    txtFolder = new QLineEdit(this);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    txtFolder->setText(
        QDir::toNativeSeparators((documents.isEmpty() ? QDir::homePath() : documents) +
                                 QStringLiteral("/Pennyquill notes")));
    txtFolder->setMinimumWidth(320);
    cmdBrowse = new QPushButton(tr("&Browse..."), this);
    cmdExport = new QPushButton(tr("&Export"), this);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdExport->setDefault(true);

    auto *folder = new QHBoxLayout;
    auto *lblFolder = new QLabel(tr("F&older:"), this);
    lblFolder->setBuddy(txtFolder);
    folder->addWidget(lblFolder);
    folder->addWidget(txtFolder, 1);
    folder->addWidget(cmdBrowse);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Files per note are named after the note's first line; index.html lists "
                      "them with their alarms."),
                   this));
    for (QRadioButton *option : {optMarkdown, optHtml, optRtf, optOneHtml, optOnePdf})
        layout->addWidget(option);
    layout->addLayout(folder);
    layout->addLayout(buttons);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmExport::cmdBrowse_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmExport::cmdExport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmExport::cmdCancel_Click);
}

frmExport *frmExport::Open(AppContext &ctx)
{
    auto *form = qobject_cast<frmExport *>(ctx.forms->find(QStringLiteral("frmExport")));
    if (!form) {
        form = new frmExport(ctx);
        form->Load();
    }
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

void frmExport::cmdBrowse_Click()
{
    if (const std::optional<QString> folder =
            m_ctx.prompter->chooseFolder(this, tr("Export All Notes"), txtFolder->text()))
        txtFolder->setText(QDir::toNativeSeparators(*folder));
}

bool frmExport::cmdExport_Click()
{
    auto tell = [this](const QString &text, Prompter::Icon icon) {
        m_ctx.prompter->message(this, text, AppInfo::Title, Prompter::Buttons::Ok, icon);
    };
    const QString folder = QDir::fromNativeSeparators(txtFolder->text().trimmed());
    if (folder.isEmpty()) {
        tell(tr("Please choose the folder to export to."), Prompter::Icon::Exclamation);
        return false;
    }
    NoteExporter::Format format = NoteExporter::Format::Markdown;
    if (optHtml->isChecked())
        format = NoteExporter::Format::Html;
    else if (optRtf->isChecked())
        format = NoteExporter::Format::Rtf;
    else if (optOneHtml->isChecked())
        format = NoteExporter::Format::OneHtml;
    else if (optOnePdf->isChecked())
        format = NoteExporter::Format::OnePdf;
    const QList<SessionFile::Note> notes = frmSplash::LiveNotes(m_ctx);
    if (const QStringList existing =
            NoteExporter::existing(folder, NoteExporter::fileNames(notes, format));
        !existing.isEmpty() &&
        m_ctx.prompter->message(this,
                                tr("These files are in \"%1\" already:\n%2\n\nReplace them?")
                                    .arg(QDir::toNativeSeparators(folder), listed(existing)),
                                AppInfo::Title, Prompter::Buttons::YesNo,
                                Prompter::Icon::Question) != Prompter::Answer::Yes)
        return false;
    const NoteExporter::Result result = NoteExporter::write(folder, notes, format);
    if (!result.error.isEmpty()) {
        QString text = tr("The export stopped: %1").arg(result.error);
        if (!result.written.isEmpty())
            text += tr("\n\nWritten before that:\n") + listed(result.written);
        tell(text, Prompter::Icon::Exclamation);
        return false;
    }
    tell(tr("%1 notes exported to \"%2\".").arg(notes.size()).arg(QDir::toNativeSeparators(folder)),
         Prompter::Icon::Information);
    Unload();
    return true;
}

void frmExport::cmdCancel_Click()
{
    Unload();
}
