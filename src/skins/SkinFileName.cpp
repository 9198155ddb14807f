#include "skins/SkinFileName.h"

#include "skins/Utf8.h"

#include <array>

namespace {

// Counts the characters of well-formed UTF-8 that holds no control character
// (C0, DEL or C1); false otherwise.
bool countCharacters(std::string_view text, std::size_t &count)
{
    count = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t c = 0;
        if (!Utf8::next(text, pos, c) || c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return false;
        ++count;
    }
    return true;
}

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Windows opens a device instead of a file for these names, whatever follows
// the first dot.
bool isDeviceName(std::string_view name)
{
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.remove_suffix(1);
    std::string upper;
    for (const char c : base)
        upper += asciiUpper(c);
    static constexpr std::array<std::string_view, 6> plain = {"CON", "PRN",    "AUX",
                                                              "NUL", "CONIN$", "CONOUT$"};
    for (const std::string_view device : plain)
        if (upper == device)
            return true;
    return upper.size() == 4 &&
           (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) &&
           upper[3] >= '0' && upper[3] <= '9';
}

} // namespace

std::optional<std::string> SkinFileName::fromSkinName(std::string_view skinName)
{
    std::string_view name = skinName;
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '.'))
        name.remove_suffix(1);

    std::size_t characters = 0;
    if (name.empty() || !countCharacters(name, characters) || characters > MaxLength)
        return std::nullopt;
    if (name.find_first_of("/\\<>:\"|?*") != std::string_view::npos)
        return std::nullopt;
    if (name.front() == '.' || name.find("..") != std::string_view::npos)
        return std::nullopt;
    if (isDeviceName(name))
        return std::nullopt;
    return std::string(name) + ".pqs";
}
