#include "Member.h"
#include "MemberFields.h"

#include "corelib/Error.h"
#include "corelib/FileIO.h"
#include "corelib/Paths.h"
#include "corelib/VString.h"

cls_Member::cls_Member() : DATA(*this) {
    // Made once and shared: a million members then share one text instead of a million.
    static const QString activeX = vlt::executableBaseName() + QStringLiteral(".cls_Member");
    DATA.ACTIVEX = activeX;
}

void cls_Member::DATA_DataCopy(vlt::tmp_Data& pOther, bool& pcDone) {
    auto* other = dynamic_cast<cls_Member*>(&pOther);
    if (!other)
        throw vlt::Error(QStringLiteral("Typen unverträglich: nur ein Mitglied kann in ein "
                                        "Mitglied kopiert werden."));
    copyFields(kMemberFields, *this, *other);
    pcDone = true;
}

void cls_Member::DATA_DataPACK(QString& pcPackage) {
    pcPackage = vlt::VSTRING.PACK.PACK({MNAME, MTYPE, MPUBLIC, MARRAY, MDATAID, MNOTBOUND, MCHILD});
}

void cls_Member::DATA_DataUnpack(QString& prPackage) {
    vlt::VSTRING.PACK.UNPACK(prPackage,
                             {&MNAME, &MTYPE, &MPUBLIC, &MARRAY, &MDATAID, &MNOTBOUND, &MCHILD});
}

void cls_Member::DATA_DataStore(vlt::tmp_FileIO& pFile) {
    pFile.STORE({versionText(kMemberVersion)});
    storeFields(kMemberFields, pFile, *this);
}

void cls_Member::DATA_DataRead(vlt::tmp_FileIO& pFile) {
    QStringView text;
    pFile.READ({&text});
    const int version = knownVersion(text, kMemberVersion);
    if (version >= 0)
        readFields(kMemberFields, pFile, *this, version);
}

void cls_Member::DATA_DataSpawn(std::shared_ptr<vlt::tmp_Data>& pcNewInstance) {
    pcNewInstance = std::make_shared<cls_Member>();
}
