#include "Run.h"

#include "Findings.h"

#include "corelib/Error.h"
#include "generator/ModuleOutput.h"
#include "model/Class.h"
#include "model/TemplateFile.h"

#include <QTextStream>
#include <algorithm>

namespace cli {
namespace {

void printError(const QString& text) {
    QTextStream(stderr) << QStringLiteral("classshaper-gen: ") << text << Qt::endl;
}

QString targetOf(const Options& options, const cls_Class& tpl, const QString& templatePath) {
    if (!options.outputFile.isEmpty())
        return options.outputFile;
    if (tpl.COMPILED.isEmpty())
        throw vlt::Error(QStringLiteral("Die Klassenvorlage \"%1\" nennt keine Zieldatei "
                                        "(COMPILED ist leer); bitte -o DATEI angeben.")
                             .arg(templatePath));
    return gen::moduleTarget(tpl.COMPILED, templatePath);
}

ExitStatus checkTarget(const QString& target, cls_Class& tpl, const gen::ModuleForm& form) {
    switch (gen::compareWithModuleFile(target, tpl, form)) {
    case gen::TargetState::Missing:
        printError(QStringLiteral("Fehlt: %1").arg(target));
        return ExitDifferent;
    case gen::TargetState::Different:
        printError(QStringLiteral("Weicht ab: %1").arg(target));
        return ExitDifferent;
    case gen::TargetState::Equal:
        break;
    }
    return ExitDone;
}

// Characters Windows-1252 cannot hold are named by the checks, so the writers' own report of
// them is not printed a second time.
ExitStatus generate(const Options& options, const QString& templatePath, cls_Class& tpl) {
    const gen::ModuleForm form{options.attributes, options.trace};
    if (options.toStdout) {
        gen::writeModuleToStdout(tpl, form);
        return ExitDone;
    }
    const QString target = targetOf(options, tpl, templatePath);
    if (options.check)
        return checkTarget(target, tpl, form);
    gen::writeModuleFile(target, tpl, form);
    return ExitDone;
}

ExitStatus processTemplate(const Options& options, const QString& templatePath) {
    cls_Class tpl;
    readTemplate(templatePath, tpl);
    const bool anyFinding = printFindings(templatePath, tpl) > 0;
    const ExitStatus checked = options.fatalWarnings && anyFinding ? ExitDifferent : ExitDone;
    return std::max(checked, generate(options, templatePath, tpl));
}

} // namespace

ExitStatus run(const Options& options) {
    ExitStatus status = ExitDone;
    for (const QString& templatePath : options.templates) {
        try {
            status = std::max(status, processTemplate(options, templatePath));
        } catch (const vlt::Error& error) {
            printError(error.message());
            status = ExitError;
        } catch (const std::exception& error) {
            printError(QStringLiteral("Unerwarteter Fehler bei \"%1\": %2")
                           .arg(templatePath, QString::fromLocal8Bit(error.what())));
            status = ExitError;
        }
    }
    return status;
}

} // namespace cli
