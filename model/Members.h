#pragma once

#include "Member.h"

#include "corelib/BulkMemory.h"
#include "corelib/Data.h"
#include "corelib/Database.h"

#include <QString>
#include <memory>
#include <span>
#include <vector>

// The ordered, 1-based member list of a class template.
class cls_Members : public vlt::tmp_Data,
                    public vlt::tmp_Database,
                    public vlt::DataEvents,
                    public vlt::DatabaseEvents {
public:
    cls_Members();

    QString NAME;
    QString AUTHOR;
    QString DESCRIPTION;
    vlt::int_Database DATABASE;
    vlt::int_Data DATA;

    // Write or read the list alone; False on any failure.
    bool SAVE(const QString& pFile, const QString& pPW = QString());
    bool LOAD(const QString& pFile, const QString& pPW = QString());
    qint32 COUNT();
    std::shared_ptr<cls_Member> ITEM(const vlt::Variant& pID, bool pForceIndex = false);
    // The entries in list order, for passes over all of them that change nothing.
    std::span<const std::shared_ptr<cls_Member>> entries() const {
        return std::span(vItem).subspan(1);
    }

    vlt::int_Data& tmp_Data_DATA() override { return DATA; }
    vlt::int_Database& tmp_Database_DATABASE() override { return DATABASE; }

    void DATABASE_DatabaseClear() override;
    void DATABASE_DatabaseCount(qint32& ret) override;
    void DATABASE_DatabaseItemObj(std::shared_ptr<vlt::tmp_Data>& rRet, qint32 pIndex) override;
    void DATABASE_DatabaseITEM(std::shared_ptr<vlt::tmp_Data>& rRet, qint32 pIndex) override;
    void DATABASE_DatabaseSEARCH(qint32& ret, vlt::Variant ID) override;
    void DATABASE_DatabaseREMOVE(qint32 ID) override;
    void DATABASE_DatabaseImport(std::shared_ptr<vlt::tmp_Data> NewEntry,
                                 const vlt::Variant& ID) override;

    void DATA_DataCopy(vlt::tmp_Data& pOther, bool& pcDone) override;
    void DATA_DataPACK(QString& rDATA) override;
    void DATA_DataUnpack(QString& rDATA) override;
    void DATA_DataStore(vlt::tmp_FileIO& pFile) override;
    void DATA_DataRead(vlt::tmp_FileIO& pFile) override;
    void DATA_DataSpawn(std::shared_ptr<vlt::tmp_Data>& pcNewInstance) override;

private:
    std::shared_ptr<cls_Member> entryAt(qint32 position) const;

    // Position 0 is never an entry; the upper bound is the number of entries.
    using MemberSlots = vlt::BulkVector<std::shared_ptr<cls_Member>>;
    MemberSlots vItem;
};
