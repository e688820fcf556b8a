#pragma once

#include <QString>

namespace vlt {

// The operating system's cause of a failure ("Permission denied", ...) in German. The
// program has the C library report causes in English whatever the user's locale (see
// useEnglishSystemErrors), so one table covers them.
QString germanCause(const QString& cause);

// Makes the C library report its error causes in English, for germanCause.
void useEnglishSystemErrors();

} // namespace vlt
