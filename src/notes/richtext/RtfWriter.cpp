#include "notes/richtext/RtfWriter.h"

#include "notes/richtext/RichTextModel.h"
#include "notes/richtext/RtfCodePage.h"

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace {

struct RunStyle
{
    int font = -1;
    int halfPoints = -1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool protect = false;
    int color = 0; // index into the colour table; 0 is the automatic colour

    bool operator==(const RunStyle &other) const
    {
        return font == other.font && halfPoints == other.halfPoints && bold == other.bold &&
               italic == other.italic && underline == other.underline && strike == other.strike &&
               protect == other.protect && color == other.color;
    }
};

// Fonts and colours in the order they are first used, so the tables come out the same for
// the same document.
class Tables
{
public:
    explicit Tables(const QTextDocument &document) : m_model(document) {}

    RunStyle styleOf(const QTextCharFormat &format)
    {
        const QFont font = m_model.effectiveFont(format);
        RunStyle style;
        style.font = fontIndex(font.family());
        const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
        style.halfPoints = std::clamp(qRound(points * 2), 2, 3276);
        style.bold = font.bold();
        style.italic = font.italic();
        style.underline = font.underline();
        style.strike = font.strikeOut();
        style.protect = RichTextModel::isProtected(format);
        style.color = colorIndex(format);
        return style;
    }

    int fontIndex(QString family)
    {
        family.remove(QLatin1Char(';'));
        if (family.isEmpty())
            family = QStringLiteral("Arial");
        qsizetype index = m_fonts.indexOf(family);
        if (index < 0) {
            m_fonts.append(family);
            index = m_fonts.size() - 1;
        }
        return static_cast<int>(index);
    }

    int colorIndex(const QTextCharFormat &format)
    {
        if (format.foreground().style() == Qt::NoBrush)
            return 0;
        const QRgb rgb = format.foreground().color().rgb() & 0xFFFFFFu;
        const auto found = std::find(m_colors.begin(), m_colors.end(), rgb);
        if (found != m_colors.end())
            return static_cast<int>(found - m_colors.begin()) + 1;
        m_colors.push_back(rgb);
        return static_cast<int>(m_colors.size());
    }

    const QStringList &fonts() const { return m_fonts; }
    const std::vector<QRgb> &colors() const { return m_colors; }

private:
    RichTextModel m_model;
    QStringList m_fonts;
    std::vector<QRgb> m_colors;
};

// RTF text with the escaping the note files need.
class Output
{
public:
    QByteArray bytes;

    void word(const char *name)
    {
        bytes += '\\';
        bytes += name;
        m_needsDelimiter = true;
    }

    void word(const char *name, int parameter)
    {
        word(name);
        bytes += QByteArray::number(parameter);
    }

    void raw(const char *text)
    {
        bytes += text;
        m_needsDelimiter = false;
    }

    void lineEnd() { raw("\r\n"); }

    // Half of a surrogate pair alone is no character; it is left out rather than written as
    // a \u that no reader can make sense of.
    void text(const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                character(c.unicode());
                character(text.at(++i).unicode());
            } else if (!c.isSurrogate()) {
                character(c.unicode());
            }
        }
    }

private:
    void hex(int byte)
    {
        static const char digits[] = "0123456789abcdef";
        bytes += "\\'";
        bytes += digits[(byte >> 4) & 0xF];
        bytes += digits[byte & 0xF];
        m_needsDelimiter = false;
    }

    void character(char16_t c)
    {
        switch (c) {
        case 0:
            return;
        case u'\\':
        case u'{':
        case u'}':
            raw(c == u'\\' ? "\\\\" : c == u'{' ? "\\{" : "\\}");
            return;
        case u'\t':
            word("tab");
            return;
        case QChar::LineSeparator:
            word("line");
            return;
        case u'[': // could start a line that reads as a block header
        case u'<': // could form a separator of the note files
            hex(c);
            return;
        default:
            break;
        }
        if (c >= 0x20 && c < 0x7F) {
            if (m_needsDelimiter)
                bytes += ' ';
            bytes += static_cast<char>(c);
            m_needsDelimiter = false;
            return;
        }
        const int ansi = RtfCodePage::encodeWindows1252(c);
        if (ansi >= 0) {
            hex(ansi);
            return;
        }
        word("u", c > 0x7FFF ? int(c) - 0x10000 : int(c)); // RTF's parameter is signed 16-bit
        raw("?");
    }

    bool m_needsDelimiter = false;
};

