#pragma once

#include <string>

// The five texts of a skin file's header, in file order, as UTF-8.
struct SkinInfo
{
    std::string version;
    std::string author;
    std::string email;
    std::string website;
    std::string skinName;
};
