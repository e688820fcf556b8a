#include "HostText.h"

namespace vlt {
namespace {

bool upperMatchesAt(QStringView text, qsizetype from, QLatin1StringView upper) {
    for (qsizetype i = 0; i < upper.size(); ++i)
        if (upperUnit(text[from + i].unicode()) != static_cast<char16_t>(upper[i].unicode()))
            return false;
    return true;
}

} // namespace

QString upperCase(QStringView text) {
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = QChar(upperUnit(text[i].unicode()));
    return result;
}

bool upperEquals(QStringView text, QLatin1StringView upper) {
    return text.size() == upper.size() && upperMatchesAt(text, 0, upper);
}

bool upperEquals(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && upperUnit(a[i].unicode()) != upperUnit(b[i].unicode()))
            return false;
    return true;
}

// FNV-1a over the upper-case units, two at a time: the checks hash every member name.
quint32 upperHash(QStringView text) {
    quint32 hash = 2166136261u;
    qsizetype i = 0;
    for (; i + 2 <= text.size(); i += 2) {
        const quint32 pair =
            quint32(upperUnit(text[i].unicode())) | quint32(upperUnit(text[i + 1].unicode())) << 16;
        hash = (hash ^ pair) * 16777619u;
    }
    if (i < text.size())
        hash = (hash ^ upperUnit(text[i].unicode())) * 16777619u;
    return hash;
}

bool upperContains(QStringView text, QLatin1StringView upper) {
    for (qsizetype from = 0; from + upper.size() <= text.size(); ++from)
        if (upperMatchesAt(text, from, upper))
            return true;
    return false;
}

} // namespace vlt
