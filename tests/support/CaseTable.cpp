#include "CaseTable.h"

#include "TestFiles.h"

#include "corelib/Variant.h"
#include "generator/ModuleOutput.h"

#include <QStringEncoder>
#include <QtTest>

namespace {

QByteArray utf16(const QByteArray& windows1252, QStringEncoder::Flags flags) {
    QStringEncoder encoder(QStringEncoder::Utf16LE, flags);
    return encoder.encode(gen::decodeModule(windows1252));
}

QList<QByteArray> splitAt(const QByteArray& text, const QByteArray& separator) {
    QList<QByteArray> parts;
    qsizetype from = 0;
    for (qsizetype at; (at = text.indexOf(separator, from)) >= 0; from = at + separator.size())
        parts << text.mid(from, at - from);
    return parts << text.mid(from);
}

QByteArray withoutLines(const QByteArray& bytes, int first, int count) {
    QList<QByteArray> lines = bytes.split('\n');
    lines.remove(first - 1, count);
    return lines.join('\n');
}

} // namespace

QByteArray applyEdits(QByteArray bytes, const QByteArray& edits) {
    for (const QByteArray& edit :
         edits.isEmpty() || edits == "-" ? QList<QByteArray>() : splitAt(edits, " ;; ")) {
        const QByteArray verb = edit.split(' ').first();
        const QByteArray argument = edit.mid(verb.size() + 1);
        const QList<QByteArray> parts = splitAt(argument, " => ");
        if (verb == "bytes")
            bytes = argument;
        else if (verb.startsWith("utf16"))
            bytes = utf16(bytes, verb == "utf16" ? QStringEncoder::Flag::Default
                                                 : QStringEncoder::Flag::WriteBom);
        else if (verb == "utf8")
            bytes = gen::decodeModule(bytes).toUtf8();
        else if (verb == "cut")
            bytes = bytes.first(bytes.indexOf(argument));
        else if (verb == "drop")
            bytes =
                withoutLines(bytes, argument.split(' ')[0].toInt(), argument.split(' ')[1].toInt());
        else if (verb == "insert")
            bytes.insert(bytes.indexOf(parts[0]), parts[1]);
        else if (verb == "replace")
            bytes.replace(parts[0], parts[1]);
        else if (verb == "append")
            bytes += argument;
        else if (verb == "chop")
            bytes.chop(argument.toInt());
        else
            qFatal("unknown edit: %s", edit.constData());
    }
    return bytes;
}

QByteArray unescaped(const QByteArray& field) {
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c != '\\' || i + 1 == field.size()) {
            out += c;
            continue;
        }
        const char next = field.at(++i);
        if (next == 'x') {
            out += static_cast<char>(field.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else {
            const QByteArray from("nrt0"), to("\n\r\t", 4);
            const qsizetype at = from.indexOf(next);
            out += at >= 0 ? to.at(at) : next;
        }
    }
    return out;
}

QList<QList<QByteArray>> readCaseRows(const QString& table, qsizetype fieldCount) {
    const QString path = testData(u"cases/"_s + table + u".txt"_s);
    QList<QList<QByteArray>> rows;
    for (const QByteArray& line : readBytes(path).split('\n')) {
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        QList<QByteArray> fields = QByteArray(line).replace("\\|", "\x01").split('|');
        if (fields.size() != fieldCount + 1)
            qFatal("%s: %d fields wanted: %s", qPrintable(path), int(fieldCount) + 1,
                   line.constData());
        QList<QByteArray>& row = rows.emplace_back(QList{fields.first().trimmed()});
        for (QByteArray field : fields.mid(1)) {
            // One blank on each side belongs to the separator; more are part of the value.
            if (field.startsWith(' '))
                field.remove(0, 1);
            if (field.endsWith(' '))
                field.chop(1);
            row << unescaped(field.replace('\x01', '|'));
        }
    }
    return rows;
}

void addCaseRows(const QString& table, qsizetype count) {
    QTest::addColumn<QList<QByteArray>>("fields");
    for (const QList<QByteArray>& fields : readCaseRows(table, count))
        QTest::newRow(fields.first().constData()) << fields.mid(1);
}

QList<QByteArray> currentCaseFields(qsizetype count) {
    QFETCH(QList<QByteArray>, fields);
    if (fields.size() != count)
        qFatal("%d fields read, %d wanted", int(fields.size()), int(count));
    return fields;
}

vlt::Variant valueOf(const QByteArray& line) {
    const QString payload = QString::fromUtf8(line.mid(2));
    switch (line.isEmpty() ? 'E' : line.at(0)) {
    case 'M':
        return vlt::Variant::missing();
    case 'B':
        return vlt::Variant(payload == "-1"_L1);
    case 'L':
        return vlt::Variant(payload.toInt());
    case 'D':
        return vlt::Variant(payload.toDouble());
    case 'S': // the file's escapes are a subset of the table's
        return vlt::Variant(QString::fromUtf8(unescaped(line.mid(2))));
    default:
        return vlt::Variant();
    }
}
