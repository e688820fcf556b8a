#include "FakeShell.h"
#include "support/CaseTable.h"
#include "support/ScriptedUi.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "app/document/AppState.h"
#include "app/document/TemplateDocument.h"
#include "app/startup/DesktopRegistration.h"
#include "app/startup/Startup.h"
#include "model/TemplateFile.h"

namespace {

const QString kOldModule = u"alter Inhalt"_s;
// With ".vlt-ctf", the longest name a file may have.
const QString kLongName(247, u'L');

// A list cell of the case table.
QStringList listOf(const QByteArray& cell) {
    return QString::fromUtf8(cell).split(u';', Qt::SkipEmptyParts);
}

// Written with CR LF, which the reader accepts and the writer never produces: a template file
// that has been saved by start-up no longer holds any CR.
void writeTemplate(const QString& path, const QString& className, const QString& compiled) {
    ScriptedUi ui;
    AppState state(ui);
    state.currentTemplate->CLASSNAME = className;
    state.currentTemplate->COMPILED = compiled;
    state.currentTemplate->MEMBERS().DATABASE.ADD(std::make_shared<cls_Member>());
    state.currentTemplate->MEMBERS().ITEM(1, true)->MNAME = u"Name"_s;
    QVERIFY(saveTemplate(state, path));
    writeBytes(path, readBytes(path).replace("\n", "\r\n"));
}

// "kind:text|title"; a bare kind matches any text.
QStringList describe(const ScriptedUi& ui, const QStringList& expected) {
    QStringList result;
    for (qsizetype i = 0; i < ui.shown.size(); ++i) {
        const ScriptedUi::Shown& shown = ui.shown.at(i);
        const bool kindOnly = i < expected.size() && !expected.at(i).contains(u':');
        QString line = shown.kind;
        if (!kindOnly)
            line += u':' + shown.text + (shown.title.isEmpty() ? QString() : u'|' + shown.title);
        result.append(line);
    }
    return result;
}

} // namespace