void writeStyle(Output &out, RunStyle &current, const RunStyle &wanted)
{
    if (wanted.font != current.font)
        out.word("f", wanted.font);
    if (wanted.halfPoints != current.halfPoints)
        out.word("fs", wanted.halfPoints);
    if (wanted.bold != current.bold)
        out.word(wanted.bold ? "b" : "b0");
    if (wanted.italic != current.italic)
        out.word(wanted.italic ? "i" : "i0");
    if (wanted.underline != current.underline)
        out.word(wanted.underline ? "ul" : "ulnone");
    if (wanted.strike != current.strike)
        out.word(wanted.strike ? "strike" : "strike0");
    if (wanted.color != current.color)
        out.word("cf", wanted.color);
    if (wanted.protect != current.protect)
        out.word(wanted.protect ? "protect" : "protect0");
    current = wanted;
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument &document)
{
    return write(document, 0, document.characterCount() - 1, true);
}

QByteArray RtfWriter::write(const QTextDocument &document, int from, int to)
{
    const int end = document.characterCount() - 1;
    from = std::clamp(from, 0, end);
    to = std::clamp(to, from, end);
    return write(document, from, to, false);
}

QByteArray RtfWriter::write(const QTextDocument &document, int from, int to, bool whole)
{
    struct Piece
    {
        QString text; // empty for a paragraph break
        RunStyle style;
        bool paragraphStart = false;
        bool bullet = false;
    };
    Tables tables(document);
    tables.fontIndex(document.defaultFont().family()); // the \deff font, also for empty text
    std::vector<Piece> pieces;
    bool anyBullet = false;

    const QTextBlock first = document.findBlock(from);
    for (QTextBlock block = first;
         block.isValid() && (whole || block == first || block.position() < to);
         block = block.next()) {
        Piece start;
        start.paragraphStart = true;
        start.bullet = block.textList() != nullptr;
        anyBullet = anyBullet || start.bullet;
        pieces.push_back(start);
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int begin = std::max(fragment.position(), from);
            const int finish = std::min(fragment.position() + fragment.length(), to);
            if (begin >= finish)
                continue;
            Piece run;
            run.text = fragment.text().mid(begin - fragment.position(), finish - begin);
            run.style = tables.styleOf(fragment.charFormat());
            pieces.push_back(run);
        }
        const int breakPosition = block.position() + block.length() - 1;
        const QTextBlock next = block.next();
        if (next.isValid() && breakPosition >= from && breakPosition < to) {
            Piece paragraphBreak;
            paragraphBreak.style = tables.styleOf(next.charFormat());
            pieces.push_back(paragraphBreak);
        } else if (whole && !next.isValid()) {
            Piece paragraphBreak;
            paragraphBreak.style = pieces.back().paragraphStart ? tables.styleOf(block.charFormat())
                                                                : pieces.back().style;
            pieces.push_back(paragraphBreak);
        }
    }
    const int symbolFont = anyBullet ? tables.fontIndex(QStringLiteral("Symbol")) : -1;

    Output out;
    out.raw("{");
    out.word("rtf1");
    out.word("ansi");
    out.word("ansicpg", 1252);
    out.word("deff", 0);
    out.word("uc", 1);
    out.raw("{");
    out.word("fonttbl");
    for (qsizetype i = 0; i < tables.fonts().size(); ++i) {
        out.raw("{");
        out.word("f", static_cast<int>(i));
        out.word("fnil");
        out.word("fcharset", i == symbolFont ? 2 : 0);
        out.text(tables.fonts().at(i));
        out.raw(";}");
    }
    out.raw("}");
    out.lineEnd();
    out.raw("{");
    out.word("colortbl");
    out.raw(" ;");
    for (const QRgb rgb : tables.colors()) {
        out.word("red", qRed(rgb));
        out.word("green", qGreen(rgb));
        out.word("blue", qBlue(rgb));
        out.raw(";");
    }
    out.raw("}");
    out.lineEnd();

    RunStyle current;
    for (const Piece &piece : pieces) {
        if (piece.paragraphStart) {
            out.word("pard");
            if (piece.bullet) {
                out.raw("{");
                out.word("pntext");
                out.word("f", symbolFont);
                out.raw("\\'b7");
                out.word("tab");
                out.raw("}{\\*");
                out.word("pn");
                out.word("pnlvlblt");
                out.word("pnf", symbolFont);
                out.word("pnindent", 0);
                out.raw("{");
                out.word("pntxtb");
                out.raw("\\'b7}}");
                out.word("fi", -360);
                out.word("li", 360);
            }
        } else if (piece.text.isEmpty()) {
            writeStyle(out, current, piece.style);
            out.word("par");
            out.lineEnd();
        } else {
            writeStyle(out, current, piece.style);
            out.text(piece.text);
        }
    }
    out.raw("}");
    return out.bytes;
}
