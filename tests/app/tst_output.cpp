#include "ExampleTemplate.h"
#include "WindowFixture.h"
#include "support/TestFiles.h"

#include "app/CodeViewer.h"
#include "app/QtUiServices.h"

#include "generator/Generator.h"
#include "generator/ModuleFile.h"
#include "model/TemplateFile.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

namespace {

QString expectedText(const cls_Class& shown, bool pAttributes) {
    cls_Class vCopy;
    vCopy.DATA.COPY(const_cast<cls_Class&>(shown));
    return gen::hCompile(vCopy, pAttributes);
}

void showKunde(WindowFixture& f) {
    f.app.currentTemplate = kundeTemplate();
    f.window->showTemplate();
}

} // namespace

class OutputTest : public QObject {
    Q_OBJECT
private slots:
    void proposalRule_data();
    void proposalRule();
    void createFileWritesTheModule();
    void createFileCancelledWritesNothing();
    void failingCreateFileKeepsEverything();
    void replacedCharactersAreReported();
    void clipboardHoldsTheTextWithoutAttributes();
    void viewerShowsTheClipboardText();
    void outputShortcuts();
    void qtFilterForm_data();
    void qtFilterForm();
    void defaultExtension_data();
    void defaultExtension();
    void exampleTemplateIsCurrent();
};

void OutputTest::proposalRule_data() {
    QTest::addColumn<QString>("templatePath");
    QTest::addColumn<QString>("templateFolder");
    QTest::addColumn<QString>("compiled");
    QTest::addColumn<QString>("proposal");
    QTest::newRow("never saved") << ""
                                 << "/vorlagen/"
                                 << ""
                                 << "/vorlagen/Kunde.cls";
    QTest::newRow("saved in a folder") << "/projekt/kunde.vlt-ctf"
                                       << "/vorlagen/"
                                       << ""
                                       << "/projekt/Kunde.cls";
    QTest::newRow("compiled elsewhere") << "/projekt/kunde.vlt-ctf"
                                        << "/vorlagen/"
                                        << "/alt/Anders.cls"
                                        << "/projekt/Kunde.cls";
}

void OutputTest::proposalRule() {
    QFETCH(QString, templatePath);
    QFETCH(QString, templateFolder);
    QFETCH(QString, compiled);
    QFETCH(QString, proposal);
    WindowFixture f;
    f.app.currentTemplatePath = templatePath;
    f.app.templateFolder = templateFolder;
    f.app.currentTemplate->COMPILED = compiled;
    f.window->txt_Name->setText(QStringLiteral("Kunde"));

    f.trigger("mnu_FileCreateFile");

    const auto* vDialog = f.ui.last(QStringLiteral("save"));
    QVERIFY(vDialog);
    QCOMPARE(vDialog->request.initialFile, proposal);
    QCOMPARE(vDialog->request.title, QStringLiteral("Klasse erstellen"));
    QCOMPARE(vDialog->request.filter, QStringLiteral("Klasse|*.cls"));
    QCOMPARE(vDialog->request.filterIndex, 1);
    QCOMPARE(vDialog->request.defaultExtension, QStringLiteral(".cls"));
    QCOMPARE(f.app.currentTemplate->COMPILED, compiled);
}

void OutputTest::createFileWritesTheModule() {
    WindowFixture f;
    showKunde(f);
    f.window->txt_Description->setText(QStringLiteral("Geändert im Fenster"));
    f.app.changed = false;
    const QString vTarget = f.path(QStringLiteral("cls_Kunde.cls"));
    f.ui.fileChoices.enqueue(vTarget);

    f.trigger("mnu_FileCreateFile");

    QVERIFY2(!f.ui.kinds().contains(QStringLiteral("error")), qPrintable(f.ui.kinds().join(',')));
    QCOMPARE(f.app.currentTemplate->COMPILED, vTarget);
    QCOMPARE(f.app.currentTemplate->DESCRIPTION, QStringLiteral("Geändert im Fenster"));
    const QString vText = expectedText(*f.app.currentTemplate, true);
    QVERIFY(vText.contains(QStringLiteral("Geändert im Fenster")));
    QCOMPARE(readBytes(vTarget), gen::encodeModule(vText).bytes);
    QVERIFY(!f.app.changed);
}

void OutputTest::createFileCancelledWritesNothing() {
    WindowFixture f;
    showKunde(f);
    f.app.currentTemplate->COMPILED = QStringLiteral("/frueher/cls_Kunde.cls");
    f.trigger("mnu_FileCreateFile");
    QCOMPARE(f.app.currentTemplate->COMPILED, QStringLiteral("/frueher/cls_Kunde.cls"));
    QCOMPARE(f.ui.kinds(), QStringList{QStringLiteral("save")});
}

void OutputTest::failingCreateFileKeepsEverything() {
    WindowFixture f;
    showKunde(f);
    f.app.currentTemplatePath = f.path(QStringLiteral("kunde.vlt-ctf"));
    f.app.currentTemplate->COMPILED = QStringLiteral("/frueher/cls_Kunde.cls");
    f.app.changed = false;
    const QString vTarget = f.path(QStringLiteral("fehlt/cls_Kunde.cls"));
    f.ui.fileChoices.enqueue(vTarget);

    f.trigger("mnu_FileCreateFile");

    const auto* vError = f.ui.last(QStringLiteral("error"));
    QVERIFY(vError);
    QVERIFY2(vError->text.contains(QStringLiteral("cls_Kunde.cls")), qPrintable(vError->text));
    QCOMPARE(f.app.currentTemplate->COMPILED, QStringLiteral("/frueher/cls_Kunde.cls"));
    QCOMPARE(f.app.currentTemplatePath, f.path(QStringLiteral("kunde.vlt-ctf")));
    QVERIFY(!f.app.changed);
    QVERIFY(!QFile::exists(vTarget));
}

