#include "skins/SkinFile.h"

#include "skins/Windows1252.h"

#include <array>
#include <chrono>
#include <fstream>
#include <istream>
#include <ostream>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kCopyChunk = 64 * 1024;

// Opens a plain file for reading and tells its size. Anything else (missing,
// a folder, a pipe that would block) counts as missing.
SkinStatus openForReading(const fs::path &path, std::ifstream &in, std::uint64_t &size)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return SkinStatus::Missing;
    in.open(path, std::ios::binary);
    if (!in)
        return SkinStatus::Missing;
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    in.seekg(0, std::ios::beg);
    if (end < 0 || !in)
        return SkinStatus::Missing;
    size = static_cast<std::uint64_t>(end);
    return SkinStatus::Ok;
}

// Copies exactly count bytes; Damaged when the source ends early (it shrank
// while being read), WriteFailed when the destination refuses them.
SkinStatus copyBytes(std::istream &in, std::ostream &out, std::uint64_t count)
{
    std::vector<char> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(count, kCopyChunk)));
    while (count > 0) {
        const auto chunk = static_cast<std::streamsize>(std::min<std::uint64_t>(count, kCopyChunk));
        in.read(buffer.data(), chunk);
        if (in.gcount() != chunk)
            return SkinStatus::Damaged;
        if (!out.write(buffer.data(), chunk))
            return SkinStatus::WriteFailed;
        count -= static_cast<std::uint64_t>(chunk);
    }
    return SkinStatus::Ok;
}

std::uint64_t randomNumber()
{
    thread_local std::mt19937_64 generator = [] {
        std::seed_seq seed{
            static_cast<std::uint64_t>(std::random_device{}()),
            static_cast<std::uint64_t>(
                std::chrono::high_resolution_clock::now().time_since_epoch().count())};
        return std::mt19937_64(seed);
    }();
    return generator();
}

// A name beside target that nobody can guess, so another user of a shared
// temporary folder cannot plant a link there.
fs::path unusedSibling(const fs::path &target)
{
    static const char digits[] = "0123456789abcdef";
    for (;;) {
        std::uint64_t value = randomNumber();
        std::string suffix(16, '0');
        for (char &c : suffix) {
            c = digits[value & 0xF];
            value >>= 4;
        }
        fs::path candidate = target;
        candidate += "." + suffix + ".part";
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error)))
            return candidate;
    }
}

// Writes target whole: fill writes a temporary file beside it, which replaces
// target by a rename only when it is complete (and passes check, if given).
// Whatever goes wrong, the temporary file is removed and target is untouched.
template <typename Fill>
SkinStatus writeWhole(const fs::path &target, Fill fill, const SkinFile::PictureCheck &check = {})
{
    const fs::path temp = unusedSibling(target);
    SkinStatus status = SkinStatus::Ok;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return SkinStatus::WriteFailed;
        status = fill(out);
        out.close();
        if (status == SkinStatus::Ok && out.fail())
            status = SkinStatus::WriteFailed;
    }
    if (status == SkinStatus::Ok && check && !check(temp))
        status = SkinStatus::NotAPicture;
    std::error_code error;
    if (status == SkinStatus::Ok) {
        fs::rename(temp, target, error);
        if (error)
            status = SkinStatus::WriteFailed;
    }
    if (status != SkinStatus::Ok)
        fs::remove(temp, error);
    return status;
}

void appendLength(std::string &out, std::uint32_t length)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((length >> shift) & 0xFF);
}

} // namespace

SkinStatus SkinFile::ReadString(std::istream &in, std::uint64_t &remaining, std::string &text)
{
    if (remaining < 4)
        return SkinStatus::Damaged;
    std::array<char, 4> raw{};
    in.read(raw.data(), 4);
    if (in.gcount() != 4)
        return SkinStatus::Damaged;
    remaining -= 4;
    std::uint32_t length = 0;
    for (int i = 3; i >= 0; --i)
        length = (length << 8) | static_cast<unsigned char>(raw[static_cast<std::size_t>(i)]);
    // Negative lengths are those with the top bit set, far above the bound.
    if (length > MaxTextLength || length > remaining)
        return SkinStatus::Damaged;
    std::string bytes(length, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(length));
    if (in.gcount() != static_cast<std::streamsize>(length))
        return SkinStatus::Damaged;
    remaining -= length;
    text = Windows1252::decode(bytes);
    return SkinStatus::Ok;
}

