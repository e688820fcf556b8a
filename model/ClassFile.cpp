// cls_Class.LOAD and SAVE: the template's own file operations with their dialogs.
#include "AppState.h"
#include "Class.h"

#include "corelib/File.h"
#include "corelib/Paths.h"

namespace {

const QString kTemplateFilter = QStringLiteral("Klassenvorlage|*.vlt-ctf");
const QString kTemplateExtension = QStringLiteral(".vlt-ctf");

} // namespace

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

    // Read into a scratch record so that a file that cannot be read completely changes nothing;
    // it starts with this template's fields, which an older version leaves as they were.
    cls_Class scratch;
    scratch.copyFields(*this);
    vlt::cls_File file;
    file.OPENURL(fileName, vlt::ID_FileOpen_Input, QString());
    scratch.DATA.READ(file);
    file.CLOSEURL();
    takeReadContents(scratch);

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

    vlt::cls_File file;
    file.OPENURL(fileName, vlt::ID_FileOpen_Output, QString());
    DATA.STORE(file);
    file.CLOSEURL();

    app.currentTemplatePath = fileName;
    app.changed = false;
    return true;
}
