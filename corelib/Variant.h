#pragma once

#include <QString>
#include <QtGlobal>
#include <variant>

namespace vlt {

// A value of the host language's Variant kind: Empty (unset), Missing (the error value in which
// an omitted optional argument arrives), Boolean, Long (signed 32-bit), Double or text.
//
// Equality (operator==), used when the member list searches identifiers:
// - Empty equals Empty, the number 0, False and the empty text.
// - Missing equals only Missing.
// - Boolean, Long and Double compare as numbers (True is -1).
// - Text equals text when both are equal character for character.
// - Text never equals a number or a Boolean: numbers and texts are different kinds.
class Variant {
public:
    enum class Kind { Empty, Missing, Boolean, Long, Double, Text };

    Variant() = default;
    Variant(bool value) : m_value(value) {}
    Variant(qint32 value) : m_value(value) {}
    Variant(double value) : m_value(value) {}
    Variant(const QString& value) : m_value(value) {}
    Variant(const char*) = delete; // texts are QStrings; a literal would silently become a bool

    static Variant missing();

    Kind kind() const;
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isMissing() const { return kind() == Kind::Missing; }
    bool isText() const { return kind() == Kind::Text; }

    // Conversions as the host language makes them; texts that are no number raise vlt::Error.
    bool toBool() const;
    qint32 toLong() const;
    double toDouble() const;
    QString toText() const; // Empty gives "", Booleans "True"/"False", numbers their decimal text

    const QString* textIf() const { return std::get_if<QString>(&m_value); }

    friend bool operator==(const Variant& a, const Variant& b);

private:
    struct MissingTag {
        bool operator==(const MissingTag&) const = default;
    };
    std::variant<std::monostate, MissingTag, bool, qint32, double, QString> m_value;
};

// Shortest decimal text that reads back as the same double ("1.5", "-0.1", "1e+300").
QString doubleToText(double value);

} // namespace vlt
