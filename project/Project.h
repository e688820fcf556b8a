#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace proj {

// What a class module of a project is to its template.
enum class State {
    Current,    // "aktuell": the module's bytes are what its template generates
    Stale,      // "veraltet": they differ
    Missing,    // "fehlt": the template's module file does not exist
    NoTemplate, // "ohne Vorlage"
    Error,      // "Fehler": the template cannot be read, or the project names no such file
    Conflict,   // "Konflikt": another template writes the same module
};

// The German word of a state, as the window and classshaper-gen show it.
QString stateWord(State state);

// One class module of a project with its template; a module that two templates write has a
// row for each.
struct ClassModule {
    QString className;
    QString modulePath;   // absolute; empty when a template that cannot be read names none
    QString templatePath; // absolute; empty without a template
    State state = State::NoTemplate;
    int findings = 0; // of the template's checks
    QString message;  // why: the error, or the template it conflicts with
};

// A VB6 project file (.vbp) or a folder, as far as it is known before any template is read.
struct Project {
    QString path;   // the .vbp or the folder, absolute
    QString folder; // where its templates are looked for, with its subfolders; links resolved
    bool fromFile = false;
    QStringList modules;    // the class modules, in the project file's order or by path
    QStringList classNames; // beside modules: the name the project file gives, or ""
    QList<int> lines;       // beside modules: the project file's line that names it, or 0
    QStringList templates;  // every .vlt-ctf of the folder tree and of outside module folders
    QStringList problems;   // German lines about parts that could not be looked at
    QStringList notes;      // German lines about parts read other than expected, but read
    QStringList watched;    // the folders whose changes can change a state
};

// A VB6 project file (.vbp, by its name) or a folder: what can be opened as a project.
bool isProjectPath(const QString& path);

// A path as the project's rows show it: from the project folder when it lies inside it or
// beside it, whole when it lies farther away.
QString shownPath(const Project& project, const QString& path);

// Finds a project's modules and templates. A project file that cannot be read raises vlt::Error
// (German, naming it); a folder tree with a loop or an unreadable folder is looked at as far as
// it can be, and says so in problems.
Project openProject(const QString& path);

// The project's rows, in the order of its modules, then modules only templates name, then
// templates that cannot be read; `ready` hears of each row when it is known. `cancelled` is
// asked between rows.
std::vector<ClassModule> evaluate(const Project& project,
                                  const std::function<void(const ClassModule&)>& ready = {},
                                  const std::function<bool()>& cancelled = {});

// Writes the module of every stale or missing row (atomically; an equal target stays untouched).
// Returns the rows written; the German messages of those that failed go to failures.
std::vector<ClassModule> generateStale(const std::vector<ClassModule>& rows, QStringList& failures);

} // namespace proj
