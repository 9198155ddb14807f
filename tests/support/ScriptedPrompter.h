#pragma once

#include "platform/Prompter.h"

#include <QList>
#include <QQueue>

// Answers message boxes and dialogs from queues that a test fills, and keeps
// every message it was asked to show. With an empty queue a message box is
// answered with defaultAnswer and a dialog is cancelled.
class ScriptedPrompter : public Prompter
{
public:
    struct Shown
    {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
        // Shown without waiting for an answer or taking the keyboard.
        bool notice = false;
    };

    QQueue<Answer> answers;
    Answer defaultAnswer = Answer::Ok;
    QQueue<std::optional<QColor>> colors;
    // Each font answer may press Apply with some fonts before closing.
    struct FontAnswer
    {
        QList<QFont> applied;
        std::optional<QFont> chosen;
    };
    QQueue<FontAnswer> fonts;
    QQueue<std::optional<FileChoice>> files;
    // Answers to the several-files and the folder dialogs.
    QQueue<QStringList> fileLists;
    QQueue<std::optional<QString>> folders;
    // When set, choosePrinter sends the output to this PDF file and accepts.
    QString printToPdf;

    QList<Shown> shown;
    int colorRequests = 0;
    int fontRequests = 0;
    int fileRequests = 0;
    int printRequests = 0;
    QStringList offeredFilters;
    QColor lastInitialColor;
    QFont lastInitialFont;

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
