// hIsVB, hName and hNew: how the sections classify and spell types and names.
#include "Generator.h"
#include "Module.h"

#include "corelib/HostText.h"

namespace gen {

bool hIsVB(const QString& pType) {
    static constexpr QLatin1StringView kValueTypes[] = {
        QLatin1StringView("STRING"),  QLatin1StringView("LONG"),   QLatin1StringView("SINGLE"),
        QLatin1StringView("INTEGER"), QLatin1StringView("DOUBLE"), QLatin1StringView("VARIANT"),
        QLatin1StringView("DATE"),    QLatin1StringView("BOOLEAN")};
    for (const QLatin1StringView valueType : kValueTypes)
        if (vlt::upperEquals(pType, valueType))
            return true;
    return vlt::upperContains(pType, QLatin1StringView("STR_")) ||
           vlt::upperContains(pType, QLatin1StringView("ENM_"));
}

namespace {

char16_t spelledUnit(QStringView name, qsizetype at) {
    return at == 0 ? vlt::upperUnit(name[at].unicode()) : vlt::lowerUnit(name[at].unicode());
}

} // namespace

void spellName(QStringView name, char16_t* to) {
    for (qsizetype i = 0; i < name.size(); ++i)
        to[i] = spelledUnit(name, i);
}

bool isSpelledName(QStringView name) {
    for (qsizetype i = 0; i < name.size(); ++i)
        if (name[i].unicode() != spelledUnit(name, i))
            return false;
    return true;
}

QString hName(const QString& pName) {
    QString spelled(pName.size(), Qt::Uninitialized);
    spellName(pName, reinterpret_cast<char16_t*>(spelled.data()));
    return spelled;
}

QString hNew(const QString& pType) {
    return hIsVB(pType) ? pType : QStringLiteral("New ") + pType;
}

} // namespace gen
