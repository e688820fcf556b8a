#pragma once

#include <QByteArray>
#include <QString>

class cls_Class;

namespace gen {

// How a module is generated: with the class-file header and attributes (a .cls file) or
// without (the clipboard form); traced, every line is preceded by a comment naming the
// generator's file and line that wrote it.
struct ModuleForm {
    bool attributes = true;
    bool trace = false;
};

// What writing a module file did.
struct ModuleWrite {
    QString replaced;     // the distinct characters written as "?", in order of appearance
    bool changed = false; // false: the target already held these bytes and was not touched
};

// The module file a template names in COMPILED: a relative path is taken from the template's
// folder, so that a template and its module can move together.
QString moduleTarget(const QString& compiled, const QString& templatePath);

// Generates the module of tpl into target, Windows-1252 encoded, through a temporary file
// that replaces the target only when the bytes differ; an equal target keeps its time. Raises
// vlt::Error (German, naming the file) on failure and leaves the target as it was.
ModuleWrite writeModuleFile(const QString& target, cls_Class& tpl, const ModuleForm& form);
// The same for a module text generated before.
ModuleWrite writeModuleFile(const QString& target, const QString& moduleText);

// Generates the module's bytes to standard output; returns the replaced characters.
QString writeModuleToStdout(cls_Class& tpl, const ModuleForm& form);

enum class TargetState { Equal, Different, Missing };
// Compares the module of tpl with target without writing anything.
TargetState compareWithModuleFile(const QString& target, cls_Class& tpl, const ModuleForm& form);

// A module text as the bytes of a .cls file, every character Windows-1252 cannot hold
// written as "?".
struct EncodedModule {
    QByteArray bytes;
    QString replaced;
};
EncodedModule encodeModule(const QString& moduleText);

// The text of a module file as it was written: Windows-1252; the five bytes the code page
// leaves undefined become U+FFFD.
QString decodeModule(QByteArrayView bytes);

// The German report of the characters written as "?" into target, for a message box or a
// warning on stderr.
QString replacedCharactersReport(const QString& target, const QString& replaced);

} // namespace gen
