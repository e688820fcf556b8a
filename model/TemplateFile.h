#pragma once

#include <QString>

class cls_Class;

// A class template file without dialogs: for the window, the batch compile and
// classshaper-gen alike.

// Reads the file into tpl, all or nothing: when the file cannot be read completely, raises
// vlt::Error (German, naming the file) and leaves tpl exactly as it was. Fields that the
// file's version does not hold keep tpl's values.
void readTemplate(const QString& path, cls_Class& tpl);

// Writes tpl to the file atomically; raises vlt::Error (German, naming the file).
void writeTemplate(const QString& path, cls_Class& tpl);
