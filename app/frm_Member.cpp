#include "frm_Member.h"

#include "ctl_CmdBar.h"
#include "ctl_Seperator.h"

#include "app/AppState.h"
#include "corelib/HostText.h"
#include "model/Member.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QCheckBox* makeOption(const QString& caption, const QString& name, QWidget* parent) {
    auto* vOption = new QCheckBox(caption, parent);
    vOption->setObjectName(name);
    return vOption;
}

// Blanks only, as the template's other texts are trimmed: tabs and line breaks count as text.
bool isTicked(const QCheckBox* option) {
    return option->checkState() != Qt::Unchecked;
}

} // namespace

frm_Member::frm_Member(AppState& app, std::shared_ptr<cls_Member> member, QWidget* parent)
    : QDialog(parent), vMember(std::move(member)), m_app(app) {
    setObjectName(QStringLiteral("frm_Member"));
    setWindowTitle(QStringLiteral("Mitglied"));
    setModal(true);
    createControls();
    createLayout();
    connectFlagRules();
    loadMember();
}

void frm_Member::createControls() {
    txt_Name = new QLineEdit(this);
    txt_Name->setObjectName(QStringLiteral("txt_Name"));
    txt_Type = new QComboBox(this);
    txt_Type->setObjectName(QStringLiteral("txt_Type"));
    txt_Type->setEditable(true);
    txt_Type->setInsertPolicy(QComboBox::NoInsert);
    txt_Type->addItems({QStringLiteral("Long"), QStringLiteral("Double"), QStringLiteral("String"),
                        QStringLiteral("Variant"), QStringLiteral("Boolean"),
                        QStringLiteral("Date")});
    opt_Public = makeOption(QStringLiteral("Öffentlich"), QStringLiteral("opt_Public"), this);
    opt_Array = makeOption(QStringLiteral("Datenfeld"), QStringLiteral("opt_Array"), this);
    opt_DataID = makeOption(QStringLiteral("An ID anbinden"), QStringLiteral("opt_DataID"), this);
    opt_NotBound =
        makeOption(QStringLiteral("Nicht Datengebunden"), QStringLiteral("opt_NotBound"), this);
    opt_Child = makeOption(QStringLiteral("Child"), QStringLiteral("opt_Child"), this);
    bar_Buttons = new ctl_CmdBar(this);
    bar_Buttons->setObjectName(QStringLiteral("bar_Buttons"));
    bar_Buttons->addButton(QStringLiteral("OK"), QStringLiteral("OK"));
    bar_Buttons->addButton(QStringLiteral("ABORT"), QStringLiteral("Abbrechen"));
    bar_Buttons->addButton(QStringLiteral("HELP"), QStringLiteral("Hilfe"));
    connect(bar_Buttons, &ctl_CmdBar::buttonClicked, this, &frm_Member::bar_Buttons_ButtonClick);
}

void frm_Member::createLayout() {
    auto* vFields = new QFormLayout;
    vFields->addRow(QStringLiteral("Name"), txt_Name);
    vFields->addRow(QStringLiteral("Type"), txt_Type);

    auto* vOptions = new QGridLayout;
    vOptions->addWidget(opt_Public, 0, 0);
    vOptions->addWidget(opt_Array, 1, 0);
    vOptions->addWidget(opt_Child, 2, 0);
    vOptions->addWidget(opt_DataID, 0, 1);
    vOptions->addWidget(opt_NotBound, 1, 1);

    auto* vEditing = new QVBoxLayout;
    vEditing->addLayout(vFields);
    vEditing->addWidget(new ctl_Seperator(Qt::Horizontal, this));
    vEditing->addLayout(vOptions);
    vEditing->addStretch();

    auto* vMain = new QHBoxLayout(this);
    vMain->addLayout(vEditing, 1);
    vMain->addWidget(new ctl_Seperator(Qt::Vertical, this));
    vMain->addWidget(bar_Buttons);
    setMinimumWidth(440);
}

// Each rule runs when its box has just changed state, whether by a click, by loading or by
// another rule, so the rules cascade the same way in every case.
void frm_Member::connectFlagRules() {
    connect(opt_Public, &QCheckBox::toggled, this, [this](bool pTicked) {
        if (pTicked)
            opt_Array->setChecked(false);
    });
    connect(opt_Array, &QCheckBox::toggled, this, [this](bool pTicked) {
        if (pTicked)
            opt_Public->setChecked(false);
    });
    connect(opt_DataID, &QCheckBox::toggled, this, [this](bool pTicked) {
        if (!pTicked)
            return;
        opt_NotBound->setChecked(true);
        opt_Array->setChecked(false);
    });
    connect(opt_NotBound, &QCheckBox::toggled, this, [this](bool pTicked) {
        if (!pTicked)
            opt_DataID->setChecked(false);
    });
}

void frm_Member::loadMember() {
    txt_Name->setText(vMember->MNAME);
    txt_Type->setCurrentText(vMember->MTYPE);
    opt_Public->setChecked(vMember->MPUBLIC);
    opt_Array->setChecked(vMember->MARRAY);
    opt_DataID->setChecked(vMember->MDATAID);
    opt_NotBound->setChecked(vMember->MNOTBOUND);
    opt_Child->setChecked(vMember->MCHILD);
}

void frm_Member::bar_Buttons_ButtonClick(const QString& pKey) {
    const QString vKey = pKey.toUpper();
    if (vKey == QLatin1String("OK"))
        confirm();
    else if (vKey == QLatin1String("ABORT"))
        reject();
    else if (vKey == QLatin1String("HELP"))
        m_app.ui.infoMessage(QStringLiteral(
            "In diesem Dialog können Sie die Eigenschaften des Mitglieds verändern."));
}

void frm_Member::confirm() {
    if (vlt::isBlank(txt_Name->text()) || vlt::isBlank(txt_Type->currentText())) {
        m_app.ui.errorMessage(QStringLiteral("Sie müssen einen Namen und einen Typ eingeben!"));
        return;
    }
    vMember->MNAME = txt_Name->text();
    vMember->MTYPE = txt_Type->currentText();
    vMember->MPUBLIC = isTicked(opt_Public);
    vMember->MARRAY = isTicked(opt_Array);
    vMember->MDATAID = isTicked(opt_DataID);
    vMember->MNOTBOUND = isTicked(opt_NotBound);
    vMember->MCHILD = isTicked(opt_Child);
    m_app.changed = true;
    accept();
}
