#include "ValueConversion.h"

#include "Error.h"

namespace vlt {
namespace {

void refuseMissing(const Variant& value, const QString& source) {
    if (value.isMissing())
        throw Error(
            QStringLiteral("%1: ein fehlender Wert kann nicht gelesen werden.").arg(source));
}

template <class Convert>
auto convertOrExplain(const Variant& value, const QString& source, const char* kindName,
                      Convert convert) {
    refuseMissing(value, source);
    try {
        return convert();
    } catch (const Error& error) {
        throw Error(QStringLiteral("%1: der Wert passt nicht zum erwarteten Typ %2 (%3)")
                        .arg(source, QLatin1String(kindName), error.message()));
    }
}

} // namespace

void assignConverted(const Variant& value, Variant* target, const QString&) {
    *target = value;
}

void assignConverted(const Variant& value, QString* target, const QString& source) {
    refuseMissing(value, source); // every other value has a text
    *target = value.toText();
}

void assignConverted(const Variant& value, bool* target, const QString& source) {
    *target = convertOrExplain(value, source, "Boolean", [&] { return value.toBool(); });
}

void assignConverted(const Variant& value, qint32* target, const QString& source) {
    *target = convertOrExplain(value, source, "Long", [&] { return value.toLong(); });
}

void assignConverted(const Variant& value, double* target, const QString& source) {
    *target = convertOrExplain(value, source, "Double", [&] { return value.toDouble(); });
}

} // namespace vlt
