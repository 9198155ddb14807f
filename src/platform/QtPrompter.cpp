#include "platform/QtPrompter.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::Ok:
        return QMessageBox::Ok;
    case Prompter::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompter::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompter::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

Prompter::Answer QtPrompter::message(QWidget *parent, const QString &text, const QString &title,
                                     Buttons buttons, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, boxButtons(buttons), parent);
    // Notes may sit above other windows; the question must not hide behind them.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}

std::optional<QColor> QtPrompter::chooseColor(QWidget *parent, const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtPrompter::chooseFont(QWidget *parent, const QFont &initial, int minSize,
                                            int maxSize,
                                            const std::function<void(const QFont &)> &onApply)
{
    QFontDialog dialog(initial, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        QPushButton *apply = buttons->addButton(QDialogButtonBox::Apply);
        QObject::connect(
            apply, &QPushButton::clicked, &dialog, [&dialog, &onApply, minSize, maxSize] {
                QFont font = dialog.currentFont();
                if (onApply && font.pointSize() >= minSize && font.pointSize() <= maxSize)
                    onApply(font);
            });
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QFont font = dialog.selectedFont();
    if (font.pointSize() < minSize)
        font.setPointSize(minSize);
    if (font.pointSize() > maxSize)
        font.setPointSize(maxSize);
    return font;
}

std::optional<Prompter::FileChoice> QtPrompter::openFile(QWidget *parent, const QString &title,
                                                         const QString &dir,
                                                         const QStringList &filters)
{
    QString selected;
    const QString path = QFileDialog::getOpenFileName(
        parent, title, dir, filters.join(QStringLiteral(";;")), &selected);
    if (path.isEmpty())
        return std::nullopt;
    return FileChoice{path, static_cast<int>(std::max<qsizetype>(0, filters.indexOf(selected)))};
}

std::optional<Prompter::FileChoice> QtPrompter::saveFile(QWidget *parent, const QString &title,
                                                         const QString &dir,
                                                         const QStringList &filters,
                                                         int selectedFilter)
{
    QString selected = filters.value(selectedFilter);
    const QString path = QFileDialog::getSaveFileName(
        parent, title, dir, filters.join(QStringLiteral(";;")), &selected);
    if (path.isEmpty())
        return std::nullopt;
    return FileChoice{path, static_cast<int>(std::max<qsizetype>(0, filters.indexOf(selected)))};
}

bool QtPrompter::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QStringList QtPrompter::openFiles(QWidget *parent, const QString &title, const QString &dir,
                                  const QStringList &filters)
{
    return QFileDialog::getOpenFileNames(parent, title, dir, filters.join(QStringLiteral(";;")));
}

std::optional<QString> QtPrompter::chooseFolder(QWidget *parent, const QString &title,
                                                const QString &dir)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, title, dir);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

void QtPrompter::notice(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    auto *box = new QMessageBox(boxIcon(icon), title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Keys typed into a note meanwhile stay in the note.
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->setWindowModality(Qt::NonModal);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->show();
}
