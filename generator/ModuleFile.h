#pragma once

#include <QByteArray>
#include <QString>

namespace gen {

// A module text as the bytes of a .cls file: Windows-1252, every character the code page
// cannot hold written as "?".
struct EncodedModule {
    QByteArray bytes;
    QString replaced; // the distinct characters that became "?", in order of appearance
};

EncodedModule encodeModule(const QString& moduleText);

// Writes the module's bytes to path atomically through the file object; raises vlt::Error
// (German, naming the file) on failure. Returns the characters that were replaced.
QString writeModuleFile(const QString& path, const QString& moduleText);

} // namespace gen
