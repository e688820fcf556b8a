// The additional interface: lock, collection and file functions, and the editor procedures
// DLGLOAD and DLGSAVE that bind the simple members to the controls of an editor dialog.
#include "Module.h"
#include "corelib/HostText.h"

#include <initializer_list>

namespace gen {
namespace {

void writeLockFunction(ModuleWriter& out, QStringView head,
                       std::initializer_list<QStringView> body) {
    out.line(head);
    out.indentLine();
    out.line(Indent{}, u"If DATABASE.ITEMOBJ(pID, pForceIndex) is Nothing Then Exit Function");
    out.indentLine();
    out.line(Indent{}, u"With DATABASE.ITEMOBJ(pID, pForceIndex)");
    for (const QStringView statement : body)
        out.line(Indent{2}, statement);
    out.line(Indent{}, u"End With");
    out.indentLine();
    out.line(u"End Function");
    out.line();
}

void writeLockFunctions(ModuleWriter& out) {
    writeLockFunction(out,
                      u"Public Function LOCKSTATE(Byval pID As Variant, Optional ByVal "
                      u"pForceIndex AS Boolean = True) AS String",
                      {u"If Not .LOCKED Then Exit Function", u"LOCKSTATE = .LOCKID"});
    writeLockFunction(out,
                      u"Public Function LOCKSET(Byval pLockID AS String, Byval pID As Variant, "
                      u"Optional ByVal pForceIndex AS Boolean = True) AS Boolean",
                      {u"If .LOCKED Then Exit Function", u".LOCKED = True", u".LOCKID = pLockID",
                       u"LOCKSET = True"});
    writeLockFunction(out,
                      u"Public Function LOCKRELEASE(Byval pID As Variant, Optional ByVal "
                      u"pForceIndex AS Boolean = True) AS Boolean",
                      {u"If Not .LOCKED Then Exit Function", u".LOCKED = False", u".LOCKID = \"\"",
                       u"LOCKRELEASE = True"});
}

void endFunction(ModuleWriter& out) {
    out.line();
    out.line(u"End Function");
    out.line();
}

void writeCollectionFunctions(Module& module) {
    ModuleWriter& out = module.out;
    const QString& itemType = module.tpl.DATABASE_TYPE;
    out.line(u"Public Function ITEM(ByVal pID As Variant, Optional ByVal pForceIndex As Boolean "
             u"= True) As ",
             itemType);
    if (module.attributes)
        out.line(u"Attribute ITEM.VB_UserMemId = 0");
    out.line();
    out.line(Indent{}, u"Set ITEM = DATABASE(pID, pForceIndex)");
    endFunction(out);

    out.line(u"Public Function EXISTS(ByVal pID As Variant) As Boolean");
    out.line();
    out.line(Indent{}, u"EXISTS = DATABASE.EXISTS(pID)");
    endFunction(out);

    out.line(u"Public Function COUNT() AS Long");
    out.line();
    out.line(Indent{}, u"COUNT = DATABASE.COUNT");
    endFunction(out);

    out.line(u"Public Function REMOVE(ByVal pID As Variant, Optional ByVal pForceIndex As "
             u"Boolean = False) AS Boolean");
    out.line();
    out.line(Indent{}, u"REMOVE = DATABASE.REMOVE(pId,pForceIndex)");
    endFunction(out);

    out.line(u"Public Function ADD(ByVal pEntry As ", itemType,
             u", Optional ByVal pID AS Variant) As ", itemType);
    out.line();
    out.line(Indent{}, u"DATABASE.ADD pEntry, pID");
    out.line(Indent{}, u"Set ADD = ITEM(COUNT)");
    endFunction(out);

    out.line(u"Public Function CREATE(Optional ByVal pID AS Variant) As ", itemType);
    out.line();
    out.line(Indent{}, u"Dim vEntry As New ", itemType);
    out.line(Indent{}, u"DATABASE.ADD vEntry, pID");
    out.line(Indent{}, u"Set CREATE = ITEM(COUNT)");
    endFunction(out);
}

struct FileFunction {
    QStringView head;
    QStringView openMode;
    QStringView transfer;
    QStringView succeeded;
    QStringView failed;
};

void writeFileFunction(ModuleWriter& out, const FileFunction& function) {
    out.line(function.head);
    out.line();
    out.line(Indent{}, u"On Local Error GoTo mDebug");
    out.line(Indent{}, u"Dim vAcc As New cls_File");
    out.indentLine();
    out.line(Indent{}, u"With vAcc");
    out.indentLine();
    out.line(Indent{2}, u".OPENURL pFile, ", function.openMode, u", pPW");
    out.line(Indent{2}, function.transfer);
    out.line(Indent{2}, u".CLOSEURL");
    out.indentLine();
    out.line(Indent{}, u"End With");
    out.indentLine();
    out.line(Indent{}, function.succeeded);
    out.line(Indent{}, u"Exit Function");
    out.indentLine();
    out.line(u"mDebug:");
    out.line(Indent{}, function.failed);
    out.line(Indent{}, u"Exit Function");
    endFunction(out);
}

void writeFileFunctions(ModuleWriter& out) {
    writeFileFunction(out,
                      {u"Public Function LOAD(ByVal pFile As String, Optional ByVal pPW As "
                       u"String = \"\") As Boolean",
                       u"ID_FileOpen_Input", u"DATA.READ vAcc", u"LOAD = True", u"LOAD = False"});
    writeFileFunction(out,
                      {u"Public Function SAVE(ByVal pFile As String, Optional ByVal pPW As "
                       u"String = \"\") As Boolean",
                       u"ID_FileOpen_Output", u"DATA.STORE vAcc", u"SAVE = True", u"SAVE = False"});
}

void loadTextControls(ModuleWriter& out, QStringView m, QStringView n) {
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"TextBox\" Then .txt_", n, u".Text = ", m);
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"RichTextBox\" Then .txt_", n,
             u".TextRTF = ", m);
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"ctl_Editor\" Then .txt_", n,
             u".TextRTF = ", m);
}

