// The project dock as the user works with it: opened from the menu, every state on its row,
// rows that open their templates, "Alle erzeugen", importing modules without a template, changes
// made by other programs, and the open template guarded against them.
#include "WindowFixture.h"

#include "app/preview/PreviewPane.h"
#include "app/project/ProjectEvaluation.h"
#include "app/project/ProjectPanel.h"
#include "support/SampleProject.h"
#include "support/Templates.h"

#include "generator/ModuleOutput.h"
#include "model/TemplateFile.h"

namespace {

// Runs the command and waits until the project's evaluation it starts has ended.
template <class Command> bool evaluated(frm_Main& window, Command command, int waitMs = 10000) {
    QSignalSpy done(window.projectEvaluation(), &ProjectEvaluation::finished);
    command();
    return done.wait(waitMs);
}

// The panel as the user reads it: the summary, each row's columns with their tooltips ("[…]")
// and a right-aligned one marked ">", the problems; the sample's temporary folder written "<root>".
QStringList panelText(const frm_Main& window, const SampleProject& sample) {
    const ProjectPanel* panel = window.projectPanel();
    QStringList lines{panel->summary()->text()};
    for (int i = 0; i < panel->rows()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = panel->rows()->topLevelItem(i);
        QStringList columns;
        for (int column = 0; column < panel->rows()->columnCount(); ++column)
            columns.append(
                (item->textAlignment(column) & Qt::AlignRight ? ">" : "") + item->text(column) +
                (item->toolTip(column).isEmpty() ? "" : " [" + item->toolTip(column) + ']'));
        lines.append(columns.join(" | "));
    }
    lines.append(panel->problems()->isHidden() ? QString() : panel->problems()->text());
    return lines.join('\n').replace(sample.root(), "<root>").split('\n');
}

QTreeWidgetItem* rowOf(const frm_Main& window, const QString& className) {
    const QTreeWidget* tree = window.projectPanel()->rows();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->text(ProjectPanel::ClassColumn) == className)
            return tree->topLevelItem(i);
    return nullptr;
}

QString stateOf(const frm_Main& window, const QString& className) {
    QTreeWidgetItem* item = rowOf(window, className);
    return item ? item->text(ProjectPanel::StateColumn) : QString();
}

// Return on the row, as a keyboard user opens it.
void activateRow(frm_Main& window, const QString& className) {
    QTreeWidget* tree = window.projectPanel()->rows();
    tree->setFocus();
    tree->setCurrentItem(rowOf(window, className));
    QTest::keyClick(tree, Qt::Key_Return);
}

QString status(const frm_Main& window) {
    return window.statusBar()->currentMessage();
}

bool openProjectFile(WindowFixture& f, const SampleProject& sample) {
    f.ui.fileChoices.enqueue(sample.vbp());
    return evaluated(*f.window, [&] { f.trigger("mnu_FileOpenProject"); });
}

} // namespace

class ProjectWindowTest : public QObject {
    Q_OBJECT
private slots:
    void everyStateOnItsRow() {
        WindowFixture f;
        f.showActive();
        f.window->resize(1000, 1200); // tall enough for the dock's third
        const SampleProject sample;
        QVERIFY(openProjectFile(f, sample));
        compareWithGolden(panelText(*f.window, sample), "texts/project-panel.txt");
        QCOMPARE(f.lastShown("open").text, u"Projekt öffnen"_s);
        QCOMPARE(status(*f.window), "Projekt geöffnet: " + sample.vbp());
        auto* dock = f.window->findChild<QDockWidget*>("dck_Project");
        QVERIFY(dock->isVisibleTo(f.window.get()));
        QCOMPARE(f.window->dockWidgetArea(dock), Qt::BottomDockWidgetArea);
        QVERIFY2(qAbs(dock->height() - f.window->height() / 3) <= 8,
                 qPrintable(u"%1 of %2"_s.arg(dock->height()).arg(f.window->height())));
        QCOMPARE(QSettings().value("folders/projects").toString(), QFileInfo(sample.vbp()).path());
        QVERIFY(f.window->projectPanel()->generateButton()->isEnabled());
        QVERIFY(!f.window->projectPanel()->importButton()->isEnabled());
        const QList<QAction*> recent = f.window->findChild<QMenu*>("mnu_FileRecent")->actions();
        QVERIFY(!recent.isEmpty() && recent.first()->text().contains("Projekt.vbp"));
        // Each column fits its texts, and the last one fills the rest of the row.
        const QTreeWidget* rows = f.window->projectPanel()->rows();
        for (int i = 0; i < rows->topLevelItemCount(); ++i)
            for (int column = 0; column < ProjectPanel::TemplateColumn; ++column)
                QVERIFY(rows->fontMetrics().horizontalAdvance(rows->topLevelItem(i)->text(column)) <
                        rows->columnWidth(column));
        QVERIFY(rows->header()->stretchLastSection());
    }

