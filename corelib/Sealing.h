#pragma once

#include <QByteArray>
#include <QString>

namespace vlt {

// Seals the bytes of a structured file with a password: the result is the whole sealed file.
QByteArray sealFile(const QByteArray& plain, const QString& password);
// Opens a sealed file; raises vlt::Error naming `url` for a wrong password or a changed byte.
QByteArray unsealFile(const QByteArray& sealed, const QString& password, const QString& url);
// True when the bytes are a sealed file (its first line says so).
bool isSealedFile(const QByteArray& bytes);

} // namespace vlt
