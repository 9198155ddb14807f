#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;
class QPrinter;

// Every message box and common dialog goes through a Prompter, so that tests
// can answer them and read what the user would have been shown.
class Prompter
{
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct FileChoice
    {
        QString path;
        int filterIndex = 0; // index into the filters that were offered
    };

    virtual ~Prompter() = default;

    virtual Answer message(QWidget *parent, const QString &text, const QString &title,
                           Buttons buttons, Icon icon) = 0;

    // Empty when the user cancels.
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) = 0;

    // onApply is called each time the user presses Apply while the dialog is open.
    // Sizes outside minSize..maxSize are not offered.
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial, int minSize,
                                            int maxSize,
                                            const std::function<void(const QFont &)> &onApply) = 0;

    // filters are dialog filters such as "Rich Text (*.rtf)".
    virtual std::optional<FileChoice> openFile(QWidget *parent, const QString &title,
                                               const QString &dir, const QStringList &filters) = 0;
    virtual std::optional<FileChoice> saveFile(QWidget *parent, const QString &title,
                                               const QString &dir, const QStringList &filters,
                                               int selectedFilter) = 0;

    // Lets the user set up the printer; false when the user cancels.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;

    // Several files at once; empty when the user cancels. Prompters without a dialog of
    // their own offer the one-file dialog.
    virtual QStringList openFiles(QWidget *parent, const QString &title, const QString &dir,
                                  const QStringList &filters)
    {
        const std::optional<FileChoice> one = openFile(parent, title, dir, filters);
        return one ? QStringList{one->path} : QStringList();
    }
    // A folder; empty when the user cancels (and from prompters without a folder dialog).
    virtual std::optional<QString> chooseFolder(QWidget * /*parent*/, const QString & /*title*/,
                                                const QString & /*dir*/)
    {
        return std::nullopt;
    }
    // A message that neither waits for an answer nor takes the keyboard from what the user
    // is typing. Prompters without such a window show the ordinary message.
    virtual void notice(QWidget *parent, const QString &text, const QString &title, Icon icon)
    {
        message(parent, text, title, Buttons::Ok, icon);
    }
};