    void aFolderAndItsProblems() {
        WindowFixture f;
        const SampleProject sample;
        ProjectPanel& panel = *f.window->projectPanel();
        QDir(sample.root()).mkdir("Leer");
        f.window->openProject(sample.vbp()); // replaced before its rows are known
        f.ui.fileChoices.enqueue(sample.path("Leer"));
        QVERIFY(evaluated(*f.window, [&] { f.trigger("mnu_FileOpenProjectFolder"); }));
        QCOMPARE(f.lastShown("folder").text, u"Projektordner öffnen"_s);
        QVERIFY(panel.problems()->text().contains("weder Klassenmodule"));
        QVERIFY(panel.problems()->isVisibleTo(f.window.get()));
        QVERIFY(panel.problems()->palette().color(QPalette::WindowText) !=
                panel.summary()->palette().color(QPalette::WindowText));
        QCOMPARE(panel.summary()->text(), sample.path("Leer") + ": 0 Zeilen");
        QCOMPARE(panel.rows()->topLevelItemCount(), 0);
        QVERIFY(evaluated(*f.window, [&] { f.window->openProject(sample.path("Fehlt.vbp")); }));
        QVERIFY(panel.problems()->text().startsWith("Die Projektdatei"));
        QCOMPARE(panel.rows()->topLevelItemCount(), 0);
    }

    // Through the unsaved-changes question; the open template's row then follows its edits.
    void rowsOpenTheirTemplates() {
        WindowFixture f;
        const SampleProject sample;
        QVERIFY(openProjectFile(f, sample));
        QTest::keyClicks(f.window->txt_Description, "ungespeichert");
        activateRow(*f.window, "cKunde"); // the question is answered "no"
        QCOMPARE(f.lastShown("question").kind, u"question"_s);
        QVERIFY(f.app.currentTemplatePath.isEmpty());
        f.ui.answers.enqueue(vlt::ID_Yes);
        activateRow(*f.window, "cKunde");
        QCOMPARE(f.app.currentTemplatePath, sample.path("App/Vorlagen/cKunde.vlt-ctf"));
        QCOMPARE(f.window->txt_Name->text(), u"cKunde"_s);
        QCOMPARE(stateOf(*f.window, "cKunde"), u"aktuell"_s);
        activateRow(*f.window, "cKunde");
        QCOMPARE(status(*f.window), "Die Vorlage ist schon geöffnet: " + f.app.currentTemplatePath);
        QCOMPARE(f.window->focusWidget(), f.window->txt_Name);
        QTest::keyClicks(f.window->txt_Description, "x");
        QCOMPARE(stateOf(*f.window, "cKunde"), u"geändert"_s);
        QVERIFY(rowOf(*f.window, "cKunde")->font(ProjectPanel::ClassColumn).bold());
        f.trigger("mnu_EditUndo");
        QCOMPARE(stateOf(*f.window, "cKunde"), u"aktuell"_s);
    }

