// classshaper-gen run as a process, as build scripts run it.
#include "support/TestFiles.h"

#include "model/Class.h"
#include "model/TemplateFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kGoldenDir = QStringLiteral(GOLDEN_DIR);

struct Result {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Result runGenerator(const QStringList& arguments, const QString& workingDir = QString()) {
    QProcess process;
    process.setWorkingDirectory(workingDir);
    process.start(QStringLiteral(GEN_EXECUTABLE), arguments);
    process.waitForFinished(30000);
    Result result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString golden(const QString& name) {
    return QDir(kGoldenDir).filePath(name);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// A copy of a golden template saved in dir with the given COMPILED target.
QString templateWithTarget(const QTemporaryDir& dir, const QString& name, const QString& compiled) {
    cls_Class tpl;
    readTemplate(golden(name + ".vlt-ctf"), tpl);
    tpl.COMPILED = compiled;
    const QString path = dir.filePath(name + ".vlt-ctf");
    writeTemplate(path, tpl);
    return path;
}

void makeOld(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime);
}

QDateTime modified(const QString& path) {
    return QFileInfo(path).lastModified();
}

} // namespace

class CommandLineGeneratorTest : public QObject {
    Q_OBJECT

private slots:
    void usage_data();
    void usage();
    void stdoutBytes_data();
    void stdoutBytes();
    void compiledTargets();
    void unchangedTargetKeepsItsTime();
    void emptyCompiledIsAnError();
    void check_data();
    void check();
    void damagedTemplateDoesNotStopTheOthers();
    void replacedCharactersWarn();
};

void CommandLineGeneratorTest::usage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString plain = golden("plain.vlt-ctf");
    QTest::newRow("help") << QStringList{"--help"} << 0 << QString();
    QTest::newRow("no template") << QStringList{} << 2 << "keine Klassenvorlage";
    QTest::newRow("unknown option") << QStringList{"--fast", plain} << 2 << "Unbekannte Option";
    QTest::newRow("-o without file") << QStringList{plain, "-o"} << 2 << "Nach -o fehlt";
    QTest::newRow("-o with two templates")
        << QStringList{"-o", "x.cls", plain, golden("empty.vlt-ctf")} << 2 << "genau einer";
    QTest::newRow("-o with --stdout")
        << QStringList{"-o", "x.cls", "--stdout", plain} << 2 << "schließen einander aus";
    QTest::newRow("missing template")
        << QStringList{"--stdout", "/nicht/da.vlt-ctf"} << 2 << "da.vlt-ctf";
}

void CommandLineGeneratorTest::usage() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const Result result = runGenerator(arguments, dir.path());
    QCOMPARE(result.exitCode, exitCode);
    if (exitCode == 0)
        QVERIFY(QString::fromUtf8(result.out).startsWith(QLatin1String("Aufruf: classshaper-gen")));
    else
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void CommandLineGeneratorTest::stdoutBytes_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");
    QTest::newRow("class file") << QStringList{} << "alloptions.cls";
    QTest::newRow("clipboard form") << QStringList{"--no-attributes"} << "alloptions.noattr.cls";
}

