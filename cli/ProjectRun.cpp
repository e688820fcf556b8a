#include "ProjectRun.h"

#include "corelib/Error.h"
#include "project/Project.h"

#include <QSet>
#include <QTextStream>
#include <algorithm>

namespace cli {
namespace {

QString shown(const proj::Project& project, const QString& path) {
    return path.isEmpty() ? QStringLiteral("-") : proj::shownPath(project, path);
}

QString lineOf(const proj::Project& project, const proj::ClassModule& row, bool written,
               int moduleWidth) {
    QString line = QStringLiteral("%1  %2  %3")
                       .arg(proj::stateWord(row.state), -12)
                       .arg(shown(project, row.modulePath), -moduleWidth)
                       .arg(shown(project, row.templatePath));
    if (written)
        line += QStringLiteral("  (neu erzeugt)");
    if (!row.message.isEmpty())
        line += QStringLiteral("  – ") + row.message;
    return line;
}

ExitStatus statusOf(const proj::ClassModule& row, bool check) {
    switch (row.state) {
    case proj::State::Error:
    case proj::State::Conflict:
        return ExitError;
    case proj::State::Stale:
    case proj::State::Missing:
        return check ? ExitDifferent : ExitDone;
    case proj::State::Current:
    case proj::State::NoTemplate:
        break;
    }
    return ExitDone;
}

} // namespace

ExitStatus runProject(const Options& options) {
    QTextStream err(stderr);
    proj::Project project;
    try {
        project = proj::openProject(options.templates.first());
    } catch (const vlt::Error& error) {
        err << QStringLiteral("classshaper-gen: ") << error.message() << Qt::endl;
        return ExitError;
    }
    ExitStatus status = project.problems.isEmpty() ? ExitDone : ExitError;
    for (const QString& problem : std::as_const(project.problems))
        err << QStringLiteral("classshaper-gen: ") << problem << Qt::endl;
    for (const QString& note : std::as_const(project.notes))
        err << QStringLiteral("classshaper-gen: Hinweis: ") << note << Qt::endl;
    const std::vector<proj::ClassModule> rows = proj::evaluate(project);
    QSet<QString> written;
    if (!options.check) {
        QStringList failures;
        for (const proj::ClassModule& row : proj::generateStale(rows, failures))
            written.insert(row.modulePath);
        for (const QString& failure : std::as_const(failures))
            err << QStringLiteral("classshaper-gen: ") << failure << Qt::endl;
        status = failures.isEmpty() ? status : ExitError;
    }
    QTextStream out(stdout);
    int moduleWidth = 0;
    for (const proj::ClassModule& row : rows)
        moduleWidth = std::max(moduleWidth, int(shown(project, row.modulePath).size()));
    for (const proj::ClassModule& row : rows) {
        out << lineOf(project, row, written.contains(row.modulePath), moduleWidth) << Qt::endl;
        status = std::max(status, statusOf(row, options.check));
    }
    return status;
}

} // namespace cli
