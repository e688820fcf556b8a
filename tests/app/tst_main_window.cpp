#include "WindowFixture.h"

#include "app/TemplateDocument.h"
#include "corelib/Paths.h"
#include "model/TemplateFile.h"

#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>

namespace {

const QString kLoseChanges = QStringLiteral(
    "Alle aktuellen Änderungen gehen verloren wenn Sie fortfahren! Trotzdem fortfahren?");
const QString kSelectFirst = QStringLiteral("Sie müssen erst ein Mitglied in der Liste auswählen!");
const QString kTitle = QStringLiteral("Veltrane Benchkit - Class Shaper");

// Makes one edit of the kind named, through the control itself.
void editControl(frm_Main& window, const QString& control) {
    if (auto* vText = window.findChild<QLineEdit*>(control))
        vText->setText(vText->text() + QStringLiteral("x"));
    else if (auto* vOption = window.findChild<QCheckBox*>(control))
        vOption->click();
    else if (auto* vCustom = window.findChild<QPlainTextEdit*>(control))
        vCustom->setPlainText(QStringLiteral("' eigene Zeile"));
    else
        QFAIL(qPrintable(control));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void everyEditMarksTheTemplateChanged_data();
    void everyEditMarksTheTemplateChanged();
    void showingATemplateKeepsTheChangedFlag_data();
    void showingATemplateKeepsTheChangedFlag();
    void fileNameFollowsClassName();
    void unsavedChangesQuestion_data();
    void unsavedChangesQuestion();
    void newTemplateKeepsProjectAuthorCopyright();
    void openLoadsAndShowsTheTemplate();
    void openOfADamagedFileKeepsEverything();
    void saveFallsBackToSaveAs_data();
    void saveFallsBackToSaveAs();
    void failingSaveKeepsEverything();
    void addEditRemoveRetagRows();
    void addLeftWithAbortAddsNothing();
    void memberCommandsNeedASelectedRow_data();
    void memberCommandsNeedASelectedRow();
    void removeAnsweredNoKeepsTheMember();
    void shortcutsRunTheirCommands_data();
    void shortcutsRunTheirCommands();
    void helpCommands_data();
    void helpCommands();
    void memberColumnsSplitTheListWidth();
    void fitsOnA1024x768Screen();
};

void MainWindowTest::everyEditMarksTheTemplateChanged_data() {
    QTest::addColumn<QString>("control");
    for (const char* vName : {"txt_Name", "txt_Project", "txt_File", "txt_Author", "txt_Copyright",
                              "txt_Build", "txt_Description", "txt_DatabaseType", "txt_Custom",
                              "opt_DatabaseAdvanced", "opt_DatabaseLock", "opt_DataLoadSave",
                              "opt_DataLock", "opt_DataEditor", "opt_DataParent"})
        QTest::newRow(vName) << QString::fromLatin1(vName);
}

void MainWindowTest::everyEditMarksTheTemplateChanged() {
    QFETCH(QString, control);
    WindowFixture f;
    QVERIFY(!f.app.changed);
    editControl(*f.window, control);
    QVERIFY(f.app.changed);
}

void MainWindowTest::showingATemplateKeepsTheChangedFlag_data() {
    QTest::addColumn<bool>("changedBefore");
    QTest::newRow("clean") << false;
    QTest::newRow("changed") << true;
}

void MainWindowTest::showingATemplateKeepsTheChangedFlag() {
    QFETCH(bool, changedBefore);
    WindowFixture f;
    f.app.currentTemplate->CLASSNAME = QStringLiteral("cls_Kunde");
    f.app.currentTemplate->FILENAME = QStringLiteral("Kunden.cls");
    f.app.currentTemplate->DATA_LOCK = true;
    f.app.changed = changedBefore;
    f.window->showTemplate();
    QCOMPARE(f.app.changed, changedBefore);
    QCOMPARE(f.window->txt_Name->text(), QStringLiteral("cls_Kunde"));
    QCOMPARE(f.window->txt_File->text(), QStringLiteral("Kunden.cls"));
    QVERIFY(f.window->opt_DataLock->isChecked());
}

void MainWindowTest::fileNameFollowsClassName() {
    WindowFixture f;
    f.window->txt_Name->setText(QStringLiteral("Kunde"));
    QCOMPARE(f.window->txt_File->text(), QStringLiteral("Kunde.cls"));
    f.window->txt_File->setText(QStringLiteral("Eigen.cls"));
    QCOMPARE(f.window->txt_Name->text(), QStringLiteral("Kunde"));
    f.window->txt_Name->setText(QStringLiteral("Kunden"));
    QCOMPARE(f.window->txt_File->text(), QStringLiteral("Kunden.cls"));
}

void MainWindowTest::unsavedChangesQuestion_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    for (const char* vCommand : {"new", "open", "close"}) {
        const QByteArray vName(vCommand);
        QTest::newRow(vName + " unchanged") << QString::fromLatin1(vCommand) << false << 0 << true;
        QTest::newRow(vName + " yes")
            << QString::fromLatin1(vCommand) << true << vlt::ID_Yes << true;
        QTest::newRow(vName + " no")
            << QString::fromLatin1(vCommand) << true << vlt::ID_No << false;
    }
}

