#include "support/ScriptedUi.h"

#include "app/ctl_Button.h"
#include "app/ctl_CmdBar.h"
#include "app/frm_Member.h"

#include "model/AppState.h"
#include "model/Member.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace {

// The boxes and their fields as letters: Public, Array, DataID, NotBound, Child.
QList<QCheckBox*> boxes(const frm_Member& dialog) {
    return {dialog.opt_Public, dialog.opt_Array, dialog.opt_DataID, dialog.opt_NotBound,
            dialog.opt_Child};
}

QList<bool cls_Member::*> flags() {
    return {&cls_Member::MPUBLIC, &cls_Member::MARRAY, &cls_Member::MDATAID, &cls_Member::MNOTBOUND,
            &cls_Member::MCHILD};
}

// "pAdnc": upper case where ticked (or True), lower case where cleared.
QString letters(const QList<bool>& states) {
    QString text;
    for (int i = 0; i < states.size(); ++i)
        text += states[i] ? QLatin1Char("PADNC"[i]) : QLatin1Char("padnc"[i]);
    return text;
}

QString boxStates(const frm_Member& dialog) {
    QList<bool> states;
    for (const QCheckBox* box : boxes(dialog))
        states.append(box->isChecked());
    return letters(states);
}

QString memberFlags(const cls_Member& member) {
    QList<bool> states;
    for (bool cls_Member::*flag : flags())
        states.append(member.*flag);
    return letters(states);
}

std::shared_ptr<cls_Member> memberWithFlags(const QString& set) {
    auto member = std::make_shared<cls_Member>();
    member->MNAME = QStringLiteral("WERT");
    member->MTYPE = QStringLiteral("Long");
    for (int i = 0; i < 5; ++i)
        (*member).*flags()[i] = set.contains(QLatin1Char("PADNC"[i]));
    return member;
}

struct Dialog {
    ScriptedUi ui;
    AppState app{ui};
    std::shared_ptr<cls_Member> member;
    frm_Member dialog;
    explicit Dialog(const QString& set = QStringLiteral("P"))
        : member(memberWithFlags(set)), dialog(app, member) {}
};

} // namespace

class MemberDialogTest : public QObject {
    Q_OBJECT
private slots:
    void eachBoxLoadsAndConfirmsItsOwnField_data();
    void eachBoxLoadsAndConfirmsItsOwnField();
    void okValidatesNameAndType_data();
    void okValidatesNameAndType();
    void keysConfirmOrAbort_data();
    void keysConfirmOrAbort();
};

void MemberDialogTest::eachBoxLoadsAndConfirmsItsOwnField_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("shown");
    QTest::newRow("public") << "P"
                            << ""
                            << "Padnc";
    QTest::newRow("array") << "A"
                           << ""
                           << "pAdnc";
    QTest::newRow("not bound") << "N"
                               << ""
                               << "padNc";
    QTest::newRow("child") << "C"
                           << ""
                           << "padnC";
    QTest::newRow("data id with not bound") << "DN"
                                            << ""
                                            << "paDNc";
    QTest::newRow("public and array: array wins") << "PA"
                                                  << ""
                                                  << "pAdnc";
    QTest::newRow("data id alone: both cleared") << "D"
                                                 << ""
                                                 << "padnc";
    QTest::newRow("data id clears array") << "ADN"
                                          << ""
                                          << "paDNc";
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
    QTest::newRow("array after data id") << "DN"
                                         << "A"
                                         << "pADNc";
    QTest::newRow("clearing data id keeps not bound") << "DN"
                                                      << "D"
                                                      << "padNc";
}

// Loading shows each field in its own box (the rules acting), OK writes each box and text
// into its own field and marks the template changed.
void MemberDialogTest::eachBoxLoadsAndConfirmsItsOwnField() {
    QFETCH(QString, stored);
    QFETCH(QString, clicks);
    QFETCH(QString, shown);
    Dialog d(stored);
    QCOMPARE(d.dialog.txt_Name->text() + '|' + d.dialog.txt_Type->currentText(), "WERT|Long");
    for (const QChar letter : clicks)
        boxes(d.dialog)[QStringLiteral("PADNC").indexOf(letter)]->click();
    QCOMPARE(boxStates(d.dialog), shown);
    d.dialog.txt_Name->setText(QStringLiteral("NAME"));
    d.dialog.txt_Type->setCurrentText(QStringLiteral("Typ"));
    d.dialog.bar_Buttons->button(QStringLiteral("OK"))->click();
    QCOMPARE(d.member->MNAME + '|' + d.member->MTYPE, QStringLiteral("NAME|Typ"));
    QCOMPARE(memberFlags(*d.member), shown);
    QVERIFY(d.app.changed);
}

void MemberDialogTest::okValidatesNameAndType_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("blanks kept") << "  NAME "
                                 << " cls_Typ" << true;
    QTest::newRow("blank name") << "   "
                                << "Long" << false;
    QTest::newRow("empty type") << "NAME"
                                << "" << false;
}

void MemberDialogTest::okValidatesNameAndType() {
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFETCH(bool, accepted);
    Dialog d;
    d.dialog.show();
    d.dialog.txt_Name->setText(name);
    d.dialog.txt_Type->setCurrentText(type);
    d.dialog.bar_Buttons->button(QStringLiteral("OK"))->click();
    QCOMPARE(d.dialog.isVisible(), !accepted);
    QCOMPARE(d.app.changed, accepted);
    QCOMPARE(d.member->MNAME, accepted ? name : QStringLiteral("WERT"));
    QCOMPARE(d.ui.kinds(), accepted ? QStringList() : QStringList{"error"});
}

void MemberDialogTest::keysConfirmOrAbort_data() {
    QTest::addColumn<QString>("focus"); // the control holding the focus, or a button
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("confirms");
    QTest::newRow("Return in name") << "txt_Name" << int(Qt::Key_Return) << true;
    QTest::newRow("Enter in type") << "txt_Type" << int(Qt::Key_Enter) << true;
    QTest::newRow("Return on OK") << "but_OK" << int(Qt::Key_Return) << true;
    QTest::newRow("Return on Abort") << "but_ABORT" << int(Qt::Key_Return) << false;
    QTest::newRow("Escape in name") << "txt_Name" << int(Qt::Key_Escape) << false;
    QTest::newRow("Abort button") << "but_ABORT" << int(Qt::Key_Space) << false;
    QTest::newRow("title bar") << "" << 0 << false;
}

void MemberDialogTest::keysConfirmOrAbort() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, confirms);
    Dialog d;
    d.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
    d.dialog.txt_Name->setText(QStringLiteral("ANDERS"));
    d.dialog.opt_Array->click();
    if (focus.isEmpty()) {
        d.dialog.close();
    } else {
        auto* target = d.dialog.findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    }
    QVERIFY(!d.dialog.isVisible());
    QCOMPARE(d.member->MNAME + memberFlags(*d.member),
             confirms ? QStringLiteral("ANDERSpAdnc") : QStringLiteral("WERTPadnc"));
    QCOMPARE(d.app.changed, confirms);
}

int runMemberDialogTests(int argc, char** argv) {
    MemberDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_member_dialog.moc"
