#pragma once

#include "corelib/Data.h"

#include <QString>

// One member of a class template: a name, a type and five flags.
class cls_Member : public vlt::tmp_Data, public vlt::DataEvents {
public:
    cls_Member();

    QString MNAME;
    QString MTYPE = QStringLiteral("String");
    bool MPUBLIC = true;
    bool MARRAY = false;
    bool MDATAID = false;
    bool MNOTBOUND = false;
    bool MCHILD = false;
    vlt::int_Data DATA;

    vlt::int_Data& tmp_Data_DATA() override { return DATA; }

    void DATA_DataCopy(vlt::tmp_Data& pOther, bool& pcDone) override;
    void DATA_DataPACK(QString& pcPackage) override;
    void DATA_DataUnpack(QString& prPackage) override;
    void DATA_DataStore(vlt::tmp_FileIO& pFile) override;
    void DATA_DataRead(vlt::tmp_FileIO& pFile) override;
    void DATA_DataSpawn(std::shared_ptr<vlt::tmp_Data>& pcNewInstance) override;
};
