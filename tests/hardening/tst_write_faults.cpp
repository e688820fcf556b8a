#include "FaultyFileLayer.h"
#include "HardeningSupport.h"

#include "generator/Generator.h"
#include "generator/ModuleOutput.h"
#include "support/ScriptedUi.h"

#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

// Writes the template the way the named command does; the error text, "False" for the member
// list (whose SAVE answers False), or empty when written.
QString attemptWrite(const QString& writer, AppState& app, const QString& path) {
    try {
        if (writer == QLatin1String("template"))
            app.currentTemplate->SAVE(app, path);
        else if (writer == QLatin1String("members"))
            return app.currentTemplate->MEMBERS().SAVE(path) ? QString() : QStringLiteral("False");
        else if (writer == QLatin1String("sealed members"))
            return app.currentTemplate->MEMBERS().SAVE(path, QStringLiteral("geheim"))
                       ? QString()
                       : QStringLiteral("False");
        else
            gen::writeModuleFile(path, gen::hCompile(*app.currentTemplate, true));
    } catch (const vlt::Error& error) {
        return error.message();
    }
    return QString();
}

void verifyReported(const QString& writer, const QString& message, const QString& path) {
    QVERIFY(!message.isEmpty());
    if (writer.contains(QLatin1String("members")))
        return;
    QVERIFY2(message.contains(path), qPrintable(message));
    QVERIFY2(message.startsWith(QStringLiteral("Die Datei")), qPrintable(message));
}

void addWriterRows() {
    QTest::addColumn<QString>("writer");
    for (const char* writer : {"template", "members", "sealed members", "module"})
        QTest::newRow(writer) << QString::fromLatin1(writer);
}

} // namespace

class WriteFaultTest : public QObject {
    Q_OBJECT

    ScriptedUi m_ui;
    int m_faultsInjected = 0;

    // A template that differs from the one in the previous file and is marked as changed.
    void prepareNew(AppState& app, int nameSize) {
        fillTemplate(*app.currentTemplate, QStringLiteral("cls_Neu"));
        // The long name makes every kind of file several chunks long.
        addMember(*app.currentTemplate, QStringLiteral("Neu") + QString(nameSize, QLatin1Char('m')),
                  QStringLiteral("Long"));
        app.currentTemplatePath = QStringLiteral("/vorher/neu.vlt-ctf");
        app.changed = true;
    }

    int stepsOfOneWrite(const QString& writer, AppState& app, const QString& path) {
        AppState probe(m_ui);
        probe.currentTemplate->DATA.COPY(*app.currentTemplate);
        FaultyFileLayer counter;
        const vlt::ScopedFileLayer scope(counter);
        const QString error = attemptWrite(writer, probe, path);
        if (!error.isEmpty())
            qFatal("the counting write failed: %s", qPrintable(error));
        return counter.steps;
    }

private slots:
    void cleanupTestCase() { qInfo("faults injected: %d", m_faultsInjected); }

    void failingStepKeepsPreviousFile_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<int>("nameSize");
        // Long enough for three chunks; the module holds the name several times.
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
        const QString path = dir.filePath(QStringLiteral("ziel"));
        AppState old(m_ui);
        fillTemplate(*old.currentTemplate, QStringLiteral("cls_Alt"));
        QCOMPARE(attemptWrite(writer, old, path), QString());
        const QByteArray previous = readBytes(path);

        AppState app(m_ui);
        prepareNew(app, nameSize);
        const int steps = stepsOfOneWrite(writer, app, dir.filePath(QStringLiteral("probe")));
        QFile::remove(dir.filePath(QStringLiteral("probe")));
        QVERIFY(steps >= 4);
        for (int step = 0; step < steps; ++step) {
            const QStringList before = snapshot(app);
            FaultyFileLayer layer;
            layer.failAt = step;
            const vlt::ScopedFileLayer scope(layer);
            verifyReported(writer, attemptWrite(writer, app, path), path);
            QCOMPARE(readBytes(path), previous);
            QCOMPARE(folderEntries(dir.path()), QStringList{QStringLiteral("ziel")});
            QCOMPARE(snapshot(app), before);
            ++m_faultsInjected;
        }
        QCOMPARE(attemptWrite(writer, app, path), QString());
        QVERIFY(readBytes(path) != previous);
    }

    void missingFolderIsReported_data() { addWriterRows(); }

    void missingFolderIsReported() {
        QFETCH(QString, writer);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fehlt/ziel"));
        AppState app(m_ui);
        prepareNew(app, 0);
        const QStringList before = snapshot(app);
        verifyReported(writer, attemptWrite(writer, app, path), path);
        QCOMPARE(folderEntries(dir.path()), QStringList());
        QCOMPARE(snapshot(app), before);
    }

    void folderAsTargetIsReported_data() { addWriterRows(); }

    void folderAsTargetIsReported() {
        QFETCH(QString, writer);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ordner"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner")));
        AppState app(m_ui);
        prepareNew(app, 0);
        const QStringList before = snapshot(app);
        verifyReported(writer, attemptWrite(writer, app, path), path);
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(folderEntries(dir.path()), QStringList{QStringLiteral("ordner")});
        QCOMPARE(snapshot(app), before);
    }

    void readOnlyFolderKeepsFile_data() { addWriterRows(); }

    void readOnlyFolderKeepsFile() {
        QFETCH(QString, writer);
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders; permission bits stop no one here");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ziel"));
        writeBytes(path, QByteArrayLiteral("vorher\n"));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        AppState app(m_ui);
        prepareNew(app, 0);
        const QStringList before = snapshot(app);
        const QString message = attemptWrite(writer, app, path);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        verifyReported(writer, message, path);
        QCOMPARE(readBytes(path), QByteArrayLiteral("vorher\n"));
        QCOMPARE(folderEntries(dir.path()), QStringList{QStringLiteral("ziel")});
        QCOMPARE(snapshot(app), before);
    }
};

int runWriteFaultTests(int argc, char** argv) {
    WriteFaultTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_write_faults.moc"
