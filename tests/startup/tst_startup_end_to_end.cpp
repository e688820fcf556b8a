#include "support/ScriptedUi.h"

#include "app/AppState.h"
#include "app/TemplateDocument.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QString errors;
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Runs the real classshaper without anyone at the screen, with its own XDG data folder.
class tst_StartupEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void init();
    void endsWithStatus_data();
    void endsWithStatus();
    void registersTheFileType();
    void compileNeedingATargetEnds_data();
    void compileNeedingATargetEnds();
    void compileMatchesTheCommandLineGenerator();

private:
    Run run(const QStringList& arguments) const;
    QString path(const QString& name) const { return m_dir->path() + QLatin1Char('/') + name; }
    void writeTemplate(const QString& name, const QString& compiled,
                       const QString& custom = QString()) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_StartupEndToEnd::init() {
    if (!QFile::exists(QStringLiteral(CLASSSHAPER_EXE)))
        QSKIP("classshaper is not built");
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/mit Blank XXXXXX"));
    QVERIFY(m_dir->isValid());
}

Run tst_StartupEndToEnd::run(const QStringList& arguments) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("share")));
    environment.insert(QStringLiteral("CLASSSHAPER_NONINTERACTIVE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CLASSSHAPER_EXE), arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

void tst_StartupEndToEnd::writeTemplate(const QString& name, const QString& compiled,
                                        const QString& custom) const {
    ScriptedUi ui;
    AppState state(ui);
    state.currentTemplate->CLASSNAME = QStringLiteral("cls_Kunde");
    state.currentTemplate->COMPILED = compiled;
    state.currentTemplate->DATABASE_TYPE = QStringLiteral("cls_Kunden");
    state.currentTemplate->CUSTOM = custom;
    state.currentTemplate->MEMBERS().DATABASE.ADD(std::make_shared<cls_Member>());
    state.currentTemplate->MEMBERS().ITEM(1, true)->MNAME = QStringLiteral("Straße");
    QVERIFY(saveTemplate(state, path(name)));
}

void tst_StartupEndToEnd::endsWithStatus_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("syntax") << QStringList{"/?"} << 0
                            << QStringLiteral("classshaper [<Datei>] [/COMPILE]");
    QTest::newRow("no file") << QStringList{"-compile"} << 1
                             << QStringLiteral("Sie müssen eine Datei zusammen mit /COMPILE");
    QTest::newRow("window shown and closed") << QStringList{} << 0 << QString();
}

void tst_StartupEndToEnd::endsWithStatus() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run result = run(arguments);
    QCOMPARE(result.status, status);
    QVERIFY2(result.errors.contains(message), qPrintable(result.errors));
}

void tst_StartupEndToEnd::registersTheFileType() {
    QCOMPARE(run({QStringLiteral("/?")}).status, 0);
    const QString share = path(QStringLiteral("share"));
    const QString entry = QString::fromUtf8(
        readAll(share + QStringLiteral("/applications/veltrane-classshaper.desktop")));
    const QString exe = QFileInfo(QStringLiteral(CLASSSHAPER_EXE)).canonicalFilePath();
    QVERIFY2(entry.contains(QStringLiteral("Exec=\"%1\" %f\n").arg(exe)), qPrintable(entry));
    QVERIFY(entry.contains(QStringLiteral("Exec=\"%1\" %f /COMPILE\n").arg(exe)));
    QVERIFY(readAll(share + QStringLiteral("/mime/packages/veltrane-classshaper.xml"))
                .contains("application/x-vlt-ctf"));
}

void tst_StartupEndToEnd::compileNeedingATargetEnds_data() {
    QTest::addColumn<QString>("compiled");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("never compiled") << QString() << 0 << QStringLiteral("Klasse erstellen");
    QTest::newRow("compiled file deleted")
        << QStringLiteral("Weg.cls") << 1 << QStringLiteral("da das Kompilat gelöscht wurde");
}

void tst_StartupEndToEnd::compileNeedingATargetEnds() {
    QFETCH(QString, compiled);
    QFETCH(int, status);
    QFETCH(QString, message);
    writeTemplate(QStringLiteral("Kunde.vlt-ctf"), compiled.isEmpty() ? compiled : path(compiled));
    const QString templateFile = path(QStringLiteral("Kunde.vlt-ctf"));
    QFile backdated(templateFile);
    QVERIFY(backdated.open(QIODevice::ReadWrite));
    QVERIFY(backdated.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                  QFileDevice::FileModificationTime));
    backdated.close();

    const Run result = run({templateFile, QStringLiteral("/COMPILE")});
    QCOMPARE(result.status, status);
    QVERIFY2(result.errors.contains(message), qPrintable(result.errors));
    // The cancelled dialog writes no module, but the template is saved all the same.
    QVERIFY(QDir(m_dir->path()).entryList({QStringLiteral("*.cls")}, QDir::Files).isEmpty());
    QVERIFY(QFileInfo(templateFile).lastModified() > QDateTime::currentDateTime().addSecs(-60));
}

void tst_StartupEndToEnd::compileMatchesTheCommandLineGenerator() {
    if (!QFile::exists(QStringLiteral(CLASSSHAPER_GEN_EXE)))
        QSKIP("classshaper-gen is not built");
    const QString module = path(QStringLiteral("Kunde.cls"));
    QFile old(module);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();
    // Ω has no place in Windows-1252: written as "?" and named on stderr.
    writeTemplate(QStringLiteral("Kunde.vlt-ctf"), module, QStringLiteral("' Ω"));

    const Run result = run({path(QStringLiteral("Kunde.vlt-ctf")), QStringLiteral("/Compile")});
    QVERIFY2(result.status == 0, qPrintable(QString::number(result.status) + result.errors));
    QVERIFY2(result.errors.contains(QStringLiteral("Ω")), qPrintable(result.errors));

    QProcess generator;
    generator.start(QStringLiteral(CLASSSHAPER_GEN_EXE),
                    {QStringLiteral("--stdout"), path(QStringLiteral("Kunde.vlt-ctf"))});
    QVERIFY(generator.waitForFinished(30000));
    QCOMPARE(generator.exitCode(), 0);
    const QByteArray expected = generator.readAllStandardOutput();
    QVERIFY(!expected.isEmpty());
    QCOMPARE(readAll(module), expected);
}

QObject* makeEndToEndTest() {
    return new tst_StartupEndToEnd;
}

#include "tst_startup_end_to_end.moc"
