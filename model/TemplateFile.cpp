#include "TemplateFile.h"

#include "Class.h"
#include "ClassFields.h"

#include "corelib/Error.h"
#include "corelib/File.h"

namespace {

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
    copyFields(kClassFields, scratch, tpl);
    readFile(scratch, path);
    tpl.takeReadContents(scratch);
}

void writeTemplate(const QString& path, cls_Class& tpl) {
    vlt::cls_File file;
    file.OPENURL(path, vlt::ID_FileOpen_Output, QString());
    tpl.DATA.STORE(file);
    file.CLOSEURL();
}
