#include "Variant.h"

#include "Error.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <limits>

namespace vlt {
namespace {

Error typeMismatch(const QString& text) {
    return Error(QStringLiteral("Typen unverträglich: \"%1\" ist kein Zahlen- oder Wahrheitswert.")
                     .arg(text.left(80)));
}

bool parseNumber(const QString& text, double& value) {
    bool ok = false;
    value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok;
}

qint32 roundToLong(double value) {
    // The host rounds halves to the even neighbour when it converts to Long.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<qint32>::min() &&
          rounded <= std::numeric_limits<qint32>::max()))
        throw Error(QStringLiteral("Überlauf: %1 passt nicht in einen Long-Wert.")
                        .arg(doubleToText(value)));
    return static_cast<qint32>(rounded);
}

} // namespace

Variant Variant::missing() {
    Variant v;
    v.m_value = MissingTag{};
    return v;
}

Variant::Kind Variant::kind() const {
    return static_cast<Kind>(m_value.index());
}

double Variant::toDouble() const {
    switch (kind()) {
    case Kind::Empty:
        return 0.0;
    case Kind::Boolean:
        return std::get<bool>(m_value) ? -1.0 : 0.0;
    case Kind::Long:
        return std::get<qint32>(m_value);
    case Kind::Double:
        return std::get<double>(m_value);
    case Kind::Text: {
        const QString& text = std::get<QString>(m_value);
        double value = 0;
        if (!parseNumber(text, value))
            throw typeMismatch(text);
        return value;
    }
    case Kind::Missing:
        break;
    }
    throw typeMismatch(QStringLiteral("(fehlendes Argument)"));
}

qint32 Variant::toLong() const {
    switch (kind()) {
    case Kind::Empty:
        return 0;
    case Kind::Boolean:
        return std::get<bool>(m_value) ? -1 : 0;
    case Kind::Long:
        return std::get<qint32>(m_value);
    default:
        return roundToLong(toDouble());
    }
}

bool Variant::toBool() const {
    if (const QString* text = textIf()) {
        const QString t = text->trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    if (kind() == Kind::Boolean)
        return std::get<bool>(m_value);
    return toDouble() != 0.0;
}

QString Variant::toText() const {
    switch (kind()) {
    case Kind::Empty:
        return QString();
    case Kind::Boolean:
        return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Long:
        return QString::number(std::get<qint32>(m_value));
    case Kind::Double:
        return doubleToText(std::get<double>(m_value));
    case Kind::Text:
        return std::get<QString>(m_value);
    case Kind::Missing:
        break;
    }
    throw typeMismatch(QStringLiteral("(fehlendes Argument)"));
}

bool operator==(const Variant& a, const Variant& b) {
    using Kind = Variant::Kind;
    const Kind ka = a.kind();
    const Kind kb = b.kind();
    if (ka == Kind::Missing || kb == Kind::Missing)
        return ka == kb;
    if (ka == Kind::Text && kb == Kind::Text)
        return *a.textIf() == *b.textIf();
    if (ka == Kind::Empty && kb == Kind::Empty)
        return true;
    if (ka == Kind::Text || kb == Kind::Text) {
        // Empty against text compares as the empty text; a number never equals a text.
        const Variant& other = ka == Kind::Text ? b : a;
        const QString& text = ka == Kind::Text ? *a.textIf() : *b.textIf();
        return other.isEmpty() && text.isEmpty();
    }
    return a.toDouble() == b.toDouble();
}

QString doubleToText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

} // namespace vlt
