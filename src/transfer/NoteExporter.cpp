#include "transfer/NoteExporter.h"

#include "alarms/AlarmEntry.h"
#include "platform/FileSystem.h"
#include "platform/SafeFile.h"
#include "transfer/NoteDocument.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace {

QString htmlPage(const QString &title, const QString &body)
{
    return QStringLiteral(
               "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>%1</title>\n"
               "<style>body{font-family:sans-serif;margin:2em}"
               "table{border-collapse:collapse}td,th{border:1px solid #bbb;"
               "padding:.3em .6em;text-align:left;vertical-align:top}"
               ".note{page-break-after:always;margin-bottom:2em}</style>\n"
               "</head><body>\n%2</body></html>\n")
        .arg(title.toHtmlEscaped(), body);
}

// The body of the document's own HTML: the single file puts several into one page.
QString htmlBody(const QTextDocument &document)
{
    const QString html = document.toHtml();
    const qsizetype start = html.indexOf(QLatin1String("<body"));
    const qsizetype open = html.indexOf(QLatin1Char('>'), start);
    const qsizetype end = html.lastIndexOf(QLatin1String("</body>"));
    if (start < 0 || open < 0 || end < open)
        return html;
    return html.mid(open + 1, end - open - 1);
}

// Qt writes a text's characters to Markdown as they are, so "# x" would come back as a
// heading and "_x_" in italics: what Markdown reads as marks is written escaped.
QString escapedForMarkdown(const QString &text, bool paragraphStart)
{
    static const QString marks = QStringLiteral("\\`*_[]<>#~|&");
    QString escaped;
    for (const QChar c : text) {
        if (marks.contains(c))
            escaped.append(QLatin1Char('\\'));
        escaped.append(c);
    }
    if (paragraphStart) {
        // A paragraph that starts like a list item or a numbered one.
        static const QRegularExpression item(QStringLiteral("^(\\s*)([-+=]|\\d+[.)])"));
        if (const QRegularExpressionMatch match = item.match(escaped); match.hasMatch())
            escaped.insert(match.capturedEnd(2) - 1, QLatin1Char('\\'));
    }
    return escaped;
}

void escapeForMarkdown(QTextDocument &document)
{
    struct Run
    {
        int position;
        int length;
        QString text;
        QTextCharFormat format;
    };
    QList<Run> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            runs.append(
                {fragment.position(), fragment.length(),
                 escapedForMarkdown(fragment.text(), fragment.position() == block.position()),
                 fragment.charFormat()});
        }
    // From the end, so the positions before stay valid.
    for (auto run = runs.crbegin(); run != runs.crend(); ++run) {
        QTextCursor cursor(&document);
        cursor.setPosition(run->position);
        cursor.setPosition(run->position + run->length, QTextCursor::KeepAnchor);
        cursor.insertText(run->text, run->format);
    }
}

QString titleOf(const SessionFile::Note &note)
{
    const QString line = NoteDocument::firstLine(NoteDocument::plainText(note.TextRTF));
    return line.isEmpty() ? QStringLiteral("(empty note)") : line;
}

QString alarmsOf(const SessionFile::Note &note)
{
    QStringList lines;
    for (const QString &line : note.Alerts)
        if (const std::optional<AlarmEntry> entry = AlarmEntry::parse(line))
            lines.append(
                QStringLiteral("%1 %2").arg(entry->TimeText, entry->Message).toHtmlEscaped());
    return lines.join(QStringLiteral("<br>"));
}

} // namespace

QString NoteExporter::safeBaseName(const QString &firstLine)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString name;
    for (const QChar c : firstLine) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            name.append(QLatin1Char(' '));
        else if (refused.contains(c))
            name.append(QLatin1Char('-'));
        else
            name.append(c);
    }
    name = name.simplified();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.size() > MaxBaseLength)
        name.truncate(MaxBaseLength);
    // A cut must not split a surrogate pair, nor leave a space or dot at the end.
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    while (name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("Note") : name;
}

QString NoteExporter::suffix(Format format)
{
    switch (format) {
    case Format::Markdown:
        return QStringLiteral(".md");
    case Format::Rtf:
        return QStringLiteral(".rtf");
    case Format::OnePdf:
        return QStringLiteral(".pdf");
    case Format::Html:
    case Format::OneHtml:
        break;
    }
    return QStringLiteral(".html");
}

