#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <memory>

class cls_Class;

namespace gen {

// A class module read back into the template that generates it.
struct ModuleImport {
    std::shared_ptr<cls_Class> tpl; // COMPILED names the module file
    bool attributes = true;         // the file form, with header and attributes
    bool lfLineEnds = false;        // the lines end in LF alone; they were read as CR LF
    bool regenerates = false;       // the template generates the module, line ends aside
    // The module's bytes with CR LF line ends, kept only when the template generates others.
    QByteArray differentBytes;

    // The template generates the module's bytes: only then is an import called exact.
    bool exact() const { return regenerates && !lfLineEnds; }
};

// Reads a class module of the shape the generator writes (the file form or the clipboard
// form) and builds its template, then generates the module again from it and compares.
// Raises vlt::Error (German, naming the file and, where the module leaves that shape, the
// line) when the file cannot be read or is no such module.
ModuleImport importModule(const QString& path);
// The same for the bytes of a module file; path names it in messages and in COMPILED.
ModuleImport importModuleBytes(QByteArrayView bytes, const QString& path);

// What the template generates in the module's form, to show beside the module.
QString regeneratedModule(const ModuleImport& import);
// The module as it was read, lines ended by CR LF.
QString moduleText(const ModuleImport& import);

// Why an import is not exact, in German: the line ends, then the first lines that differ
// (at most maxLines), each with its line number in the module or in the regenerated text.
QStringList importDifferences(const ModuleImport& import, int maxLines);

} // namespace gen
