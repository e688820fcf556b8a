#include "ModelTestSupport.h"

#include "model/AppState.h"
#include "support/ScriptedUi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The hand-made files are shared by every area, beside the areas' own folders.
const QString kTemplates =
    QDir::cleanPath(QStringLiteral(TEST_DATA_DIR "/../../data/templates")) + QLatin1Char('/');

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file");
}

// Replaces the lines of `expected` that start with the same "NAME=" as an override.
QStringList withOverrides(QStringList expected, const QStringList& overrides) {
    for (const QString& line : overrides) {
        const QString key = line.left(line.indexOf(QLatin1Char('=')) + 1);
        for (QString& old : expected)
            if (old.startsWith(key))
                old = line;
    }
    return expected;
}

} // namespace

class TemplateFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void saveThenLoadGivesEveryField() {
        ScriptedUi ui;
        AppState saving(ui);
        fillEveryField(*saving.currentTemplate);
        QVERIFY(saving.currentTemplate->SAVE(saving, path(QStringLiteral("rund.vlt-ctf"))));
        AppState loading(ui);
        loading.changed = true;
        QVERIFY(loading.currentTemplate->LOAD(loading, path(QStringLiteral("rund.vlt-ctf"))));
        QCOMPARE(describe(*loading.currentTemplate), describe(*saving.currentTemplate));
        QCOMPARE(loading.currentTemplatePath, path(QStringLiteral("rund.vlt-ctf")));
        QVERIFY(!loading.changed);
        QVERIFY(ui.shown.isEmpty());
    }

    void savedFileStartsAsDocumented() {
        ScriptedUi ui;
        AppState app(ui);
        cls_Class& t = *app.currentTemplate;
        auto member = makeMember(QStringLiteral("Name"));
        t.MEMBERS().DATABASE.ADD(member);
        t.CLASSNAME = QStringLiteral("cls_Kunde");
        t.CUSTOM = QStringLiteral("x");
        t.DATA_PARENT = true;
        QVERIFY(t.SAVE(app, path(QStringLiteral("kunde.vlt-ctf"))));
        const QByteArray bytes = readBytes(path(QStringLiteral("kunde.vlt-ctf")));
        QVERIFY(bytes.startsWith("VLTFILE 1\nS:1.3\nE\nS:\nS:\nS:\nL:1\nS:1.2\nS:Name\nS:String\n"
                                 "B:-1\nB:0\nB:0\nB:0\nB:0\nS:cls_Kunde\n"));
        QVERIFY(bytes.endsWith("B:0\nS:x\nB:-1\nEND\n"));
    }

    void olderVersions_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("overrides");
        const QStringList members{"list|Liste|Listenautor|Listenbeschreibung", "Nummer|Long|01000",
                                  "Name|String|10110", "Kunde|cls_Kunde|00001"};
        const QStringList head{
            "CLASSNAME=cls_Alt",       "PROJECT=Projekt Alt",       "FILENAME=alt.cls",
            "AUTHOR=Ada Lovelace",     "COPYRIGHT=(c) 1999 Alt",    "BUILD=1999-01-02",
            "DESCRIPTION=Alte Klasse", "DATABASE_TYPE=cls_Eintrag", "DATABASE_ADVANCED=0"};
        const QStringList v11 =
            head + QStringList{"COMPILED=C:\\vb\\alt.cls", "DATABASE_LOCK=1", "DATA_LOADSAVE=0",
                               "DATA_LOCK=1", "DATA_EDITOR=0"};
        const QStringList v12 = v11 + QStringList{"CUSTOM=' Zeile 1\r\n' Zeile 2"};
        QTest::newRow("1.0") << QStringLiteral("template-1.0.vlt-ctf") << head + members;
        QTest::newRow("1.1") << QStringLiteral("template-1.1.vlt-ctf") << v11 + members;
        QTest::newRow("1.2") << QStringLiteral("template-1.2.vlt-ctf") << v12 + members;
        QTest::newRow("1.3") << QStringLiteral("template-1.3.vlt-ctf")
                             << v12 + QStringList{"DATA_PARENT=1"} + members;
        QTest::newRow("unknown template version")
            << QStringLiteral("template-unknown.vlt-ctf") << QStringList{};
        QTest::newRow("unknown member version") << QStringLiteral("member-unknown.vlt-ctf")
                                                << QStringList{"CLASSNAME=cls_Mit",
                                                               "PROJECT=Projekt",
                                                               "FILENAME=mit.cls",
                                                               "AUTHOR=Autor",
                                                               "COPYRIGHT=(c) 2026 Veltrane",
                                                               "BUILD=2026-01-01",
                                                               "DESCRIPTION=Beschreibung",
                                                               "COMPILED=",
                                                               "CUSTOM=",
                                                               "DATABASE_TYPE=",
                                                               "DATABASE_ADVANCED=1",
                                                               "DATABASE_LOCK=0",
                                                               "DATA_PARENT=0",
                                                               "DATA_LOADSAVE=0",
                                                               "DATA_LOCK=0",
                                                               "DATA_EDITOR=0",
                                                               "list|||",
                                                               "|String|10000",
                                                               "Zweites|Long|01000"};
    }
    void olderVersions() {
        QFETCH(QString, file);
        QFETCH(QStringList, overrides);
        ScriptedUi ui;
        AppState app(ui);
        cls_Class& t = *app.currentTemplate;
        fillEveryField(t);
        t.DATA_PARENT = false;
        const QStringList before = describe(t);
        const QStringList fields = overrides.filter(QStringLiteral("="));
        const QStringList list = overrides.mid(fields.size());
        QStringList expected = withOverrides(before, fields);
        if (!list.isEmpty())
            expected = expected.mid(0, 16) + list;
        QVERIFY(t.LOAD(app, kTemplates + file));
        QCOMPARE(describe(t), expected);
    }

    void loadIsAllOrNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("cause");
        ScriptedUi ui;
        AppState app(ui);
        fillEveryField(*app.currentTemplate);
        app.currentTemplate->SAVE(app, path(QStringLiteral("gut.vlt-ctf")));
        const QByteArray good = readBytes(path(QStringLiteral("gut.vlt-ctf")));
        QByteArray lastValueWrong = good;
        lastValueWrong.replace("B:0\nEND\n", "S:nein\nEND\n");
        QByteArray countWrong = good;
        countWrong.replace("L:3\n", "S:drei\n");
        const qsizetype middle = good.indexOf("S:Posten");
        QTest::newRow("damaged line")
            << QByteArray(good).replace("S:Posten", "Q:Posten") << QStringLiteral("beschädigt");
        QTest::newRow("cut without END") << good.left(middle) << QStringLiteral("END fehlt");
        QTest::newRow("cut with END") << good.left(middle) + "END\n"
                                      << QStringLiteral("unerwartetes Dateiende");
        QTest::newRow("last value wrongly typed") << lastValueWrong << QStringLiteral("Boolean");
        QTest::newRow("count wrongly typed") << countWrong << QStringLiteral("Long");
        QTest::newRow("count too large") << QByteArray(good).replace("L:3\n", "L:2000000000\n")
                                         << QStringLiteral("unerwartetes Dateiende");
        QTest::newRow("negative count")
            << QByteArray(good).replace("L:3\n", "L:-1\n") << QStringLiteral("negativ");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("leer");
        QTest::newRow("not a template file")
            << QByteArray("Hallo\n") << QStringLiteral("VLTFILE 1");
    }
    void loadIsAllOrNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cause);
        const QString file = path(QStringLiteral("kaputt.vlt-ctf"));
        writeBytes(file, bytes);
        ScriptedUi ui;
        AppState app(ui);
        cls_Class& t = *app.currentTemplate;
        t.MEMBERS().DATABASE.ADD(makeMember(QStringLiteral("bleibt")));
        t.MEMBERS().DATA.ID = 4;
        t.DATA.ID = QStringLiteral("vorlage");
        app.currentTemplatePath = QStringLiteral("/vorher/alt.vlt-ctf");
        app.changed = true;
        const QStringList before = describe(t);
        const QString message = errorOf([&] { t.LOAD(app, file); });
        QVERIFY2(message.contains(cause), qPrintable(message));
        QVERIFY2(message.contains(file), qPrintable(message));
        QCOMPARE(describe(t), before);
        QVERIFY(t.MEMBERS().DATA.ID == vlt::Variant(4));
        QVERIFY(t.DATA.ID == vlt::Variant(QStringLiteral("vorlage")));
        QCOMPARE(app.currentTemplatePath, QStringLiteral("/vorher/alt.vlt-ctf"));
        QVERIFY(app.changed);
    }

    void templateFolderRule() {
        for (const char* folder : {"F", "G", "H"})
            QVERIFY(QDir(m_dir.path()).mkpath(QString::fromLatin1(folder)));
        ScriptedUi ui;
        AppState app(ui);
        cls_Class& t = *app.currentTemplate;
        QVERIFY(t.SAVE(app, path(QStringLiteral("F/a.vlt-ctf"))));
        QCOMPARE(app.templateFolder, path(QStringLiteral("F/")));
        QVERIFY(t.SAVE(app, path(QStringLiteral("G/b.vlt-ctf"))));
        QVERIFY(t.SAVE(app, path(QStringLiteral("H/c.vlt-ctf"))));
        QVERIFY(t.SAVE(app, path(QStringLiteral("F/a.vlt-ctf"))));
        QVERIFY(t.LOAD(app, path(QStringLiteral("G/b.vlt-ctf"))));
        QCOMPARE(app.templateFolder, path(QStringLiteral("F/")));
        QVERIFY(t.LOAD(app, path(QStringLiteral("H/c.vlt-ctf"))));
        QCOMPARE(app.templateFolder, path(QStringLiteral("G/")));
        QCOMPARE(app.currentTemplatePath, path(QStringLiteral("H/c.vlt-ctf")));
    }

    void dialogs_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("currentPath");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("initial");
        QTest::newRow("save, nothing known")
            << true << QString() << QString() << QStringLiteral("cls_Kunde.vlt-ctf");
        QTest::newRow("save, folder known")
            << true << QString() << QStringLiteral("/v/") << QStringLiteral("/v/cls_Kunde.vlt-ctf");
        QTest::newRow("save, path known")
            << true << QStringLiteral("/p/x.vlt-ctf") << QStringLiteral("/v/")
            << QStringLiteral("/p/x.vlt-ctf");
        QTest::newRow("load, nothing known")
            << false << QString() << QString() << QStringLiteral("*.vlt-ctf");
        QTest::newRow("load, folder known")
            << false << QString() << QStringLiteral("/v/") << QStringLiteral("/v/*.vlt-ctf");
        QTest::newRow("load, path known")
            << false << QStringLiteral("/p/x.vlt-ctf") << QStringLiteral("/v/")
            << QStringLiteral("/p/x.vlt-ctf");
    }
    void dialogs() {
        QFETCH(bool, save);
        QFETCH(QString, currentPath);
        QFETCH(QString, folder);
        QFETCH(QString, initial);
        ScriptedUi ui;
        AppState app(ui);
        cls_Class& t = *app.currentTemplate;
        t.CLASSNAME = QStringLiteral("cls_Kunde");
        app.currentTemplatePath = currentPath;
        app.templateFolder = folder;
        app.changed = true;
        const QStringList before = describe(t);
        QVERIFY(!(save ? t.SAVE(app) : t.LOAD(app, QString())));
        QCOMPARE(ui.kinds(), QStringList{save ? QStringLiteral("save") : QStringLiteral("open")});
        const vlt::FileDialogRequest& request = ui.shown.first().request;
        QCOMPARE(request.initialFile, initial);
        QCOMPARE(request.title, save ? QStringLiteral("Klassenvorlage speichern")
                                     : QStringLiteral("Klassenvorlage laden"));
        QCOMPARE(request.filter, QStringLiteral("Klassenvorlage|*.vlt-ctf"));
        QCOMPARE(request.filterIndex, 1);
        QCOMPARE(request.defaultExtension, save ? QStringLiteral(".vlt-ctf") : QString());
        QCOMPARE(describe(t), before);
        QCOMPARE(app.currentTemplatePath, currentPath);
        QCOMPARE(app.templateFolder, folder);
        QVERIFY(app.changed);
    }

    void dialogChoiceIsUsed() {
        ScriptedUi ui;
        AppState app(ui);
        ui.fileChoices.enqueue(path(QStringLiteral("gewaehlt.vlt-ctf")));
        QVERIFY(app.currentTemplate->SAVE(app));
        QCOMPARE(app.currentTemplatePath, path(QStringLiteral("gewaehlt.vlt-ctf")));
        app.currentTemplate->CLASSNAME = QStringLiteral("cls_Anders");
        ui.fileChoices.enqueue(path(QStringLiteral("gewaehlt.vlt-ctf")));
        QVERIFY(app.currentTemplate->LOAD(app));
        QCOMPARE(app.currentTemplate->CLASSNAME, QStringLiteral("cls_NoName"));
    }

    void failedSaveKeepsFileAndState() {
        ScriptedUi ui;
        AppState app(ui);
        app.changed = true;
        const QString file = path(QStringLiteral("fehlt/x.vlt-ctf"));
        const QString message = errorOf([&] { app.currentTemplate->SAVE(app, file); });
        QVERIFY2(message.contains(file), qPrintable(message));
        QVERIFY(app.currentTemplatePath.isEmpty());
        QVERIFY(app.changed);
    }

    void memberListSaveLoad_data() {
        QTest::addColumn<QString>("password");
        QTest::newRow("plain") << QString();
        QTest::newRow("sealed") << QStringLiteral("Kennwort");
    }
    void memberListSaveLoad() {
        QFETCH(QString, password);
        cls_Class t;
        fillEveryField(t);
        t.MEMBERS().DATA.ID = 12;
        const QString file = path(QStringLiteral("liste.vlt-mbr"));
        QVERIFY(t.MEMBERS().SAVE(file, password));
        cls_Members back;
        QVERIFY(back.LOAD(file, password));
        QCOMPARE(describe(back), describe(t.MEMBERS()));
        QVERIFY(back.DATA.ID == vlt::Variant(12));
        QCOMPARE(readBytes(file).startsWith("VLTFILE 1 SEALED\n"), !password.isEmpty());
    }

    void memberListFailures() {
        cls_Members list;
        fill(list);
        const QString file = path(QStringLiteral("liste2.vlt-mbr"));
        QVERIFY(list.SAVE(file, QStringLiteral("richtig")));
        cls_Members other;
        other.DATABASE.ADD(makeMember(QStringLiteral("bleibt")));
        const QStringList before = describe(other);
        QVERIFY(!other.LOAD(file, QStringLiteral("falsch")));
        QVERIFY(!other.LOAD(file));
        QVERIFY(!other.LOAD(path(QStringLiteral("gibt-es-nicht"))));
        QVERIFY(!other.LOAD(kTemplates + QStringLiteral("template-1.3.vlt-ctf")));
        QCOMPARE(describe(other), before);
        QVERIFY(!list.SAVE(path(QStringLiteral("fehlt/liste.vlt-mbr"))));
    }

private:
    static void fill(cls_Members& list) {
        list.DATABASE.ADD(makeMember(QStringLiteral("A")));
        list.DATABASE.ADD(makeMember(QStringLiteral("B")));
    }
};

int runTemplateFileTests(int argc, char** argv) {
    TemplateFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_templatefile.moc"
