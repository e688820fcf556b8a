#include "Run.h"

#include "corelib/Error.h"
#include "generator/Generator.h"
#include "generator/ModuleFile.h"
#include "model/Class.h"
#include "model/TemplateFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace cli {
namespace {

void printError(const QString& text) {
    QTextStream(stderr) << QStringLiteral("classshaper-gen: ") << text << Qt::endl;
}

// A relative COMPILED path is taken from the template's own folder, so a template and its
// module can move together in version control.
QString targetOf(const Options& options, const cls_Class& tpl, const QString& templatePath) {
    if (!options.outputFile.isEmpty())
        return options.outputFile;
    if (tpl.COMPILED.isEmpty())
        throw vlt::Error(QStringLiteral("Die Klassenvorlage \"%1\" nennt keine Zieldatei "
                                        "(COMPILED ist leer); bitte -o DATEI angeben.")
                             .arg(templatePath));
    return QFileInfo(templatePath).dir().absoluteFilePath(tpl.COMPILED);
}

// Nothing when the file does not exist; an unreadable existing file is an error.
std::optional<QByteArray> existingBytes(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw vlt::Error(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2")
                             .arg(path, file.errorString()));
    return file.readAll();
}

void warnReplaced(const QString& templatePath, const QString& replaced) {
    if (replaced.isEmpty())
        return;
    printError(QStringLiteral("Warnung: Im Modul der Vorlage \"%1\" wurden Zeichen, die "
                              "Windows-1252 nicht darstellen kann, als \"?\" geschrieben: %2")
                   .arg(templatePath, replaced));
}

void writeToStdout(const QByteArray& bytes) {
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::fflush(stdout) != 0)
        throw vlt::Error(QStringLiteral("Die Standardausgabe kann nicht geschrieben werden."));
}

ExitStatus compareWithTarget(const QString& target, const QByteArray& bytes) {
    const std::optional<QByteArray> existing = existingBytes(target);
    if (!existing) {
        printError(QStringLiteral("Fehlt: %1").arg(target));
        return ExitDifferent;
    }
    if (*existing != bytes) {
        printError(QStringLiteral("Weicht ab: %1").arg(target));
        return ExitDifferent;
    }
    return ExitDone;
}

ExitStatus processTemplate(const Options& options, const QString& templatePath) {
    cls_Class tpl;
    readTemplate(templatePath, tpl);
    const QString text = gen::hCompile(tpl, options.attributes);
    const gen::EncodedModule encoded = gen::encodeModule(text);
    if (options.toStdout) {
        warnReplaced(templatePath, encoded.replaced);
        writeToStdout(encoded.bytes);
        return ExitDone;
    }
    const QString target = targetOf(options, tpl, templatePath);
    if (options.check)
        return compareWithTarget(target, encoded.bytes);
    warnReplaced(templatePath, encoded.replaced);
    if (existingBytes(target) != encoded.bytes)
        gen::writeModuleFile(target, text);
    return ExitDone;
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
