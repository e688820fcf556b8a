#include "frm_Member.h"

#include "MemberFindings.h"
#include "controls/SchemeColours.h"
#include "controls/TabOrder.h"
#include "controls/ctl_Button.h"
#include "controls/ctl_CmdBar.h"
#include "controls/ctl_Seperator.h"

#include "corelib/HostText.h"
#include "document/AppState.h"
#include "model/Member.h"
#include "model/MemberFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QCheckBox* makeOption(const QString& caption, const QString& name, QWidget* parent) {
    auto* option = new QCheckBox(caption, parent);
    option->setObjectName(name);
    return option;
}

QLabel* buddyLabel(const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    return label;
}

} // namespace

frm_Member::frm_Member(AppState& app, std::shared_ptr<cls_Member> member, QWidget* parent)
    : QDialog(parent), vMember(std::move(member)), m_app(app) {
    setObjectName(QStringLiteral("frm_Member"));
    setWindowTitle(QStringLiteral("Mitglied"));
    setModal(true);
    createControls();
    createBindings();
    createLayout();
    connectFlagRules();
    loadMember();
    connectFindings();
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
    opt_Public = makeOption(QStringLiteral("&Öffentlich"), QStringLiteral("opt_Public"), this);
    opt_Array = makeOption(QStringLiteral("&Datenfeld"), QStringLiteral("opt_Array"), this);
    opt_DataID = makeOption(QStringLiteral("An &ID anbinden"), QStringLiteral("opt_DataID"), this);
    opt_NotBound =
        makeOption(QStringLiteral("Nicht Daten&gebunden"), QStringLiteral("opt_NotBound"), this);
    opt_Child = makeOption(QStringLiteral("&Child"), QStringLiteral("opt_Child"), this);
    explainFlags();
    bar_Buttons = new ctl_CmdBar(this);
    bar_Buttons->setObjectName(QStringLiteral("bar_Buttons"));
    bar_Buttons->addButton(QStringLiteral("OK"), QStringLiteral("OK"));
    bar_Buttons->addButton(QStringLiteral("ABORT"), QStringLiteral("A&bbrechen"));
    bar_Buttons->addButton(QStringLiteral("HELP"), QStringLiteral("&Hilfe"));
    // Return confirms from any field; a focused button still takes its own Return.
    bar_Buttons->button(QStringLiteral("OK"))->setDefault(true);
    connect(bar_Buttons, &ctl_CmdBar::buttonClicked, this, &frm_Member::bar_Buttons_ButtonClick);
    lbl_Findings = new QLabel(this);
    lbl_Findings->setObjectName(QStringLiteral("lbl_Findings"));
    lbl_Findings->setWordWrap(true);
    QPalette findings = lbl_Findings->palette();
    findings.setColor(QPalette::WindowText, scheme::errorText(palette()));
    lbl_Findings->setPalette(findings);
}

// Loading and confirming both walk this table, in this order.
void frm_Member::createBindings() {
    const auto bind = [](const char* name, QWidget* control) {
        return bindField<cls_Member>(kMemberFields, name, control);
    };
    m_fields = {
        bind("MNAME", txt_Name),   bind("MTYPE", txt_Type),     bind("MPUBLIC", opt_Public),
        bind("MARRAY", opt_Array), bind("MDATAID", opt_DataID), bind("MNOTBOUND", opt_NotBound),
        bind("MCHILD", opt_Child),
    };
}

void frm_Member::createLayout() {
    auto* fields = new QFormLayout;
    fields->addRow(buddyLabel(QStringLiteral("&Name"), txt_Name), txt_Name);
    fields->addRow(buddyLabel(QStringLiteral("&Type"), txt_Type), txt_Type);

    auto* options = new QGridLayout;
    options->addWidget(opt_Public, 0, 0);
    options->addWidget(opt_Array, 1, 0);
    options->addWidget(opt_Child, 2, 0);
    options->addWidget(opt_DataID, 0, 1);
    options->addWidget(opt_NotBound, 1, 1);

    auto* editing = new QVBoxLayout;
    editing->addLayout(fields);
    editing->addWidget(new ctl_Seperator(Qt::Horizontal, this));
    editing->addLayout(options);
    editing->addWidget(lbl_Findings);
    editing->addStretch();

    auto* main = new QHBoxLayout(this);
    main->addLayout(editing, 1);
    main->addWidget(new ctl_Seperator(Qt::Vertical, this));
    main->addWidget(bar_Buttons);
    // Tab follows the columns as they stand, then the buttons.
    setTabChain({txt_Name, txt_Type, opt_Public, opt_Array, opt_Child, opt_DataID, opt_NotBound,
                 bar_Buttons->button(QStringLiteral("OK")),
                 bar_Buttons->button(QStringLiteral("ABORT")),
                 bar_Buttons->button(QStringLiteral("HELP"))});
}

