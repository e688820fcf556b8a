#include "Project.h"

#include "ProjectFile.h"
#include "ProjectScan.h"

#include "corelib/Error.h"
#include "generator/Checks.h"
#include "generator/ModuleOutput.h"
#include "model/Class.h"
#include "model/TemplateFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace proj {
namespace {

const QStringList kModules{QStringLiteral(".cls")};
const QStringList kTemplates{QStringLiteral(".vlt-ctf")};

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

// One name per file, however it is reached: links are followed as far as the file or its
// folder exists.
QString fileKey(const QString& path) {
    const QFileInfo info(path);
    const QString real = info.canonicalFilePath();
    if (!real.isEmpty())
        return real;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : folder + u'/' + info.fileName();
}

// Keyed like the modules: a template reached through a link and again through its module's
// folder is one template, not two that write the same module.
void addTemplates(Project& project, const FolderFiles& found) {
    for (const QString& file : found.files)
        project.templates.append(fileKey(file));
    project.watched += found.folders;
    project.problems += found.problems;
}

// The templates of the folder tree, and of the folders of modules that lie outside it.
void findTemplates(Project& project) {
    addTemplates(project, findFiles(project.folder, kTemplates));
    QSet<QString> looked(project.watched.begin(), project.watched.end());
    for (const QString& module : std::as_const(project.modules)) {
        const QString folder = folderOf(module);
        if (looked.contains(folder) || !QFileInfo(folder).isDir())
            continue;
        looked.insert(folder);
        addTemplates(project, findFiles(folder, kTemplates, false));
    }
    project.templates.removeDuplicates();
}

// The class name a module file gives itself in its header, or its file name.
QString classNameOf(const QString& modulePath) {
    QFile file(modulePath);
    if (file.open(QIODevice::ReadOnly)) {
        for (int i = 0; i < 20 && !file.atEnd(); ++i) {
            const QByteArray line = file.readLine().trimmed();
            if (line.startsWith("Attribute VB_Name = \"") && line.endsWith('"'))
                return gen::decodeModule(line.sliced(21).chopped(1));
        }
    }
    return QFileInfo(modulePath).completeBaseName();
}

// A template as far as the project needs it: which module it writes, and what it generates.
struct TemplateEntry {
    QString path;
    QString target;
    QString error;
    std::shared_ptr<cls_Class> tpl;
};

TemplateEntry readEntry(const QString& path) {
    TemplateEntry entry{path, QString(), QString(), std::make_shared<cls_Class>()};
    try {
        readTemplate(path, *entry.tpl);
    } catch (const vlt::Error& error) {
        entry.error = error.message();
        return entry;
    }
    const cls_Class& tpl = *entry.tpl;
    entry.target =
        fileKey(tpl.COMPILED.isEmpty() ? QDir(folderOf(path)).absoluteFilePath(tpl.FILENAME)
                                       : gen::moduleTarget(tpl.COMPILED, path));
    return entry;
}

ClassModule rowOf(const TemplateEntry& entry, int writers) {
    ClassModule row{entry.tpl->CLASSNAME,
                    entry.target,
                    entry.path,
                    State::Current,
                    int(gen::checkTemplate(*entry.tpl).size()),
                    QString()};
    if (writers > 1) {
        row.state = State::Conflict;
        row.message = QStringLiteral("%1 Vorlagen schreiben dieses Modul").arg(writers);
        return row;
    }
    try {
        switch (gen::compareWithModuleFile(entry.target, *entry.tpl, gen::ModuleForm{})) {
        case gen::TargetState::Equal:
            break;
        case gen::TargetState::Different:
            row.state = State::Stale;
            break;
        case gen::TargetState::Missing:
            row.state = State::Missing;
            break;
        }
    } catch (const vlt::Error& error) {
        row.state = State::Error;
        row.message = error.message();
    }
    return row;
}

class Evaluation {
public:
    Evaluation(const Project& project, const std::function<void(const ClassModule&)>& ready,
               const std::function<bool()>& cancelled)
        : m_project(project), m_ready(ready), m_cancelled(cancelled) {}

    std::vector<ClassModule> run() {
        readTemplates();
        for (qsizetype i = 0; i < m_project.modules.size() && !cancelled(); ++i)
            addModule(m_project.modules[i], m_project.classNames.value(i),
                      m_project.lines.value(i));
        for (const TemplateEntry& entry : m_entries)
            if (!cancelled() && !entry.error.isEmpty())
                add({QFileInfo(entry.path).completeBaseName(), QString(), entry.path, State::Error,
                     0, entry.error});
            else if (!cancelled() && !m_shown.contains(entry.target))
                addModule(entry.target, QString(), 0);
        return std::move(m_rows);
    }

private:
    bool cancelled() const { return m_cancelled && m_cancelled(); }

