#pragma once

#include <QChar>

// The 8-bit code pages RTF text may be written in. \'hh escapes and 8-bit text are read in
// the document's \ansicpg or in the code page of the current font's \fcharset. The Windows
// code pages 874 and 1250-1258 and the DOS code pages 437 and 850 are decoded from tables; other
// single-byte code pages read as 1252. The double-byte East Asian code pages have no tables here:
// each of their two-byte characters reads as one U+FFFD instead of two wrong letters.
class RtfCodePage
{
public:
    explicit RtfCodePage(int codePage = 1252);

    int codePage() const { return m_codePage; }
    // True when the byte starts a two-byte character in this code page.
    bool isLeadByte(unsigned char byte) const;
    // The character of a single byte (U+FFFD for bytes the code page leaves undefined).
    QChar decode(unsigned char byte) const;

    // The code page an RTF \fcharset stands for; 0 (ANSI) and 1 (default) mean the document's.
    static int fromCharset(int charset, int documentCodePage);
    // The Windows-1252 byte for a character, or -1 when 1252 has none.
    static int encodeWindows1252(char16_t character);

private:
    int m_codePage;
    const char16_t *m_table; // 0x80-0xFF, or null for code pages without a table
};
