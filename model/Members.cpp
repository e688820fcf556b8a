#include "Members.h"
#include "MemberBlocks.h"

#include "corelib/Error.h"
#include "corelib/File.h"
#include "corelib/FileIO.h"
#include "corelib/HostText.h"
#include "corelib/Paths.h"
#include "corelib/VString.h"

namespace {

vlt::Error outOfRange(qint32 index) {
    return vlt::Error(
        QStringLiteral("Index außerhalb des gültigen Bereichs: Position %1 gibt es nicht.")
            .arg(index));
}

} // namespace

cls_Members::cls_Members() : DATABASE(*this), DATA(*this) {
    DATA.ACTIVEX = vlt::executableBaseName() + QStringLiteral(".cls_Members");
    vItem.resize(1);
}

qint32 cls_Members::COUNT() {
    return DATABASE.COUNT();
}

std::shared_ptr<cls_Member> cls_Members::ITEM(const vlt::Variant& pID, bool pForceIndex) {
    return std::static_pointer_cast<cls_Member>(DATABASE.ITEM(pID, pForceIndex));
}

std::shared_ptr<cls_Member> cls_Members::entryAt(qint32 position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= vItem.size())
        throw outOfRange(position);
    // Position 0 holds no entry; asking for it yields a fresh member that belongs to no list.
    if (position == 0)
        return std::make_shared<cls_Member>();
    return vItem[static_cast<std::size_t>(position)];
}

void cls_Members::DATABASE_DatabaseClear() {
    vItem.assign(1, nullptr);
}

void cls_Members::DATABASE_DatabaseCount(qint32& ret) {
    ret = static_cast<qint32>(vItem.size() - 1);
}

void cls_Members::DATABASE_DatabaseItemObj(std::shared_ptr<vlt::tmp_Data>& rRet, qint32 pIndex) {
    rRet = entryAt(pIndex);
}

void cls_Members::DATABASE_DatabaseITEM(std::shared_ptr<vlt::tmp_Data>& rRet, qint32 pIndex) {
    rRet = entryAt(pIndex);
}

void cls_Members::DATABASE_DatabaseSEARCH(qint32& ret, vlt::Variant ID) {
    if (const QString* text = ID.textIf())
        ID = vlt::upperCase(vlt::trimBlanks(*text));
    const auto count = static_cast<qint32>(vItem.size() - 1);
    for (qint32 i = 1; i <= count; ++i) {
        const vlt::Variant& entryID = vItem[static_cast<std::size_t>(i)]->DATA.ID;
        const bool match = ID.isText() && entryID.isText()
                               ? vlt::upperCase(vlt::trimBlanks(*entryID.textIf())) == *ID.textIf()
                               : ID == entryID;
        if (match) {
            ret = i;
            return;
        }
    }
    ret = 0;
}

void cls_Members::DATABASE_DatabaseREMOVE(qint32 ID) {
    if (ID < 1 || static_cast<std::size_t>(ID) >= vItem.size())
        throw outOfRange(ID);
    vItem[static_cast<std::size_t>(ID)] = vItem.back();
    vItem.pop_back();
}

void cls_Members::DATABASE_DatabaseImport(std::shared_ptr<vlt::tmp_Data> NewEntry,
                                          const vlt::Variant& ID) {
    auto member = std::dynamic_pointer_cast<cls_Member>(NewEntry);
    if (!member)
        throw vlt::Error(QStringLiteral("Typen unverträglich: die Mitgliederliste nimmt nur "
                                        "Mitglieder auf."));
    vItem.push_back(member);
    if (!ID.isMissing())
        member->DATA.ID = ID;
}

void cls_Members::DATA_DataCopy(vlt::tmp_Data& pOther, bool& pcDone) {
    auto* other = dynamic_cast<cls_Members*>(&pOther);
    if (!other)
        throw vlt::Error(QStringLiteral("Typen unverträglich: nur eine Mitgliederliste kann in "
                                        "eine Mitgliederliste kopiert werden."));
    NAME = other->NAME;
    AUTHOR = other->AUTHOR;
    DESCRIPTION = other->DESCRIPTION;
    const qint32 count = other->DATABASE.COUNT();
    MemberSlots copied(static_cast<std::size_t>(count) + 1);
    for (qint32 i = 1; i <= count; ++i) {
        auto source = other->DATABASE.ITEM(i, true);
        auto entry = std::static_pointer_cast<cls_Member>(source->tmp_Data_DATA().SPAWN());
        entry->DATA.COPY(*source);
        copied[static_cast<std::size_t>(i)] = std::move(entry);
    }
    vItem = std::move(copied);
    pcDone = true;
}

