#pragma once

#include <QByteArray>
#include <QString>

namespace vlt {

// Writes bytes to a temporary file beside the target, flushes it and renames it over the
// target; on any failure the target is left as it was and vlt::Error names file and cause.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace vlt
