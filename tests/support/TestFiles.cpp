#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

QStringList folderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QString testData(const QString& name) {
    return QStringLiteral(CLASSSHAPER_TEST_DATA "/") + name;
}

void compareWithGolden(const QStringList& lines, const QString& dataFile) {
    const QString path = testData(dataFile);
    if (qEnvironmentVariableIntValue("CLASSSHAPER_UPDATE_GOLDEN") == 1)
        writeBytes(path, lines.join(u'\n').toUtf8() + '\n');
    QStringList expected = QString::fromUtf8(readBytes(path)).split(u'\n');
    expected.removeLast(); // after the last line's break
    for (qsizetype i = 0; i < std::max(lines.size(), expected.size()); ++i)
        QVERIFY2(
            lines.value(i) == expected.value(i),
            qPrintable(
                u"%1, Zeile %2:\n  gezeigt:  %3\n  erwartet: %4"_s.arg(dataFile).arg(i + 1).arg(
                    lines.value(i), expected.value(i))));
}
