#pragma once

#include <QByteArray>
#include <QString>

// Text files of the Windows program are in its 8-bit code page (Windows-1252);
// ours are UTF-8. Reading takes UTF-8 when the bytes are valid UTF-8 and
// Windows-1252 otherwise, so both read correctly.
namespace AnsiText {

QString decode(const QByteArray &bytes);
QString decodeWindows1252(const QByteArray &bytes);

} // namespace AnsiText