void OutputTest::replacedCharactersAreReported() {
    WindowFixture f;
    showKunde(f);
    f.window->txt_Description->setText(QStringLiteral("Kunde \u4E2D \u20AC"));
    const QString vTarget = f.path(QStringLiteral("cls_Kunde.cls"));
    f.ui.fileChoices.enqueue(vTarget);

    f.trigger("mnu_FileCreateFile");

    const auto* vInfo = f.ui.last(QStringLiteral("info"));
    QVERIFY(vInfo);
    QVERIFY2(vInfo->text.contains(QStringLiteral("\u4E2D")), qPrintable(vInfo->text));
    QVERIFY(!vInfo->text.contains(QStringLiteral("\u20AC")));
    QVERIFY(readBytes(vTarget).contains("Kunde ? \x80"));
}

void OutputTest::clipboardHoldsTheTextWithoutAttributes() {
    WindowFixture f;
    showKunde(f);
    f.window->txt_Name->setText(QStringLiteral("cls_Kundin"));

    f.trigger("mnu_FileCreateClipboard");

    QCOMPARE(f.app.currentTemplate->CLASSNAME, QStringLiteral("cls_Kundin"));
    const QString vExpected = expectedText(*f.app.currentTemplate, false);
    QCOMPARE(QGuiApplication::clipboard()->text(), vExpected);
    QVERIFY(vExpected != expectedText(*f.app.currentTemplate, true));
    QVERIFY(f.ui.shown.isEmpty());
}

void OutputTest::viewerShowsTheClipboardText() {
    WindowFixture f;
    showKunde(f);
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));

    f.trigger("mnu_FileCompileNotepad");

    const QString vExpected = expectedText(*f.app.currentTemplate, false);
    QCOMPARE(QGuiApplication::clipboard()->text(), vExpected);
    CodeViewer* vViewer = f.window->viewer();
    QVERIFY(vViewer);
    QVERIFY(vViewer->isVisible());
    QVERIFY(!vViewer->isModal());
    QCOMPARE(vViewer->text(), QString(vExpected).replace(QStringLiteral("\r\n"), "\n"));
}

void OutputTest::outputShortcuts() {
    WindowFixture f;
    showKunde(f);
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.window->lst_Members->setFocus();
    QGuiApplication::clipboard()->clear();

    QTest::keyClick(f.window.get(), Qt::Key_F6);
    QCOMPARE(QGuiApplication::clipboard()->text(), expectedText(*f.app.currentTemplate, false));
    QVERIFY(!f.window->viewer());

    QTest::keyClick(f.window.get(), Qt::Key_F7);
    QVERIFY(f.window->viewer());

    f.ui.fileChoices.enqueue(f.path(QStringLiteral("per_taste.cls")));
    QTest::keyClick(f.window.get(), Qt::Key_F5);
    QVERIFY(QFile::exists(f.path(QStringLiteral("per_taste.cls"))));
}

void OutputTest::qtFilterForm_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("qtFilters");
    QTest::newRow("one") << "Klassenvorlage|*.vlt-ctf"
                         << QStringList{QStringLiteral("Klassenvorlage (*.vlt-ctf)")};
    QTest::newRow("two") << "Klasse|*.cls|Alle Dateien|*.*"
                         << QStringList{QStringLiteral("Klasse (*.cls)"),
                                        QStringLiteral("Alle Dateien (*.*)")};
    QTest::newRow("several patterns")
        << "Texte|*.txt;*.cls" << QStringList{QStringLiteral("Texte (*.txt *.cls)")};
    QTest::newRow("empty") << "" << QStringList{};
}

void OutputTest::qtFilterForm() {
    QFETCH(QString, filter);
    QFETCH(QStringList, qtFilters);
    QCOMPARE(qtNameFilters(filter), qtFilters);
}

void OutputTest::defaultExtension_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("result");
    QTest::newRow("typed none") << "/a/kunde"
                                << "/a/kunde.cls";
    QTest::newRow("typed one") << "/a/kunde.cls"
                               << "/a/kunde.cls";
    QTest::newRow("other one kept") << "/a/kunde.bas"
                                    << "/a/kunde.bas";
    QTest::newRow("dot in folder") << "/a.b/kunde"
                                   << "/a.b/kunde.cls";
    QTest::newRow("cancelled") << ""
                               << "";
}

void OutputTest::defaultExtension() {
    QFETCH(QString, chosen);
    QFETCH(QString, result);
    QCOMPARE(withDefaultExtension(chosen, QStringLiteral(".cls")), result);
}

// examples/Kunde.vlt-ctf is written by write_example; a changed file format shows up here.
void OutputTest::exampleTemplateIsCurrent() {
    const QString vExample = QStringLiteral(EXAMPLES_DIR "/Kunde.vlt-ctf");
    const QString vFresh = QStringLiteral(TEST_BINARY_DIR "/Kunde.vlt-ctf");
    writeTemplate(vFresh, *kundeTemplate());
    QVERIFY2(readBytes(vExample) == readBytes(vFresh),
             "examples/Kunde.vlt-ctf is out of date: rebuild and run "
             "tests/app/write_example examples/Kunde.vlt-ctf");
}

int runOutputTests(int argc, char** argv) {
    OutputTest vTest;
    return QTest::qExec(&vTest, argc, argv);
}

#include "tst_output.moc"
