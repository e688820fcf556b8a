#include "support/Templates.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "model/TemplateFile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QString templateFile(const QString& name) {
    return testData(QStringLiteral("templates/") + name);
}

// The lines of a hand-written "*.expected" file: what describe() gives after the load.
QStringList expectedLines(const QString& name) {
    QStringList lines = QString::fromUtf8(readBytes(templateFile(name))).split(QLatin1Char('\n'));
    if (lines.size() < 2)
        qFatal("expected lines missing: %s", qPrintable(name));
    lines.removeLast();
    return lines;
}

} // namespace

class TemplateFileTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheDocumentedSequence() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("jede.vlt-ctf"));
        cls_Class tpl;
        fillEveryField(tpl);
        writeTemplate(path, tpl);
        QCOMPARE(readBytes(path), readBytes(templateFile(QStringLiteral("every-field.vlt-ctf"))));
    }

    // Older versions leave the fields they do not hold as the template had them; here those
    // of fillEveryField(), which differ from every value in the files.
    void reads_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("overEveryField");
        QTest::addColumn<QString>("expected");
        QTest::newRow("every field") << "every-field.vlt-ctf" << false << "every-field.expected";
        for (const char* version : {"1.0", "1.1", "1.2", "1.3"})
            QTest::addRow("version %s", version)
                << QStringLiteral("template-%1.vlt-ctf").arg(QLatin1String(version)) << true
                << QStringLiteral("template-%1.expected").arg(QLatin1String(version));
        QTest::newRow("unknown template version")
            << "template-unknown.vlt-ctf" << true << "every-field.expected";
        QTest::newRow("unknown member version")
            << "member-unknown.vlt-ctf" << true << "member-unknown.expected";
    }
    void reads() {
        QFETCH(QString, file);
        QFETCH(bool, overEveryField);
        QFETCH(QString, expected);
        cls_Class tpl;
        if (overEveryField)
            fillEveryField(tpl);
        readTemplate(templateFile(file), tpl);
        QCOMPARE(describe(tpl), expectedLines(expected));
    }
};
CLASSSHAPER_TEST(TemplateFileTest);

#include "tst_templatefile.moc"
