#include "support/ScriptedUi.h"

#include "app/ctl_Button.h"
#include "app/ctl_CmdBar.h"
#include "app/frm_Member.h"

#include "app/AppState.h"
#include "model/Member.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

namespace {

// The boxes Public, Array, DataID, NotBound, Child as "PADNC": upper case when ticked, lower
// case when cleared.
QString boxStates(const frm_Member& dialog) {
    QString vStates;
    const QList<QPair<QCheckBox*, QChar>> vBoxes = {{dialog.opt_Public, 'P'},
                                                    {dialog.opt_Array, 'A'},
                                                    {dialog.opt_DataID, 'D'},
                                                    {dialog.opt_NotBound, 'N'},
                                                    {dialog.opt_Child, 'C'}};
    for (const auto& [vBox, vLetter] : vBoxes)
        vStates += vBox->isChecked() ? vLetter : vLetter.toLower();
    return vStates;
}

std::shared_ptr<cls_Member> memberWithFlags(const QString& flags) {
    auto vMember = std::make_shared<cls_Member>();
    vMember->MNAME = QStringLiteral("WERT");
    vMember->MTYPE = QStringLiteral("Long");
    vMember->MPUBLIC = flags.contains('P');
    vMember->MARRAY = flags.contains('A');
    vMember->MDATAID = flags.contains('D');
    vMember->MNOTBOUND = flags.contains('N');
    vMember->MCHILD = flags.contains('C');
    return vMember;
}

QCheckBox* boxByLetter(frm_Member& dialog, QChar letter) {
    switch (letter.toUpper().toLatin1()) {
    case 'P':
        return dialog.opt_Public;
    case 'A':
        return dialog.opt_Array;
    case 'D':
        return dialog.opt_DataID;
    case 'N':
        return dialog.opt_NotBound;
    default:
        return dialog.opt_Child;
    }
}

} // namespace

class MemberDialogTest : public QObject {
    Q_OBJECT
private slots:
    void controlsAndCaption();
    void rulesRunWhileLoading_data();
    void rulesRunWhileLoading();
    void clicksFollowTheRules_data();
    void clicksFollowTheRules();
    void okValidatesNameAndType_data();
    void okValidatesNameAndType();
    void okWritesEveryFieldAndMarksChanged();
    void abortAndTitleBarCloseWriteNothing_data();
    void abortAndTitleBarCloseWriteNothing();
    void helpKeepsTheDialogOpen();
    void modalRunEndsWithOk();
};

void MemberDialogTest::controlsAndCaption() {
    ScriptedUi vUi;
    AppState vApp(vUi);
    frm_Member vDialog(vApp, std::make_shared<cls_Member>());
    QCOMPARE(vDialog.windowTitle(), QStringLiteral("Mitglied"));
    QStringList vTypes;
    for (int i = 0; i < vDialog.txt_Type->count(); ++i)
        vTypes.append(vDialog.txt_Type->itemText(i));
    QCOMPARE(vTypes, (QStringList{"Long", "Double", "String", "Variant", "Boolean", "Date"}));
    QVERIFY(vDialog.txt_Type->isEditable());
    QCOMPARE(vDialog.txt_Type->currentText(), QStringLiteral("String"));
    QCOMPARE(boxStates(vDialog), QStringLiteral("Padnc"));
    for (const char* vKey : {"OK", "ABORT", "HELP"})
        QVERIFY(vDialog.bar_Buttons->button(QLatin1String(vKey)));
}

void MemberDialogTest::rulesRunWhileLoading_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("public and array: array wins") << "PA"
                                                  << "pAdnc";
    QTest::newRow("data id without not bound: both cleared") << "D"
                                                             << "padnc";
    QTest::newRow("data id with not bound") << "DN"
                                            << "paDNc";
    QTest::newRow("data id clears array") << "ADN"
                                          << "paDNc";
    QTest::newRow("public data id") << "PDN"
                                    << "PaDNc";
    QTest::newRow("child alone") << "C"
                                 << "padnC";
    QTest::newRow("everything") << "PADNC"
                                << "paDNC";
}

void MemberDialogTest::rulesRunWhileLoading() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    ScriptedUi vUi;
    AppState vApp(vUi);
    frm_Member vDialog(vApp, memberWithFlags(stored));
    QCOMPARE(boxStates(vDialog), shown);
}

void MemberDialogTest::clicksFollowTheRules_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("after");
    QTest::newRow("array clears public") << "P"
                                         << "A"
                                         << "pAdnc";
    QTest::newRow("public clears array") << "A"
                                         << "P"
                                         << "Padnc";
    QTest::newRow("data id ticks not bound, clears array") << "A"
                                                           << "D"
                                                           << "paDNc";
    QTest::newRow("clearing not bound clears data id") << "DN"
                                                       << "N"
                                                       << "padnc";
    QTest::newRow("array still possible after data id") << "DN"
                                                        << "A"
                                                        << "pADNc";
    QTest::newRow("clearing data id keeps not bound") << "DN"
                                                      << "D"
                                                      << "padNc";
    QTest::newRow("child has no rule") << "PDN"
                                       << "C"
                                       << "PaDNC";
}

void MemberDialogTest::clicksFollowTheRules() {
    QFETCH(QString, stored);
    QFETCH(QString, clicks);
    QFETCH(QString, after);
    ScriptedUi vUi;
    AppState vApp(vUi);
    frm_Member vDialog(vApp, memberWithFlags(stored));
    for (const QChar vLetter : clicks)
        boxByLetter(vDialog, vLetter)->click();
    QCOMPARE(boxStates(vDialog), after);
}

