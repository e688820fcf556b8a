#include "TemplateDocument.h"

#include "AppState.h"

#include "corelib/Paths.h"
#include "model/TemplateFile.h"

#include <QFile>

namespace {

const QString kTemplateFilter = QStringLiteral("Klassenvorlage|*.vlt-ctf");
const QString kTemplateExtension = QStringLiteral(".vlt-ctf");

// The given file, or the user's choice in a dialog; "" when cancelled.
QString openFileName(AppState& app, const QString& file) {
    if (!file.isEmpty())
        return file;
    QString proposal = app.currentTemplatePath;
    if (proposal.isEmpty())
        proposal = app.templateFolder + QStringLiteral("*") + kTemplateExtension;
    return app.ui.openFileDialog(
        {proposal, QStringLiteral("Klassenvorlage laden"), kTemplateFilter, 1, QString()});
}

QString saveFileName(AppState& app, const QString& file) {
    if (!file.isEmpty())
        return file;
    QString proposal = app.currentTemplatePath;
    if (proposal.isEmpty())
        proposal = app.templateFolder + app.currentTemplate->CLASSNAME + kTemplateExtension;
    return app.ui.saveFileDialog({proposal, QStringLiteral("Klassenvorlage speichern"),
                                  kTemplateFilter, 1, kTemplateExtension});
}

void nowAt(AppState& app, const QString& file) {
    app.currentTemplatePath = file;
    app.changed = false;
    app.savedBytes = fileBytes(file);
}

} // namespace

bool openTemplate(AppState& app, const QString& file) {
    const QString fileName = openFileName(app, file);
    if (fileName.isEmpty())
        return false;
    // The folder of the template that was current before this load, not of the loaded one.
    app.templateFolder = vlt::folderPart(app.currentTemplatePath);
    readTemplate(fileName, *app.currentTemplate);
    nowAt(app, fileName);
    return true;
}

bool saveTemplate(AppState& app, const QString& file) {
    const QString fileName = saveFileName(app, file);
    if (fileName.isEmpty())
        return false;
    app.templateFolder = vlt::folderPart(fileName);
    writeTemplate(fileName, *app.currentTemplate);
    nowAt(app, fileName);
    return true;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool changedOnDisk(const AppState& app) {
    if (app.currentTemplatePath.isEmpty())
        return false;
    QFile file(app.currentTemplatePath);
    return !file.open(QIODevice::ReadOnly) || file.readAll() != app.savedBytes;
}