    void generateAllWritesOnlyWhatIsStaleOrMissing() {
        WindowFixture f;
        const SampleProject sample;
        ProjectPanel& panel = *f.window->projectPanel();
        for (const char* module : {"App/Klassen/cKunde.cls", "App/Klassen/cDoppelt.cls"})
            sample.makeOld(module);
        const QDateTime kunde = QFileInfo(sample.path("App/Klassen/cKunde.cls")).lastModified();
        f.showActive();
        QVERIFY(openProjectFile(f, sample));
        activateRow(*f.window, "cNeu");
        QTRY_VERIFY(f.window->preview()->fileState()->text().startsWith("Moduldatei fehlt"));
        QVERIFY(evaluated(*f.window, [&] { panel.generateButton()->click(); }));
        QTRY_VERIFY(f.window->preview()->fileState()->text().startsWith("Moduldatei ist aktuell"));
        QCOMPARE(status(*f.window), u"3 Module neu erzeugt"_s);
        QCOMPARE(QFileInfo(sample.path("App/Klassen/cKunde.cls")).lastModified(), kunde);
        QCOMPARE(readBytes(sample.path("App/Klassen/cDoppelt.cls")),
                 QByteArray("VERSION 1.0 CLASS\r\n"));
        for (const char* name : {"cAuftrag", "cLog", "cNeu"})
            QCOMPARE(stateOf(*f.window, name), u"aktuell"_s);
        QVERIFY(!panel.generateButton()->isEnabled());
        // A module that cannot be written is named, and counted apart from those written.
        const QString neu = sample.path("App/Klassen/cNeu.cls");
        const auto generateBlocked = [&](const QString& alsoMissing) {
            QVERIFY(evaluated(*f.window, [&] {
                QFile::remove(neu) || QDir().rmdir(neu);
                QFile::remove(alsoMissing);
            }));
            QDir().mkdir(neu);
            QVERIFY(evaluated(*f.window, [&] { panel.generateButton()->click(); }));
            QVERIFY(f.lastShown("error").text.contains(neu));
        };
        generateBlocked(QString());
        QCOMPARE(status(*f.window), u"1 Modul nicht erzeugt"_s);
        generateBlocked(sample.path("Gemeinsam/cLog.cls"));
        QCOMPARE(status(*f.window), u"1 Modul neu erzeugt, 1 nicht"_s);
    }

    void changesByOtherProgramsAreNoticed() {
        WindowFixture f;
        const SampleProject sample;
        QVERIFY(openProjectFile(f, sample));
        const QTreeWidgetItem* before = rowOf(*f.window, "cKunde");
        QSignalSpy looked(f.window->projectEvaluation(), &ProjectEvaluation::finished);
        writeBytes(sample.path("App/Klassen/cKunde.cls"), "VERSION 1.0"); // as a checkout may
        QTest::qWait(100);
        writeBytes(sample.path("App/Klassen/cKunde.cls"), "VERSION 1.0 CLASS\r\n");
        QTRY_COMPARE(looked.count(), 1);
        QCOMPARE(rowOf(*f.window, "cKunde"), before); // updated in place, not built anew
        QCOMPARE(stateOf(*f.window, "cKunde"), u"veraltet"_s);
        QVERIFY(!evaluated(
            *f.window, [] {}, 1000)); // once for a change, not again and again
        QCOMPARE(looked.count(), 1);
        QVERIFY(evaluated(*f.window, [&] { sample.generate("App/Vorlagen/cNeu.vlt-ctf"); }));
        QCOMPARE(stateOf(*f.window, "cNeu"), u"aktuell"_s);
        QDir(sample.root()).mkdir("Leer"); // the project closed is watched no more
        QVERIFY(evaluated(*f.window, [&] { f.window->openProject(sample.path("Leer")); }));
        QVERIFY(!evaluated(
            *f.window,
            [&] {
                writeBytes(sample.path("App/Klassen/cNeu2.cls"), "VERSION");
                writeBytes(sample.path("App/Klassen/cKunde.cls"), "VERSION");
            },
            1000));
    }

