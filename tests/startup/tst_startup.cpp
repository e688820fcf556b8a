#include "FakeShell.h"
#include "support/ScriptedUi.h"

#include "app/AppState.h"
#include "app/DesktopRegistration.h"
#include "app/Startup.h"
#include "app/TemplateDocument.h"
#include "model/TemplateFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kOldModule = QStringLiteral("alter Inhalt");
const QString kSyntax = QStringLiteral("info:classshaper [<Datei>] [/COMPILE]|Syntax");
const QString kNoFile =
    QStringLiteral("error:Sie müssen eine Datei zusammen mit /COMPILE angeben!");
const QString kDeleted = QStringLiteral("error:Die Datei kann automatisch nicht erneut kompiliert "
                                        "werden, da das Kompilat gelöscht wurde");
const QString kCreateDialog = QStringLiteral("save:Klasse erstellen");
const QString kTemplateDialog = QStringLiteral("save:Klassenvorlage speichern");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Written with CR LF, which the reader accepts and the writer never produces: a template file
// that has been saved by start-up no longer holds any CR.
void writeTemplate(const QString& path, const QString& className, const QString& compiled) {
    ScriptedUi ui;
    AppState state(ui);
    state.currentTemplate->CLASSNAME = className;
    state.currentTemplate->COMPILED = compiled;
    state.currentTemplate->MEMBERS().DATABASE.ADD(std::make_shared<cls_Member>());
    state.currentTemplate->MEMBERS().ITEM(1, true)->MNAME = QStringLiteral("Name");
    QVERIFY(saveTemplate(state, path));
    writeAll(path, readAll(path).replace("\n", "\r\n"));
}

// "kind:text|title"; a bare kind matches any text.
QStringList describe(const ScriptedUi& ui, const QStringList& expected) {
    QStringList result;
    for (qsizetype i = 0; i < ui.shown.size(); ++i) {
        const ScriptedUi::Shown& shown = ui.shown.at(i);
        const bool kindOnly = i < expected.size() && !expected.at(i).contains(QLatin1Char(':'));
        QString line = shown.kind;
        if (!kindOnly)
            line += QLatin1Char(':') + shown.text +
                    (shown.title.isEmpty() ? QString() : QLatin1Char('|') + shown.title);
        result.append(line);
    }
    return result;
}

} // namespace

class tst_Startup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void commandLine_data();
    void commandLine();

private:
    QString path(const QString& name) const { return m_dir->path() + QLatin1Char('/') + name; }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_dataHome;
};

void tst_Startup::init() {
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/mit Blank XXXXXX"));
    m_dataHome = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid() && m_dataHome->isValid());
    for (const char* module : {"Kunde.cls", "Auftrag.cls", "Defekt.cls"})
        writeAll(path(QString::fromLatin1(module)), kOldModule.toUtf8());
    writeTemplate(path(QStringLiteral("Kunde.vlt-ctf")), QStringLiteral("cls_Kunde"),
                  path(QStringLiteral("Kunde.cls")));
    writeTemplate(path(QStringLiteral("Auftrag.vlt-ctf")), QStringLiteral("cls_Auftrag"),
                  path(QStringLiteral("Auftrag.cls")));
    writeTemplate(path(QStringLiteral("Leer.vlt-ctf")), QStringLiteral("cls_Leer"), QString());
    writeTemplate(path(QStringLiteral("Weg.vlt-ctf")), QStringLiteral("cls_Weg"),
                  path(QStringLiteral("Weg.cls")));
    writeTemplate(path(QStringLiteral("Defekt.vlt-ctf")), QStringLiteral("cls_Defekt"),
                  path(QStringLiteral("Defekt.cls")));
    // A file that exists but that nobody can replace, not even root.
    writeTemplate(path(QStringLiteral("Proc.vlt-ctf")), QStringLiteral("cls_Proc"),
                  QStringLiteral("/proc/version"));
    writeAll(path(QStringLiteral("Kaputt.vlt-ctf")), "VLTFILE 1\r\nS:1.3\r\nL:kein\r\n");
}

