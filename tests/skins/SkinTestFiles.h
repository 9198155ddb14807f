#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

// Builds skin files byte by byte, independently of the writer under test, and
// looks at what a call left behind on disk.
namespace SkinTestFiles {

inline QByteArray le32(quint32 value)
{
    QByteArray bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((value >> shift) & 0xFF));
    return bytes;
}

inline QByteArray text(const QByteArray &bytes)
{
    return le32(static_cast<quint32>(bytes.size())) + bytes;
}

inline QByteArray skin(const QByteArray &version, const QByteArray &author, const QByteArray &email,
                       const QByteArray &website, const QByteArray &name, const QByteArray &image)
{
    return text(version) + text(author) + text(email) + text(website) + text(name) + image;
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Open file handles of this process; -1 where the system does not show them.
inline int openFiles()
{
    QDir fds(QStringLiteral("/proc/self/fd"));
    return fds.exists()
               ? static_cast<int>(
                     fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size())
               : -1;
}

} // namespace SkinTestFiles
