// A VB6 project's class modules and their templates: the state of each (classshaper-gen --project
// in tests/data/cli/cases.txt), and the project files and folders that cannot be read.
#include "support/CaseTable.h"
#include "support/SampleProject.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "project/Project.h"

namespace {

// "state:class:module:template", paths below the sample's root, "-" for none.
QStringList describeRows(const SampleProject& sample, const std::vector<proj::ClassModule>& rows) {
    const QDir root(sample.root());
    const auto shown = [&](const QString& path) {
        return path.isEmpty() ? u"-"_s : root.relativeFilePath(path);
    };
    QStringList lines;
    for (const proj::ClassModule& row : rows)
        lines.append(QStringList{proj::stateWord(row.state), row.className, shown(row.modulePath),
                                 shown(row.templatePath)}
                         .join(u':'));
    return lines;
}

const proj::ClassModule& rowOf(const std::vector<proj::ClassModule>& rows, const QString& name) {
    for (const proj::ClassModule& row : rows)
        if (row.className == name)
            return row;
    qFatal("no row %s", qPrintable(name));
}

} // namespace

class ProjectTest : public QObject {
    Q_OBJECT
private slots:
    void eachClassHasItsState_data() { addCaseRows(u"project-states"_s, 2); }
    void eachClassHasItsState() {
        const auto [form, rows] = caseFields<2>();
        const SampleProject sample;
        // Below a module's folder outside the project: not part of it.
        QDir(sample.root()).mkpath(u"Gemeinsam/Archiv"_s);
        sample.writeClassTemplate(u"Gemeinsam/Archiv/cLog.vlt-ctf"_s, u"cLog"_s, u"../cLog.cls"_s);
        if (form == "lf")
            writeBytes(sample.vbp(), readBytes(sample.vbp()).replace("\r\n", "\n"));
        QVERIFY(form != "link" || QFile::link(sample.app(), sample.path(u"Verweis"_s)));
        const proj::Project project =
            proj::openProject(form == "folder" ? sample.app()
                              : form == "link" ? sample.path(u"Verweis/Projekt.vbp"_s)
                                               : sample.vbp());
        QVERIFY2(project.problems.isEmpty(), qPrintable(project.problems.join('\n')));
        QStringList heard;
        const std::vector<proj::ClassModule> found = proj::evaluate(
            project, [&](const proj::ClassModule& row) { heard.append(row.className); });
        QCOMPARE(describeRows(sample, found).join("; "), QString::fromUtf8(rows));
        QCOMPARE(heard.size(), qsizetype(found.size()));
        QCOMPARE(rowOf(found, "cKunde").findings, 0);
        QVERIFY(project.watched.contains(sample.path("App/Klassen/Auftrag")));
    }

