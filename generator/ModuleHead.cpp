// The class-file header with its attributes, and the banner.
#include "Module.h"

namespace gen {
namespace {

void writeHeaderAndAttributes(ModuleWriter& out, const cls_Class& tpl) {
    out.line(u"VERSION 1.0 CLASS");
    out.line(u"BEGIN");
    out.line(u"  MultiUse = -1  'True");
    out.line(u"  Persistable = 0  'NotPersistable");
    out.line(u"  DataBindingBehavior = 0  'vbNone");
    out.line(u"  DataSourceBehavior = 0   'vbNone");
    out.line(u"  MTSTransactionMode = 0   'NotAnMTSObject");
    out.line(u"End");
    out.line(u"Attribute VB_Name = \"", tpl.CLASSNAME, u"\"");
    out.line(u"Attribute VB_GlobalNameSpace = False");
    out.line(u"Attribute VB_Creatable = True");
    out.line(u"Attribute VB_PredeclaredId = False");
    out.line(u"Attribute VB_Exposed = True");
}

void writeBanner(ModuleWriter& out, const cls_Class& tpl) {
    out.line(separator());
    out.line(u"'€");
    out.line(u"'€  ", tpl.PROJECT);
    out.line(u"'€");
    out.line(u"'€      File        : ", tpl.FILENAME);
    out.line(u"'€      Author      : ", tpl.AUTHOR);
    out.line(u"'€      Copyright   : ", tpl.COPYRIGHT);
    out.line(u"'€      Build       : ", tpl.BUILD);
    out.line(u"'€");
    if (!tpl.DESCRIPTION.isEmpty()) {
        out.line(u"'€      Description : ", tpl.DESCRIPTION);
        out.line(u"'€");
    }
    out.line(separator());
    out.line(u"'");
    out.line(u"Option Explicit");
    out.closeSection();
}

} // namespace

void writeModuleHead(Module& module) {
    if (module.attributes)
        writeHeaderAndAttributes(module.out, module.tpl);
    else
        module.out.omitNextLineBreak();
    writeBanner(module.out, module.tpl);
}

} // namespace gen
