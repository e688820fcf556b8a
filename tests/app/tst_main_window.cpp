#include "WindowFixture.h"
#include "support/CaseTable.h"

#include "app/controls/CustomCodeEdit.h"
#include "app/document/TemplateDocument.h"
#include "corelib/Version.h"

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void unsavedChangesQuestion_data() { addCaseRows(u"unsaved-changes"_s, 3); }
    void unsavedChangesQuestion() {
        const auto [command, edited, answer] = textFields<3>();
        WindowFixture f;
        f.window->show();
        if (!edited.isEmpty())
            f.window->txt_Name->setText(u"Bearbeitet"_s);
        f.ui.answers.enqueue(answer == "Ja" ? vlt::ID_Yes : answer == "Nein" ? vlt::ID_No : 0);
        f.trigger(command.toLatin1().constData());

        QCOMPARE(f.ui.kinds().contains(u"question"_s), !edited.isEmpty());
        const bool wentOn = command.endsWith("New")    ? !f.app.changed
                            : command.endsWith("Open") ? f.ui.kinds().contains("open")
                                                       : !f.window->isVisible();
        QCOMPARE(wentOn, answer != "Nein");
        if (!wentOn)
            QCOMPARE(f.window->txt_Name->text(), u"Bearbeitet"_s);
    }
    void eachCommandSaysWhatItDid_data() { addCaseRows(u"command-statuses"_s, 5); }
    void eachCommandSaysWhatItDid() {
        auto [command, choice, answer, status, shown] = textFields<5>();
        WindowFixture f;
        f.addMember(u"A"_s);
        f.selectRow(0);
        f.ui.fileChoices.enqueue(f.path(u"k.vlt-ctf"_s));
        f.trigger("mnu_FileSave");
        if (!choice.isEmpty())
            f.ui.fileChoices.enqueue(f.path(choice));
        f.ui.answers.enqueue(answer == u"Ja" ? vlt::ID_Yes : vlt::ID_No);
        f.dialogScripts.append([](frm_Member& dialog) {
            dialog.txt_Name->setText(u"B"_s);
            dialog.bar_Buttons->button(u"OK"_s)->click();
        });
        const qsizetype before = f.ui.shown.size();
        f.trigger(command.toLatin1().constData());
        QCOMPARE(f.window->statusBar()->currentMessage(),
                 status.replace(u"{dir}"_s, f.folder.path()));
        const ScriptedUi::Shown last = f.ui.shown.value(f.ui.shown.size() - 1);
        QString lastShown =
            f.ui.shown.size() == before
                ? u"-"_s
                : QStringList({last.kind, last.text, last.title, last.request.filter}).join(" / ");
        QCOMPARE(lastShown.replace(QDir::homePath(), u"~"_s).trimmed(),
                 shown.replace(u"{dir}"_s, f.folder.path())
                     .replace(u"{version}"_s, vlt::programVersion()));
    }
    void saveFallsBackToSaveAs_data() { addCaseRows(u"save-fallbacks"_s, 2); }
    void saveFallsBackToSaveAs() {
        const auto [currentPath, fileExists] = textFields<2>();
        WindowFixture f;
        if (!currentPath.isEmpty())
            f.app.currentTemplatePath = f.path(currentPath);
        if (!fileExists.isEmpty())
            QVERIFY(saveTemplate(f.app, f.app.currentTemplatePath));
        f.window->txt_Name->setText(u"cls_Gespeichert"_s);
        f.ui.fileChoices.enqueue(f.path(u"gewaehlt.vlt-ctf"_s));
        f.trigger("mnu_FileSave");
        QCOMPARE(f.ui.kinds().contains(u"save"_s), fileExists.isEmpty());
        const QString saved =
            !fileExists.isEmpty() ? f.path(currentPath) : f.path("gewaehlt.vlt-ctf");
        QCOMPARE(f.app.currentTemplatePath, saved);
        QCOMPARE(f.window->windowTitle(), u"Veltrane Benchkit - Class Shaper [%1][*]"_s.arg(saved));
        QVERIFY(!f.app.changed && !f.window->isWindowModified());
        QVERIFY(readBytes(saved).contains("S:cls_Gespeichert\n"));
        f.trigger("mnu_EditUndo"); // back before the save: differs from the file again
        QVERIFY(f.window->isWindowModified());
    }
    // Add, Edit keeps the selection, moves change the order, Remove asks and re-tags the rows;
    // Edit and Remove are off without a selection; Return edits and Delete removes.
    void memberList() {
        WindowFixture f;
        f.showActive();
        for (const char* name : {"A", "B", "C"})
            f.addMember(QString::fromLatin1(name));
        f.dialogScripts.append([](frm_Member& dialog) { dialog.reject(); });
        f.trigger("mnu_MemberAdd");
        QCOMPARE(f.rows(), (QStringList{"A", "B", "C"}));

        f.selectRow(1);
        f.dialogScripts.append([](frm_Member& dialog) {
            dialog.txt_Name->setText(u"B2"_s);
            dialog.opt_Array->click();
            dialog.bar_Buttons->button(u"OK"_s)->click();
        });
        f.window->lst_Members->setFocus();
        QTest::keyClick(f.window->lst_Members, Qt::Key_Return);
        QCOMPARE(f.rows(), (QStringList{"A", "B2", "C"}));
        QCOMPARE(f.rows(2), (QStringList{"True", "False", "True"}));
        for (int column = 0; column < 3; ++column) // the member's flags on every column
            QCOMPARE(f.window->lst_Members->topLevelItem(1)->toolTip(column),
                     u"B2 As String: Datenfeld"_s);
        QCOMPARE(f.window->lst_Members->indexOfTopLevelItem(f.window->lst_Members->currentItem()),
                 1);

        QTest::keyClick(f.window->lst_Members, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(f.rows(), (QStringList{"B2", "A", "C"}));
        f.window->but_Down->click();
        f.window->but_Down->click();
        QCOMPARE(f.rows(), (QStringList{"A", "C", "B2"}));
        QVERIFY(!f.window->but_Down->isEnabled());

        f.selectRow(0);
        QVERIFY(!f.window->but_Up->isEnabled() && !f.action("mnu_MemberUp")->isEnabled());
        QTest::keyClick(f.window->lst_Members, Qt::Key_Delete); // answered "Nein"
        QCOMPARE(f.rows(), (QStringList{"A", "C", "B2"}));
        f.ui.answers.enqueue(vlt::ID_Yes);
        QTest::keyClick(f.window->lst_Members, Qt::Key_Delete);
        QCOMPARE(f.ui.kinds(), (QStringList{"question", "question"}));
        QCOMPARE(f.rows(), (QStringList{"B2", "C"}));
        QCOMPARE(f.rows(-1), (QStringList{"1", "2"}));
        QCOMPARE(f.app.currentTemplate->MEMBERS().ITEM(1, true)->MNAME, u"B2"_s);

        f.window->lst_Members->clearSelection();
        QVERIFY(!f.window->but_Edit->isEnabled() && !f.window->but_Remove->isEnabled());
    }
    void menuShortcutsWinInEveryField_data() { addCaseRows(u"menu-shortcuts"_s, 3); }
    void menuShortcutsWinInEveryField() {
        const auto [field, keys, shownKind] = textFields<3>();
        WindowFixture f;
        f.showActive();
        f.addMember(u"A"_s);
        f.selectRow(0);
        f.window->txt_Name->setText(u"cls_Bleibt"_s);
        f.window->txt_Custom->setPlainText(u"bleibt"_s);
        f.app.changed = false;
        bool dialogOpened = false;
        f.dialogScripts.append([&dialogOpened](frm_Member&) { dialogOpened = true; });
        auto* target = f.window->findChild<QWidget*>(field);
        target->setFocus();
        QTest::keySequence(target, QKeySequence(keys));
        QCOMPARE(f.ui.kinds().join(','), shownKind);
        QCOMPARE(dialogOpened, shownKind.isEmpty());
        QCOMPARE(f.window->txt_Name->text(), u"cls_Bleibt"_s);
        QCOMPARE(f.window->txt_Custom->toPlainText(), u"bleibt"_s);
    }
    // A template opened from the command line joins the list as one opened from the menu; two of
    // one name are told apart by their folders, and an entry opens its own.
    void recentFilesNameTheirFolders() {
        QSettings().remove(u"recentFiles"_s);
        WindowFixture f;
        QStringList paths;
        for (const char* folder : {"a", "b"}) {
            QDir(f.folder.path()).mkpath(QLatin1String(folder));
            paths.append(f.path(u"%1/Kunde.vlt-ctf"_s.arg(QLatin1String(folder))));
            f.app.currentTemplate->AUTHOR = QLatin1String(folder);
            QVERIFY(saveTemplate(f.app, paths.last()));
        }
        f.window->templateOpened(paths[0]);
        f.ui.fileChoices.enqueue(paths[1]);
        f.trigger("mnu_FileOpen");
        auto* recent = f.window->findChild<QMenu*>(u"mnu_FileRecent"_s);
        QStringList entries;
        for (const QAction* action : recent->actions())
            entries.append(action->text());
        QCOMPARE(entries, (QStringList{u"&1 Kunde.vlt-ctf – %1"_s.arg(f.path("b")),
                                       u"&2 Kunde.vlt-ctf – %1"_s.arg(f.path("a"))}));
        recent->actions().at(1)->trigger();
        QCOMPARE(f.app.currentTemplatePath, paths[0]);
        QCOMPARE(f.window->txt_Author->text(), u"a"_s);

        // The eight newest, the home folder written "~", a long folder cut at its start.
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(f.folder.path()));
        const QString deep =
            f.path("ein Ordner/mit einem Namen/der länger ist als fünfzig Zeichen");
        for (int i = 1; i <= 9; ++i)
            f.window->templateOpened(
                u"%1/k%2.vlt-ctf"_s.arg(i < 9 ? deep : f.folder.path()).arg(i));
        qputenv("HOME", home);
        QCOMPARE(recent->actions().size(), 8);
        QCOMPARE(recent->actions().first()->text(), u"&1 k9.vlt-ctf – ~"_s);
        QCOMPARE(
            recent->actions().last()->text(),
            u"&8 k2.vlt-ctf – …"_s +
                u"~/ein Ordner/mit einem Namen/der länger ist als fünfzig Zeichen"_s.right(49));
        QCOMPARE(recent->actions().last()->statusTip(), deep + u"/k2.vlt-ctf"_s);
    }
};

CLASSSHAPER_TEST(MainWindowTest);

#include "tst_main_window.moc"