    // Saved beside the module; a template of that name that belongs to another module stays.
    void modulesWithoutTemplateAreImported() {
        WindowFixture f;
        const SampleProject sample;
        ProjectPanel& panel = *f.window->projectPanel();
        cls_Class alt;
        buildTemplate(alt, "Name:String;Wert:Double");
        alt.CLASSNAME = "cAlt";
        gen::writeModuleFile(sample.path("App/Klassen/cAlt.cls"), alt, gen::ModuleForm{});
        // Line ends as a git checkout may leave them: imported, but not exact.
        writeBytes(sample.path("App/Klassen/cAlt.cls"),
                   readBytes(sample.path("App/Klassen/cAlt.cls")).replace("\r\n", "\n"));
        QVERIFY(openProjectFile(f, sample));
        QTreeWidget* tree = panel.rows();
        rowOf(*f.window, "cAlt")->setSelected(true);
        rowOf(*f.window, "cKunde")->setSelected(true);
        QVERIFY(panel.importButton()->isEnabled());
        QVERIFY(evaluated(*f.window, [&] { panel.importButton()->click(); }));
        QCOMPARE(status(*f.window), u"1 Vorlage importiert"_s);
        cls_Class imported;
        readTemplate(sample.path("App/Klassen/cAlt.vlt-ctf"), imported);
        QCOMPARE(imported.COMPILED, u"cAlt.cls"_s);
        QCOMPARE(stateOf(*f.window, "cAlt"), u"veraltet"_s);
        QCOMPARE(
            f.lastShown("info").text,
            QStringLiteral("Nicht genau importiert (die Vorlage erzeugt ein anderes Modul, ihr "
                           "Zustand ist „veraltet“):\n") +
                sample.path("App/Klassen/cAlt.cls"));

        writeBytes(sample.path("App/Klassen/cDoppelt.vlt-ctf"), "nicht von hier");
        writeBytes(sample.path("App/Klassen/cDoppelt.cls"),
                   readBytes(sample.path("App/Klassen/cAlt.cls")));
        QFile::remove(sample.path("App/Vorlagen/cDoppelt1.vlt-ctf"));
        QFile::remove(sample.path("App/Vorlagen/cDoppelt2.vlt-ctf"));
        QVERIFY(evaluated(*f.window, [] {}));
        tree->clearSelection();
        activateRow(*f.window, "cAlt"); // its template opens
        QCOMPARE(f.app.currentTemplatePath, sample.path("App/Klassen/cAlt.vlt-ctf"));
        QVERIFY(evaluated(*f.window, [&] { activateRow(*f.window, "cDoppelt"); }));
        QCOMPARE(status(*f.window), u"Keine Vorlage importiert"_s);
        QVERIFY(f.lastShown("info").text.contains(sample.path("App/Klassen/cDoppelt.vlt-ctf")));
        QCOMPARE(readBytes(sample.path("App/Klassen/cDoppelt.vlt-ctf")),
                 QByteArray("nicht von hier"));

        // A file that is no module of ours: the error names it, nothing is saved.
        QFile::remove(sample.path("App/Klassen/cAlt.vlt-ctf"));
        writeBytes(sample.path("App/Klassen/cAlt.cls"), "Option Explicit\r\n");
        QVERIFY(evaluated(*f.window, [] {}));
        rowOf(*f.window, "cAlt")->setSelected(true);
        QVERIFY(evaluated(*f.window, [&] { panel.importButton()->click(); }));
        QVERIFY(f.lastShown("error").text.startsWith(
            u"Die Datei \"%1\" kann nicht importiert werden"_s.arg(
                sample.path("App/Klassen/cAlt.cls"))));
        QVERIFY(!QFile::exists(sample.path("App/Klassen/cAlt.vlt-ctf")));
    }

