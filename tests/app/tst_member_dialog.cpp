#include "support/CaseTable.h"
#include "support/ScriptedUi.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "app/controls/ctl_Button.h"
#include "app/controls/ctl_CmdBar.h"
#include "app/member/frm_Member.h"

#include "app/document/AppState.h"
#include "model/Member.h"

#include <QtWidgets>

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

std::shared_ptr<cls_Member> memberWithFlags(const QByteArray& set) {
    auto member = std::make_shared<cls_Member>();
    member->MNAME = u"WERT"_s;
    member->MTYPE = u"Double"_s; // not the list's first type
    for (int i = 0; i < 5; ++i)
        (*member).*flags()[i] = set.contains("PADNC"[i]);
    return member;
}

struct Dialog {
    ScriptedUi ui;
    AppState app{ui};
    std::shared_ptr<cls_Member> member;
    frm_Member dialog;
    explicit Dialog(const QByteArray& set = "P")
        : member(memberWithFlags(set)), dialog(app, member) {}
};

} // namespace

class MemberDialogTest : public QObject {
    Q_OBJECT
private slots:
    void eachBoxLoadsAndConfirmsItsOwnField_data() { addCaseRows(u"member-flags"_s, 3); }
    // Loading shows each field in its own box (the rules acting), OK writes each box and text
    // into its own field and marks the template changed.
    void eachBoxLoadsAndConfirmsItsOwnField() {
        const auto [stored, clicks, shown] = caseFields<3>();
        Dialog d(stored);
        QCOMPARE(d.dialog.txt_Name->text() + '|' + d.dialog.txt_Type->currentText(), "WERT|Double");
        for (const char letter : clicks)
            boxes(d.dialog)[QByteArray("PADNC").indexOf(letter)]->click();
        QCOMPARE(boxStates(d.dialog), QString::fromLatin1(shown));
        d.dialog.txt_Name->setText(u"NAME"_s);
        d.dialog.txt_Type->setCurrentText(u"Typ"_s);
        d.dialog.bar_Buttons->button(u"OK"_s)->click();
        QCOMPARE(d.member->MNAME + '|' + d.member->MTYPE, u"NAME|Typ"_s);
        QCOMPARE(memberFlags(*d.member), QString::fromLatin1(shown));
        QVERIFY(d.app.changed);
    }
    void keysConfirmOrAbort_data() { addCaseRows(u"member-dialog-keys"_s, 4); }
    void keysConfirmOrAbort() {
        const auto [focus, key, name, member] = caseFields<4>();
        Dialog d;
        d.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
        d.dialog.txt_Name->setText(QString::fromUtf8(name));
        d.dialog.opt_Array->click();
        if (focus.isEmpty()) {
            d.dialog.close();
        } else {
            d.dialog.findChild<QWidget*>(QString::fromUtf8(focus))->setFocus();
            QTest::keyClick(QApplication::focusWidget(),
                            QKeySequence(QString::fromUtf8(key))[0].key());
        }
        QCOMPARE(d.dialog.isVisible(), member.isEmpty());
        QCOMPARE(d.ui.shownTexts(), member.isEmpty()
                                        ? QStringList{"error: Sie müssen einen Namen und "
                                                      "einen Typ eingeben!"}
                                        : QStringList());
        if (!member.isEmpty())
            QCOMPARE(d.member->MNAME + memberFlags(*d.member), QString::fromUtf8(member));
        QCOMPARE(d.app.changed, !member.isEmpty() && member != "WERTPadnc");
    }
    // Findings that wrap make the open dialog taller, so that no line of them is cut off.
    void longFindingsGrowTheDialog() {
        Dialog d;
        d.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d.dialog));
        const int before = d.dialog.height();
        d.dialog.txt_Name->setText(u"Ωmega Zoll\""_s);
        const QLabel* findings = d.dialog.lbl_Findings;
        QVERIFY(d.dialog.height() > before);
        QVERIFY(findings->height() >= findings->heightForWidth(findings->width()));
        d.dialog.opt_Child->click(); // a Double has no parent: the findings follow the box
        QVERIFY(findings->text().contains(u"kein einzelnes Objekt"_s));
    }
    void helpExplainsTheFields() {
        Dialog d;
        d.dialog.bar_Buttons->button(u"HELP"_s)->click();
        QCOMPARE(d.ui.kinds(), QStringList{"info"});
        compareWithGolden(d.ui.shown.first().text.split(u'\n'), "texts/member-help.txt");
    }
};

CLASSSHAPER_TEST(MemberDialogTest);

#include "tst_member_dialog.moc"
