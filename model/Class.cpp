#include "Class.h"
#include "ClassFields.h"

#include "corelib/Error.h"
#include "corelib/FileIO.h"
#include "corelib/Paths.h"
#include "corelib/VString.h"

#include <QDate>

cls_Class::cls_Class() : DATA(*this) {
    const QDate today = QDate::currentDate();
    DATA.ACTIVEX = vlt::executableBaseName() + QStringLiteral(".cls_Class");
    CLASSNAME = QStringLiteral("cls_NoName");
    FILENAME = CLASSNAME + QStringLiteral(".cls");
    PROJECT = QStringLiteral("Veltrane Commonwork 3.0");
    AUTHOR = QStringLiteral("Hal Tremaine");
    COPYRIGHT = QStringLiteral("(c) %1 Veltrane").arg(today.year(), 4, 10, QLatin1Char('0'));
    BUILD = today.toString(QStringLiteral("yyyy-MM-dd"));
    DESCRIPTION = QStringLiteral("Data storage class");
    DATABASE_ADVANCED = true;
}

cls_Members& cls_Class::MEMBERS() {
    if (!m_members)
        m_members = std::make_shared<cls_Members>();
    return *m_members;
}

void cls_Class::DATA_DataCopy(vlt::tmp_Data& pOther, bool& pcDone) {
    auto* other = dynamic_cast<cls_Class*>(&pOther);
    if (!other)
        throw vlt::Error(QStringLiteral("Typen unverträglich: nur eine Klassenvorlage kann in "
                                        "eine Klassenvorlage kopiert werden."));
    MEMBERS().DATA.COPY(other->MEMBERS());
    copyFields(kClassFields, *this, *other);
    pcDone = true;
}

void cls_Class::DATA_DataPACK(QString& pcPackage) {
    pcPackage = vlt::VSTRING.PACK.PACK(
        {MEMBERS().DATA.PACKAGE(), CLASSNAME, PROJECT, FILENAME, AUTHOR, COPYRIGHT, BUILD,
         DESCRIPTION, COMPILED, DATABASE_TYPE, DATABASE_ADVANCED, DATABASE_LOCK, DATA_LOADSAVE,
         DATA_LOCK, DATA_PARENT, DATA_EDITOR, CUSTOM});
}

// The fields go to a scratch record first and the member list changes only as a whole, so a
// damaged package changes nothing.
void cls_Class::DATA_DataUnpack(QString& prPackage) {
    cls_Class scratch;
    QString membersPackage;
    vlt::VSTRING.PACK.UNPACK(
        prPackage, {&membersPackage, &scratch.CLASSNAME, &scratch.PROJECT, &scratch.FILENAME,
                    &scratch.AUTHOR, &scratch.COPYRIGHT, &scratch.BUILD, &scratch.DESCRIPTION,
                    &scratch.COMPILED, &scratch.DATABASE_TYPE, &scratch.DATABASE_ADVANCED,
                    &scratch.DATABASE_LOCK, &scratch.DATA_LOADSAVE, &scratch.DATA_LOCK,
                    &scratch.DATA_PARENT, &scratch.DATA_EDITOR, &scratch.CUSTOM});
    MEMBERS().DATA.setPACKAGE(membersPackage);
    copyFields(kClassFields, *this, scratch);
}

void cls_Class::DATA_DataStore(vlt::tmp_FileIO& pFile) {
    pFile.STORE({versionText(kClassVersion)});
    MEMBERS().DATA.STORE(pFile);
    storeFields(kClassFields, pFile, *this);
}

void cls_Class::DATA_DataRead(vlt::tmp_FileIO& pFile) {
    QStringView text;
    pFile.READ({&text});
    const int version = knownVersion(text, kClassVersion);
    if (version < 0)
        return;
    MEMBERS().DATA.READ(pFile);
    readFields(kClassFields, pFile, *this, version);
}

void cls_Class::DATA_DataSpawn(std::shared_ptr<vlt::tmp_Data>& pcNewInstance) {
    pcNewInstance = std::make_shared<cls_Class>();
}

void cls_Class::takeReadContents(cls_Class& scratch) {
    copyFields(kClassFields, *this, scratch);
    // The scratch record touches its list only when the file's version holds one.
    if (scratch.hasMembers())
        m_members = std::move(scratch.m_members);
}
