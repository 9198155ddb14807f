// Feeds arbitrary bytes to the RTF reader, as a whole note and pasted into the middle of
// one, and checks what the writer promises about what it then writes: plain ASCII without
// "[" or "<" (the note files' reserved characters), lines ending in "\r\n", the same bytes
// when written twice, and the same text when read back.
#include "notes/richtext/RichTextModel.h"
#include "notes/richtext/RtfReader.h"
#include "notes/richtext/RtfWriter.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

void checkWritten(const QByteArray &rtf)
{
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const auto c = static_cast<unsigned char>(rtf.at(i));
        check(c != 0 && c < 0x80 && c != '[' && c != '<');
        if (c == '\r')
            check(i + 1 < rtf.size() && rtf.at(i + 1) == '\n');
        if (c == '\n')
            check(i > 0 && rtf.at(i - 1) == '\r');
    }
}

QString readBack(const QByteArray &rtf)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    RtfReader(RtfReader::Target::Document).read(rtf, cursor);
    return RichTextModel(document).text();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    QTextDocument whole;
    QTextCursor cursor(&whole);
    RtfReader(RtfReader::Target::Document).read(input, cursor);
    const QByteArray written = RtfWriter::write(whole);
    checkWritten(written);
    check(RtfWriter::write(whole) == written);
    check(readBack(written) == RichTextModel(whole).text());

    QTextDocument pasted;
    QTextCursor into(&pasted);
    into.insertText(QStringLiteral("before"));
    into.insertBlock();
    into.insertText(QStringLiteral("after"));
    into.setPosition(3);
    into.setPosition(9, QTextCursor::KeepAnchor);
    RtfReader(RtfReader::Target::Selection, false).read(input, into);
    const RichTextModel model(pasted);
    check(!model.hasProtected(0, pasted.characterCount() - 1));
    const QByteArray part = RtfWriter::write(pasted, 2, into.position());
    checkWritten(part);
    return 0;
}
