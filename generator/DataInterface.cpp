// The data interface section: the handlers of the int_Data events.
#include "Module.h"

namespace gen {
namespace {

void writeDataProperty(ModuleWriter& out) {
    out.line(u"Private Property Get tmp_Data_DATA() As int_Data");
    out.line();
    out.line(Indent{}, u"Set tmp_Data_DATA = DATA");
    out.line();
    out.line(u"End Property");
    out.line();
}

void writeCopyItems(ModuleWriter& out) {
    out.line(Indent{}, u"Redim vItem(vOther.DATABASE.COUNT)");
    out.indentLine();
    out.line(Indent{}, u"For vI = 1 To UBound(vItem)");
    out.line(Indent{2}, u"vItem(vI).DATA.COPY vOther.DATABASE(vI, True)");
    out.line(Indent{}, u"Next vI");
    out.indentLine();
    out.line();
}

void writeCopy(Module& module) {
    ModuleWriter& out = module.out;
    out.line(u"Private Sub DATA_DataCopy(ByVal pOther As tmp_Data, pcDone As Boolean)");
    out.indentLine();
    if (module.switches.database)
        out.line(Indent{}, u"Dim vI AS Long");
    out.line(Indent{}, u"Dim vOther AS ", module.tpl.CLASSNAME);
    out.indentLine();
    out.line(Indent{}, u"Set vOther = pOther");
    out.indentLine();
    out.line(Indent{}, u"With vOther");
    out.line(Indent{2}, u"DATA.ID = .DATA.ID");
    for (const MemberFacts& facts : module.members) {
        if (facts.role == DataRole::Value)
            out.line(Indent{2}, facts.name(), u" = .", facts.name());
        else if (facts.role == DataRole::Object)
            out.line(Indent{2}, facts.name(), u".DATA.COPY .", facts.name());
    }
    out.line(Indent{}, u"End With");
    out.indentLine();
    if (module.switches.database)
        writeCopyItems(out);
    out.line(Indent{}, u"pcDone = True");
    out.line();
    out.line(u"End Sub");
    out.line();
}

void writePack(Module& module) {
    ModuleWriter& out = module.out;
    out.line(u"Private Sub DATA_DataPACK(pcPackage As String)");
    out.line();
    out.line(Indent{}, u"pcPackage = VSTRING.PACK.PACK(");
    out.sameLine(u"DATA.ID, ");
    for (const MemberFacts& facts : module.members) {
        if (facts.role == DataRole::Value)
            out.sameLine(facts.name(), u", ");
        else if (facts.role == DataRole::Object)
            out.sameLine(facts.name(), u".DATA.PACKAGE, ");
        else if (facts.role == DataRole::Array)
            out.sameLine(facts.name(), u"(), ");
    }
    if (module.switches.database)
        out.sameLine(u"vItem(), ");
    out.cutTrailingListSeparator();
    out.sameLine(u")");
    out.line();
    out.line(u"End Sub");
    out.line();
}

void writeUnpackCall(Module& module) {
    ModuleWriter& out = module.out;
    qint32 objectNumber = 0;
    out.line(Indent{}, u"VSTRING.PACK.UNPACK prPackage,");
    out.sameLine(u"vMyID, ");
    for (const MemberFacts& facts : module.members) {
        if (facts.role == DataRole::Value)
            out.sameLine(facts.name(), u", ");
        else if (facts.role == DataRole::Object)
            out.sameLine(u"vPackage", ++objectNumber, u", ");
        else if (facts.role == DataRole::Array)
            out.sameLine(facts.name(), u"(), ");
    }
    if (module.switches.database)
        out.sameLine(u"vItem(), ");
    out.cutTrailingListSeparator();
}

// The k-th object member gets the k-th package variable in the declaration, the unpack call
// and the hand-over, so the three always agree.
void writeUnpack(Module& module) {
    ModuleWriter& out = module.out;
    out.line(u"Private Sub DATA_DataUnpack(prPackage As String)");
    out.indentLine();
    out.line(Indent{}, u"Dim vMyID AS String");
    qint32 objectNumber = 0;
    for (const MemberFacts& facts : module.members)
        if (facts.role == DataRole::Object)
            out.line(Indent{}, u"Dim vPackage", ++objectNumber, u" AS String");
    out.indentLine();
    writeUnpackCall(module);
    out.line();
    out.line(Indent{}, u"DATA.ID = vMyID");
    objectNumber = 0;
    for (const MemberFacts& facts : module.members)
        if (facts.role == DataRole::Object)
            out.line(Indent{}, facts.name(), u".DATA.PACKAGE = vPackage", ++objectNumber);
    out.line();
    out.line(u"End Sub");
    out.line();
}

bool storedByValue(const MemberFacts& facts) {
    return facts.role == DataRole::Value || facts.role == DataRole::Array;
}

void writeStore(Module& module) {
    ModuleWriter& out = module.out;
    out.line(u"Private Sub DATA_DataStore(ByVal pFile As tmp_FileIO)");
    out.line();
    if (module.switches.database) {
        out.line(Indent{}, u"Dim vI AS Long");
        out.line();
    }
    out.line(Indent{}, u"With pFile");
    out.line(Indent{2}, u".STORE \"1.0\"");
    out.line(Indent{2}, u".STORE DATA.ID");
    for (const MemberFacts& facts : module.members)
        if (storedByValue(facts))
            out.line(Indent{2}, u".STORE ", facts.name());
    for (const MemberFacts& facts : module.members)
        if (facts.role == DataRole::Object)
            out.line(Indent{2}, facts.name(), u".DATA.STORE pFile");
    out.line(Indent{}, u"End With");
    if (module.switches.database) {
        out.line();
        out.line(Indent{}, u"pFile.STORE Ubound(vItem)");
        out.line(Indent{}, u"For vI = 1 To Ubound(vItem)");
        out.line(Indent{2}, u"vItem(vI).DATA.STORE pFile");
        out.line(Indent{}, u"Next vI");
    }
    out.line();
    out.line(u"End Sub");
    out.line();
}

void writeReadItems(ModuleWriter& out) {
    out.line();
    out.line(Indent{4}, u"pFile.READ vCount");
    out.line(Indent{4}, u"Redim vItem(vCount)");
    out.line(Indent{4}, u"For vI = 1 To Ubound(vItem)");
    out.line(Indent{5}, u"vItem(vI).DATA.READ pFile");
    out.line(Indent{4}, u"Next vI");
}

void writeRead(Module& module) {
    ModuleWriter& out = module.out;
    out.line(u"Private Sub DATA_DataRead(ByVal pFile As tmp_FileIO)");
    out.line();
    out.line(Indent{}, u"Dim vVersion AS String");
    if (module.switches.database) {
        out.line(Indent{}, u"Dim vCount AS Long");
        out.line(Indent{}, u"Dim vI AS Long");
    }
    out.line();
    out.line(Indent{}, u"With pFile");
    out.line(Indent{2}, u".READ vVersion");
    out.indentLine(2);
    out.line(Indent{2}, u"Select Case UCase(vVersion)");
    out.indentLine(2);
    out.line(Indent{3}, u"Case \"1.0\"");
    out.indentLine(4);
    out.line(Indent{4}, u"DATA.ID = .READFNC");
    for (const MemberFacts& facts : module.members)
        if (storedByValue(facts))
            out.line(Indent{4}, u".READ ", facts.name());
    for (const MemberFacts& facts : module.members)
        if (facts.role == DataRole::Object)
            out.line(Indent{4}, facts.name(), u".DATA.READ pFile");
    if (module.switches.database)
        writeReadItems(out);
    out.line();
    out.line(Indent{2}, u"End Select");
    out.line(Indent{}, u"End With");
    out.line();
    out.line(u"End Sub");
    out.line();
}

void writeSpawn(Module& module) {
    ModuleWriter& out = module.out;
    out.line(u"Private Sub DATA_DataSpawn(pcNewInstance As tmp_Data)");
    out.indentLine();
    out.line(Indent{}, u"Set pcNewInstance = New ", module.tpl.CLASSNAME);
    out.indentLine();
    out.line(u"End Sub");
}

} // namespace

void writeDataInterface(Module& module) {
    writeSectionTitle(module.out, u"'€ Data interface");
    writeDataProperty(module.out);
    writeCopy(module);
    writePack(module);
    writeUnpack(module);
    writeStore(module);
    writeRead(module);
    writeSpawn(module);
    module.out.closeSection();
}

} // namespace gen
