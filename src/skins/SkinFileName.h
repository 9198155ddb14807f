#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Installing a skin names its copy after the skin name stored inside the file,
// which anyone can write. This turns that name into a file name that stays in
// the skins folder on every platform, or refuses it.
class SkinFileName
{
public:
    // Longest accepted name in characters; with the extension it stays within
    // the 255-byte file name limit even for four-byte characters.
    static constexpr std::size_t MaxLength = 60;

    // The file name ("<name>.pqs") for a stored skin name (UTF-8). Surrounding
    // spaces and trailing dots are dropped. Refused (empty result): malformed
    // UTF-8; an empty name; a path separator, "..", a leading dot, a control
    // character or one of < > : " | ? *; a device name such as CON or LPT1;
    // more than MaxLength characters.
    static std::optional<std::string> fromSkinName(std::string_view skinName);
};
