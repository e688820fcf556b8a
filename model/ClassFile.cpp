// cls_Class.LOAD and SAVE: the template's own file operations with their dialogs.
#include "AppState.h"
#include "Class.h"
#include "TemplateFile.h"

#include "corelib/Error.h"
#include "corelib/File.h"
#include "corelib/Paths.h"

namespace {

const QString kTemplateFilter = QStringLiteral("Klassenvorlage|*.vlt-ctf");
const QString kTemplateExtension = QStringLiteral(".vlt-ctf");

// The records' own checks do not know the file; the user must learn which one failed.
void readFile(cls_Class& target, const QString& fileName) {
    vlt::cls_File file;
    file.OPENURL(fileName, vlt::ID_FileOpen_Input, QString());
    try {
        target.DATA.READ(file);
    } catch (const vlt::Error& error) {
        if (error.message().contains(fileName))
            throw;
        throw vlt::Error(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2")
                             .arg(fileName, error.message()));
    }
    file.CLOSEURL();
}

} // namespace

void readTemplate(const QString& path, cls_Class& tpl) {
    // Read into a scratch record so that a file that cannot be read completely changes nothing;
    // it starts with this template's fields, which an older version leaves as they were.
    cls_Class scratch;
    scratch.copyFields(tpl);
    readFile(scratch, path);
    tpl.takeReadContents(scratch);
}

void writeTemplate(const QString& path, cls_Class& tpl) {
    vlt::cls_File file;
    file.OPENURL(path, vlt::ID_FileOpen_Output, QString());
    tpl.DATA.STORE(file);
    file.CLOSEURL();
}

bool cls_Class::LOAD(AppState& app, const QString& pFile) {
    QString fileName = pFile;
    if (fileName.isEmpty()) {
        fileName = app.currentTemplatePath;
        if (fileName.isEmpty())
            fileName = app.templateFolder + QStringLiteral("*") + kTemplateExtension;
        fileName = app.ui.openFileDialog(
            {fileName, QStringLiteral("Klassenvorlage laden"), kTemplateFilter, 1, QString()});
        if (fileName.isEmpty())
            return false;
    }
    // The folder of the template that was current before this load, not of the loaded one.
    app.templateFolder = vlt::folderPart(app.currentTemplatePath);

    readTemplate(fileName, *this);

    app.currentTemplatePath = fileName;
    app.changed = false;
    return true;
}

bool cls_Class::SAVE(AppState& app, const QString& pFile) {
    QString fileName = pFile;
    if (fileName.isEmpty()) {
        fileName = app.currentTemplatePath;
        if (fileName.isEmpty())
            fileName = app.templateFolder + CLASSNAME + kTemplateExtension;
        fileName = app.ui.saveFileDialog({fileName, QStringLiteral("Klassenvorlage speichern"),
                                          kTemplateFilter, 1, kTemplateExtension});
        if (fileName.isEmpty())
            return false;
    }
    app.templateFolder = vlt::folderPart(fileName);

    writeTemplate(fileName, *this);

    app.currentTemplatePath = fileName;
    app.changed = false;
    return true;
}
