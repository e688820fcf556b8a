#pragma once

#include "Members.h"

#include "corelib/Data.h"

#include <QString>
#include <memory>

// The class template: everything the generator needs to write one class module.
class cls_Class : public vlt::tmp_Data, public vlt::DataEvents {
public:
    cls_Class();

    // Created on first access.
    cls_Members& MEMBERS();
    bool hasMembers() const { return m_members != nullptr; }

    QString CLASSNAME;
    QString PROJECT;
    QString FILENAME;
    QString AUTHOR;
    QString COPYRIGHT;
    QString BUILD;
    QString DESCRIPTION;
    QString COMPILED;
    QString CUSTOM;
    QString DATABASE_TYPE;
    bool DATABASE_ADVANCED = false;
    bool DATABASE_LOCK = false;
    bool DATA_PARENT = false;
    bool DATA_LOADSAVE = false;
    bool DATA_LOCK = false;
    bool DATA_EDITOR = false;
    vlt::int_Data DATA;

    vlt::int_Data& tmp_Data_DATA() override { return DATA; }

    void DATA_DataCopy(vlt::tmp_Data& pOther, bool& pcDone) override;
    void DATA_DataPACK(QString& pcPackage) override;
    void DATA_DataUnpack(QString& prPackage) override;
    void DATA_DataStore(vlt::tmp_FileIO& pFile) override;
    void DATA_DataRead(vlt::tmp_FileIO& pFile) override;
    void DATA_DataSpawn(std::shared_ptr<vlt::tmp_Data>& pcNewInstance) override;

private:
    friend void readTemplate(const QString& path, cls_Class& tpl);

    void takeReadContents(cls_Class& scratch);

    std::shared_ptr<cls_Members> m_members;
};