class tst_Startup : public QObject {
    Q_OBJECT

private slots:
    void help() {
        compareWithGolden(helpText("classshaper").split('\n'), "cases/startup-help.txt");
    }
    void init() {
        m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + u"/mit Blank XXXXXX"_s);
        m_dataHome = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid() && m_dataHome->isValid());
        for (const char* module : {"Kunde.cls", "Auftrag.cls", "Defekt.cls"})
            writeBytes(path(QString::fromLatin1(module)), kOldModule.toUtf8());
        // Each template and its module; /proc/version exists, but nobody can replace it, not even
        // root. The long name leaves no room for the temporary file a save writes first.
        const std::pair<const char*, const char*> templates[] = {
            {"Kunde", "Kunde.cls"}, {"Auftrag", "Auftrag.cls"}, {"Leer", ""},
            {"Weg", "Weg.cls"},     {"Defekt", "Defekt.cls"},   {"Proc", "/proc/version"}};
        for (const auto& [name, module] : templates) {
            const QString target = QString::fromLatin1(module);
            writeTemplate(path(name + u".vlt-ctf"_s), u"cls_"_s + name,
                          target.isEmpty() || target.startsWith('/') ? target : path(target));
        }
        writeTemplate(path(kLongName + u".vlt-ctf"_s), u"cls_Lang"_s, QString());
        writeBytes(path(u"Projekt.vbp"_s), "Type=Exe\r\nClass=cKunde; Kunde.cls\r\n");
        QDir(m_dir->path()).mkdir(u"Klassen"_s);
        writeBytes(path(u"Kaputt.vlt-ctf"_s), "VLTFILE 1\r\nS:1.3\r\nL:kein\r\n");
    }
    void commandLine_data() { addCaseRows(u"startup-command-lines"_s, 9); }
    void commandLine() {
        auto [commandLine, saveChoices, ends, status, loaded, messages, modules, templates,
              project] = caseFields<9>();
        const QStringList expectedMessages =
            listOf(QByteArray(messages).replace("{dir}", m_dir->path().toUtf8()));
        const QStringList generated = listOf(modules);
        const QStringList saved = listOf(templates);

        ScriptedUi ui;
        for (const QString& choice : listOf(saveChoices))
            ui.fileChoices.enqueue(QString(choice).replace(u"{dir}"_s, m_dir->path()));
        AppState app(ui);
        FakeShell shell(app);
        const DesktopRegistration desktop(m_dataHome->path(),
                                          DesktopRegistration::CacheRefresh::Skip);
        const StartupInput input{QString::fromUtf8(commandLine)
                                     .replace(u"{dir}"_s, m_dir->path())
                                     .replace(u"{long}"_s, kLongName),
                                 u"/opt/cs/classshaper"_s, u"classshaper"_s};

        const StartupResult result = runStartup(app, shell, desktop, input);

        QCOMPARE(result.endAtOnce, ends == "1");
        QCOMPARE(result.exitStatus, status.toInt());
        QCOMPARE(describe(ui, expectedMessages), expectedMessages);
        QCOMPARE(shell.calls.mid(0, 3), (QStringList{"columns", "new", "refresh"}));
        QCOMPARE(shell.calls.contains(u"show"_s), !loaded.isEmpty());
        QCOMPARE(shell.calls.filter(u"project "_s),
                 project.isEmpty() ? QStringList() : QStringList("project " + path(project)));
        QCOMPARE(app.currentTemplatePath,
                 loaded.isEmpty()
                     ? QString()
                     : path(QString::fromUtf8(loaded).replace(u"{long}"_s, kLongName)));
        QVERIFY(QFile::exists(desktop.desktopEntryPath()));
        if (ends != "1")
            QVERIFY(!app.changed);
        for (const QString& name : QDir(m_dir->path()).entryList({"*.cls"}, QDir::Files)) {
            const QByteArray bytes = readBytes(path(name));
            QCOMPARE(bytes != kOldModule.toUtf8(), generated.contains(name));
            if (generated.contains(name))
                QVERIFY2(bytes.startsWith("VERSION 1.0 CLASS\r\n"), qPrintable(name));
        }
        for (const QString& name : QDir(m_dir->path()).entryList({"*.vlt-ctf"}, QDir::Files))
            QCOMPARE(!readBytes(path(name)).contains('\r'), saved.contains(name));
        for (const QString& name : saved) {
            // The saved template holds the target that was chosen, or none after a cancel.
            cls_Class reloaded;
            readTemplate(path(name), reloaded);
            QCOMPARE(reloaded.COMPILED, generated.isEmpty() ? QString() : path(generated.first()));
        }
    }
    // XDG_DATA_HOME where it is an absolute path, else the home's .local/share.
    void dataHome() {
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        const QString fallback = QDir::homePath() + u"/.local/share"_s;
        for (const auto& [value, expected] : {std::pair{QByteArray("/srv/daten"), u"/srv/daten"_s},
                                              {QByteArray("relativ"), fallback},
                                              {QByteArray(), fallback}}) {
            qputenv("XDG_DATA_HOME", value);
            QCOMPARE(DesktopRegistration::defaultDataHome(), expected);
        }
        qputenv("XDG_DATA_HOME", saved);
    }
    // The MIME cache is rebuilt when the package was written, not at every start.
    void mimeCacheIsRefreshedOnlyForANewPackage() {
        const QTemporaryDir root;
        const QString tool = root.filePath(u"bin/update-mime-database"_s);
        QDir(root.path()).mkpath(u"bin"_s);
        writeBytes(tool, "#!/bin/sh\necho neu >> \"$1/aufgerufen\"\n");
        QFile::setPermissions(tool, QFile::permissions(tool) | QFileDevice::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(root.filePath(u"bin"_s)) + ':' + path);
        const DesktopRegistration desktop(root.filePath(u"share"_s),
                                          DesktopRegistration::CacheRefresh::Run);
        for (int start = 0; start < 2; ++start)
            desktop.registerFileType(root.filePath(u"classshaper"_s));
        // A package that cannot be written is no new one.
        QVERIFY(QDir(root.filePath(u"share/mime/packages"_s)).removeRecursively());
        writeBytes(root.filePath(u"share/mime/packages"_s), "kein Ordner");
        desktop.registerFileType(root.filePath(u"classshaper"_s));
        qputenv("PATH", path);
        QCOMPARE(readBytes(root.filePath(u"share/mime/aufgerufen"_s)), QByteArray("neu\n"));
    }
    void desktopRegistration_data() { addCaseRows(u"desktop-entries"_s, 3); }
    void desktopRegistration() {
        const auto [executable, installedEntry, userEntryHas] = textFields<3>();
        const QTemporaryDir root;
        const DesktopRegistration desktop(root.path() + u"/home/.local/share"_s,
                                          DesktopRegistration::CacheRefresh::Skip);
        // An earlier run from another build folder registered itself for the user.
        desktop.registerFileType(root.path() + u"/old/classshaper"_s);
        if (!installedEntry.isEmpty()) {
            QDir(root.path()).mkpath(QFileInfo(installedEntry).path());
            writeBytes(root.filePath(installedEntry), "[Desktop Entry]\nExec=classshaper %f\n");
        }

        desktop.registerFileType(root.filePath(executable));

        const QString userEntry = QString::fromUtf8(readBytes(desktop.desktopEntryPath()));
        QCOMPARE(userEntry.isEmpty(), userEntryHas.isEmpty());
        QVERIFY2(userEntry.contains(QString(userEntryHas).replace("ROOT", root.path())),
                 qPrintable(userEntry));
        QVERIFY(!userEntry.contains(u"/old/"_s));
        QVERIFY2(!QFile::exists(root.filePath("home/.local/share/mime/mime.cache")),
                 "the cache is refreshed only when asked to");
        for (const char* file : {"mime/packages/veltrane-classshaper.xml",
                                 "icons/hicolor/scalable/apps/veltrane-classshaper.svg"})
            QCOMPARE(QFile::exists(root.filePath(u"home/.local/share/"_s + QLatin1String(file))),
                     !userEntryHas.isEmpty());
    }

private:
    QString path(const QString& name) const { return m_dir->path() + u'/' + name; }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_dataHome;
};

CLASSSHAPER_TEST(tst_Startup);

#include "tst_startup.moc"
