// Feeds arbitrary bytes to the skin file reader as a skin file, and checks
// what it promises: no crash or overread, a refusal leaves no file behind, and
// an accepted file splits exactly into the header it reports and the picture
// it wrote. Also checks the code page round trip and the skin file name check.
#include "skins/SkinFile.h"
#include "skins/SkinFileName.h"
#include "skins/Windows1252.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

const fs::path &workFolder()
{
    static const fs::path folder = [] {
        const fs::path made =
            fs::temp_directory_path() / ("pq_fuzz_skinfile." + std::to_string(getpid()));
        fs::create_directories(made / "temp");
        std::atexit([] {
            std::error_code error;
            fs::remove_all(workFolder(), error);
        });
        return made;
    }();
    return folder;
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void checkReadString(const std::string &bytes)
{
    std::istringstream in(bytes);
    std::uint64_t remaining = bytes.size();
    for (int i = 0; i < 5; ++i) {
        const std::uint64_t before = remaining;
        std::string text;
        if (SkinFile::ReadString(in, remaining, text) != SkinStatus::Ok)
            break;
        check(remaining + 4 <= before);
        check(Windows1252::encode(text).size() == before - remaining - 4);
    }
}

void checkFileName(const std::string &name)
{
    const std::optional<std::string> fileName = SkinFileName::fromSkinName(name);
    if (!fileName)
        return;
    check(fileName->size() > 4 && fileName->size() <= 255);
    check(fileName->compare(fileName->size() - 4, 4, ".pqs") == 0);
    check(fileName->find_first_of("/\\:*?\"<>|") == std::string::npos);
    check(fileName->find("..") == std::string::npos && fileName->front() != '.');
    check(fs::path(*fileName).filename() == fs::path(*fileName));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    checkReadString(bytes);
    check(Windows1252::encode(Windows1252::decode(bytes)) == bytes);
    checkFileName(bytes);

    const fs::path skin = workFolder() / "skin.pqs";
    const fs::path temp = workFolder() / "temp";
    const fs::path image = temp / SkinFile::ImageFileName;
    {
        std::ofstream out(skin, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::error_code error;
    fs::remove(image, error);

    const SkinFile::InfoResult info = SkinFile::ReadSkinInfo(skin);
    const SkinFile::ImageResult extracted = SkinFile::ExtractSkinImage(skin, temp);
    checkFileName(info.info.skinName);

    std::size_t entries = 0;
    for (const fs::directory_entry &entry : fs::directory_iterator(temp)) {
        check(entry.path().filename() == SkinFile::ImageFileName);
        ++entries;
    }

    if (extracted.status != SkinStatus::Ok) {
        check(entries == 0 && extracted.imagePath.empty());
        return 0;
    }
    // Accepted: the file is exactly the header of what was read plus the picture.
    check(info.status == SkinStatus::Ok && entries == 1 && extracted.imagePath == image);
    check(info.info.version == SkinFile::Version);
    const std::optional<std::string> header = SkinFile::EncodeHeader(
        info.info.author, info.info.email, info.info.website, info.info.skinName);
    check(header && header->size() < bytes.size());
    check(bytes.compare(0, header->size(), *header) == 0);
    check(readFile(image) == bytes.substr(header->size()));
    return 0;
}
