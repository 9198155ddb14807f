#pragma once

#include "skins/SkinInfo.h"
#include "skins/SkinStatus.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

// The skin file (.pqs): five texts, each a 32-bit little-endian length and
// that many Windows-1252 bytes (version, author, e-mail, website, skin name),
// then the picture, a JPEG file, up to the end. There is no magic number: the
// version text alone tells a skin from any other file.
//
// Lengths are checked against the bytes left in the file and a sane bound
// before anything is read or allocated, so a damaged or hostile file is
// refused instead of read past its end. Every file is closed again before a
// function returns, and outputs are written whole or not at all.
class SkinFile
{
public:
    // The only version this program reads and the one it writes.
    static constexpr const char *Version = "1.0";
    // The picture of the skin last extracted, in the temporary folder.
    static constexpr const char *ImageFileName = "pq_skin.jpg";
    // No header text comes near this; a longer length means a damaged file.
    static constexpr std::uint32_t MaxTextLength = 65535;

    struct InfoResult
    {
        SkinStatus status = SkinStatus::Ok;
        SkinInfo info; // empty unless status is Ok
    };

    struct ImageResult
    {
        SkinStatus status = SkinStatus::Ok;
        std::filesystem::path imagePath; // the written picture; empty unless Ok
        SkinInfo info;                   // the header; complete only when Ok
    };

    struct PictureResult
    {
        SkinStatus status = SkinStatus::Ok;
        SkinInfo info;            // the header; complete only when Ok
        std::uint64_t offset = 0; // where the picture starts in the file; set only when Ok
        std::uint64_t size = 0;   // its bytes, up to the end of the file
    };

    // Gets the finished picture file before it takes the place of the old
    // one, and says whether it is a picture that can be shown.
    using PictureCheck = std::function<bool(const std::filesystem::path &)>;

    // Reads one length and its text from in, where remaining bytes are left;
    // counts them off remaining. Damaged when the length is negative, larger
    // than MaxTextLength or than what is left.
    static SkinStatus ReadString(std::istream &in, std::uint64_t &remaining, std::string &text);

    // The header alone, version unchecked. An empty file reads as five empty
    // texts; a file that is not there gives Missing with five empty texts.
    static InfoResult ReadSkinInfo(const std::filesystem::path &skinPath);

    // Checks the version, then writes the picture to ImageFileName in
    // tempFolder through a temporary file renamed over it, so the file always
    // holds exactly one whole picture. A refused skin leaves tempFolder as it
    // was. The version is checked before the other texts are read: a file of
    // another version need not share this version's layout.
    static ImageResult ExtractSkinImage(const std::filesystem::path &skinPath,
                                        const std::filesystem::path &tempFolder,
                                        const PictureCheck &isPicture = {});

    // Checks the skin as ExtractSkinImage does and says where its picture lies in the file,
    // for a reader that takes the picture straight from there, writing nothing.
    static PictureResult LocatePicture(const std::filesystem::path &skinPath);

    // The header bytes for version Version and the given texts (UTF-8, stored
    // in Windows-1252). Empty when a text is longer than MaxTextLength bytes.
    static std::optional<std::string> EncodeHeader(const std::string &author,
                                                   const std::string &email,
                                                   const std::string &website,
                                                   const std::string &skinName);

    // Writes a skin file anew: the header, then every byte of jpegPath.
    // An existing file is replaced whole, never left half written.
    static SkinStatus WriteSkin(const std::filesystem::path &skinPath, const std::string &author,
                                const std::string &email, const std::string &website,
                                const std::string &skinName, const std::filesystem::path &jpegPath);

    // Copies a whole skin file to target through a new file beside it that
    // is renamed over target: an existing file is replaced whole, and a link
    // planted at target is replaced itself, never written through.
    static SkinStatus CopySkin(const std::filesystem::path &source,
                               const std::filesystem::path &target);
};
