#pragma once

#include <QString>

namespace vlt {

// The folder part of a path, ending with the separator; "" when the path has no folder.
QString folderPart(const QString& path);
// The running program's file name without extension ("classshaper" when unknown).
QString executableBaseName();
// The real path of the running executable.
QString executablePath();
// True exactly when a file (not a folder) of that name exists.
bool fileExists(const QString& path);

} // namespace vlt
