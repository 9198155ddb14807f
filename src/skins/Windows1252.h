#pragma once

#include <string>
#include <string_view>

// The Windows ANSI code page of Western machines, one byte per character, in
// which skin files keep their texts. Text on our side is UTF-8.
class Windows1252
{
public:
    // Every byte maps to one character; the five bytes the code page leaves
    // unassigned map to the control characters of the same value, as Windows
    // itself converts them.
    static std::string decode(std::string_view bytes);

    // One byte per character. A character the code page lacks, and each byte
    // of malformed UTF-8, is stored as '?', the code page's default character.
    static std::string encode(std::string_view utf8);
};
