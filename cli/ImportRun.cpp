#include "ImportRun.h"

#include "corelib/Error.h"
#include "generator/Import.h"
#include "model/Class.h"
#include "model/TemplateFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>
#include <algorithm>

namespace cli {
namespace {

constexpr int kShownDifferences = 12;

void printLine(const QString& text) {
    QTextStream(stderr) << text << Qt::endl;
}

// The template goes to -o, or into the output folder named after its class.
QString templatePathOf(const Options& options, const cls_Class& tpl) {
    if (!options.outputFile.isEmpty())
        return options.outputFile;
    return QDir(options.outputDir).filePath(tpl.CLASSNAME + QStringLiteral(".vlt-ctf"));
}

ExitStatus importOne(const Options& options, const QString& modulePath,
                     QHash<QString, QString>& written) {
    const gen::ModuleImport imported = gen::importModule(modulePath);
    const QString target = templatePathOf(options, *imported.tpl);
    const QString key = QFileInfo(target).absoluteFilePath();
    if (written.contains(key))
        throw vlt::Error(QStringLiteral("Die Vorlage \"%1\" wurde schon aus \"%2\" geschrieben; "
                                        "\"%3\" hat denselben Klassennamen.")
                             .arg(target, written.value(key), modulePath));
    // COMPILED counts from the template's folder, so that both can move together.
    imported.tpl->COMPILED = QFileInfo(key).dir().relativeFilePath(imported.tpl->COMPILED);
    writeTemplate(target, *imported.tpl);
    written.insert(key, modulePath);
    if (imported.exact())
        return ExitDone;
    printLine(QStringLiteral("classshaper-gen: %1: nicht genau: die Vorlage \"%2\" erzeugt ein "
                             "anderes Modul.")
                  .arg(modulePath, target));
    for (const QString& line : gen::importDifferences(imported, kShownDifferences))
        printLine(QStringLiteral("  ") + line);
    return ExitDifferent;
}

} // namespace

ExitStatus runImport(const Options& options) {
    ExitStatus status = ExitDone;
    QHash<QString, QString> written;
    for (const QString& modulePath : options.templates) {
        try {
            status = std::max(status, importOne(options, modulePath, written));
        } catch (const vlt::Error& error) {
            printLine(QStringLiteral("classshaper-gen: ") + error.message());
            status = ExitError;
        } catch (const std::exception& error) {
            printLine(QStringLiteral("classshaper-gen: Unerwarteter Fehler bei \"%1\": %2")
                          .arg(modulePath, QString::fromLocal8Bit(error.what())));
            status = ExitError;
        }
    }
    return status;
}

} // namespace cli
