#include "Class.h"

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
    copyFields(*other);
    pcDone = true;
}

void cls_Class::copyFields(const cls_Class& other) {
    CLASSNAME = other.CLASSNAME;
    PROJECT = other.PROJECT;
    FILENAME = other.FILENAME;
    AUTHOR = other.AUTHOR;
    COPYRIGHT = other.COPYRIGHT;
    BUILD = other.BUILD;
    DESCRIPTION = other.DESCRIPTION;
    COMPILED = other.COMPILED;
    DATABASE_TYPE = other.DATABASE_TYPE;
    DATABASE_ADVANCED = other.DATABASE_ADVANCED;
    DATABASE_LOCK = other.DATABASE_LOCK;
    DATA_LOADSAVE = other.DATA_LOADSAVE;
    DATA_LOCK = other.DATA_LOCK;
    DATA_PARENT = other.DATA_PARENT;
    DATA_EDITOR = other.DATA_EDITOR;
    CUSTOM = other.CUSTOM;
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
    copyFields(scratch);
}

void cls_Class::DATA_DataStore(vlt::tmp_FileIO& pFile) {
    pFile.STORE({QStringLiteral("1.3")});
    MEMBERS().DATA.STORE(pFile);
    pFile.STORE({CLASSNAME});
    pFile.STORE({PROJECT});
    pFile.STORE({FILENAME});
    pFile.STORE({AUTHOR});
    pFile.STORE({COPYRIGHT});
    pFile.STORE({BUILD});
    pFile.STORE({DESCRIPTION});
    pFile.STORE({COMPILED});
    pFile.STORE({DATABASE_TYPE});
    pFile.STORE({DATABASE_ADVANCED});
    pFile.STORE({DATABASE_LOCK});
    pFile.STORE({DATA_LOADSAVE});
    pFile.STORE({DATA_LOCK});
    pFile.STORE({DATA_EDITOR});
    pFile.STORE({CUSTOM});
    pFile.STORE({DATA_PARENT});
}

void cls_Class::DATA_DataRead(vlt::tmp_FileIO& pFile) {
    QString version;
    pFile.READ({&version});
    static const QStringList known{QStringLiteral("1.0"), QStringLiteral("1.1"),
                                   QStringLiteral("1.2"), QStringLiteral("1.3")};
    if (!known.contains(version))
        return;
    MEMBERS().DATA.READ(pFile);
    readFields(pFile, version);
}

// The fields after the member list, as each version wrote them.
void cls_Class::readFields(vlt::tmp_FileIO& pFile, const QString& version) {
    const bool v10 = version == QLatin1String("1.0");
    pFile.READ({&CLASSNAME});
    pFile.READ({&PROJECT});
    pFile.READ({&FILENAME});
    pFile.READ({&AUTHOR});
    pFile.READ({&COPYRIGHT});
    pFile.READ({&BUILD});
    pFile.READ({&DESCRIPTION});
    if (!v10)
        pFile.READ({&COMPILED});
    pFile.READ({&DATABASE_TYPE});
    pFile.READ({&DATABASE_ADVANCED});
    if (v10)
        return;
    pFile.READ({&DATABASE_LOCK});
    pFile.READ({&DATA_LOADSAVE});
    pFile.READ({&DATA_LOCK});
    pFile.READ({&DATA_EDITOR});
    if (version == QLatin1String("1.1"))
        return;
    pFile.READ({&CUSTOM});
    if (version == QLatin1String("1.2"))
        return;
    pFile.READ({&DATA_PARENT});
}

void cls_Class::DATA_DataSpawn(std::shared_ptr<vlt::tmp_Data>& pcNewInstance) {
    pcNewInstance = std::make_shared<cls_Class>();
}

void cls_Class::takeReadContents(cls_Class& scratch) {
    copyFields(scratch);
    // The scratch record touches its list only when the file's version holds one.
    if (scratch.hasMembers())
        m_members = std::move(scratch.m_members);
}
