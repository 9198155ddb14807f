#pragma once

#include "platform/Prompter.h"

// The real dialogs.
class QtPrompter : public Prompter
{
public:
    Answer message(QWidget *parent, const QString &text, const QString &title, Buttons buttons,
                   Icon icon) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial, int minSize, int maxSize,
                                    const std::function<void(const QFont &)> &onApply) override;
    std::optional<FileChoice> openFile(QWidget *parent, const QString &title, const QString &dir,
                                       const QStringList &filters) override;
    std::optional<FileChoice> saveFile(QWidget *parent, const QString &title, const QString &dir,
                                       const QStringList &filters, int selectedFilter) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    QStringList openFiles(QWidget *parent, const QString &title, const QString &dir,
                          const QStringList &filters) override;
    std::optional<QString> chooseFolder(QWidget *parent, const QString &title,
                                        const QString &dir) override;
    void notice(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
};
