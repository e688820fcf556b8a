#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

namespace vlt {

// The host language's string rules: Trim removes blanks only, and UCase/LCase change one
// UTF-16 unit at a time so a text never changes its length (QString::toUpper would turn
// "ß" into "SS").
// UCase and LCase of one UTF-16 unit; plain ASCII without a table look-up.
inline char16_t upperUnit(char16_t unit) {
    if (unit < 0x80)
        return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 32) : unit;
    return static_cast<char16_t>(QChar::toUpper(unit));
}
inline char16_t lowerUnit(char16_t unit) {
    if (unit < 0x80)
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit;
    return static_cast<char16_t>(QChar::toLower(unit));
}

inline QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}
inline bool isBlank(QStringView text) {
    return trimBlanks(text).isEmpty();
}
QString upperCase(QStringView text);
// UCase(text) = upper, where upper is plain ASCII in capitals.
bool upperEquals(QStringView text, QLatin1StringView upper);
// InStr(UCase(text), upper) > 0, where upper is plain ASCII in capitals.
bool upperContains(QStringView text, QLatin1StringView upper);
// UCase(a) = UCase(b), without building either.
bool upperEquals(QStringView a, QStringView b);
// A hash of UCase(text): texts that are upperEquals have the same hash.
quint32 upperHash(QStringView text);

} // namespace vlt