void loadNumberControls(ModuleWriter& out, QStringView m, QStringView n) {
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"TextBox\" Then .txt_", n, u".Text = cStr(",
             m, u")");
    out.line(Indent{2}, u"If TypeName(.lst_", n, u") = \"ListBox\" Then .lst_", n, u".ListIndex = ",
             m);
}

void loadFlagControls(ModuleWriter& out, QStringView m, QStringView n) {
    out.line(Indent{2}, u"If TypeName(.opt_", n, u") = \"CheckBox\" Then .opt_", n,
             u".Value = Abs(Clng(", m, u"))");
    out.line(Indent{2}, u"If TypeName(.opt_", n, u") = \"OptionButton\" Then .opt_", n,
             u".Value = ", m);
}

void saveTextControls(ModuleWriter& out, QStringView m, QStringView n) {
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"TextBox\" Then ", m, u" = .txt_", n,
             u".Text");
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"RichTextBox\" Then ", m, u" = .txt_", n,
             u".TextRTF");
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"ctl_Editor\" Then ", m, u" = .txt_", n,
             u".TextRTF");
}

void saveNumberControls(ModuleWriter& out, QStringView m, QStringView n) {
    out.line(Indent{2}, u"If TypeName(.txt_", n, u") = \"TextBox\" Then ", m,
             u" = TLX_MATH.MATH.VALUE((.txt_", n, u".Text))");
    out.line(Indent{2}, u"If TypeName(.lst_", n, u") = \"ListBox\" Then ", m, u" = .lst_", n,
             u".ListIndex");
}

void saveFlagControls(ModuleWriter& out, QStringView m, QStringView n) {
    out.line(Indent{2}, u"If TypeName(.opt_", n, u") = \"CheckBox\" Then ", m, u" = (.opt_", n,
             u".Value <> 0 )");
    out.line(Indent{2}, u"If TypeName(.opt_", n, u") = \"OptionButton\" Then ", m, u" = .opt_", n,
             u".Value");
}

void writeLoadBinding(ModuleWriter& out, const MemberFacts& facts) {
    const QStringView m = facts.name();
    const QStringView n = facts.controlName();
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
    const QStringView m = facts.name();
    const QStringView n = facts.controlName();
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
                         const vlt::BulkVector<MemberFacts>& members, WriteBinding writeBinding) {
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

void writeEditorProcedures(Module& module) {
    writeDialogFunction(module.out, u"Public Function DLGLOAD(ByVal pDialog AS Variant) As Boolean",
                        module.members, writeLoadBinding);
    writeDialogFunction(module.out,
                        u"Public Function DLGSAVE(ByVal pDialog As Variant, Optional ByVal "
                        u"pShowErrors AS Boolean = True ) As Boolean",
                        module.members, writeSaveBinding);
}

} // namespace

void writeAdditionalInterface(Module& module) {
    const bool editor = module.switches.editor;
    if (module.switches.lockFunctions || editor || module.switches.collectionFunctions)
        writeSectionTitle(module.out, u"'€ Additional interface");
    if (module.switches.lockFunctions)
        writeLockFunctions(module.out);
    if (module.switches.collectionFunctions)
        writeCollectionFunctions(module);
    if (module.switches.fileFunctions)
        writeFileFunctions(module.out);
    if (editor)
        writeEditorProcedures(module);
}

} // namespace gen
