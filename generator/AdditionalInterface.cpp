// The additional interface: lock, collection and file functions.
#include "Module.h"

#include <initializer_list>

namespace gen {
namespace {

void writeLockFunction(ModuleWriter& out, QStringView head,
                       std::initializer_list<QStringView> body) {
    out.line(head);
    out.indentLine();
    out.line(u"    If DATABASE.ITEMOBJ(pID, pForceIndex) is Nothing Then Exit Function");
    out.indentLine();
    out.line(u"    With DATABASE.ITEMOBJ(pID, pForceIndex)");
    for (const QStringView statement : body)
        out.line(statement);
    out.line(u"    End With");
    out.indentLine();
    out.line(u"End Function");
    out.line();
}

void writeLockFunctions(ModuleWriter& out) {
    writeLockFunction(
        out,
        u"Public Function LOCKSTATE(Byval pID As Variant, Optional ByVal "
        u"pForceIndex AS Boolean = True) AS String",
        {u"        If Not .LOCKED Then Exit Function", u"        LOCKSTATE = .LOCKID"});
    writeLockFunction(out,
                      u"Public Function LOCKSET(Byval pLockID AS String, Byval pID As Variant, "
                      u"Optional ByVal pForceIndex AS Boolean = True) AS Boolean",
                      {u"        If .LOCKED Then Exit Function", u"        .LOCKED = True",
                       u"        .LOCKID = pLockID", u"        LOCKSET = True"});
    writeLockFunction(out,
                      u"Public Function LOCKRELEASE(Byval pID As Variant, Optional ByVal "
                      u"pForceIndex AS Boolean = True) AS Boolean",
                      {u"        If Not .LOCKED Then Exit Function", u"        .LOCKED = False",
                       u"        .LOCKID = \"\"", u"        LOCKRELEASE = True"});
}

void endFunction(ModuleWriter& out) {
    out.line();
    out.line(u"End Function");
    out.line();
}

void writeCollectionFunctions(Module& module) {
    ModuleWriter& out = module.out;
    const QString& itemType = module.workingCopy.DATABASE_TYPE;
    out.line(u"Public Function ITEM(ByVal pID As Variant, Optional ByVal pForceIndex As Boolean "
             u"= True) As ",
             itemType);
    if (module.attributes)
        out.line(u"Attribute ITEM.VB_UserMemId = 0");
    out.line();
    out.line(u"    Set ITEM = DATABASE(pID, pForceIndex)");
    endFunction(out);

    out.line(u"Public Function EXISTS(ByVal pID As Variant) As Boolean");
    out.line();
    out.line(u"    EXISTS = DATABASE.EXISTS(pID)");
    endFunction(out);

    out.line(u"Public Function COUNT() AS Long");
    out.line();
    out.line(u"    COUNT = DATABASE.COUNT");
    endFunction(out);

    out.line(u"Public Function REMOVE(ByVal pID As Variant, Optional ByVal pForceIndex As "
             u"Boolean = False) AS Boolean");
    out.line();
    out.line(u"    REMOVE = DATABASE.REMOVE(pId,pForceIndex)");
    endFunction(out);

    out.line(u"Public Function ADD(ByVal pEntry As ", itemType,
             u", Optional ByVal pID AS Variant) As ", itemType);
    out.line();
    out.line(u"    DATABASE.ADD pEntry, pID");
    out.line(u"    Set ADD = ITEM(COUNT)");
    endFunction(out);

    out.line(u"Public Function CREATE(Optional ByVal pID AS Variant) As ", itemType);
    out.line();
    out.line(u"    Dim vEntry As New ", itemType);
    out.line(u"    DATABASE.ADD vEntry, pID");
    out.line(u"    Set CREATE = ITEM(COUNT)");
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
    out.line(u"    On Local Error GoTo mDebug");
    out.line(u"    Dim vAcc As New cls_File");
    out.indentLine();
    out.line(u"    With vAcc");
    out.indentLine();
    out.line(u"        .OPENURL pFile, ", function.openMode, u", pPW");
    out.line(function.transfer);
    out.line(u"        .CLOSEURL");
    out.indentLine();
    out.line(u"    End With");
    out.indentLine();
    out.line(function.succeeded);
    out.line(u"    Exit Function");
    out.indentLine();
    out.line(u"mDebug:");
    out.line(function.failed);
    out.line(u"    Exit Function");
    endFunction(out);
}

void writeFileFunctions(ModuleWriter& out) {
    writeFileFunction(out, {u"Public Function LOAD(ByVal pFile As String, Optional ByVal pPW As "
                            u"String = \"\") As Boolean",
                            u"ID_FileOpen_Input", u"        DATA.READ vAcc", u"    LOAD = True",
                            u"    LOAD = False"});
    writeFileFunction(out, {u"Public Function SAVE(ByVal pFile As String, Optional ByVal pPW As "
                            u"String = \"\") As Boolean",
                            u"ID_FileOpen_Output", u"        DATA.STORE vAcc", u"    SAVE = True",
                            u"    SAVE = False"});
}

} // namespace

void writeAdditionalInterface(Module& module) {
    const cls_Class& tpl = module.workingCopy;
    if (tpl.DATABASE_LOCK || tpl.DATA_EDITOR || tpl.DATABASE_ADVANCED)
        writeSectionTitle(module.out, u"'€ Additional interface");
    if (tpl.DATABASE_LOCK)
        writeLockFunctions(module.out);
    if (tpl.DATABASE_ADVANCED)
        writeCollectionFunctions(module);
    if (tpl.DATABASE_ADVANCED || tpl.DATA_LOADSAVE)
        writeFileFunctions(module.out);
}

} // namespace gen
