#pragma once

#include <QFont>
#include <QString>
#include <QTextFormat>

#include <functional>
#include <optional>

class QTextCursor;
class QTextDocument;

// How the classic rich-text control sees a QTextDocument.
//
// Its plain text joins paragraphs with "\r\n" and writes a line break inside a paragraph as
// "\v"; positions count characters of that text, so a paragraph break counts 2 where the
// document counts 1. A position between the "\r" and the "\n", or between the two halves of a
// surrogate pair, has no place in the document: it goes to the next whole character (or, when
// asked, the one before). Character formats read over a range as one value or as mixed; the
// paragraph break itself is a character with a format of its own, like the classic control's. A
// protected character may not be changed or removed by the user, nor may the user insert between
// two protected characters.
class RichTextModel
{
public:
    // Character format property marking protected text.
    static constexpr int ProtectedProperty = QTextFormat::UserProperty + 1;

    explicit RichTextModel(const QTextDocument &document);

    QString text() const;
    int length() const;
    int toClassic(int documentPosition) const;
    int toDocument(int classicPosition, bool roundUp = true) const;

    // The format of the character at a document position; a paragraph break has the format
    // the next paragraph starts with.
    QTextCharFormat charFormatAt(int documentPosition) const;
    // Calls visit with the format of every run of characters in [from, to), paragraph breaks
    // included, until it returns false.
    void forEachFormat(int from, int to,
                       const std::function<bool(const QTextCharFormat &)> &visit) const;

    // The value over [from, to), or empty when the characters disagree.
    template <typename T, typename Read> std::optional<T> uniform(int from, int to, Read read) const
    {
        std::optional<T> value;
        bool mixed = false;
        forEachFormat(from, to, [&](const QTextCharFormat &format) {
            const T here = read(format);
            if (value && !(*value == here)) {
                mixed = true;
                return false;
            }
            value = here;
            return true;
        });
        if (mixed)
            return std::nullopt;
        return value;
    }

    bool isProtected(int documentPosition) const;
    bool hasProtected(int from, int to) const;
    // Whether the user may replace [from, to) with text of his own.
    bool insertionAllowed(int from, int to) const;

    // Bullets belong to paragraphs: those from the one holding `from` to the one holding the
    // last character before `to` (or `from` itself when the range is empty).
    std::optional<bool> bullet(int from, int to) const;
    static void setBullet(QTextCursor &cursor, bool on);

    // The font a format is drawn with: its own properties over the document's default font.
    QFont effectiveFont(const QTextCharFormat &format) const;
    // 0x00BBGGRR; text without a colour of its own reads as black, the classic default.
    static int colorOf(const QTextCharFormat &format);
    static bool isProtected(const QTextCharFormat &format);

    // Inserts plain text at the cursor in one format: "\r\n", "\r" and "\n" start paragraphs,
    // "\v" is a line break; characters the document reserves for itself and control
    // characters other than the tab are left out.
    static void insertPlainText(QTextCursor &cursor, const QString &text,
                                const QTextCharFormat &format);

private:
    const QTextDocument &m_document;
};