void MainWindowTest::unsavedChangesQuestion() {
    QFETCH(QString, command);
    QFETCH(bool, edited);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    WindowFixture f;
    f.window->show();
    if (edited)
        f.window->txt_Name->setText(QStringLiteral("Bearbeitet"));
    f.ui.answers.enqueue(answer);

    if (command == QLatin1String("new"))
        f.trigger("mnu_FileNew");
    else if (command == QLatin1String("open"))
        f.trigger("mnu_FileOpen");
    else
        f.trigger("mnu_FileQuit");

    QCOMPARE(f.ui.kinds().contains(QStringLiteral("question")), edited);
    if (edited)
        QCOMPARE(f.ui.last(QStringLiteral("question"))->text, kLoseChanges);
    const bool vWentOn = command == QLatin1String("new")    ? !f.app.changed
                         : command == QLatin1String("open") ? f.ui.kinds().contains("open")
                                                            : !f.window->isVisible();
    QCOMPARE(vWentOn, goesOn);
    if (!goesOn) {
        QCOMPARE(f.window->txt_Name->text(), QStringLiteral("Bearbeitet"));
        QVERIFY(f.app.changed);
    }
}

void MainWindowTest::newTemplateKeepsProjectAuthorCopyright() {
    WindowFixture f;
    f.window->txt_Project->setText(QStringLiteral("Lager"));
    f.window->txt_Author->setText(QStringLiteral("Ida Brand"));
    f.window->txt_Copyright->setText(QStringLiteral("(c) Brand"));
    f.window->txt_Name->setText(QStringLiteral("cls_Artikel"));
    f.addMember(QStringLiteral("NUMMER"));
    f.window->takeOver();
    f.app.currentTemplatePath = f.path(QStringLiteral("alt.vlt-ctf"));
    f.ui.answers.enqueue(vlt::ID_Yes);

    f.trigger("mnu_FileNew");

    QCOMPARE(f.window->txt_Project->text(), QStringLiteral("Lager"));
    QCOMPARE(f.window->txt_Author->text(), QStringLiteral("Ida Brand"));
    QCOMPARE(f.window->txt_Copyright->text(), QStringLiteral("(c) Brand"));
    QCOMPARE(f.window->txt_Name->text(), QStringLiteral("cls_NoName"));
    QCOMPARE(f.window->lst_Members->topLevelItemCount(), 0);
    QCOMPARE(f.window->windowTitle(), kTitle);
    QVERIFY(f.app.currentTemplatePath.isEmpty());
    QVERIFY(!f.app.changed);
}

