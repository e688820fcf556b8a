#include "tst_golden.h"
#include "support/TestFiles.h"

#include "generator/Generator.h"
#include "generator/ModuleFile.h"
#include "model/Class.h"
#include "model/TemplateFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString kGoldenDir = QStringLiteral(GOLDEN_DIR);

QByteArray moduleBytes(const QString& templateName, bool attributes) {
    cls_Class tpl;
    readTemplate(QDir(kGoldenDir).filePath(templateName + ".vlt-ctf"), tpl);
    return gen::encodeModule(gen::hCompile(tpl, attributes)).bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString firstDifference(const QByteArray& expected, const QByteArray& actual) {
    const QList<QByteArray> expectedLines = expected.split('\n');
    const QList<QByteArray> actualLines = actual.split('\n');
    for (qsizetype i = 0; i < std::max(expectedLines.size(), actualLines.size()); ++i) {
        const QByteArray want = expectedLines.value(i, "<end of file>");
        const QByteArray got = actualLines.value(i, "<end of file>");
        if (want != got)
            return QStringLiteral("line %1 differs\n  expected: %2\n  actual:   %3")
                .arg(i + 1)
                .arg(QString::fromLatin1(want.toPercentEncoding(" '\"()=.,:_+-<>")),
                     QString::fromLatin1(got.toPercentEncoding(" '\"()=.,:_+-<>")));
    }
    return QString();
}

} // namespace

void GoldenModulesTest::module_data() {
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<bool>("attributes");
    const char* const names[] = {"plain",  "collection", "alloptions", "datalock",
                                 "editor", "custom",     "empty"};
    for (const char* name : names) {
        QTest::addRow("%s", name) << QString::fromLatin1(name) << true;
        QTest::addRow("%s without attributes", name) << QString::fromLatin1(name) << false;
    }
}

void GoldenModulesTest::module() {
    QFETCH(QString, templateName);
    QFETCH(bool, attributes);
    const QString expectedPath =
        QDir(kGoldenDir)
            .filePath(templateName +
                      (attributes ? QStringLiteral(".cls") : QStringLiteral(".noattr.cls")));
    const QByteArray actual = moduleBytes(templateName, attributes);
    if (qEnvironmentVariableIntValue("CLASSSHAPER_UPDATE_GOLDEN") == 1) {
        writeFile(expectedPath, actual);
        return;
    }
    const QByteArray expected = readBytes(expectedPath);
    if (expected != actual)
        QFAIL(qPrintable(QStringLiteral("%1: %2\nIf the change is intended, refresh the golden "
                                        "files with CLASSSHAPER_UPDATE_GOLDEN=1 ctest -R "
                                        "tst_generator and read the diff.")
                             .arg(expectedPath, firstDifference(expected, actual))));
}
