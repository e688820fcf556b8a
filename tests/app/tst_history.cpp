// The undo history as the user meets it: Ctrl+Z and Ctrl+Y from any field, the steps named in
// the menu, each step undone to what was before.
#include "WindowFixture.h"
#include "support/CaseTable.h"

#include "app/controls/CustomCodeEdit.h"

namespace {

void keys(QWidget* widget, const char* sequence) {
    widget->setFocus();
    QTest::keySequence(widget, QKeySequence(QString::fromLatin1(sequence)));
}

void removeRow(WindowFixture& f, int row) {
    f.selectRow(row);
    f.ui.answers.enqueue(vlt::ID_Yes);
    f.trigger("mnu_MemberRemove");
}

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    // A run of typing is one step, named after its field; the file name that follows the class
    // name goes with it. Ctrl+Z in a field undoes the template's steps, not the field's typing.
    void typingIsOneStepPerField() {
        WindowFixture f;
        f.showActive();
        f.window->txt_Name->setFocus();
        f.window->txt_Name->selectAll();
        QTest::keyClicks(f.window->txt_Name, u"Kunde"_s);
        f.window->txt_Project->setFocus();
        QTest::keyClicks(f.window->txt_Project, u" 2"_s);
        QCOMPARE(f.action("mnu_EditUndo")->text(), u"&Rückgängig: Projekt ändern"_s);

        keys(f.window->txt_Project, "Ctrl+Z");
        QCOMPARE(f.window->txt_Project->text(), u"Veltrane Commonwork 3.0"_s);
        QCOMPARE(f.window->txt_Copyright->text(),
                 u"(c) %1 Veltrane"_s.arg(QDate::currentDate().year()));
        QCOMPARE(f.window->txt_Name->text(), u"Kunde"_s);
        QCOMPARE(f.action("mnu_EditUndo")->text(), u"&Rückgängig: Klassenname ändern"_s);
        keys(f.window->txt_Project, "Ctrl+Z");
        QCOMPARE(f.window->txt_Name->text() + u' ' + f.window->txt_File->text(),
                 u"cls_NoName cls_NoName.cls"_s);
        QVERIFY(!f.app.changed && !f.window->isWindowModified());
        QVERIFY(!f.action("mnu_EditUndo")->isEnabled());

        keys(f.window->txt_Custom, "Ctrl+Y");
        keys(f.window->txt_Custom, "Ctrl+Shift+Z");
        QCOMPARE(f.window->txt_Name->text() + u' ' + f.window->txt_File->text() + u' ' +
                     f.window->txt_Project->text(),
                 u"Kunde Kunde.cls Veltrane Commonwork 3.0 2"_s);
        QVERIFY(f.app.changed && f.window->isWindowModified());
        f.window->takeOver();
        QCOMPARE(f.app.currentTemplate->CLASSNAME, u"Kunde"_s);
        // An option is a step of its own, undone to what the template showed.
        f.window->opt_DatabaseLock->click();
        QCOMPARE(f.action("mnu_EditUndo")->text(),
                 u"&Rückgängig: „Satzsperrung unterstützen“ einschalten"_s);
        keys(f.window->txt_Name, "Ctrl+Z");
        QVERIFY(!f.window->opt_DatabaseLock->isChecked());
        f.window->txt_Custom->setFocus();
        QTest::keyClicks(f.window->txt_Custom, u"' neu"_s);
        QCOMPARE(f.action("mnu_EditUndo")->text(), u"&Rückgängig: Eigene Erweiterungen ändern"_s);
        // One keystroke: its step holds the file name that followed it too.
        f.window->txt_Name->setFocus();
        f.window->txt_Name->selectAll();
        QTest::keyClicks(f.window->txt_Name, u"K"_s);
        keys(f.window->txt_Name, "Ctrl+Z");
        keys(f.window->txt_Name, "Ctrl+Y");
        QCOMPARE(f.window->txt_Name->text() + u' ' + f.window->txt_File->text(), u"K K.cls"_s);
    }
    void memberSteps_data() { addCaseRows(u"member-steps"_s, 3); }
    // Each step is undone to the list as it was, flags and all, and redone to the list after it.
    void memberSteps() {
        const auto [stepText, afterText, undoText] = caseFields<3>();
        const QString step = QString::fromUtf8(stepText);
        const QStringList after = QString::fromUtf8(afterText).split(u' ');
        WindowFixture f;
        f.showActive();
        for (const char* name : {"A", "B", "C"})
            f.addMember(QString::fromLatin1(name));
        f.app.currentTemplate->MEMBERS().ITEM(3, true)->MCHILD = true;
        const QString before = f.app.currentTemplate->DATA.PACKAGE();
        const int row = step.section(u' ', 1).toInt();
        if (step.startsWith(u"remove")) {
            removeRow(f, row);
        } else if (step == u"add") {
            f.addMember(u"D"_s);
        } else if (step.startsWith(u"edit") || step.startsWith(u"same")) {
            f.selectRow(row);
            f.dialogScripts.append([step](frm_Member& dialog) {
                if (step.startsWith(u"edit"))
                    dialog.txt_Name->setText(u"B2"_s);
                dialog.bar_Buttons->button(u"OK"_s)->click();
            });
            f.trigger("mnu_MemberEdit");
        } else {
            f.selectRow(row);
            f.trigger(step.startsWith(u"up") ? "mnu_MemberUp" : "mnu_MemberDown");
        }
        QCOMPARE(f.rows(), after);
        QCOMPARE(f.action("mnu_EditUndo")->text(), "&Rückgängig: " + QString::fromUtf8(undoText));
        if (step.startsWith(u"same"))
            return;
        const QString done = f.app.currentTemplate->DATA.PACKAGE();

        keys(f.window->lst_Members, "Ctrl+Z");
        QCOMPARE(f.app.currentTemplate->DATA.PACKAGE(), before);
        QCOMPARE(f.rows(-1), (QStringList{"1", "2", "3"}));
        keys(f.window->lst_Members, "Ctrl+Y");
        QCOMPARE(f.app.currentTemplate->DATA.PACKAGE(), done);
        QCOMPARE(f.rows(), after);
    }
};

CLASSSHAPER_TEST(HistoryTest);
#include "tst_history.moc"
