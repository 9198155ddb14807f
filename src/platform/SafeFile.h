#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file through a temporary file beside it that is renamed over
// the old one: a crash or a full disk leaves the old file as it was.
namespace SafeFile {

bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace SafeFile
