#pragma once

#include "corelib/Data.h"
#include "corelib/VString.h"

#include <QMetaType>

Q_DECLARE_METATYPE(vlt::Variant)

// The smallest record with a data object: one text, packed on its own.
class TestRecord : public vlt::tmp_Data, public vlt::DataEvents {
public:
    explicit TestRecord(QString text = QString()) : TEXT(std::move(text)), DATA(*this) {}

    QString TEXT;
    vlt::int_Data DATA;

    vlt::int_Data& tmp_Data_DATA() override { return DATA; }
    void DATA_DataCopy(vlt::tmp_Data&, bool&) override {}
    void DATA_DataPACK(QString& pcPackage) override { pcPackage = vlt::VSTRING.PACK.PACK({TEXT}); }
    void DATA_DataUnpack(QString& prPackage) override {
        vlt::VSTRING.PACK.UNPACK(prPackage, {&TEXT});
    }
    void DATA_DataStore(vlt::tmp_FileIO&) override {}
    void DATA_DataRead(vlt::tmp_FileIO&) override {}
    void DATA_DataSpawn(std::shared_ptr<vlt::tmp_Data>& pcNewInstance) override {
        pcNewInstance = std::make_shared<TestRecord>();
    }
};