// Each rule runs when its box has just changed state, whether by a click, by loading or by
// another rule, so the rules cascade the same way in every case.
void frm_Member::connectFlagRules() {
    connect(opt_Public, &QCheckBox::toggled, this, [this](bool ticked) {
        if (ticked)
            opt_Array->setChecked(false);
    });
    connect(opt_Array, &QCheckBox::toggled, this, [this](bool ticked) {
        if (ticked)
            opt_Public->setChecked(false);
    });
    connect(opt_DataID, &QCheckBox::toggled, this, [this](bool ticked) {
        if (!ticked)
            return;
        opt_NotBound->setChecked(true);
        opt_Array->setChecked(false);
    });
    connect(opt_NotBound, &QCheckBox::toggled, this, [this](bool ticked) {
        if (!ticked)
            opt_DataID->setChecked(false);
    });
}

// Setting a box runs its rule, so the rules act while loading, in table order.
void frm_Member::loadMember() {
    showFields(m_fields, *vMember);
}

void frm_Member::bar_Buttons_ButtonClick(const QString& key) {
    const QString upper = key.toUpper();
    if (upper == QLatin1String("OK"))
        confirm();
    else if (upper == QLatin1String("ABORT"))
        reject();
    else if (upper == QLatin1String("HELP"))
        m_app.ui.infoMessage(
            QStringLiteral("In diesem Dialog können Sie die Eigenschaften des Mitglieds "
                           "verändern.\n\n"
                           "Name und Typ stehen so im Modul, wie sie hier stehen; die Liste "
                           "bietet die üblichen Typen an, jeder andere Typ (eine Klasse, "
                           "str_…, enm_…) geht auch.\n\n") +
            flagHelp().join(u'\n') +
            QStringLiteral("\n\n„Öffentlich“ und „Datenfeld“ schließen einander aus; „An ID "
                           "anbinden“ bringt „Nicht Datengebunden“ mit."));
}

// What each flag does to the generated module, for the tooltips and the help.
QStringList frm_Member::flagHelp() {
    return {QStringLiteral("Öffentlich: als Public deklariert, sonst Private."),
            QStringLiteral("Datenfeld: ein Array, in Class_Initialize mit Redim angelegt und als "
                           "Ganzes gepackt und gespeichert; keine Steuerelemente im Editor."),
            QStringLiteral("An ID anbinden: nicht deklariert, sondern DATA.ID selbst; das erste "
                           "solche Mitglied bekommt Property Get und Let."),
            QStringLiteral("Nicht Datengebunden: wird weder kopiert noch gepackt, gespeichert "
                           "oder gelesen."),
            QStringLiteral("Child: ein Kindobjekt; Class_Initialize setzt sein hParent auf "
                           "Me.")};
}

void frm_Member::explainFlags() {
    const QStringList help = flagHelp();
    const QList<QCheckBox*> flags = {opt_Public, opt_Array, opt_DataID, opt_NotBound, opt_Child};
    for (qsizetype i = 0; i < flags.size(); ++i)
        flags[i]->setToolTip(help[i].section(QStringLiteral(": "), 1));
}

void frm_Member::confirm() {
    if (vlt::isBlank(txt_Name->text()) || vlt::isBlank(txt_Type->currentText())) {
        m_app.ui.errorMessage(QStringLiteral("Sie müssen einen Namen und einen Typ eingeben!"));
        return;
    }
    takeOverFields(m_fields, *vMember);
    m_app.changed = true;
    accept();
}

// The checks run on what the controls hold, as the user types; they never block OK.
void frm_Member::connectFindings() {
    connect(txt_Name, &QLineEdit::textChanged, this, &frm_Member::showFindings);
    connect(txt_Type, &QComboBox::currentTextChanged, this, &frm_Member::showFindings);
    for (QCheckBox* option : {opt_Public, opt_Array, opt_DataID, opt_NotBound, opt_Child})
        connect(option, &QCheckBox::toggled, this, &frm_Member::showFindings);
    showFindings();
}

// A long finding wraps; the dialog grows so that no line is cut off.
void frm_Member::showFindings() {
    cls_Member typed;
    takeOverFields(m_fields, typed);
    cls_Class& tpl = *m_app.currentTemplate;
    lbl_Findings->setText(memberFindingsText(tpl, typed, memberPosition(tpl, *vMember)));
    layout()->activate();
    // The lines the findings wrap into at the dialog's own width, not at its preferred one.
    const int wanted = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                     : sizeHint().height();
    if (height() < wanted)
        resize(width(), wanted);
}
