#include "Database.h"

namespace vlt {

qint32 int_Database::COUNT() {
    qint32 count = 0;
    m_owner.DATABASE_DatabaseCount(count);
    return count;
}

qint32 int_Database::position(const Variant& pID, bool pForceIndex) {
    if (pForceIndex)
        return pID.toLong();
    qint32 found = 0;
    m_owner.DATABASE_DatabaseSEARCH(found, pID);
    return found;
}

std::shared_ptr<tmp_Data> int_Database::ITEM(const Variant& pID, bool pForceIndex) {
    const qint32 index = position(pID, pForceIndex);
    std::shared_ptr<tmp_Data> item;
    if (pForceIndex || index > 0)
        m_owner.DATABASE_DatabaseITEM(item, index);
    return item;
}

std::shared_ptr<tmp_Data> int_Database::ITEMOBJ(const Variant& pID, bool pForceIndex) {
    const qint32 index = position(pID, pForceIndex);
    std::shared_ptr<tmp_Data> item;
    if (pForceIndex || index > 0)
        m_owner.DATABASE_DatabaseItemObj(item, index);
    return item;
}

bool int_Database::EXISTS(const Variant& pID) {
    return position(pID, false) > 0;
}

void int_Database::ADD(std::shared_ptr<tmp_Data> pEntry, const Variant& pID) {
    m_owner.DATABASE_DatabaseImport(std::move(pEntry), pID);
}

bool int_Database::REMOVE(const Variant& pID, bool pForceIndex) {
    const qint32 index = position(pID, pForceIndex);
    if (!pForceIndex && index == 0)
        return false;
    m_owner.DATABASE_DatabaseREMOVE(index);
    return true;
}

void int_Database::CLEAR() {
    m_owner.DATABASE_DatabaseClear();
}

} // namespace vlt
