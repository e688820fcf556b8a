#include "TemplateFile.h"

#include "Class.h"
#include "ClassFields.h"
#include "MemberFields.h"

#include "corelib/Error.h"
#include "corelib/File.h"

namespace {

// The line of the member count: after the header, the template's version and the list's four
// values.
constexpr int kMemberCountLine = 7;

// The member records that follow the count: each starts with a member version the program knows.
qint32 memberRecordsAfterCount(vlt::cls_File& file) {
    qint32 records = 0;
    for (;;) {
        const vlt::Variant version = file.READFNC();
        const int known = version.textIf() ? knownVersion(*version.textIf(), kMemberVersion) : -1;
        if (known < 0)
            return records;
        for (const MemberField& field : kMemberFields)
            if (field.since <= known)
                file.READFNC();
        ++records;
    }
}

// A count that does not match the records makes every later value land in the wrong field, and
// the first one of the wrong kind is what the read stops at. Names the count instead; nothing when
// the count matches or the file cannot tell.
QString countMismatch(const QString& fileName) {
    try {
        vlt::cls_File file;
        file.OPENURL(fileName, vlt::ID_FileOpen_Input, QString());
        QStringView version;
        file.READ({&version});
        if (knownVersion(version, kClassVersion) < 0)
            return QString();
        vlt::Variant listValue;
        file.READ({&listValue, &listValue, &listValue, &listValue});
        qint32 count = 0;
        file.READ({&count});
        const qint32 records = memberRecordsAfterCount(file);
        if (records == count)
            return QString();
        return QStringLiteral("Die Datei \"%1\" ist beschädigt: Zeile %2 nennt %3 Mitglieder, es "
                              "folgen aber %4.")
            .arg(fileName)
            .arg(kMemberCountLine)
            .arg(count)
            .arg(records);
    } catch (const vlt::Error&) {
        return QString();
    }
}

// The records' own checks do not know the file; the user must learn which one failed.
void readFile(cls_Class& target, const QString& fileName) {
    vlt::cls_File file;
    file.OPENURL(fileName, vlt::ID_FileOpen_Input, QString());
    try {
        target.DATA.READ(file);
    } catch (const vlt::Error& error) {
        if (const QString mismatch = countMismatch(fileName); !mismatch.isEmpty())
            throw vlt::Error(mismatch);
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
