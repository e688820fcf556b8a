#pragma once

#include <QString>

class cls_Class;

namespace gen {

// The whole class module text for a template, lines joined with CR LF. Works on a working
// copy made through the data interface, so the template itself is never changed.
QString hCompile(cls_Class& pTemplate, bool pAttributes);

// True when pType names a value type, written without "New".
bool hIsVB(const QString& pType);
// First character upper case, the rest lower case.
QString hName(const QString& pName);
// pType for a value type, "New " + pType otherwise.
QString hNew(const QString& pType);

} // namespace gen
