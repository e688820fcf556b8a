#pragma once

#include "corelib/Error.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

// Writes bytes to a file of the test's own folder and returns its path.
inline QString writeBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file");
    return path;
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
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