void tst_Startup::commandLine_data() {
    QTest::addColumn<QString>("commandLine"); // {dir} is a folder whose name holds a blank
    QTest::addColumn<QStringList>("saveChoices");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("modules");   // module files that now hold generated text
    QTest::addColumn<QStringList>("templates"); // template files that were saved

    const QStringList none;
    QTest::newRow("empty") << "" << none << false << 0 << "" << none << none << none;
    QTest::newRow("unknown tokens ignored") << "egal \"{dir}/Fehlt.vlt-ctf\" nichts" << none
                                            << false << 0 << "" << none << none << none;
    QTest::newRow("quoted path with blank, lower-case switch")
        << "\"{dir}/Kunde.vlt-ctf\" /compile" << none << false << 0 << "Kunde.vlt-ctf" << none
        << QStringList{"Kunde.cls"} << none;
    QTest::newRow("quoted switch") << "\"{dir}/Kunde.vlt-ctf\" \"-Compile\"" << none << false << 0
                                   << "Kunde.vlt-ctf" << none << QStringList{"Kunde.cls"} << none;
    QTest::newRow("switch twice regenerates twice")
        << "/COMPILE \"{dir}/Kunde.vlt-ctf\" /COMPILE" << none << false << 0 << "Kunde.vlt-ctf"
        << none << QStringList{"Kunde.cls"} << none;
    QTest::newRow("two files, the second is loaded")
        << "\"{dir}/Kunde.vlt-ctf\" \"{dir}/Auftrag.vlt-ctf\" /COMPILE" << none << false << 0
        << "Auftrag.vlt-ctf" << none << QStringList{"Auftrag.cls"} << none;
    QTest::newRow("missing file with switch") << "\"{dir}/Fehlt.vlt-ctf\" /COMPILE" << none << true
                                              << 1 << "" << QStringList{kNoFile} << none << none;
    QTest::newRow("syntax before switch")
        << "/? \"{dir}/Kunde.vlt-ctf\" /COMPILE" << none << true << 0 << "Kunde.vlt-ctf"
        << QStringList{kSyntax} << none << none;
    QTest::newRow("syntax after switch")
        << "\"{dir}/Kunde.vlt-ctf\" /COMPILE -?" << none << true << 0 << "Kunde.vlt-ctf"
        << QStringList{kSyntax} << QStringList{"Kunde.cls"} << none;
    QTest::newRow("empty COMPILED asks, writes and saves")
        << "\"{dir}/Leer.vlt-ctf\" /COMPILE" << QStringList{"{dir}/Leer.cls"} << true << 0
        << "Leer.vlt-ctf" << QStringList{kCreateDialog} << QStringList{"Leer.cls"}
        << QStringList{"Leer.vlt-ctf"};
    QTest::newRow("empty COMPILED, dialog cancelled, still saved")
        << "\"{dir}/Leer.vlt-ctf\" /COMPILE" << none << true << 0 << "Leer.vlt-ctf"
        << QStringList{kCreateDialog} << none << QStringList{"Leer.vlt-ctf"};
    QTest::newRow("deleted COMPILED")
        << "\"{dir}/Weg.vlt-ctf\" /COMPILE" << QStringList{"{dir}/Neu.cls"} << true << 1
        << "Weg.vlt-ctf" << QStringList{kDeleted, kCreateDialog} << QStringList{"Neu.cls"}
        << QStringList{"Weg.vlt-ctf"};
    QTest::newRow("generator error reported, window opens")
        << "\"{dir}/Defekt.vlt-ctf\" /COMPILE" << none << false << 1 << "Defekt.vlt-ctf"
        << QStringList{"error:Der Generator ist gescheitert."} << none << none;
    QTest::newRow("module that cannot be written reported, window opens")
        << "\"{dir}/Proc.vlt-ctf\" /COMPILE" << none << false << 1 << "Proc.vlt-ctf"
        << QStringList{"error"} << none << none;
    QTest::newRow("damaged file keeps the new template")
        << "\"{dir}/Kaputt.vlt-ctf\"" << none << false << 1 << "" << QStringList{"error"} << none
        << none;
    QTest::newRow("damaged file with switch works on the new template")
        << "\"{dir}/Kaputt.vlt-ctf\" /COMPILE" << none << true << 1 << ""
        << QStringList{"error", kCreateDialog, kTemplateDialog} << none << none;
}

void tst_Startup::commandLine() {
    QFETCH(QString, commandLine);
    QFETCH(QStringList, saveChoices);
    QFETCH(bool, ends);
    QFETCH(int, status);
    QFETCH(QString, loaded);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, modules);
    QFETCH(QStringList, templates);

    ScriptedUi ui;
    for (const QString& choice : saveChoices)
        ui.fileChoices.enqueue(QString(choice).replace(QStringLiteral("{dir}"), m_dir->path()));
    AppState app(ui);
    FakeShell shell(app);
    const DesktopRegistration desktop(m_dataHome->path(), DesktopRegistration::CacheRefresh::Skip);
    const StartupInput input{commandLine.replace(QStringLiteral("{dir}"), m_dir->path()),
                             QStringLiteral("/opt/cs/classshaper"), QStringLiteral("classshaper")};

    const StartupResult result = runStartup(app, shell, desktop, input);

    QCOMPARE(result.endAtOnce, ends);
    QCOMPARE(result.exitStatus, status);
    QCOMPARE(describe(ui, messages), messages);
    QCOMPARE(shell.calls.mid(0, 3), (QStringList{"columns", "new", "refresh"}));
    QCOMPARE(shell.calls.contains(QStringLiteral("show")), !loaded.isEmpty());
    QCOMPARE(app.currentTemplatePath, loaded.isEmpty() ? QString() : path(loaded));
    QVERIFY(QFile::exists(desktop.desktopEntryPath()));
    if (!ends)
        QVERIFY(!app.changed);
    for (const QString& name : QDir(m_dir->path()).entryList({"*.cls"}, QDir::Files)) {
        const QByteArray bytes = readAll(path(name));
        QCOMPARE(bytes != kOldModule.toUtf8(), modules.contains(name));
        if (modules.contains(name))
            QVERIFY2(bytes.startsWith("VERSION 1.0 CLASS\r\n"), qPrintable(name));
    }
    for (const QString& name : QDir(m_dir->path()).entryList({"*.vlt-ctf"}, QDir::Files))
        QCOMPARE(!readAll(path(name)).contains('\r'), templates.contains(name));
    for (const QString& name : templates) {
        // The saved template holds the target that was chosen, or none after a cancel.
        cls_Class reloaded;
        readTemplate(path(name), reloaded);
        QCOMPARE(reloaded.COMPILED, modules.isEmpty() ? QString() : path(modules.first()));
    }
}

QObject* makeStartupTest() {
    return new tst_Startup;
}

#include "tst_startup.moc"
