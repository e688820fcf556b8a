#include "Member.h"

#include "corelib/Error.h"
#include "corelib/FileIO.h"
#include "corelib/Paths.h"
#include "corelib/VString.h"

using vlt::ReadTarget;

cls_Member::cls_Member() : DATA(*this) {
    // Made once and shared: a million members then share one text instead of a million.
    static const QString activeX = vlt::executableBaseName() + QStringLiteral(".cls_Member");
    DATA.ACTIVEX = activeX;
    MPUBLIC = true;
    MTYPE = QStringLiteral("String");
}

void cls_Member::DATA_DataCopy(vlt::tmp_Data& pOther, bool& pcDone) {
    auto* other = dynamic_cast<cls_Member*>(&pOther);
    if (!other)
        throw vlt::Error(QStringLiteral("Typen unverträglich: nur ein Mitglied kann in ein "
                                        "Mitglied kopiert werden."));
    MNAME = other->MNAME;
    MTYPE = other->MTYPE;
    MPUBLIC = other->MPUBLIC;
    MARRAY = other->MARRAY;
    MDATAID = other->MDATAID;
    MNOTBOUND = other->MNOTBOUND;
    MCHILD = other->MCHILD;
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
    pFile.STORE({QStringLiteral("1.2")});
    pFile.STORE({MNAME});
    pFile.STORE({MTYPE});
    pFile.STORE({MPUBLIC});
    pFile.STORE({MARRAY});
    pFile.STORE({MDATAID});
    pFile.STORE({MNOTBOUND});
    pFile.STORE({MCHILD});
}

void cls_Member::DATA_DataRead(vlt::tmp_FileIO& pFile) {
    QString version;
    pFile.READ({&version});
    const bool v10 = version == QLatin1String("1.0");
    const bool v11 = version == QLatin1String("1.1");
    const bool v12 = version == QLatin1String("1.2");
    if (!(v10 || v11 || v12))
        return;
    pFile.READ({&MNAME});
    pFile.READ({&MTYPE});
    pFile.READ({&MPUBLIC});
    pFile.READ({&MARRAY});
    if (v10)
        return;
    pFile.READ({&MDATAID});
    pFile.READ({&MNOTBOUND});
    if (v11)
        return;
    pFile.READ({&MCHILD});
}

void cls_Member::DATA_DataSpawn(std::shared_ptr<vlt::tmp_Data>& pcNewInstance) {
    pcNewInstance = std::make_shared<cls_Member>();
}
