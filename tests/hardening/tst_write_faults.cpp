#include "FaultyFileLayer.h"

#include "support/Templates.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "generator/Generator.h"
#include "generator/ModuleOutput.h"
#include "model/TemplateFile.h"

namespace {

// Writes the template as the named writer does; the error text, "False" for a member list
// (whose SAVE answers False), or "" when written.
QString attemptWrite(const QString& writer, cls_Class& tpl, const QString& path) {
    if (writer.contains("members"_L1)) {
        const QString password = writer.startsWith("sealed"_L1) ? u"geheim"_s : QString();
        return tpl.MEMBERS().SAVE(path, password) ? QString() : u"False"_s;
    }
    return errorOf([&] {
        if (writer == "template"_L1)
            writeTemplate(path, tpl);
        else
            gen::writeModuleFile(path, gen::hCompile(tpl, true));
    });
}

void verifyReported(const QString& writer, const QString& message, const QString& path) {
    QVERIFY(!message.isEmpty());
    if (!writer.contains("members"_L1))
        QVERIFY2(message.startsWith(u"Die Datei"_s) && message.contains(path), qPrintable(message));
}

// A template unlike the one of the previous file; the long name makes every file several
// chunks long.
void fillNew(cls_Class& tpl, int nameSize) {
    fillEveryField(tpl);
    tpl.MEMBERS().DATABASE.ADD(makeMember(u"Neu"_s + QString(nameSize, u'm')));
}

} // namespace

class WriteFaultTest : public QObject {
    Q_OBJECT

    int m_faultsInjected = 0;

private slots:
    void cleanupTestCase() { qInfo("faults injected: %d", m_faultsInjected); }

    void failingStepKeepsPreviousFile_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<int>("nameSize");
        const std::pair<const char*, int> writers[] = {{"template", 2500000},
                                                       {"members", 2500000},
                                                       {"sealed members", 2500000},
                                                       {"module", 200000}};
        for (const auto& [writer, longName] : writers) {
            QTest::addRow("%s, small", writer) << QString::fromLatin1(writer) << 0;
            QTest::addRow("%s, several chunks", writer) << QString::fromLatin1(writer) << longName;
        }
    }
    void failingStepKeepsPreviousFile() {
        QFETCH(QString, writer);
        QFETCH(int, nameSize);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"ziel"_s);
        cls_Class old;
        old.CLASSNAME = u"cls_Alt"_s;
        QCOMPARE(attemptWrite(writer, old, path), QString());
        const QByteArray previous = readBytes(path);
        cls_Class tpl;
        fillNew(tpl, nameSize);
        const QStringList before = describe(tpl);
        FaultyFileLayer counter;
        {
            const vlt::ScopedFileLayer scope(counter);
            QCOMPARE(attemptWrite(writer, tpl, dir.filePath(u"probe"_s)), QString());
        }
        QFile::remove(dir.filePath(u"probe"_s));
        QVERIFY(counter.steps >= 4);
        for (int step = 0; step < counter.steps; ++step) {
            FaultyFileLayer layer;
            layer.failAt = step;
            const vlt::ScopedFileLayer scope(layer);
            verifyReported(writer, attemptWrite(writer, tpl, path), path);
            QCOMPARE(readBytes(path), previous);
            QCOMPARE(folderEntries(dir.path()), QStringList{u"ziel"_s});
            QCOMPARE(describe(tpl), before);
            ++m_faultsInjected;
        }
        QCOMPARE(attemptWrite(writer, tpl, path), QString());
        QVERIFY(readBytes(path) != previous);
    }
};
CLASSSHAPER_TEST(WriteFaultTest);

#include "tst_write_faults.moc"
