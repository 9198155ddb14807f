#include "ScriptedPrompter.h"

#include <QPrinter>

Prompter::Answer ScriptedPrompter::message(QWidget *, const QString &text, const QString &title,
                                           Buttons buttons, Icon icon)
{
    shown.append(Shown{text, title, buttons, icon});
    return answers.isEmpty() ? defaultAnswer : answers.dequeue();
}

std::optional<QColor> ScriptedPrompter::chooseColor(QWidget *, const QColor &initial)
{
    ++colorRequests;
    lastInitialColor = initial;
    return colors.isEmpty() ? std::nullopt : colors.dequeue();
}

std::optional<QFont> ScriptedPrompter::chooseFont(QWidget *, const QFont &initial, int, int,
                                                  const std::function<void(const QFont &)> &onApply)
{
    ++fontRequests;
    lastInitialFont = initial;
    if (fonts.isEmpty())
        return std::nullopt;
    const FontAnswer answer = fonts.dequeue();
    for (const QFont &font : answer.applied)
        if (onApply)
            onApply(font);
    return answer.chosen;
}

std::optional<Prompter::FileChoice>
ScriptedPrompter::openFile(QWidget *, const QString &, const QString &, const QStringList &filters)
{
    ++fileRequests;
    offeredFilters = filters;
    return files.isEmpty() ? std::nullopt : files.dequeue();
}

std::optional<Prompter::FileChoice> ScriptedPrompter::saveFile(QWidget *, const QString &,
                                                               const QString &,
                                                               const QStringList &filters, int)
{
    ++fileRequests;
    offeredFilters = filters;
    return files.isEmpty() ? std::nullopt : files.dequeue();
}

bool ScriptedPrompter::choosePrinter(QWidget *, QPrinter &printer)
{
    ++printRequests;
    if (printToPdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdf);
    return true;
}

QStringList ScriptedPrompter::openFiles(QWidget *, const QString &, const QString &,
                                        const QStringList &filters)
{
    ++fileRequests;
    offeredFilters = filters;
    return fileLists.isEmpty() ? QStringList() : fileLists.dequeue();
}

std::optional<QString> ScriptedPrompter::chooseFolder(QWidget *, const QString &, const QString &)
{
    ++fileRequests;
    return folders.isEmpty() ? std::nullopt : folders.dequeue();
}

void ScriptedPrompter::notice(QWidget *, const QString &text, const QString &title, Icon icon)
{
    shown.append(Shown{text, title, Buttons::Ok, icon, true});
}
