#pragma once

#include "corelib/Error.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a file; empty when it cannot be read.
inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `action`, expects vlt::Error and returns its message ("" when nothing was raised).
template <class Action> QString errorOf(Action action) {
    try {
        action();
    } catch (const vlt::Error& error) {
        return error.message();
    }
    return QString();
}
