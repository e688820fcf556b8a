#pragma once

#include "Literals.h"
#include "corelib/Error.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The bytes of a file; empty when it cannot be read.
QByteArray readBytes(const QString& path);
// Writes (replaces) a file; a test that cannot write its input stops at once.
void writeBytes(const QString& path, const QByteArray& bytes);
// The names in a folder, hidden ones included, sorted.
QStringList folderEntries(const QString& folder);
// Compares lines with a text file of tests/data, naming the first line that differs; with
// CLASSSHAPER_UPDATE_GOLDEN=1 in the environment it writes the file instead.
void compareWithGolden(const QStringList& lines, const QString& dataFile);
// A file of tests/data, the data folder that all areas share, e.g. "templates/x.vlt-ctf".
QString testData(const QString& name);

// Runs `action`, expects vlt::Error and returns its message ("" when nothing was raised).
template <class Action> QString errorOf(Action action) {
    try {
        action();
    } catch (const vlt::Error& error) {
        return error.message();
    }
    return QString();
}