void MainWindowTest::openLoadsAndShowsTheTemplate() {
    WindowFixture f;
    const QString vFile = f.path(QStringLiteral("Artikel.vlt-ctf"));
    f.window->txt_Name->setText(QStringLiteral("cls_Artikel"));
    f.window->txt_File->setText(QStringLiteral("Artikel.cls"));
    f.addMember(QStringLiteral("NUMMER"), QStringLiteral("Long"));
    f.ui.fileChoices.enqueue(vFile);
    f.trigger("mnu_FileSaveAs");
    QVERIFY(QFile::exists(vFile));
    f.ui.answers.enqueue(vlt::ID_Yes);
    f.trigger("mnu_FileNew");

    f.ui.fileChoices.enqueue(vFile);
    f.trigger("mnu_FileOpen");

    QCOMPARE(f.window->txt_Name->text(), QStringLiteral("cls_Artikel"));
    QCOMPARE(f.window->txt_File->text(), QStringLiteral("Artikel.cls"));
    QCOMPARE(f.rowNames(), QStringList{QStringLiteral("NUMMER")});
    QCOMPARE(f.window->windowTitle(), kTitle + QStringLiteral(" [") + vFile + QStringLiteral("]"));
    QVERIFY(!f.app.changed);
}

void MainWindowTest::openOfADamagedFileKeepsEverything() {
    WindowFixture f;
    const QString vFile = f.path(QStringLiteral("kaputt.vlt-ctf"));
    QFile vDamaged(vFile);
    QVERIFY(vDamaged.open(QIODevice::WriteOnly));
    vDamaged.write("VLTFILE 1\nS:1.3\nX:unsinn\n");
    vDamaged.close();
    f.window->txt_Name->setText(QStringLiteral("cls_Bleibt"));
    f.app.currentTemplatePath = f.path(QStringLiteral("vorher.vlt-ctf"));
    f.ui.answers.enqueue(vlt::ID_Yes);
    f.ui.fileChoices.enqueue(vFile);

    f.trigger("mnu_FileOpen");

    const auto* vError = f.ui.last(QStringLiteral("error"));
    QVERIFY(vError);
    QVERIFY2(vError->text.contains(QStringLiteral("kaputt.vlt-ctf")), qPrintable(vError->text));
    QCOMPARE(f.window->txt_Name->text(), QStringLiteral("cls_Bleibt"));
    QCOMPARE(f.app.currentTemplatePath, f.path(QStringLiteral("vorher.vlt-ctf")));
    QVERIFY(f.app.changed);
}

void MainWindowTest::saveFallsBackToSaveAs_data() {
    QTest::addColumn<QString>("currentPath");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("dialogShown");
    QTest::newRow("new template") << QString() << false << true;
    QTest::newRow("file deleted meanwhile") << QStringLiteral("weg.vlt-ctf") << false << true;
    QTest::newRow("file exists") << QStringLiteral("da.vlt-ctf") << true << false;
}

void MainWindowTest::saveFallsBackToSaveAs() {
    QFETCH(QString, currentPath);
    QFETCH(bool, fileExists);
    QFETCH(bool, dialogShown);
    WindowFixture f;
    if (!currentPath.isEmpty())
        f.app.currentTemplatePath = f.path(currentPath);
    if (fileExists)
        QVERIFY(saveTemplate(f.app, f.app.currentTemplatePath));
    f.window->txt_Name->setText(QStringLiteral("cls_Gespeichert"));
    const QString vChosen = f.path(QStringLiteral("gewaehlt.vlt-ctf"));
    f.ui.fileChoices.enqueue(vChosen);

    f.trigger("mnu_FileSave");

    QCOMPARE(f.ui.kinds().contains(QStringLiteral("save")), dialogShown);
    const QString vExpectedPath = dialogShown ? vChosen : f.path(currentPath);
    QCOMPARE(f.app.currentTemplatePath, vExpectedPath);
    QVERIFY(!f.app.changed);
    cls_Class vSaved;
    readTemplate(vExpectedPath, vSaved);
    QCOMPARE(vSaved.CLASSNAME, QStringLiteral("cls_Gespeichert"));
    if (dialogShown)
        QCOMPARE(f.window->windowTitle(), kTitle + " [" + vChosen + "]");
}

