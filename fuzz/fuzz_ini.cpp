// Feeds arbitrary bytes to the ini reader as a whole file, then writes a value
// into it and checks what the reader promises: the value reads back exactly
// (blanks and quotes kept) and every other key reads as before, also from the
// file as saved.
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

QTemporaryDir *g_dir = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    g_dir = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = g_dir->filePath(QStringLiteral("fuzz.ini"));
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    IniFile ini(path);
    const QString before = ini.value(QStringLiteral("Note1"), QStringLiteral("Skin"));
    const QString value = QStringLiteral("  \"quoted\"  caf\u00e9 ");
    ini.setValue(QStringLiteral("Number of notes"), QStringLiteral("Total"),
                 IniFile::protectedValue(value));
    check(ini.value(QStringLiteral("number OF notes"), QStringLiteral("total")) == value);
    // A key of another section is not touched by the write.
    check(ini.value(QStringLiteral("Note1"), QStringLiteral("Skin")) == before);

    check(ini.save());
    IniFile again(path);
    check(again.value(QStringLiteral("Number of notes"), QStringLiteral("Total")) == value);
    check(again.value(QStringLiteral("Note1"), QStringLiteral("Skin")) == before);
    return 0;
}
