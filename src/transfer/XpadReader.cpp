#include "transfer/XpadReader.h"

#include "shell/Twips.h"
#include "transfer/NoteDocument.h"
#include "transfer/NoteFileReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QHash<QString, QString> parseInfo(const QString &text)
{
    QHash<QString, QString> values;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        if (space > 0 && !values.contains(line.left(space)))
            values.insert(line.left(space), line.mid(space + 1).trimmed());
    }
    return values;
}

// The colour the alarm marks use is never given to ordinary text.
QColor ordinaryTextColor(QColor color)
{
    if (color == QColor(255, 128, 0))
        color.setBlue(1);
    return color;
}

} // namespace

QString XpadReader::defaultFolder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/xpad");
}

QColor XpadReader::parseColor(const QString &text)
{
    static const QRegularExpression rgb(
        QStringLiteral("^rgba?\\(\\s*(\\d{1,3})\\s*,\\s*(\\d{1,3})\\s*,\\s*(\\d{1,3})"));
    if (const QRegularExpressionMatch match = rgb.match(text.trimmed()); match.hasMatch()) {
        const int r = match.captured(1).toInt(), g = match.captured(2).toInt(),
                  b = match.captured(3).toInt();
        return r < 256 && g < 256 && b < 256 ? QColor(r, g, b) : QColor();
    }
    const QColor named = QColor::fromString(text.trimmed());
    return named.isValid() ? named : QColor();
}

ImportBatch XpadReader::read(const QString &folder)
{
    ImportBatch batch;
    batch.source = QStringLiteral("xpad");
    const QDir dir(folder);
    if (!dir.exists()) {
        batch.errors.append(
            QCoreApplication::translate(
                "XpadReader", "There are no xpad notes: the folder \"%1\" does not exist.")
                .arg(folder));
        return batch;
    }
    const QStringList infos =
        dir.entryList({QStringLiteral("info-*")}, QDir::Files | QDir::Hidden, QDir::Name);
    if (infos.isEmpty()) {
        batch.errors.append(
            QCoreApplication::translate("XpadReader", "There are no xpad notes in \"%1\".")
                .arg(folder));
        return batch;
    }
    int empty = 0;
    for (const QString &infoName : infos) {
        if (batch.notes.size() >= ImportBatch::MaxNotes) {
            batch.errors.append(
                QCoreApplication::translate("XpadReader", "Only the first %1 xpad notes were read.")
                    .arg(ImportBatch::MaxNotes));
            break;
        }
        QString why;
        const std::optional<QByteArray> infoBytes =
            NoteFileReader::readFile(dir.filePath(infoName), &why);
        const std::optional<QString> infoText =
            infoBytes ? NoteFileReader::decodeText(*infoBytes) : std::nullopt;
        if (!infoText) {
            batch.errors.append(
                QCoreApplication::translate("XpadReader", "The xpad note \"%1\" was not read: %2.")
                    .arg(infoName, infoBytes ? QStringLiteral("it is not text") : why));
            continue;
        }
        const QHash<QString, QString> info = parseInfo(*infoText);
        // The text file is named inside the folder, never a path elsewhere.
        const QString contentName = info.value(QStringLiteral("content"));
        if (contentName.isEmpty() || QFileInfo(contentName).fileName() != contentName ||
            contentName.startsWith(QLatin1Char('.'))) {
            batch.errors.append(
                QCoreApplication::translate("XpadReader",
                                            "The xpad note \"%1\" names no text file of its own.")
                    .arg(infoName));
            continue;
        }
        const std::optional<QByteArray> contentBytes =
            NoteFileReader::readFile(dir.filePath(contentName), &why);
        bool latin1 = false;
        const std::optional<QString> content =
            contentBytes ? NoteFileReader::decodeText(*contentBytes, &latin1) : std::nullopt;
        if (!content) {
            batch.errors.append(
                QCoreApplication::translate("XpadReader",
                                            "The text of the xpad note \"%1\" was not read: %2.")
                    .arg(infoName, contentBytes ? QStringLiteral("it is binary data") : why));
            continue;
        }
        if (content->trimmed().isEmpty()) {
            ++empty;
            continue;
        }
        if (latin1)
            batch.unmappedOnce(QCoreApplication::translate(
                "XpadReader", "Some xpad texts were not UTF-8 and were read as Latin-1."));

        ImportBatch::Note note;
        QString text = *content;
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        QTextDocument document;
        document.setPlainText(text);
        const QColor textColor = parseColor(info.value(QStringLiteral("text")));
        if (textColor.isValid() && textColor != QColor(Qt::black)) {
            QTextCursor all(&document);
            all.select(QTextCursor::Document);
            QTextCharFormat format;
            format.setForeground(ordinaryTextColor(textColor));
            all.mergeCharFormat(format);
        }
        note.note.TextRTF = NoteDocument::toRtf(document);
        bool xOk = false, yOk = false;
        const int x = info.value(QStringLiteral("x")).toInt(&xOk);
        const int y = info.value(QStringLiteral("y")).toInt(&yOk);
        note.placeKnown = xOk && yOk;
        if (note.placeKnown) {
            note.note.Left = Twips::fromPixels(x);
            note.note.Top = Twips::fromPixels(y);
        }
        note.note.Visible = info.value(QStringLiteral("hidden")) != QLatin1String("1");
        note.background = parseColor(info.value(QStringLiteral("back")));
        if (info.value(QStringLiteral("sticky")) == QLatin1String("1"))
            batch.unmappedOnce(QStringLiteral("xpad's \"sticky\" (shown on every workspace): "
                                              "Pennyquill notes stay on their own."));
        if (info.contains(QStringLiteral("width")) || info.contains(QStringLiteral("height")))
            batch.unmappedOnce(QCoreApplication::translate(
                "XpadReader", "Sizes: a Pennyquill note has the size of its skin."));
        if (info.value(QStringLiteral("follow_font")) == QLatin1String("0"))
            batch.unmappedOnce(QCoreApplication::translate(
                "XpadReader", "Fonts of single notes: the text keeps Pennyquill's font."));
        batch.notes.append(note);
    }
    if (empty > 0)
        batch.unmapped.append(QStringLiteral("%1 empty xpad note(s) were left out.").arg(empty));
    return batch;
}
