#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace proj {

// A class module a VB6 project names: "Class=cKunde; Klassen\cKunde.cls".
struct ProjectClass {
    QString name;
    QString path; // absolute, with the project folder's separators
    int line;     // in the project file, counted from 1
};

struct ProjectFileContent {
    std::vector<ProjectClass> classes;
    QString note; // German, when the file was read other than VB6 writes it (UTF-8)
};

// The class modules of a VB6 project file (.vbp). Its Windows-1252 lines are Key=Value, CR LF
// or LF; paths count from the file's folder, with backslashes, and may reach sibling folders.
// Other keys and the [Section] blocks after the project's own lines are read past. A module
// file named with other letter cases than on disk is found as Windows would find it. Raises
// vlt::Error (German, naming the file) when it cannot be read or is no such text. A file in
// UTF-8 (a byte-order mark, or multi-byte sequences and nothing else above ASCII) is read as
// UTF-8, with a note.
ProjectFileContent readProjectFile(const QString& path);

} // namespace proj