void MainWindowTest::failingSaveKeepsEverything() {
    WindowFixture f;
    f.window->txt_Name->setText(QStringLiteral("cls_Neu"));
    const QString vMissingFolder = f.path(QStringLiteral("fehlt/neu.vlt-ctf"));
    f.ui.fileChoices.enqueue(vMissingFolder);

    f.trigger("mnu_FileSaveAs");

    const auto* vError = f.ui.last(QStringLiteral("error"));
    QVERIFY(vError);
    QVERIFY2(vError->text.contains(QStringLiteral("neu.vlt-ctf")), qPrintable(vError->text));
    QVERIFY(f.app.currentTemplatePath.isEmpty());
    QVERIFY(f.app.changed);
    QCOMPARE(f.window->windowTitle(), kTitle);
    QVERIFY(f.window->isEnabled());
    QVERIFY(!QFile::exists(vMissingFolder));
}

void MainWindowTest::addEditRemoveRetagRows() {
    WindowFixture f;
    f.addMember(QStringLiteral("A"));
    f.addMember(QStringLiteral("B"), QStringLiteral("Long"));
    f.addMember(QStringLiteral("C"));
    f.addMember(QStringLiteral("D"));
    QCOMPARE(f.rowNames(), (QStringList{"A", "B", "C", "D"}));
    QCOMPARE(f.rowTags(), (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(f.window->lst_Members->topLevelItem(1)->text(1), QStringLiteral("Long"));
    QCOMPARE(f.window->lst_Members->topLevelItem(1)->text(2), QStringLiteral("True"));

    f.app.changed = false;
    f.selectRow(1);
    f.dialogScripts.append([](frm_Member& dialog) {
        dialog.txt_Name->setText(QStringLiteral("B2"));
        dialog.opt_Array->click();
        dialog.bar_Buttons->button(QStringLiteral("OK"))->click();
    });
    f.trigger("mnu_MemberEdit");
    QCOMPARE(f.rowNames(), (QStringList{"A", "B2", "C", "D"}));
    QCOMPARE(f.window->lst_Members->topLevelItem(1)->text(2), QStringLiteral("False"));
    QVERIFY(f.app.changed);

    f.app.changed = false;
    f.selectRow(0);
    f.ui.answers.enqueue(vlt::ID_Yes);
    f.window->but_Remove->click();
    QCOMPARE(f.ui.last(QStringLiteral("question"))->text,
             QStringLiteral("Wollen Sie das ausgewählte Mitglied wirklich entfernen?"));
    // The last entry moves into the hole; the rows are tagged by position again.
    QCOMPARE(f.rowNames(), (QStringList{"D", "B2", "C"}));
    QCOMPARE(f.rowTags(), (QStringList{"1", "2", "3"}));
    QVERIFY(f.app.changed);

    f.selectRow(0);
    f.dialogScripts.append([](frm_Member& dialog) {
        QCOMPARE(dialog.txt_Name->text(), QStringLiteral("D"));
        dialog.reject();
    });
    emit f.window->lst_Members->itemDoubleClicked(f.window->lst_Members->topLevelItem(0), 0);
    QVERIFY(f.dialogScripts.isEmpty());
}

void MainWindowTest::addLeftWithAbortAddsNothing() {
    WindowFixture f;
    f.dialogScripts.append([](frm_Member& dialog) {
        dialog.txt_Name->setText(QStringLiteral("Verworfen"));
        dialog.bar_Buttons->button(QStringLiteral("ABORT"))->click();
    });
    f.trigger("mnu_MemberAdd");
    QCOMPARE(f.window->lst_Members->topLevelItemCount(), 0);
    QCOMPARE(f.app.currentTemplate->MEMBERS().COUNT(), 0);
    QVERIFY(!f.app.changed);
}

void MainWindowTest::memberCommandsNeedASelectedRow_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("edit") << QStringLiteral("mnu_MemberEdit");
    QTest::newRow("remove") << QStringLiteral("mnu_MemberRemove");
}

void MainWindowTest::memberCommandsNeedASelectedRow() {
    QFETCH(QString, action);
    WindowFixture f;
    f.addMember(QStringLiteral("A"));
    f.window->lst_Members->clearSelection();
    f.app.changed = false;
    f.trigger(action.toLatin1().constData());
    QCOMPARE(f.ui.kinds(), QStringList{QStringLiteral("error")});
    QCOMPARE(f.ui.shown.constFirst().text, kSelectFirst);
    QCOMPARE(f.rowNames(), QStringList{QStringLiteral("A")});
    QVERIFY(!f.app.changed);
}

void MainWindowTest::removeAnsweredNoKeepsTheMember() {
    WindowFixture f;
    f.addMember(QStringLiteral("A"));
    f.app.changed = false;
    f.selectRow(0);
    f.ui.answers.enqueue(vlt::ID_No);
    f.trigger("mnu_MemberRemove");
    QCOMPARE(f.rowNames(), QStringList{QStringLiteral("A")});
    QVERIFY(!f.app.changed);
}

void MainWindowTest::shortcutsRunTheirCommands_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("shownKind");
    QTest::addColumn<QString>("shownText");
    QTest::newRow("Ctrl+O open") << QKeySequence(Qt::CTRL | Qt::Key_O) << "open"
                                 << "Klassenvorlage laden";
    QTest::newRow("Ctrl+U save as") << QKeySequence(Qt::CTRL | Qt::Key_U) << "save"
                                    << "Klassenvorlage speichern";
    QTest::newRow("F5 create file") << QKeySequence(Qt::Key_F5) << "save"
                                    << "Klasse erstellen";
    QTest::newRow("F2 version") << QKeySequence(Qt::Key_F2) << "info"
                                << "Version 1.4";
    QTest::newRow("Ctrl+B edit") << QKeySequence(Qt::CTRL | Qt::Key_B) << "error" << kSelectFirst;
    QTest::newRow("Ctrl+E remove") << QKeySequence(Qt::CTRL | Qt::Key_E) << "error" << kSelectFirst;
}

