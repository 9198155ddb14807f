#pragma once

#include <cstddef>
#include <string_view>

// Walks UTF-8 text one code point at a time.
class Utf8
{
public:
    // Reads the code point at pos (which must lie inside text) into c and
    // advances pos past it. Malformed input (a stray continuation byte, an
    // overlong form, a surrogate, a value past U+10FFFF, a cut-off sequence)
    // gives false and advances one byte.
    static bool next(std::string_view text, std::size_t &pos, char32_t &c);
};