QStringList NoteExporter::fileNames(const QList<SessionFile::Note> &notes, Format format)
{
    if (format == Format::OneHtml || format == Format::OnePdf)
        return {OneFileBase + suffix(format)};
    QSet<QString> taken{IndexName.toLower()};
    QStringList names;
    for (const SessionFile::Note &note : notes) {
        const QString base =
            safeBaseName(NoteDocument::firstLine(NoteDocument::plainText(note.TextRTF)));
        QString name = base + suffix(format);
        for (int n = 2; taken.contains(name.toLower()); ++n)
            name = QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix(format));
        taken.insert(name.toLower());
        names.append(name);
    }
    names.append(IndexName);
    return names;
}

QStringList NoteExporter::existing(const QString &folder, const QStringList &names)
{
    QStringList found;
    const QDir dir(folder);
    for (const QString &name : names)
        if (const QFileInfo info(dir.filePath(name)); info.exists() || info.isSymLink())
            found.append(name);
    return found;
}

QByteArray NoteExporter::noteFile(const SessionFile::Note &note, Format format)
{
    QTextDocument document;
    NoteDocument::fromRtf(note.TextRTF, document);
    switch (format) {
    case Format::Markdown:
        escapeForMarkdown(document);
        return document.toMarkdown(QTextDocument::MarkdownDialectGitHub).toUtf8();
    case Format::Rtf:
        return NoteDocument::toRtf(document).toLatin1();
    case Format::Html:
        return htmlPage(titleOf(note), htmlBody(document)).toUtf8();
    case Format::OneHtml:
    case Format::OnePdf:
        break;
    }
    return oneFile({note}, format);
}

QByteArray NoteExporter::indexFile(const QList<SessionFile::Note> &notes, const QStringList &names)
{
    QString rows;
    for (qsizetype i = 0; i < notes.size() && i < names.size(); ++i)
        rows += QStringLiteral("<tr><td><a href=\"%1\">%2</a></td><td>%3</td></tr>\n")
                    .arg(QString::fromLatin1(QUrl::toPercentEncoding(names.at(i))),
                         titleOf(notes.at(i)).toHtmlEscaped(), alarmsOf(notes.at(i)));
    return htmlPage(QStringLiteral("Pennyquill notes"),
                    QStringLiteral("<h1>Pennyquill notes</h1>\n<p>%1 notes</p>\n<table>\n"
                                   "<tr><th>Note</th><th>Alarms</th></tr>\n%2</table>\n")
                        .arg(notes.size())
                        .arg(rows))
        .toUtf8();
}

QByteArray NoteExporter::oneFile(const QList<SessionFile::Note> &notes, Format format)
{
    QString body = QStringLiteral("<h1>Pennyquill notes</h1>\n");
    for (const SessionFile::Note &note : notes) {
        QTextDocument document;
        NoteDocument::fromRtf(note.TextRTF, document);
        QString alarms = alarmsOf(note);
        if (!alarms.isEmpty())
            alarms = QStringLiteral("<p><i>Alarms:</i><br>%1</p>").arg(alarms);
        body +=
            QStringLiteral("<div class=\"note\">%1%2</div><hr>\n").arg(htmlBody(document), alarms);
    }
    const QString page = htmlPage(QStringLiteral("Pennyquill notes"), body);
    if (format != Format::OnePdf)
        return page.toUtf8();
    QTextDocument printable;
    printable.setHtml(page);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(QStringLiteral("Pennyquill notes"));
        printable.print(&pdf);
    }
    return buffer.data();
}

NoteExporter::Result NoteExporter::write(const QString &folder,
                                         const QList<SessionFile::Note> &notes, Format format)
{
    Result result;
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        result.error =
            QCoreApplication::translate("NoteExporter", "The folder \"%1\" could not be made.")
                .arg(folder);
        return result;
    }
    const QStringList names = fileNames(notes, format);
    const QDir dir(folder);
    for (qsizetype i = 0; i < names.size(); ++i) {
        QByteArray bytes;
        if (format == Format::OneHtml || format == Format::OnePdf)
            bytes = oneFile(notes, format);
        else if (i < notes.size())
            bytes = noteFile(notes.at(i), format);
        else
            bytes = indexFile(notes, names);
        QString error;
        if (!SafeFile::writeNew(FileSystem::real(), dir.filePath(names.at(i)), bytes, 0600,
                                &error)) {
            result.error =
                QStringLiteral("\"%1\" could not be written (%2).").arg(names.at(i), error);
            return result;
        }
        result.written.append(names.at(i));
    }
    return result;
}
