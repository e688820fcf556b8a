#pragma once

#include <QString>

// The operating system's causes in a message ("Permission denied", ...) in German. The
// program reads them in English whatever the user's locale (see useEnglishSystemErrors), so
// one table covers them.
QString withGermanSystemErrors(const QString& text);

// Makes the C library report its error causes in English, for withGermanSystemErrors.
void useEnglishSystemErrors();
