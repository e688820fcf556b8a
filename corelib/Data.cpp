#include "Data.h"

#include "Error.h"

namespace vlt {

QString int_Data::PACKAGE() {
    QString package;
    m_owner.DATA_DataPACK(package);
    return package;
}

void int_Data::setPACKAGE(QString package) {
    m_owner.DATA_DataUnpack(package);
}

void int_Data::STORE(tmp_FileIO& file) {
    m_owner.DATA_DataStore(file);
}

void int_Data::READ(tmp_FileIO& file) {
    m_owner.DATA_DataRead(file);
}

void int_Data::COPY(tmp_Data& other) {
    bool done = false;
    m_owner.DATA_DataCopy(other, done);
    if (!done)
        throw Error(QStringLiteral("Das Objekt \"%1\" kann nicht kopiert werden.").arg(ACTIVEX));
}

std::shared_ptr<tmp_Data> int_Data::SPAWN() {
    std::shared_ptr<tmp_Data> instance;
    m_owner.DATA_DataSpawn(instance);
    if (!instance)
        throw Error(
            QStringLiteral("Das Objekt \"%1\" kann keine neue Instanz erzeugen.").arg(ACTIVEX));
    return instance;
}

} // namespace vlt