void MemberDialogTest::okValidatesNameAndType_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("name and type") << "NAME"
                                   << "Long" << true;
    QTest::newRow("blanks kept") << "  NAME "
                                 << " Typ" << true;
    QTest::newRow("any type name") << "NAME"
                                   << "cls_Adresse" << true;
    QTest::newRow("empty name") << ""
                                << "Long" << false;
    QTest::newRow("blank name") << "   "
                                << "Long" << false;
    QTest::newRow("empty type") << "NAME"
                                << "" << false;
    QTest::newRow("blank type") << "NAME"
                                << "  " << false;
}

void MemberDialogTest::okValidatesNameAndType() {
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFETCH(bool, accepted);
    ScriptedUi vUi;
    AppState vApp(vUi);
    auto vMember = std::make_shared<cls_Member>();
    frm_Member vDialog(vApp, vMember);
    vDialog.show();
    vDialog.txt_Name->setText(name);
    vDialog.txt_Type->setCurrentText(type);
    vDialog.bar_Buttons->button(QStringLiteral("OK"))->click();

    QCOMPARE(vDialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(vDialog.isVisible(), !accepted);
    QCOMPARE(vApp.changed, accepted);
    QCOMPARE(vMember->MNAME, accepted ? name : QString());
    QCOMPARE(vMember->MTYPE, accepted ? type : QStringLiteral("String"));
    if (!accepted) {
        QCOMPARE(vUi.kinds(), QStringList{QStringLiteral("error")});
        QCOMPARE(vUi.shown.constFirst().text,
                 QStringLiteral("Sie müssen einen Namen und einen Typ eingeben!"));
        QVERIFY(vUi.shown.constFirst().title.isEmpty());
    }
}

void MemberDialogTest::okWritesEveryFieldAndMarksChanged() {
    ScriptedUi vUi;
    AppState vApp(vUi);
    auto vMember = memberWithFlags(QStringLiteral("PA"));
    frm_Member vDialog(vApp, vMember);
    vDialog.opt_Child->click();
    vDialog.bar_Buttons->button(QStringLiteral("OK"))->click();
    QVERIFY(vApp.changed);
    QCOMPARE(vMember->MNAME, QStringLiteral("WERT"));
    QCOMPARE(vMember->MTYPE, QStringLiteral("Long"));
    QVERIFY(!vMember->MPUBLIC);
    QVERIFY(vMember->MARRAY);
    QVERIFY(!vMember->MDATAID);
    QVERIFY(!vMember->MNOTBOUND);
    QVERIFY(vMember->MCHILD);
}

void MemberDialogTest::abortAndTitleBarCloseWriteNothing_data() {
    QTest::addColumn<bool>("fromTitleBar");
    QTest::newRow("abort button") << false;
    QTest::newRow("title bar") << true;
}

void MemberDialogTest::abortAndTitleBarCloseWriteNothing() {
    QFETCH(bool, fromTitleBar);
    ScriptedUi vUi;
    AppState vApp(vUi);
    auto vMember = memberWithFlags(QStringLiteral("P"));
    frm_Member vDialog(vApp, vMember);
    vDialog.show();
    vDialog.txt_Name->setText(QStringLiteral("ANDERS"));
    vDialog.opt_Array->click();
    if (fromTitleBar)
        vDialog.close();
    else
        vDialog.bar_Buttons->button(QStringLiteral("ABORT"))->click();
    QCOMPARE(vDialog.result(), int(QDialog::Rejected));
    QVERIFY(!vDialog.isVisible());
    QCOMPARE(vMember->MNAME, QStringLiteral("WERT"));
    QVERIFY(vMember->MPUBLIC);
    QVERIFY(!vMember->MARRAY);
    QVERIFY(!vApp.changed);
}

void MemberDialogTest::helpKeepsTheDialogOpen() {
    ScriptedUi vUi;
    AppState vApp(vUi);
    frm_Member vDialog(vApp, std::make_shared<cls_Member>());
    vDialog.show();
    vDialog.bar_Buttons->button(QStringLiteral("HELP"))->click();
    QVERIFY(vDialog.isVisible());
    QCOMPARE(vUi.kinds(), QStringList{QStringLiteral("info")});
    QCOMPARE(vUi.shown.constFirst().text,
             QStringLiteral("In diesem Dialog können Sie die Eigenschaften des Mitglieds "
                            "verändern."));
}

// The real modal run, ended from a timer so an offscreen test cannot hang.
void MemberDialogTest::modalRunEndsWithOk() {
    ScriptedUi vUi;
    AppState vApp(vUi);
    auto vMember = std::make_shared<cls_Member>();
    frm_Member vDialog(vApp, vMember);
    QTimer::singleShot(0, &vDialog, [&vDialog] {
        vDialog.txt_Name->setText(QStringLiteral("MODAL"));
        vDialog.bar_Buttons->button(QStringLiteral("OK"))->click();
    });
    QTimer::singleShot(5000, &vDialog, &QDialog::reject);
    QCOMPARE(vDialog.exec(), int(QDialog::Accepted));
    QCOMPARE(vMember->MNAME, QStringLiteral("MODAL"));
}

int runMemberDialogTests(int argc, char** argv) {
    MemberDialogTest vTest;
    return QTest::qExec(&vTest, argc, argv);
}

#include "tst_member_dialog.moc"
