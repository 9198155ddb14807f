#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
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

// Skin files the notes program must refuse, each with a name saying why:
// wrong versions, negative or overlong lengths, missing or broken pictures,
// stored names that would lead an install outside the skins folder.
inline QList<QPair<QString, QByteArray>> hostileSkins(const QByteArray &picture)
{
    const QByteArray valid = skin("1.0", "Ann Lee", "ann@example.org", "", "Ocean", picture);
    const QByteArray rest = valid.mid(7); // everything after the version
    return {
        {QStringLiteral("empty file"), QByteArray()},
        {QStringLiteral("first four bytes zero"), le32(0) + valid},
        {QStringLiteral("version 1.1"), text("1.1") + rest},
        {QStringLiteral("version 1.0 and a space"), text("1.0 ") + rest},
        {QStringLiteral("negative version length"), le32(0xFFFFFFFF) + rest},
        {QStringLiteral("most negative author length"), text("1.0") + le32(0x80000000) + rest},
        {QStringLiteral("version runs past the end"), le32(10) + "1.0"},
        {QStringLiteral("skin name runs past the end"),
         skin("1.0", "", "", "", "", "").chopped(4) + le32(100) + "Ocean"},
        {QStringLiteral("largest positive length"), text("1.0") + le32(0x7FFFFFFF) + rest},
        {QStringLiteral("fewer than four bytes"), QByteArray("\x03", 1)},
        {QStringLiteral("no picture after the header"), skin("1.0", "Ann", "", "", "Ocean", "")},
        {QStringLiteral("picture that is no picture"),
         skin("1.0", "Ann", "", "", "Ocean", "\xFF\xD8 not really a JPEG")},
        {QStringLiteral("stored name climbs out"), skin("1.0", "Ann", "", "", "../../x", picture)},
        {QStringLiteral("stored name is an absolute path"),
         skin("1.0", "Ann", "", "", "/tmp/x", picture)},
    };
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
