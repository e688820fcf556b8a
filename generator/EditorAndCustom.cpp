// DLGLOAD and DLGSAVE bind the simple members to the controls of an editor dialog; the custom
// additions close the module.
#include "Module.h"
#include "corelib/HostText.h"

namespace gen {
namespace {

void loadTextControls(ModuleWriter& out, QStringView m, ControlName n) {
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"TextBox\" Then .txt_", n, u".Text = ", m);
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"RichTextBox\" Then .txt_", n,
             u".TextRTF = ", m);
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"ctl_Editor\" Then .txt_", n,
             u".TextRTF = ", m);
}

void loadNumberControls(ModuleWriter& out, QStringView m, ControlName n) {
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"TextBox\" Then .txt_", n, u".Text = cStr(",
             m, u")");
    out.line(Indent{2}, u"If TypeName(.lst_", n, u") = \"ListBox\" Then .lst_", n, u".ListIndex = ",
             m);
}

void loadFlagControls(ModuleWriter& out, QStringView m, ControlName n) {
    out.line(Indent{2}, u"If TypeName(.opt_", n, u") = \"CheckBox\" Then .opt_", n,
             u".Value = Abs(Clng(", m, u"))");
    out.line(Indent{2}, u"If TypeName(.opt_", n, u") = \"OptionButton\" Then .opt_", n,
             u".Value = ", m);
}

void saveTextControls(ModuleWriter& out, QStringView m, ControlName n) {
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"TextBox\" Then ", m, u" = .txt_", n,
             u".Text");
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"RichTextBox\" Then ", m, u" = .txt_", n,
             u".TextRTF");
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"ctl_Editor\" Then ", m, u" = .txt_", n,
             u".TextRTF");
}

void saveNumberControls(ModuleWriter& out, QStringView m, ControlName n) {
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"TextBox\" Then ", m,
             u" = TLX_MATH.MATH.VALUE((.txt_", n, u".Text))");
    out.line(Indent{2}, u"If TypeName(.lst_", n, u") = \"ListBox\" Then ", m, u" = .lst_", n,
             u".ListIndex");
}

void saveFlagControls(ModuleWriter& out, QStringView m, ControlName n) {
    out.line(Indent{2}, u"If TypeName(.opt_", n, u") = \"CheckBox\" Then ", m, u" = (.opt_", n,
             u".Value <> 0 )");
    out.line(Indent{2}, u"If TypeName(.opt_", n, u") = \"OptionButton\" Then ", m, u" = .opt_", n,
             u".Value");
}

void writeLoadBinding(ModuleWriter& out, const MemberFacts& facts) {
    const QStringView m = facts.name;
    const ControlName n{facts.name};
    switch (facts.editor) {
    case EditorKind::Text:
        loadTextControls(out, m, n);
        break;
    case EditorKind::Number:
        loadNumberControls(out, m, n);
        break;
    case EditorKind::Flag:
        loadFlagControls(out, m, n);
        break;
    case EditorKind::Date:
        out.line(Indent{2}, u".dat_", n, u".Value = ", m);
        break;
    case EditorKind::None:
        break;
    }
}

void writeSaveBinding(ModuleWriter& out, const MemberFacts& facts) {
    const QStringView m = facts.name;
    const ControlName n{facts.name};
    switch (facts.editor) {
    case EditorKind::Text:
        saveTextControls(out, m, n);
        break;
    case EditorKind::Number:
        saveNumberControls(out, m, n);
        break;
    case EditorKind::Flag:
        saveFlagControls(out, m, n);
        break;
    case EditorKind::Date:
        out.line(Indent{2}, m, u" = .dat_", n, u".Value");
        break;
    case EditorKind::None:
        break;
    }
}

template <typename WriteBinding>
void writeDialogFunction(ModuleWriter& out, QStringView head,
                         const std::vector<MemberFacts>& members, WriteBinding writeBinding) {
    out.line(head);
    out.line();
    out.line(Indent{}, u"On Local Error Resume Next");
    out.indentLine();
    out.line(Indent{}, u"With pDialog");
    for (const MemberFacts& facts : members)
        writeBinding(out, facts);
    out.line(Indent{}, u"End With ");
    out.line();
    out.line(u"End Function");
    out.line();
}

} // namespace

void writeEditorProcedures(Module& module) {
    if (!module.workingCopy.DATA_EDITOR)
        return;
    writeDialogFunction(module.out, u"Public Function DLGLOAD(ByVal pDialog AS Variant) As Boolean",
                        module.members, writeLoadBinding);
    writeDialogFunction(module.out,
                        u"Public Function DLGSAVE(ByVal pDialog As Variant, Optional ByVal "
                        u"pShowErrors AS Boolean = True ) As Boolean",
                        module.members, writeSaveBinding);
}

void writeCustomAdditions(Module& module) {
    const QString& custom = module.workingCopy.CUSTOM;
    if (vlt::isBlank(custom))
        return;
    writeSectionTitle(module.out, u"'€ Custom additions");
    module.out.line(custom);
    module.out.indentLine();
}

} // namespace gen
