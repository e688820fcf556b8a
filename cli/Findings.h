#pragma once

#include <QString>

class cls_Class;

namespace cli {

// Prints every finding of the template's checks on stderr, one line each, prefixed with the
// template's path as a compiler prefixes its messages. Returns how many there were.
qsizetype printFindings(const QString& templatePath, const cls_Class& tpl);

} // namespace cli