SkinFile::InfoResult SkinFile::ReadSkinInfo(const fs::path &skinPath)
{
    std::ifstream in;
    std::uint64_t remaining = 0;
    const SkinStatus opened = openForReading(skinPath, in, remaining);
    if (opened != SkinStatus::Ok)
        return {opened, {}};
    InfoResult result;
    if (remaining == 0)
        return result;
    for (std::string *field : {&result.info.version, &result.info.author, &result.info.email,
                               &result.info.website, &result.info.skinName}) {
        const SkinStatus status = ReadString(in, remaining, *field);
        if (status != SkinStatus::Ok)
            return {status, {}};
    }
    return result;
}

namespace {

// Reads the five texts of a skin in front of its picture: the version first, so that a file of
// another version is refused before its other texts are read. Ok leaves the picture's bytes
// in remaining.
SkinStatus readImageHeader(std::istream &in, std::uint64_t &remaining, SkinInfo &info)
{
    // A file that is not there reads as empty, and an empty file has an empty version.
    if (remaining == 0)
        return SkinStatus::NotASkin;
    SkinStatus status = SkinFile::ReadString(in, remaining, info.version);
    if (status != SkinStatus::Ok)
        return status;
    if (info.version.empty())
        return SkinStatus::NotASkin;
    if (info.version != SkinFile::Version)
        return SkinStatus::OtherVersion;
    for (std::string *field : {&info.author, &info.email, &info.website, &info.skinName}) {
        status = SkinFile::ReadString(in, remaining, *field);
        if (status != SkinStatus::Ok)
            return status;
    }
    return remaining == 0 ? SkinStatus::NotAPicture : SkinStatus::Ok;
}

} // namespace

SkinFile::ImageResult SkinFile::ExtractSkinImage(const fs::path &skinPath,
                                                 const fs::path &tempFolder,
                                                 const PictureCheck &isPicture)
{
    ImageResult result;
    std::ifstream in;
    std::uint64_t remaining = 0;
    result.status = openForReading(skinPath, in, remaining);
    if (result.status != SkinStatus::Ok)
        return result;
    result.status = readImageHeader(in, remaining, result.info);
    if (result.status != SkinStatus::Ok)
        return result;
    const fs::path target = tempFolder / ImageFileName;
    result.status = writeWhole(
        target, [&](std::ostream &out) { return copyBytes(in, out, remaining); }, isPicture);
    if (result.status == SkinStatus::Ok)
        result.imagePath = target;
    return result;
}

SkinFile::PictureResult SkinFile::LocatePicture(const fs::path &skinPath)
{
    PictureResult result;
    std::ifstream in;
    std::uint64_t size = 0;
    result.status = openForReading(skinPath, in, size);
    if (result.status != SkinStatus::Ok)
        return result;
    std::uint64_t remaining = size;
    result.status = readImageHeader(in, remaining, result.info);
    if (result.status == SkinStatus::Ok) {
        result.offset = size - remaining;
        result.size = remaining;
    }
    return result;
}

std::optional<std::string> SkinFile::EncodeHeader(const std::string &author,
                                                  const std::string &email,
                                                  const std::string &website,
                                                  const std::string &skinName)
{
    std::string header;
    for (const std::string &text : {std::string(Version), author, email, website, skinName}) {
        const std::string bytes = Windows1252::encode(text);
        if (bytes.size() > MaxTextLength)
            return std::nullopt;
        appendLength(header, static_cast<std::uint32_t>(bytes.size()));
        header += bytes;
    }
    return header;
}

SkinStatus SkinFile::WriteSkin(const fs::path &skinPath, const std::string &author,
                               const std::string &email, const std::string &website,
                               const std::string &skinName, const fs::path &jpegPath)
{
    const std::optional<std::string> header = EncodeHeader(author, email, website, skinName);
    if (!header)
        return SkinStatus::FieldTooLong;
    std::ifstream jpeg;
    std::uint64_t jpegSize = 0;
    const SkinStatus opened = openForReading(jpegPath, jpeg, jpegSize);
    if (opened != SkinStatus::Ok)
        return opened;
    if (jpegSize == 0)
        return SkinStatus::NotAPicture;
    return writeWhole(skinPath, [&](std::ostream &out) {
        if (!out.write(header->data(), static_cast<std::streamsize>(header->size())))
            return SkinStatus::WriteFailed;
        return copyBytes(jpeg, out, jpegSize);
    });
}

SkinStatus SkinFile::CopySkin(const fs::path &source, const fs::path &target)
{
    std::ifstream in;
    std::uint64_t size = 0;
    const SkinStatus opened = openForReading(source, in, size);
    if (opened != SkinStatus::Ok)
        return opened;
    return writeWhole(target, [&](std::ostream &out) { return copyBytes(in, out, size); });
}
