#include "support/CaseTable.h"
#include "support/Templates.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "model/TemplateFile.h"

namespace {

QString templateFile(const QString& name) {
    return testData(u"templates/"_s + name);
}

// The lines of a hand-written "*.expected" file: what describe() gives after the load.
QStringList expectedLines(const QString& name) {
    QStringList lines = QString::fromUtf8(readBytes(templateFile(name))).split(u'\n');
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
        const QString path = dir.filePath(u"jede.vlt-ctf"_s);
        cls_Class tpl;
        fillEveryField(tpl);
        writeTemplate(path, tpl);
        QCOMPARE(readBytes(path), readBytes(templateFile(u"every-field.vlt-ctf"_s)));
    }

    void reads_data() { addCaseRows(u"template-versions"_s, 3); }
    void reads() {
        const auto [file, overEveryField, expected] = caseFields<3>();
        cls_Class tpl;
        if (overEveryField == "1")
            fillEveryField(tpl);
        readTemplate(templateFile(QString::fromUtf8(file)), tpl);
        QCOMPARE(describe(tpl), expectedLines(QString::fromUtf8(expected)));
    }
};
CLASSSHAPER_TEST(TemplateFileTest);

#include "tst_templatefile.moc"