    // In a folder, a module is known by the VB_Name of its header's first twenty lines.
    void classNameFromTheModuleHeader_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("className");
        QTest::newRow("line 20") << 20 << u"cVomKopf"_s;
        QTest::newRow("line 21") << 21 << u"vom_Kopf"_s;
    }
    void classNameFromTheModuleHeader() {
        QFETCH(int, line);
        QFETCH(QString, className);
        const SampleProject sample;
        writeBytes(sample.path("App/Klassen/vom_Kopf.cls"),
                   "VERSION 1.0 CLASS\r\n" + QByteArray("' x\r\n").repeated(line - 2) +
                       "Attribute VB_Name = \"cVomKopf\"\r\n");
        const std::vector rows = proj::evaluate(proj::openProject(sample.app()));
        QCOMPARE(rowOf(rows, className).state, proj::State::NoTemplate);
    }

    void projectsThatCannotBeRead_data() { addCaseRows(u"unreadable-projects"_s, 2); }
    void projectsThatCannotBeRead() {
        const auto [bytes, cause] = caseFields<2>();
        const SampleProject sample;
        const QString path = sample.path("Fremd.vbp");
        if (!bytes.isEmpty())
            writeBytes(path, bytes);
        const QString message = errorOf([&] { proj::openProject(path); });
        QVERIFY2(message.startsWith(QStringLiteral("Die Projektdatei \"%1\" kann nicht gelesen "
                                                   "werden: ")
                                        .arg(path)),
                 qPrintable(message));
        QVERIFY2(message.contains(QString::fromUtf8(cause)), qPrintable(message));
    }

    void projectFileBeyondSixteenMegabytes() {
        const QTemporaryDir dir;
        QFile file(dir.filePath(u"Gross.vbp"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize((qint64(16) << 20) + 1));
        file.close();
        const QString message = errorOf([&] { proj::openProject(file.fileName()); });
        QVERIFY2(message.endsWith(u": sie ist größer als 16 MB."_s), qPrintable(message));
    }

    // VB6 writes Windows-1252; a checkout that converted the file to UTF-8 is read as UTF-8
    // and says so.
    void projectFileEncodings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("utf-8") << QByteArray("Type=Exe\nClass=cÄlt; Klassen\\cÄlt.cls\n") << true;
        QTest::newRow("utf-8 with byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                                  "Class=cÄlt; Klassen\\cÄlt.cls\n")
                                                    << true;
        QTest::newRow("windows-1252")
            << QByteArray("Type=Exe\nClass=c\xC4lt; Klassen\\c\xC4lt.cls\n") << false;
    }
    void projectFileEncodings() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        const SampleProject sample;
        QDir(sample.app()).rename("Klassen/cAlt.cls", "Klassen/cÄlt.cls");
        writeBytes(sample.vbp(), bytes);
        const proj::Project project = proj::openProject(sample.vbp());
        QCOMPARE(project.notes.size(), utf8 ? 1 : 0);
        if (utf8)
            QVERIFY2(project.notes.first().contains("UTF-8"), qPrintable(project.notes.first()));
        const std::vector rows = proj::evaluate(project);
        QVERIFY(!rows.empty());
        QCOMPARE(rows.front().state, proj::State::NoTemplate);
    }

    void foldersThatHoldNothingOrLoop() {
        const SampleProject sample;
        QDir(sample.root()).mkpath("Leer/.git");
        const proj::Project empty = proj::openProject(sample.path("Leer"));
        QCOMPARE(empty.problems,
                 QStringList(QStringLiteral("Im Projekt \"%1\" gibt es weder Klassenmodule noch "
                                            "Klassenvorlagen.")
                                 .arg(sample.path("Leer"))));
        QCOMPARE(errorOf([&] { proj::openProject(sample.path("Nirgends")); }),
                 QStringLiteral("Das Projekt \"%1\" gibt es nicht: weder eine Projektdatei noch "
                                "einen Ordner dieses Namens.")
                     .arg(sample.path("Nirgends")));

        // "Alias" is walked before the folder it leads to, whose template the module's folder
        // finds again under its own name.
        QVERIFY(QFile::link(sample.app(), sample.path("App/Klassen/Schleife")));
        QVERIFY(QFile::link(sample.path("App/Klassen/Auftrag"), sample.path("App/Klassen/Alias")));
        const proj::Project looped = proj::openProject(sample.app());
        const auto loop = [](const QString& folder, const QString& real) {
            return QStringLiteral("Der Ordner \"%1\" führt über eine Verknüpfung zurück zu \"%2\", "
                                  "der schon durchsucht ist; er wird übersprungen.")
                .arg(folder, real);
        };
        QCOMPARE(looped.problems,
                 QStringList(
                     {loop(sample.path("App/Klassen/Auftrag"), sample.path("App/Klassen/Auftrag")),
                      loop(sample.path("App/Klassen/Schleife"), sample.app())}));
        QCOMPARE(looped.modules.size(), 4);
        QCOMPARE(looped.lines, QList<int>(4, 0)); // no project file names them
        QCOMPARE(proj::evaluate(looped).size(), std::size_t(7));
    }
};
CLASSSHAPER_TEST(ProjectTest);

#include "tst_project.moc"
