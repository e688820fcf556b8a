#pragma once

#include "Data.h"
#include "Variant.h"

#include <memory>

namespace vlt {

class int_Database;

// A collection that takes part in the database interface.
class tmp_Database {
public:
    virtual ~tmp_Database() = default;
    virtual int_Database& tmp_Database_DATABASE() = 0;
};

// The procedures a database object calls on its owner; positions are 1-based.
class DatabaseEvents {
public:
    virtual void DATABASE_DatabaseClear() = 0;
    virtual void DATABASE_DatabaseCount(qint32& ret) = 0;
    virtual void DATABASE_DatabaseItemObj(std::shared_ptr<tmp_Data>& rRet, qint32 pIndex) = 0;
    virtual void DATABASE_DatabaseITEM(std::shared_ptr<tmp_Data>& rRet, qint32 pIndex) = 0;
    virtual void DATABASE_DatabaseSEARCH(qint32& ret, Variant ID) = 0;
    virtual void DATABASE_DatabaseREMOVE(qint32 ID) = 0;
    virtual void DATABASE_DatabaseImport(std::shared_ptr<tmp_Data> NewEntry, const Variant& ID) = 0;

protected:
    ~DatabaseEvents() = default;
};

// The database object behind a collection. pForceIndex True takes pID as a position;
// otherwise pID is an identifier that the owner's search turns into a position.
class int_Database {
public:
    explicit int_Database(DatabaseEvents& owner) : m_owner(owner) {}
    int_Database(const int_Database&) = delete;
    int_Database& operator=(const int_Database&) = delete;

    qint32 COUNT();
    // Default member. Null when an identifier is not found.
    std::shared_ptr<tmp_Data> ITEM(const Variant& pID, bool pForceIndex = false);
    std::shared_ptr<tmp_Data> operator()(const Variant& pID, bool pForceIndex = false) {
        return ITEM(pID, pForceIndex);
    }
    std::shared_ptr<tmp_Data> ITEMOBJ(const Variant& pID, bool pForceIndex = false);
    bool EXISTS(const Variant& pID);
    void ADD(std::shared_ptr<tmp_Data> pEntry, const Variant& pID = Variant::missing());
    // False when an identifier is not found; a position out of range is the owner's error.
    bool REMOVE(const Variant& pID, bool pForceIndex = false);
    void CLEAR();

private:
    qint32 position(const Variant& pID, bool pForceIndex);

    DatabaseEvents& m_owner;
};

} // namespace vlt