    void readTemplates() {
        for (const QString& path : m_project.templates) {
            m_entries.push_back(readEntry(path));
            if (m_entries.back().error.isEmpty())
                m_writers[m_entries.back().target].append(int(m_entries.size()) - 1);
        }
    }

    void addModule(const QString& module, const QString& projectName, int line) {
        if (m_shown.contains(module))
            return;
        m_shown.insert(module);
        const QList<int> writers = m_writers.value(module);
        for (const int index : writers)
            add(rowOf(m_entries[std::size_t(index)], int(writers.size())));
        if (!writers.isEmpty())
            return;
        const bool exists = QFileInfo(module).isFile();
        add({projectName.isEmpty() && exists ? classNameOf(module) : projectName, module, QString(),
             exists ? State::NoTemplate : State::Error, 0,
             exists
                 ? QString()
                 : QStringLiteral("Zeile %1 der Projektdatei nennt diese Datei; es gibt sie nicht.")
                       .arg(line)});
    }

    void add(ClassModule row) {
        if (m_ready)
            m_ready(row);
        m_rows.push_back(std::move(row));
    }

    const Project& m_project;
    const std::function<void(const ClassModule&)>& m_ready;
    const std::function<bool()>& m_cancelled;
    std::vector<TemplateEntry> m_entries;
    QHash<QString, QList<int>> m_writers;
    QSet<QString> m_shown;
    std::vector<ClassModule> m_rows;
};

} // namespace

QString stateWord(State state) {
    switch (state) {
    case State::Current:
        return QStringLiteral("aktuell");
    case State::Stale:
        return QStringLiteral("veraltet");
    case State::Missing:
        return QStringLiteral("fehlt");
    case State::NoTemplate:
        return QStringLiteral("ohne Vorlage");
    case State::Error:
        return QStringLiteral("Fehler");
    case State::Conflict:
        return QStringLiteral("Konflikt");
    }
    return QString();
}

bool isProjectPath(const QString& path) {
    return !path.isEmpty() &&
           (QFileInfo(path).isDir() || path.endsWith(QLatin1String(".vbp"), Qt::CaseInsensitive));
}

QString shownPath(const Project& project, const QString& path) {
    const QString relative = QDir(project.folder).relativeFilePath(path);
    return relative.startsWith(QLatin1String("../../")) ? path : relative;
}

Project openProject(const QString& path) {
    Project project;
    const QFileInfo info(path);
    project.path = info.absoluteFilePath();
    project.fromFile = !info.isDir() && (info.isFile() || isProjectPath(path));
    if (project.fromFile) {
        project.folder = fileKey(info.absolutePath());
        const ProjectFileContent content = readProjectFile(path);
        if (!content.note.isEmpty())
            project.notes.append(content.note);
        for (const ProjectClass& entry : content.classes) {
            project.modules.append(fileKey(entry.path));
            project.classNames.append(entry.name);
            project.lines.append(entry.line);
        }
    } else {
        if (!info.exists())
            throw vlt::Error(
                QStringLiteral("Das Projekt \"%1\" gibt es nicht: weder eine Projektdatei noch "
                               "einen Ordner dieses Namens.")
                    .arg(path));
        project.folder = fileKey(project.path);
        const FolderFiles modules = findFiles(project.folder, kModules);
        for (const QString& module : modules.files)
            project.modules.append(fileKey(module));
        project.classNames = QStringList(modules.files.size(), QString());
        project.lines = QList<int>(modules.files.size(), 0);
        project.problems += modules.problems;
    }
    findTemplates(project);
    project.problems.removeDuplicates(); // the modules' walk and the templates' meet the same
    if (project.modules.isEmpty() && project.templates.isEmpty())
        project.problems.append(
            QStringLiteral("Im Projekt \"%1\" gibt es weder Klassenmodule noch Klassenvorlagen.")
                .arg(project.path));
    return project;
}

std::vector<ClassModule> evaluate(const Project& project,
                                  const std::function<void(const ClassModule&)>& ready,
                                  const std::function<bool()>& cancelled) {
    return Evaluation(project, ready, cancelled).run();
}

std::vector<ClassModule> generateStale(const std::vector<ClassModule>& rows,
                                       QStringList& failures) {
    std::vector<ClassModule> written;
    for (const ClassModule& row : rows) {
        if (row.state != State::Stale && row.state != State::Missing)
            continue;
        try {
            cls_Class tpl;
            readTemplate(row.templatePath, tpl);
            if (gen::writeModuleFile(row.modulePath, tpl, gen::ModuleForm{}).changed)
                written.push_back(row);
        } catch (const vlt::Error& error) {
            failures.append(error.message());
        }
    }
    return written;
}

} // namespace proj
