#include "transfer/NoteFileReader.h"

#include "notes/richtext/RtfReader.h"
#include "transfer/NoteDocument.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>

namespace {

enum class Kind { Text, Markdown, Rtf, Html };

Kind kindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("md") || suffix == QLatin1String("markdown"))
        return Kind::Markdown;
    if (suffix == QLatin1String("rtf"))
        return Kind::Rtf;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return Kind::Html;
    return Kind::Text;
}

} // namespace

std::optional<QByteArray> NoteFileReader::readFile(const QString &path, QString *why)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *why = QStringLiteral("it does not exist");
        return std::nullopt;
    }
    if (!info.isFile()) {
        *why = QStringLiteral("it is not a file");
        return std::nullopt;
    }
    if (info.size() > ImportBatch::MaxFileBytes) {
        *why = QStringLiteral("it is larger than %1 MB").arg(ImportBatch::MaxFileBytes >> 20);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return std::nullopt;
    }
    // Read with a bound: the file may have grown since it was measured.
    QByteArray bytes = file.read(ImportBatch::MaxFileBytes + 1);
    if (bytes.size() > ImportBatch::MaxFileBytes) {
        *why = QStringLiteral("it is larger than %1 MB").arg(ImportBatch::MaxFileBytes >> 20);
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        *why = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

std::optional<QString> NoteFileReader::decodeText(const QByteArray &bytes, bool *latin1)
{
    // Text has no NUL and few control characters besides tabs, breaks and form feeds.
    qsizetype controls = 0;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0)
            return std::nullopt;
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f')
            ++controls;
    }
    if (controls * 20 > bytes.size())
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    const bool isLatin1 = utf8.hasError();
    if (isLatin1)
        text = QString::fromLatin1(bytes);
    if (latin1)
        *latin1 = isLatin1;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

ImportBatch NoteFileReader::read(const QStringList &paths)
{
    ImportBatch batch;
    batch.source = paths.size() == 1 ? QFileInfo(paths.first()).fileName()
                                     : QStringLiteral("%1 files").arg(paths.size());
    for (const QString &path : paths) {
        if (batch.notes.size() >= ImportBatch::MaxNotes) {
            batch.errors.append(
                QCoreApplication::translate("NoteFileReader", "Only the first %1 files were read.")
                    .arg(ImportBatch::MaxNotes));
            break;
        }
        const QString name = QFileInfo(path).fileName();
        QString why;
        const std::optional<QByteArray> bytes = readFile(path, &why);
        if (!bytes) {
            batch.errors.append(QStringLiteral("\"%1\" was not read: %2.").arg(name, why));
            continue;
        }
        const Kind kind = kindOf(path);
        bool latin1 = false;
        std::optional<QString> text;
        if (kind == Kind::Rtf && RtfReader::isRtf(*bytes))
            text = QString(); // read from the bytes below, in the document's code page
        else
            text = decodeText(*bytes, &latin1);
        if (!text) {
            batch.errors.append(
                QStringLiteral("\"%1\" was not read: it holds binary data, not text.").arg(name));
            continue;
        }
        if (latin1)
            batch.unmappedOnce(
                QCoreApplication::translate(
                    "NoteFileReader", "Files that are not UTF-8 were read as Latin-1 (\"%1\").")
                    .arg(name));
        QTextDocument document;
        switch (kind) {
        case Kind::Markdown:
            document.setMarkdown(*text, QTextDocument::MarkdownDialectGitHub);
            break;
        case Kind::Html:
            document.setHtml(*text);
            break;
        case Kind::Rtf: {
            QTextCursor cursor(&document);
            RtfReader reader(RtfReader::Target::Document, false);
            if (text->isEmpty())
                reader.read(*bytes, cursor);
            else
                reader.read(*text, cursor);
            break;
        }
        case Kind::Text:
            document.setPlainText(*text);
            break;
        }
        NoteDocument::useNoteBullets(document);
        ImportBatch::Note note;
        note.note.TextRTF = NoteDocument::toRtf(document);
        batch.notes.append(note);
    }
    return batch;
}