void CommandLineGeneratorTest::stdoutBytes() {
    QFETCH(QStringList, options);
    QFETCH(QString, expected);
    const Result result =
        runGenerator(options + QStringList{"--stdout", golden("alloptions.vlt-ctf")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, readBytes(golden(expected)));
}

void CommandLineGeneratorTest::compiledTargets() {
    QTemporaryDir dir;
    const QString target = dir.filePath("cls_Kunde.cls");
    const QString tpl = templateWithTarget(dir, "plain", target);
    const QByteArray templateBytes = readBytes(tpl);
    const QString relative = templateWithTarget(dir, "editor", "module/cls_Maske.cls");
    QDir(dir.path()).mkdir("module");

    const Result result = runGenerator({tpl, relative});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(readBytes(target), readBytes(golden("plain.cls")));
    QCOMPARE(readBytes(dir.filePath("module/cls_Maske.cls")), readBytes(golden("editor.cls")));
    QCOMPARE(readBytes(tpl), templateBytes);

    const QString chosen = dir.filePath("chosen.cls");
    QCOMPARE(runGenerator({"--no-attributes", "-o", chosen, tpl}).exitCode, 0);
    QCOMPARE(readBytes(chosen), readBytes(golden("plain.noattr.cls")));
}

void CommandLineGeneratorTest::unchangedTargetKeepsItsTime() {
    QTemporaryDir dir;
    const QString target = dir.filePath("cls_Leer.cls");
    const QString tpl = templateWithTarget(dir, "empty", target);
    writeFile(target, readBytes(golden("empty.cls")));
    makeOld(target);
    const QDateTime before = modified(target);

    QCOMPARE(runGenerator({tpl}).exitCode, 0);
    QCOMPARE(modified(target), before);

    writeFile(target, "alt");
    makeOld(target);
    QCOMPARE(runGenerator({tpl}).exitCode, 0);
    QCOMPARE(readBytes(target), readBytes(golden("empty.cls")));
    QVERIFY(modified(target) > before);
}

void CommandLineGeneratorTest::emptyCompiledIsAnError() {
    QTemporaryDir dir;
    const QString tpl = templateWithTarget(dir, "datalock", QString());
    const Result result = runGenerator({tpl});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(QLatin1String("COMPILED ist leer")), qPrintable(result.err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    const QString chosen = dir.filePath("cls_Sperre.cls");
    QCOMPARE(runGenerator({tpl, "-o", chosen}).exitCode, 0);
    QCOMPARE(readBytes(chosen), readBytes(golden("datalock.cls")));
}

void CommandLineGeneratorTest::check_data() {
    QTest::addColumn<QByteArray>("targetBytes"); // empty: no target file
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("equal") << readBytes(golden("collection.cls")) << 0 << QString();
    QTest::newRow("different") << QByteArray("alt") << 1 << "Weicht ab";
    QTest::newRow("missing") << QByteArray() << 1 << "Fehlt";
}

void CommandLineGeneratorTest::check() {
    QFETCH(QByteArray, targetBytes);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString target = dir.filePath("cls_Kunden.cls");
    const QString tpl = templateWithTarget(dir, "collection", target);
    if (!targetBytes.isEmpty()) {
        writeFile(target, targetBytes);
        makeOld(target);
    }
    const QDateTime before = modified(target);

    const Result result = runGenerator({"--check", tpl});
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    if (!message.isEmpty())
        QVERIFY2(result.err.contains(target), qPrintable(result.err));
    QCOMPARE(QFile::exists(target), !targetBytes.isEmpty());
    QCOMPARE(readBytes(target), targetBytes);
    QCOMPARE(modified(target), before);
}

void CommandLineGeneratorTest::damagedTemplateDoesNotStopTheOthers() {
    QTemporaryDir dir;
    const QString damaged = dir.filePath("kaputt.vlt-ctf");
    writeFile(damaged, "VLTFILE 1\nS:1.3\nL:x\n");
    const QString target = dir.filePath("cls_Eigen.cls");
    const QString good = templateWithTarget(dir, "custom", target);

    const Result result = runGenerator({damaged, good});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(QLatin1String("kaputt.vlt-ctf")), qPrintable(result.err));
    QCOMPARE(readBytes(target), readBytes(golden("custom.cls")));
    QCOMPARE(readBytes(damaged), QByteArray("VLTFILE 1\nS:1.3\nL:x\n"));
}

void CommandLineGeneratorTest::replacedCharactersWarn() {
    QTemporaryDir dir;
    cls_Class omega;
    omega.CLASSNAME = QStringLiteral("cls_Ωmega");
    const QString tpl = dir.filePath("omega.vlt-ctf");
    writeTemplate(tpl, omega);
    const QString target = dir.filePath("omega.cls");

    const Result result = runGenerator({"-o", target, tpl});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.err.contains(QLatin1String("Warnung")) && result.err.contains(QChar(0x03A9)),
             qPrintable(result.err));
    QVERIFY(readBytes(target).contains("Attribute VB_Name = \"cls_?mega\""));
}

QTEST_GUILESS_MAIN(CommandLineGeneratorTest)
#include "tst_cli.moc"
