#include "transfer/StickyReader.h"

#include "shell/Twips.h"
#include "transfer/NoteDocument.h"
#include "transfer/NoteFileReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace {

QTextCharFormat formatFor(const QSet<QString> &active)
{
    QTextCharFormat format;
    if (active.contains(QStringLiteral("bold")) || active.contains(QStringLiteral("header")))
        format.setFontWeight(QFont::Bold);
    if (active.contains(QStringLiteral("italic")))
        format.setFontItalic(true);
    if (active.contains(QStringLiteral("underline")))
        format.setFontUnderline(true);
    if (active.contains(QStringLiteral("strikethrough")))
        format.setFontStrikeOut(true);
    if (active.contains(QStringLiteral("header")))
        format.setFontPointSize(14);
    if (active.contains(QStringLiteral("monospace")))
        format.setFontFamilies({QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    if (active.contains(QStringLiteral("red")))
        format.setForeground(QColor(Qt::red));
    return format;
}

const QSet<QString> &knownTags()
{
    static const QSet<QString> tags{QStringLiteral("bold"),      QStringLiteral("italic"),
                                    QStringLiteral("underline"), QStringLiteral("strikethrough"),
                                    QStringLiteral("header"),    QStringLiteral("monospace"),
                                    QStringLiteral("red")};
    return tags;
}

} // namespace

QString StickyReader::defaultPath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/sticky/notes.json");
}

QColor StickyReader::colorOf(const QString &name)
{
    static const QHash<QString, QColor> colors{{QStringLiteral("red"), QColor(0xff5561)},
                                               {QStringLiteral("green"), QColor(0x67ff67)},
                                               {QStringLiteral("blue"), QColor(0x3d9bff)},
                                               {QStringLiteral("yellow"), QColor(0xf6f907)},
                                               {QStringLiteral("purple"), QColor(0xa553ff)},
                                               {QStringLiteral("teal"), QColor(0x41ffed)},
                                               {QStringLiteral("orange"), QColor(0xffa939)},
                                               {QStringLiteral("magenta"), QColor(0xff7ff7)}};
    return colors.value(name);
}

void StickyReader::appendMarkedText(const QString &text, QTextCursor &cursor, QStringList &unmapped)
{
    QSet<QString> active;
    QList<int> bulletBlocks;
    QString run;
    auto flush = [&] {
        const QStringList lines = run.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                cursor.insertBlock(QTextBlockFormat(), formatFor(active));
            cursor.insertText(lines.at(i), formatFor(active));
        }
        run.clear();
    };
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('#')) {
            run.append(c);
            ++i;
            continue;
        }
        const QStringView rest = QStringView(text).mid(i);
        if (rest.startsWith(u"##")) {
            run.append(QLatin1Char('#'));
            i += 2;
        } else if (rest.startsWith(u"#check:") && rest.size() >= 8) {
            run.append(rest.at(7) == QLatin1Char('1') ? QStringLiteral("\u2611 ")
                                                      : QStringLiteral("\u2610 "));
            i += 8;
            if (i < text.size() && text.at(i) == QLatin1Char(' '))
                ++i;
        } else if (rest.startsWith(u"#bullet:")) {
            flush();
            bulletBlocks.append(cursor.block().blockNumber());
            i += 8;
            if (i < text.size() && text.at(i) == QLatin1Char(' '))
                ++i;
        } else if (rest.startsWith(u"#tag:") && rest.indexOf(QLatin1Char(':'), 5) > 5) {
            const qsizetype end = rest.indexOf(QLatin1Char(':'), 5);
            const QString name = rest.mid(5, end - 5).toString();
            flush();
            if (!active.remove(name))
                active.insert(name);
            if (!knownTags().contains(name))
                unmapped.append(
                    QCoreApplication::translate("StickyReader", "Sticky Notes' \"%1\" format.")
                        .arg(name));
            i += end + 1;
        } else {
            run.append(c);
            ++i;
        }
    }
    flush();
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    bullets.setIndent(1);
    QTextDocument *document = cursor.document();
    for (const int number : std::as_const(bulletBlocks)) {
        QTextCursor at(document->findBlockByNumber(number));
        if (!at.block().textList())
            at.createList(bullets);
    }
    cursor.movePosition(QTextCursor::End);
}

ImportBatch StickyReader::read(const QString &path)
{
    ImportBatch batch;
    batch.source = QStringLiteral("Sticky Notes");
    QString why;
    const std::optional<QByteArray> bytes = NoteFileReader::readFile(path, &why);
    if (!bytes) {
        batch.errors.append(QCoreApplication::translate(
                                "StickyReader", "The Sticky Notes file \"%1\" was not read: %2.")
                                .arg(path, why));
        return batch;
    }
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(*bytes, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject()) {
        batch.errors.append(
            QCoreApplication::translate(
                "StickyReader",
                "The Sticky Notes file \"%1\" is damaged (%2); nothing was imported.")
                .arg(path, error.error != QJsonParseError::NoError
                               ? QStringLiteral("%1 at character %2")
                                     .arg(error.errorString())
                                     .arg(error.offset)
                               : QStringLiteral("it holds no groups of notes")));
        return batch;
    }
    const QJsonObject groups = json.object();
    int refused = 0;
    for (auto group = groups.begin(); group != groups.end(); ++group) {
        const QJsonArray notes = group.value().toArray();
        if (!group.value().isArray())
            ++refused;
        for (const QJsonValue &value : notes) {
            if (batch.notes.size() >= ImportBatch::MaxNotes) {
                batch.errors.append(QCoreApplication::translate(
                                        "StickyReader", "Only the first %1 Sticky Notes were read.")
                                        .arg(ImportBatch::MaxNotes));
                return batch;
            }
            const QJsonObject object = value.toObject();
            if (!value.isObject() || !object.value(QStringLiteral("text")).isString()) {
                ++refused;
                continue;
            }
            QTextDocument document;
            QTextCursor cursor(&document);
            QTextCharFormat italic;
            italic.setFontItalic(true);
            cursor.insertText(group.key(), italic);
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            if (const QString title = object.value(QStringLiteral("title")).toString();
                !title.isEmpty()) {
                QTextCharFormat bold;
                bold.setFontWeight(QFont::Bold);
                cursor.insertText(title, bold);
                cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            }
            appendMarkedText(object.value(QStringLiteral("text")).toString(), cursor,
                             batch.unmapped);
            ImportBatch::Note note;
            note.note.TextRTF = NoteDocument::toRtf(document);
            const QJsonValue x = object.value(QStringLiteral("x"));
            const QJsonValue y = object.value(QStringLiteral("y"));
            note.placeKnown = x.isDouble() && y.isDouble();
            if (note.placeKnown) {
                note.note.Left = Twips::fromPixels(x.toInt());
                note.note.Top = Twips::fromPixels(y.toInt());
            }
            const QString color = object.value(QStringLiteral("color")).toString();
            note.background = colorOf(color);
            if (!note.background.isValid() && !color.isEmpty())
                batch.unmappedOnce(
                    QCoreApplication::translate("StickyReader", "The colour \"%1\".").arg(color));
            batch.notes.append(note);
        }
    }
    batch.unmapped.removeDuplicates();
    if (!batch.notes.isEmpty())
        batch.unmappedOnce(QCoreApplication::translate(
            "StickyReader", "Sizes: a Pennyquill note has the size of its skin."));
    if (refused > 0)
        batch.errors.append(QStringLiteral("%1 entries of \"%2\" are no notes and were left out.")
                                .arg(refused)
                                .arg(path));
    return batch;
}
