// The preview pane in the real window: it follows edits, its findings reach their fields,
// and it tells whether the module file is up to date.
#include "app/WindowFixture.h"

#include "app/preview/FindingsList.h"
#include "app/preview/ModuleDiff.h"
#include "app/preview/PreviewPane.h"
#include "generator/Generator.h"
#include "generator/ModuleOutput.h"

namespace {

void doubleClickFinding(PreviewPane& preview, const QString& text) {
    FindingsList* list = preview.findingsList();
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchContains);
    QVERIFY2(items.size() == 1, qPrintable(text));
    const QPoint centre = list->visualItemRect(items.front()).center();
    // A real double-click: the first click, then the second that the system reports as double.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT
private slots:
    void followsEditsOnceThePauseIsOver() {
        WindowFixture f;
        PreviewPane& preview = *f.window->preview();
        f.window->show();
        f.window->preview()->setVisible(true); // whatever the user's settings say
        preview.refreshNow();
        QScrollBar* scroll = preview.codeView()->verticalScrollBar();
        scroll->setValue(scroll->maximum() / 2);
        const int readerAt = scroll->value();
        QSignalSpy refreshes(&preview, &PreviewPane::refreshed);
        for (const char* name : {"cls_R", "cls_Re", "cls_Rechnung"})
            f.window->txt_Name->setText(QLatin1String(name));
        QTRY_COMPARE(refreshes.count(), 1);
        QTest::qWait(300); // once: no further refresh without a further edit
        QCOMPARE(refreshes.count(), 1);
        QVERIFY(preview.moduleText().contains("Attribute VB_Name = \"cls_Rechnung\""_L1));
        QVERIFY(readerAt > 0);
        QCOMPARE(scroll->value(), readerAt);
        QCOMPARE(preview.moduleText(), gen::hCompile(*f.app.currentTemplate, true));
        QCOMPARE(preview.codeView()->toPlainText(),
                 QString(preview.moduleText()).replace("\r\n"_L1, "\n"_L1));
        f.addMember(u"Weg"_s);
        QTRY_VERIFY(preview.moduleText().contains("Weg"_L1));
        f.selectRow(0);
        f.ui.answers.enqueue(vlt::ID_Yes);
        f.trigger("mnu_MemberRemove");
        QTRY_VERIFY(!preview.moduleText().contains("Weg"_L1));
    }
    void findingReachesItsField() {
        WindowFixture f;
        f.window->show();
        f.window->preview()->setVisible(true); // whatever the user's settings say
        f.window->txt_Name->setText(u"cls Kunde"_s);
        f.window->txt_Project->setFocus();
        f.window->preview()->refreshNow();
        QCOMPARE(f.window->txt_Name->styleSheet(), u"QLineEdit { border: 2px solid #c00000; }"_s);
        QVERIFY(f.window->txt_Name->toolTip().contains("Leerzeichen"_L1));
        QVERIFY(f.window->txt_Project->styleSheet().isEmpty());
        f.addMember(u"Liefer Datum"_s);
        QTreeWidgetItem* row = f.window->lst_Members->topLevelItem(0);
        const QString flags = row->toolTip(1);
        f.window->preview()->refreshNow();
        QCOMPARE(row->toolTip(1), flags + QStringLiteral("\nMitglied 1 \"Liefer Datum\": Fehler: "
                                                         "Name enthält ein Leerzeichen"));
        doubleClickFinding(*f.window->preview(), u"Klassenname enthält ein Leerzeichen"_s);
        QCOMPARE(f.window->focusWidget(), f.window->txt_Name);
    }
    // The dialog shows the member's findings while its OK still goes through.
    void findingReachesItsMember() {
        WindowFixture f;
        f.window->show();
        f.window->preview()->setVisible(true); // whatever the user's settings say
        f.addMember(u"Name"_s);
        f.addMember(u"Liefer Datum"_s, u"Date"_s);
        QCOMPARE(f.rows(), QStringList({"Name", "Liefer Datum"}));
        f.window->preview()->refreshNow();
        QVERIFY(f.window->lst_Members->topLevelItem(1)->toolTip(0).endsWith(
            "Fehler: Name enthält ein Leerzeichen"));
        QString opened;
        // The first member, unchanged, stands in its own place: no clash with itself.
        f.dialogScripts.append(
            [&opened](frm_Member& dialog) { opened = dialog.lbl_Findings->text(); });
        f.selectRow(0);
        f.trigger("mnu_MemberEdit");
        QCOMPARE(opened, QString());
        f.dialogScripts.append([&opened](frm_Member& dialog) {
            opened = dialog.txt_Name->text() + u'|' + dialog.lbl_Findings->text();
            dialog.txt_Name->setText(u"name"_s);
            opened += u'|' + dialog.lbl_Findings->text();
            dialog.txt_Type->lineEdit()->clear(); // the type is checked as it is typed
            QTest::keyClicks(dialog.txt_Type->lineEdit(), "Next");
            opened += u'|' + dialog.lbl_Findings->text().section(u'\n', 1);
        });
        doubleClickFinding(*f.window->preview(), u"Mitglied 2 \"Liefer Datum\""_s);
        QCOMPARE(opened,
                 QStringLiteral("Liefer Datum|Fehler: Name enthält ein Leerzeichen|Fehler: "
                                "Name \"name\" steht schon bei Mitglied 1 (VB6 unterscheidet "
                                "Groß- und Kleinschreibung nicht)|Fehler: Typ \"Next\" ist ein "
                                "reserviertes Wort von Visual Basic"));
    }
    void tellsWhetherTheModuleFileIsUpToDate() {
        WindowFixture f;
        PreviewPane& preview = *f.window->preview();
        preview.refreshNow();
        QCOMPARE(preview.fileState()->text(), u"Noch nicht in eine Datei erzeugt."_s);
        // Right as soon as "In Datei" has written the module.
        const QString target = f.path(u"cls_NoName.cls"_s);
        f.ui.fileChoices.enqueue(target);
        f.trigger("mnu_FileCreateFile");
        QTRY_COMPARE(preview.fileState()->text(), "Moduldatei ist aktuell: " + target);
        QCOMPARE(preview.fileState()->toolTip(), preview.fileState()->text()); // the whole path
        f.window->txt_Name->setText(u"cls_Neu"_s);
        preview.refreshNow();
        QVERIFY(preview.fileState()->text().contains("veraltet"_L1));
        preview.findChild<QPushButton*>(u"but_Diff"_s)->click();
        const QString diff = preview.diffView()->text();
        QVERIFY2(diff.contains(QLatin1String("\n-Attribute VB_Name = \"cls_NoName\"\n+Attribute "
                                             "VB_Name = \"cls_Neu\"\n")),
                 qPrintable(diff));
        QVERIFY(diff.contains(u"\n '€  Veltrane Commonwork 3.0\n"_s));
    }
};

CLASSSHAPER_TEST(PreviewTest);
#include "tst_preview.moc"