void MainWindowTest::shortcutsRunTheirCommands() {
    QFETCH(QKeySequence, keys);
    QFETCH(QString, shownKind);
    QFETCH(QString, shownText);
    WindowFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.window->lst_Members->setFocus();
    QTest::keySequence(f.window.get(), keys);
    QCOMPARE(f.ui.kinds(), QStringList{shownKind});
    QCOMPARE(f.ui.shown.constFirst().text, shownText);
}

void MainWindowTest::helpCommands_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("version") << "mnu_HelpVersion"
                             << "info"
                             << "Version 1.4";
    QTest::newRow("home page") << "mnu_HelpINetVLT"
                               << "web"
                               << "https://www.veltrane.example/";
    QTest::newRow("product page") << "mnu_HelpINetBenchkit"
                                  << "web"
                                  << "https://www.veltrane.example/benchkit";
}

void MainWindowTest::helpCommands() {
    QFETCH(QString, action);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    WindowFixture f;
    f.trigger(action.toLatin1().constData());
    QCOMPARE(f.ui.kinds(), QStringList{kind});
    QCOMPARE(f.ui.shown.constFirst().text, text);
    QVERIFY(f.ui.shown.constFirst().title.isEmpty());
}

void MainWindowTest::memberColumnsSplitTheListWidth() {
    WindowFixture f;
    const int vWidth = f.window->lst_Members->width() - 26;
    QVERIFY(vWidth > 200);
    QCOMPARE(f.window->lst_Members->columnWidth(0), qRound(vWidth * 0.4));
    QCOMPARE(f.window->lst_Members->columnWidth(1), qRound(vWidth * 0.4));
    QCOMPARE(f.window->lst_Members->columnWidth(2), qRound(vWidth * 0.2));
}

// Room for the window frame and a panel of the desktop.
void MainWindowTest::fitsOnA1024x768Screen() {
    WindowFixture f;
    const QSize vNeeded = f.window->minimumSizeHint();
    QVERIFY2(vNeeded.width() <= 1000 && vNeeded.height() <= 700,
             qPrintable(QStringLiteral("%1x%2").arg(vNeeded.width()).arg(vNeeded.height())));
    QVERIFY(f.window->width() <= 1024 && f.window->height() <= 720);
}

int runMainWindowTests(int argc, char** argv) {
    MainWindowTest vTest;
    return QTest::qExec(&vTest, argc, argv);
}

#include "tst_main_window.moc"
