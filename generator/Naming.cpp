// hIsVB, hName and hNew: how the sections classify and spell types and names.
#include "Generator.h"
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

QString hName(const QString& pName) {
    if (pName.isEmpty())
        return QString();
    return vlt::upperCase(QStringView(pName).first(1)) +
           vlt::lowerCase(QStringView(pName).sliced(1));
}

QString hNew(const QString& pType) {
    return hIsVB(pType) ? pType : QStringLiteral("New ") + pType;
}

} // namespace gen
