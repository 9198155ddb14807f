#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QTextCursor;

// Reads RTF as the classic rich-text control does, from what that control wrote and from what
// common word processors write: font, colour and list tables, \plain, toggles such as \b0,
// \fs, \cf, \protect, \par, \line, \tab, \pard, bullets written as \pn groups or as \ls lists,
// \'hh in the document's or the font's code page, \uN with its \ucN fallback, nested groups,
// \bin data, and \* or unknown destinations skipped. Damaged RTF (missing closing braces, cut
// escapes, absurd numbers) reads as far as it goes; a text that is not RTF at all is taken as
// plain text.
//
// A paragraph's format travels with its \par, as in the classic control: read into a
// selection, text after the last \par joins the paragraph it lands in and keeps that
// paragraph's bullet. Read as a whole document, a final \par closes the last paragraph rather
// than starting an empty one.
class RtfReader
{
public:
    enum class Target {
        Document,  // replace everything
        Selection, // replace what the cursor selects; the cursor ends after the new text
    };

    // keepProtection false drops \protect, for text the user brings in himself: protected
    // text he pasted would be text he could never remove.
    explicit RtfReader(Target target, bool keepProtection = true);

    // Asked now and then while reading; when it answers true the reading stops where it is,
    // so that a request to end the program need not wait for a huge text.
    void setInterrupt(std::function<bool()> interrupted) { m_interrupted = std::move(interrupted); }

    static bool isRtf(const QByteArray &text);
    static bool isRtf(const QString &text);

    // RTF as bytes: 8-bit text is in the document's code page.
    void read(const QByteArray &rtf, QTextCursor &cursor) const;
    // RTF as text: characters above ASCII are taken as they are.
    void read(const QString &rtf, QTextCursor &cursor) const;

private:
    void read(const QString &rtf, bool bytes, QTextCursor &cursor) const;

    Target m_target;
    bool m_keepProtection;
    std::function<bool()> m_interrupted;
};