void cls_Members::DATA_DataPACK(QString& rDATA) {
    const vlt::RecordArray items(vItem.begin(), vItem.end());
    rDATA = vlt::VSTRING.PACK.PACK({DATA.ID, NAME, AUTHOR, DESCRIPTION, vlt::RecordArrayIn{items}});
}

// Nothing changes before the whole package has been unpacked.
void cls_Members::DATA_DataUnpack(QString& rDATA) {
    vlt::Variant id;
    QString name;
    QString author;
    QString description;
    vlt::RecordArray items;
    vlt::VSTRING.UNPACK(
        rDATA, {&id, &name, &author, &description,
                vlt::RecordArrayOut{items, [] { return std::make_shared<cls_Member>(); }}});
    MemberSlots unpacked(std::max<std::size_t>(items.size(), 1));
    for (std::size_t i = 1; i < items.size(); ++i) {
        unpacked[i] = std::dynamic_pointer_cast<cls_Member>(items[i]);
        if (!unpacked[i])
            throw vlt::Error(QStringLiteral("Das Paket der Mitgliederliste ist beschädigt: "
                                            "Position %1 enthält kein Mitglied.")
                                 .arg(i));
    }
    vItem = std::move(unpacked);
    NAME = name;
    AUTHOR = author;
    DESCRIPTION = description;
    DATA.ID = id;
}

void cls_Members::DATA_DataStore(vlt::tmp_FileIO& pFile) {
    pFile.STORE({DATA.ID, NAME, AUTHOR, DESCRIPTION});
    const auto count = static_cast<qint32>(vItem.size() - 1);
    pFile.STORE({count});
    for (qint32 i = 1; i <= count; ++i)
        vItem[static_cast<std::size_t>(i)]->DATA.STORE(pFile);
}

void cls_Members::DATA_DataRead(vlt::tmp_FileIO& pFile) {
    vlt::Variant id;
    QString name;
    QString author;
    QString description;
    pFile.READ({&id, &name, &author, &description});
    qint32 count = 0;
    pFile.READ({&count});
    if (count < 0)
        throw vlt::Error(QStringLiteral("Die Mitgliederliste ist beschädigt: die Anzahl %1 ist "
                                        "negativ.")
                             .arg(count));
    MemberSlots read(1);
    MemberBlocks made;
    // Grow entry by entry: a damaged count runs into the end of the file, not out of memory.
    for (qint32 i = 1; i <= count; ++i) {
        auto entry = made.make();
        entry->DATA.READ(pFile);
        read.push_back(std::move(entry));
    }
    vItem = std::move(read);
    NAME = name;
    AUTHOR = author;
    DESCRIPTION = description;
    DATA.ID = id;
}

void cls_Members::DATA_DataSpawn(std::shared_ptr<vlt::tmp_Data>& pcNewInstance) {
    pcNewInstance = std::make_shared<cls_Members>();
}

bool cls_Members::SAVE(const QString& pFile, const QString& pPW) {
    try {
        vlt::cls_File file;
        file.OPENURL(pFile, vlt::ID_FileOpen_Output, pPW);
        DATA.STORE(file);
        file.CLOSEURL();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// Read into a scratch list: the file is only known to be sound once CLOSEURL has checked the
// lines after the last member.
bool cls_Members::LOAD(const QString& pFile, const QString& pPW) {
    try {
        vlt::cls_File file;
        file.OPENURL(pFile, vlt::ID_FileOpen_Input, pPW);
        cls_Members read;
        read.DATA.READ(file);
        file.CLOSEURL();
        vItem = std::move(read.vItem);
        NAME = read.NAME;
        AUTHOR = read.AUTHOR;
        DESCRIPTION = read.DESCRIPTION;
        DATA.ID = read.DATA.ID;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
