#include "VString.h"

#include "Error.h"
#include "ValueConversion.h"

#include <QLocale>

// Package format: a sequence of items, each a kind letter and its payload.
//   E            Empty             M   Missing
//   T / F        True / False
//   L<n>;        Long              D<x>;  Double (shortest round-trip text)
//   S<len>:<text>                  text of len UTF-16 code units, taken as they are
//   A<count>:    array of records, then count entries: N (empty position) or R<len>:<package>
// Lengths make every text safe, whatever characters it holds.

namespace vlt {

const cls_VString VSTRING{};

namespace {

void appendCounted(QString& out, QChar kind, const QString& text) {
    out.append(kind).append(QString::number(text.size())).append(QLatin1Char(':')).append(text);
}

void appendValue(QString& out, const Variant& value) {
    switch (value.kind()) {
    case Variant::Kind::Empty:
        out.append(QLatin1Char('E'));
        break;
    case Variant::Kind::Missing:
        out.append(QLatin1Char('M'));
        break;
    case Variant::Kind::Boolean:
        out.append(value.toBool() ? QLatin1Char('T') : QLatin1Char('F'));
        break;
    case Variant::Kind::Long:
        out.append(QLatin1Char('L'))
            .append(QString::number(value.toLong()))
            .append(QLatin1Char(';'));
        break;
    case Variant::Kind::Double:
        out.append(QLatin1Char('D'))
            .append(doubleToText(value.toDouble()))
            .append(QLatin1Char(';'));
        break;
    case Variant::Kind::Text:
        appendCounted(out, QLatin1Char('S'), *value.textIf());
        break;
    }
}

void appendRecords(QString& out, const RecordArray& items) {
    out.append(QLatin1Char('A')).append(QString::number(items.size())).append(QLatin1Char(':'));
    for (const auto& item : items) {
        if (!item)
            out.append(QLatin1Char('N'));
        else
            appendCounted(out, QLatin1Char('R'), item->tmp_Data_DATA().PACKAGE());
    }
}

class PackageReader {
public:
    explicit PackageReader(const QString& package) : m_text(package) {}

    Variant value() {
        const QChar kind = take();
        switch (kind.unicode()) {
        case 'E':
            return Variant();
        case 'M':
            return Variant::missing();
        case 'T':
            return Variant(true);
        case 'F':
            return Variant(false);
        case 'L': {
            bool ok = false;
            const qint32 number = until(QLatin1Char(';')).toInt(&ok);
            if (!ok)
                fail(QStringLiteral("ungültige Ganzzahl"));
            return Variant(number);
        }
        case 'D': {
            bool ok = false;
            const double number = QLocale::c().toDouble(until(QLatin1Char(';')), &ok);
            if (!ok)
                fail(QStringLiteral("ungültige Zahl"));
            return Variant(number);
        }
        case 'S':
            return Variant(counted());
        default:
            fail(QStringLiteral("unbekannte Wertart"));
        }
    }

    void records(const RecordArrayOut& target) {
        if (take() != QLatin1Char('A'))
            fail(QStringLiteral("an dieser Stelle wird ein Datenfeld erwartet"));
        const qsizetype count = length(QLatin1Char(':'));
        RecordArray items;
        for (qsizetype i = 0; i < count; ++i) {
            const QChar kind = take();
            if (kind == QLatin1Char('N')) {
                items.emplace_back();
                continue;
            }
            if (kind != QLatin1Char('R'))
                fail(QStringLiteral("ungültiger Datenfeldeintrag"));
            auto record = target.create();
            record->tmp_Data_DATA().setPACKAGE(counted());
            items.push_back(std::move(record));
        }
        target.items = std::move(items);
    }

    int position() const { return m_item; }
    void nextItem() { ++m_item; }

private:
    [[noreturn]] void fail(const QString& cause) const {
        throw Error(
            QStringLiteral("Das Datenpaket ist beschädigt: Wert %1: %2.").arg(m_item).arg(cause));
    }

    QChar take() {
        if (m_pos >= m_text.size())
            fail(QStringLiteral("das Paket endet zu früh"));
        return m_text.at(m_pos++);
    }

    QString until(QChar end) {
        const qsizetype stop = m_text.indexOf(end, m_pos);
        if (stop < 0)
            fail(QStringLiteral("das Paket endet zu früh"));
        QString piece = m_text.mid(m_pos, stop - m_pos);
        m_pos = stop + 1;
        return piece;
    }

    qsizetype length(QChar end) {
        bool ok = false;
        const qlonglong n = until(end).toLongLong(&ok);
        // No length can exceed what is left: a damaged count never drives an allocation.
        if (!ok || n < 0 || n > m_text.size() - m_pos)
            fail(QStringLiteral("ungültige Länge"));
        return static_cast<qsizetype>(n);
    }

    QString counted() {
        const qsizetype n = length(QLatin1Char(':'));
        QString text = m_text.mid(m_pos, n);
        m_pos += n;
        return text;
    }

    const QString& m_text;
    qsizetype m_pos = 0;
    int m_item = 1;
};

void unpackInto(const QString& package, std::initializer_list<UnpackTarget> targets) {
    PackageReader reader(package);
    for (const UnpackTarget& target : targets) {
        const QString source = QStringLiteral("Datenpaket, Wert %1").arg(reader.position());
        std::visit(
            [&](const auto& t) {
                if constexpr (std::is_same_v<std::decay_t<decltype(t)>, RecordArrayOut>)
                    reader.records(t);
                else
                    assignConverted(reader.value(), t, source);
            },
            target);
        reader.nextItem();
    }
}

} // namespace

QString cls_Pack::PACK(std::initializer_list<PackValue> values) const {
    QString out;
    for (const PackValue& value : values) {
        if (const auto* records = std::get_if<RecordArrayIn>(&value))
            appendRecords(out, records->items);
        else
            appendValue(out, std::get<Variant>(value));
    }
    return out;
}

void cls_Pack::UNPACK(const QString& package, std::initializer_list<UnpackTarget> targets) const {
    unpackInto(package, targets);
}

void cls_VString::UNPACK(const QString& package,
                         std::initializer_list<UnpackTarget> targets) const {
    unpackInto(package, targets);
}

} // namespace vlt
