#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

namespace gen {

// The host language's string rules: Trim removes blanks only, and UCase/LCase change one
// UTF-16 unit at a time so a text never changes its length (QString::toUpper would turn
// "ß" into "SS").
QStringView trimBlanks(QStringView text);
bool isBlank(QStringView text);
QString upperCase(QStringView text);
QString lowerCase(QStringView text);
// UCase(text) = upper, where upper is plain ASCII in capitals.
bool upperEquals(QStringView text, QLatin1StringView upper);
// InStr(UCase(text), upper) > 0, where upper is plain ASCII in capitals.
bool upperContains(QStringView text, QLatin1StringView upper);

} // namespace gen
