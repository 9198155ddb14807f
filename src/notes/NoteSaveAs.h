#pragma once

#include <QCoreApplication>
#include <QString>

struct AppContext;
class FileSystem;
class RichTextBox;
class QWidget;

// "Save As" of a note: its text as RTF or as plain text, by the type the user picks. The name
// written is the one asked about: a name without an extension gets the type's, and an existing
// file at that name is replaced only when the user agrees. A symbolic link at the name is
// refused, and the file is renamed onto the name itself, so a link planted in a shared folder
// never makes the save replace a file elsewhere.
class NoteSaveAs
{
    Q_DECLARE_TR_FUNCTIONS(NoteSaveAs)

public:
    NoteSaveAs(AppContext &ctx, QWidget *parent);

    // Asks for the name and writes the text; false when nothing was written (cancelled,
    // refused or failed; the user has been told why).
    bool run(const RichTextBox &text);
    bool run(FileSystem &fs, const RichTextBox &text);

    // The name that is really written for the chosen one.
    static QString finalName(const QString &chosen, bool rich);

private:
    bool allowed(const QString &path, bool extensionAdded) const;
    bool write(FileSystem &fs, const QString &path, const QByteArray &bytes) const;
    void tell(const QString &text) const;

    AppContext &m_ctx;
    QWidget *m_parent;
};
