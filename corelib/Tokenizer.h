#pragma once

#include <QStringList>

namespace vlt {

// Splits a command line at blanks; a double-quoted stretch stays one token with its quotes.
QStringList tokenizeCommandLine(const QString& commandLine);

} // namespace vlt
