#pragma once

#include "Variant.h"

#include <QString>
#include <memory>

namespace vlt {

class int_Data;
class tmp_FileIO;

// A record that takes part in the data interface: the core layer reaches it only through
// the data object it hands out here.
class tmp_Data {
public:
    virtual ~tmp_Data() = default;
    virtual int_Data& tmp_Data_DATA() = 0;
};

// The events a data object raises on its owner.
class DataEvents {
public:
    virtual void DATA_DataCopy(tmp_Data& pOther, bool& pcDone) = 0;
    virtual void DATA_DataPACK(QString& pcPackage) = 0;
    virtual void DATA_DataUnpack(QString& prPackage) = 0;
    virtual void DATA_DataStore(tmp_FileIO& pFile) = 0;
    virtual void DATA_DataRead(tmp_FileIO& pFile) = 0;
    virtual void DATA_DataSpawn(std::shared_ptr<tmp_Data>& pcNewInstance) = 0;

protected:
    ~DataEvents() = default;
};

// The data object behind a record. The record owns it; it only refers back to its owner,
// so it never keeps the owner alive.
class int_Data {
public:
    explicit int_Data(DataEvents& owner) : m_owner(owner) {}
    int_Data(const int_Data&) = delete;
    int_Data& operator=(const int_Data&) = delete;

    Variant ID;
    QString ACTIVEX;

    QString PACKAGE();                 // raises DataPACK
    void setPACKAGE(QString package);  // raises DataUnpack
    void STORE(tmp_FileIO& file);      // raises DataStore
    void READ(tmp_FileIO& file);       // raises DataRead
    void COPY(tmp_Data& other);        // raises DataCopy; an unhandled copy is an error
    std::shared_ptr<tmp_Data> SPAWN(); // raises DataSpawn

private:
    DataEvents& m_owner;
};

} // namespace vlt
