#pragma once

#include <QString>

class cls_Class;

namespace gen {

// The whole class module text for a template, lines joined with CR LF, for the clipboard, the
// viewer and the preview. The template is only read. Module files are written through
// ModuleOutput.h, which streams the text instead of holding it.
QString hCompile(cls_Class& pTemplate, bool pAttributes);

// True when pType names a value type, written without "New".
bool hIsVB(const QString& pType);
// First character upper case, the rest lower case.
QString hName(const QString& pName);
// pType for a value type, "New " + pType otherwise.
QString hNew(const QString& pType);

} // namespace gen
