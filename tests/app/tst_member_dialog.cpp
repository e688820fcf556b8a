#include "support/ScriptedUi.h"

#include "app/ctl_Button.h"
#include "app/ctl_CmdBar.h"
#include "app/frm_Member.h"

#include "app/AppState.h"
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

void MemberDialogTest::keysConfirmOrAbort_data() {
    QTest::addColumn<QString>("focus"); // the control holding the focus; none: the title bar
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("member"); // MNAME and flags afterwards; "" when the dialog stays
    const QString kept = QStringLiteral("WERTPadnc");
    QTest::newRow("Return in name") << "txt_Name" << int(Qt::Key_Return) << " N "
                                    << " N pAdnc";
    QTest::newRow("Enter in type") << "txt_Type" << int(Qt::Key_Enter) << "N"
                                   << "NpAdnc";
    QTest::newRow("Return on OK") << "but_OK" << int(Qt::Key_Return) << "N"
                                  << "NpAdnc";
    QTest::newRow("blank name refused") << "txt_Name" << int(Qt::Key_Return) << "  "
                                        << "";
    QTest::newRow("Return on Abort") << "but_ABORT" << int(Qt::Key_Return) << "N" << kept;
    QTest::newRow("Escape in name") << "txt_Name" << int(Qt::Key_Escape) << "N" << kept;
    QTest::newRow("Space on Abort") << "but_ABORT" << int(Qt::Key_Space) << "N" << kept;
    QTest::newRow("title bar") << "" << 0 << "N" << kept;
}

void MemberDialogTest::keysConfirmOrAbort() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, name);
    QFETCH(QString, member);
    Dialog d;
    d.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
    d.dialog.txt_Name->setText(name);
    d.dialog.opt_Array->click();
    if (focus.isEmpty()) {
        d.dialog.close();
    } else {
        d.dialog.findChild<QWidget*>(focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    }
    QCOMPARE(d.dialog.isVisible(), member.isEmpty());
    QCOMPARE(d.ui.kinds(), member.isEmpty() ? QStringList{"error"} : QStringList());
    if (!member.isEmpty())
        QCOMPARE(d.member->MNAME + memberFlags(*d.member), member);
    QCOMPARE(d.app.changed, !member.isEmpty() && member != QStringLiteral("WERTPadnc"));
}

int runMemberDialogTests(int argc, char** argv) {
    MemberDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_member_dialog.moc"