    void openTemplateIsGuardedAgainstOutsideChanges() {
        WindowFixture f;
        const SampleProject sample;
        const QString file = sample.path("App/Vorlagen/cKunde.vlt-ctf");
        f.ui.fileChoices.enqueue(file);
        f.trigger("mnu_FileOpen");
        const auto changeOutside = [&](const QString& description) {
            cls_Class tpl;
            readTemplate(file, tpl);
            tpl.DESCRIPTION = description;
            writeTemplate(file, tpl);
        };

        f.ui.answers.enqueue(vlt::ID_Yes); // reload
        changeOutside("von außen");
        QTRY_COMPARE(f.window->txt_Description->text(), u"von außen"_s);
        QCOMPARE(status(*f.window), "Neu geladen: " + file);
        const QString question =
            u"Die Vorlage \"%1\" wurde außerhalb des Programms geändert.\n\nNeu laden?"_s.arg(file);
        QCOMPARE(f.lastShown("question").text, question);
        QCOMPARE(f.lastShown("question").title, u"Vorlage geändert"_s);

        QTest::keyClicks(f.window->txt_Author, "Ich");
        const QString mine = f.window->txt_Author->text();
        changeOutside("wieder von außen"); // answered "no": the edits stay
        QTRY_COMPARE(status(*f.window),
                     u"Die Vorlage auf der Platte ist neuer; Speichern fragt vorher."_s);
        QCOMPARE(f.window->txt_Author->text(), mine);
        QCOMPARE(f.lastShown("question").text,
                 question + u" Ihre ungespeicherten Änderungen gehen dabei verloren."_s);
        const qsizetype questions = f.ui.kinds().count("question");
        writeBytes(file, readBytes(file)); // written again, unchanged: not asked again
        QTest::qWait(600);
        QCOMPARE(f.ui.kinds().count("question"), questions);
        changeOutside("noch einmal von außen"); // another change is told again
        QTRY_COMPARE(f.ui.kinds().count("question"), questions + 1);
        const QByteArray declined = readBytes(file);
        f.trigger("mnu_FileSave"); // the choice is closed: nothing is saved
        QCOMPARE(f.ui.lastChoices, (QStringList{"Ü&berschreiben", "&Neu laden", "Abbrechen"}));
        QCOMPARE(status(*f.window), u"Speichern abgebrochen"_s);
        QVERIFY(
            f.lastShown("choice").text.endsWith("Stand der Datei neu laden oder nicht speichern?"));
        QCOMPARE(f.lastShown("choice").title, u"Vorlage geändert"_s);
        cls_Class onDisk;
        readTemplate(file, onDisk);
        QCOMPARE(onDisk.DESCRIPTION, u"noch einmal von außen"_s);
        f.ui.answers.enqueue(0);
        f.trigger("mnu_FileSave");
        readTemplate(file, onDisk);
        QCOMPARE(onDisk.AUTHOR, mine);
        QCOMPARE(status(*f.window), "Gespeichert: " + file);
        QVERIFY(!f.app.changed);

        const int asked = int(f.ui.shown.size());
        QTest::qWait(600); // our own save is no outside change
        QCOMPARE(int(f.ui.shown.size()), asked);
        QTest::keyClicks(f.window->txt_Author, "x");
        writeBytes(file, declined); // declined before our save, asked about again
        QTRY_VERIFY(status(*f.window).contains("Speichern fragt vorher"));
        f.ui.answers.enqueue(1); // reload instead of saving
        f.trigger("mnu_FileSave");
        QCOMPARE(f.window->txt_Description->text(), u"noch einmal von außen"_s);
        QVERIFY(!f.window->txt_Author->text().contains("Ich"));

        // Deleted and written anew: only the folder's watch sees the new file.
        cls_Class kept;
        readTemplate(file, kept);
        QFile::remove(file);
        QTRY_COMPARE(status(*f.window),
                     u"Die Vorlage %1 gibt es nicht mehr; Speichern legt sie neu an."_s.arg(file));
        kept.DESCRIPTION = u"neu angelegt"_s;
        f.ui.answers.enqueue(vlt::ID_Yes);
        writeTemplate(file, kept);
        QTRY_COMPARE(f.window->txt_Description->text(), u"neu angelegt"_s);

        // A change seen just before a new template replaces this one says nothing of it.
        changeOutside("zuletzt");
        QTest::qWait(100);
        f.trigger("mnu_FileNew");
        QTest::qWait(500);
        QVERIFY2(!status(*f.window).contains("gibt es nicht mehr"), qPrintable(status(*f.window)));
    }
};
CLASSSHAPER_TEST(ProjectWindowTest);

#include "tst_project_window.moc"
