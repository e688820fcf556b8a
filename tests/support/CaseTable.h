#pragma once

#include "Literals.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>

// Adds the rows of tests/data/cases/<table>.txt as Qt Test data rows: one row a line,
// "name | field | field ...", with `count` fields, which caseFields<count>() (bytes) or
// textFields<count>() (read as UTF-8) give the test function in table order. Fields take the
// escapes \n \r \t \\ \| \0 and \xHH; lines starting with '#' are comments.
void addCaseRows(const QString& table, qsizetype count);
// The current data row's fields; a table of another width stops the test program.
QList<QByteArray> currentCaseFields(qsizetype count);

template <std::size_t N> std::array<QByteArray, N> caseFields() {
    const QList<QByteArray> fields = currentCaseFields(N);
    std::array<QByteArray, N> out;
    std::copy(fields.begin(), fields.end(), out.begin());
    return out;
}

template <std::size_t N> std::array<QString, N> textFields() {
    const QList<QByteArray> fields = currentCaseFields(N);
    std::array<QString, N> out;
    std::transform(fields.begin(), fields.end(), out.begin(),
                   [](const QByteArray& field) { return QString::fromUtf8(field); });
    return out;
}

// The bytes with a case row's edits applied, " ;; " between them ("" or "-": none): "bytes B"
// (the file is B), "utf16-bom", "utf16", "utf8" (the module in that encoding), "cut TEXT" (cut off
// before TEXT), "drop LINE COUNT", "insert BEFORE => LINES" (before the first BEFORE), "replace
// FROM => TO", "append BYTES", "chop N".
QByteArray applyEdits(QByteArray bytes, const QByteArray& edits);
// A field with those escapes resolved.
QByteArray unescaped(const QByteArray& field);
// The rows of such a table, each its name and then its fields.
QList<QList<QByteArray>> readCaseRows(const QString& table, qsizetype fieldCount);

namespace vlt {
class Variant;
}

// The value that a structured file's value line stands for ("E", "B:-1", "L:7", "D:0.5",
// "S:a\\nb"), and "M" for a missing argument; written out here rather than taken from the reader.
vlt::Variant valueOf(const QByteArray& line);
