// Name clashes: two members with one name, and members named like what the module declares,
// declares locally or calls.
#include "CheckRules.h"

#include "UpperWords.h"

#include "corelib/HostText.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace gen::checks {
namespace {

// How a clash with a generated name hurts.
enum class Clash {
    Declared, // the module declares the name itself: a duplicate declaration
    Called,   // the generated code calls a function or object of that name: the member hides it
    Local     // a generated procedure declares it locally: the member is hidden there
};

struct GeneratedName {
    const char* name;
    bool Switches::*when; // the switch that makes the generator write it; null: always
    Clash clash;
    const char* where;
};

// Every name the generator writes, with the switch that writes it.
constexpr GeneratedName kGeneratedNames[] = {
    {"DATA", nullptr, Clash::Declared, "die Schnittstellen"},
    {"Class_Initialize", nullptr, Clash::Declared, "Class_Initialize"},
    {"tmp_Data_DATA", nullptr, Clash::Declared, "die Datenschnittstelle"},
    {"DATA_DataCopy", nullptr, Clash::Declared, "die Datenschnittstelle"},
    {"DATA_DataPACK", nullptr, Clash::Declared, "die Datenschnittstelle"},
    {"DATA_DataUnpack", nullptr, Clash::Declared, "die Datenschnittstelle"},
    {"DATA_DataStore", nullptr, Clash::Declared, "die Datenschnittstelle"},
    {"DATA_DataRead", nullptr, Clash::Declared, "die Datenschnittstelle"},
    {"DATA_DataSpawn", nullptr, Clash::Declared, "die Datenschnittstelle"},
    {"DATABASE", &Switches::database, Clash::Declared, "die Schnittstellen"},
    {"vItem", &Switches::database, Clash::Declared, "die internen Mitglieder"},
    {"tmp_Database_DATABASE", &Switches::database, Clash::Declared, "die Datenbankschnittstelle"},
    {"DATABASE_DatabaseClear", &Switches::database, Clash::Declared, "die Datenbankschnittstelle"},
    {"DATABASE_DatabaseCount", &Switches::database, Clash::Declared, "die Datenbankschnittstelle"},
    {"DATABASE_DatabaseImport", &Switches::database, Clash::Declared, "die Datenbankschnittstelle"},
    {"DATABASE_DatabaseItem", &Switches::database, Clash::Declared, "die Datenbankschnittstelle"},
    {"DATABASE_DatabaseItemObj", &Switches::database, Clash::Declared,
     "die Datenbankschnittstelle"},
    {"DATABASE_DatabaseRemove", &Switches::database, Clash::Declared, "die Datenbankschnittstelle"},
    {"DATABASE_DatabaseSearch", &Switches::database, Clash::Declared, "die Datenbankschnittstelle"},
    {"hParent", &Switches::parent, Clash::Declared, "das hParent-Interface"},
    {"LOCKID", &Switches::lockMembers, Clash::Declared, "die Satzsperrung der Datenklasse"},
    {"LOCKED", &Switches::lockMembers, Clash::Declared, "die Satzsperrung der Datenklasse"},
    {"LOCKSTATE", &Switches::lockFunctions, Clash::Declared, "die Satzsperrung der Datenbank"},
    {"LOCKSET", &Switches::lockFunctions, Clash::Declared, "die Satzsperrung der Datenbank"},
    {"LOCKRELEASE", &Switches::lockFunctions, Clash::Declared, "die Satzsperrung der Datenbank"},
    {"ITEM", &Switches::collectionFunctions, Clash::Declared, "das direkte Interface"},
    {"EXISTS", &Switches::collectionFunctions, Clash::Declared, "das direkte Interface"},
    {"COUNT", &Switches::collectionFunctions, Clash::Declared, "das direkte Interface"},
    {"REMOVE", &Switches::collectionFunctions, Clash::Declared, "das direkte Interface"},
    {"ADD", &Switches::collectionFunctions, Clash::Declared, "das direkte Interface"},
    {"CREATE", &Switches::collectionFunctions, Clash::Declared, "das direkte Interface"},
    {"LOAD", &Switches::fileFunctions, Clash::Declared, "die Dateifunktionen"},
    {"SAVE", &Switches::fileFunctions, Clash::Declared, "die Dateifunktionen"},
    {"DLGLOAD", &Switches::editor, Clash::Declared, "die Editor-Prozeduren"},
    {"DLGSAVE", &Switches::editor, Clash::Declared, "die Editor-Prozeduren"},
    {"App", nullptr, Clash::Called, "Class_Initialize"},
    {"TypeName", nullptr, Clash::Called, "Class_Initialize"},
    {"VSTRING", nullptr, Clash::Called, "DATA_DataPACK"},
    {"int_Data", nullptr, Clash::Called, "die Schnittstellen"},
    {"tmp_Data", nullptr, Clash::Called, "die Schnittstellen"},
    {"tmp_FileIO", nullptr, Clash::Called, "DATA_DataStore"},
    {"int_Database", &Switches::database, Clash::Called, "die Schnittstellen"},
    {"tmp_Database", &Switches::database, Clash::Called, "die Schnittstellen"},
    {"UCase", &Switches::database, Clash::Called, "DATABASE_DatabaseSearch"},
    {"Trim", &Switches::database, Clash::Called, "DATABASE_DatabaseSearch"},
    {"VarType", &Switches::database, Clash::Called, "DATABASE_DatabaseSearch"},
    {"vbString", &Switches::database, Clash::Called, "DATABASE_DatabaseSearch"},
    {"cls_File", &Switches::fileFunctions, Clash::Called, "LOAD und SAVE"},
    {"ID_FileOpen_Input", &Switches::fileFunctions, Clash::Called, "LOAD"},
    {"ID_FileOpen_Output", &Switches::fileFunctions, Clash::Called, "SAVE"},
    {"cStr", &Switches::editor, Clash::Called, "DLGLOAD"},
    {"TLX_MATH", &Switches::editor, Clash::Called, "DLGSAVE"},
    {"pOther", nullptr, Clash::Local, "DATA_DataCopy"},
    {"pcDone", nullptr, Clash::Local, "DATA_DataCopy"},
    {"vOther", nullptr, Clash::Local, "DATA_DataCopy"},
    {"pcPackage", nullptr, Clash::Local, "DATA_DataPACK"},
    {"prPackage", nullptr, Clash::Local, "DATA_DataUnpack"},
    {"vMyID", nullptr, Clash::Local, "DATA_DataUnpack"},
    {"pFile", nullptr, Clash::Local, "DATA_DataStore und DATA_DataRead"},
    {"vVersion", nullptr, Clash::Local, "DATA_DataRead"},
    {"pcNewInstance", nullptr, Clash::Local, "DATA_DataSpawn"},
    {"pNewValue", nullptr, Clash::Local, "der ID-Eigenschaft"},
    {"vI", &Switches::database, Clash::Local, "der Datenschnittstelle"},
    {"vCount", &Switches::database, Clash::Local, "DATA_DataRead"},
    {"ID", &Switches::database, Clash::Local, "der Datenbankschnittstelle"},
    {"I", &Switches::database, Clash::Local, "DATABASE_DatabaseSearch"},
    {"pID", &Switches::collectionFunctions, Clash::Local, "dem direkten Interface"},
    {"pEntry", &Switches::collectionFunctions, Clash::Local, "ADD"},
    {"vEntry", &Switches::collectionFunctions, Clash::Local, "CREATE"},
    {"pPW", &Switches::fileFunctions, Clash::Local, "LOAD und SAVE"},
    {"vAcc", &Switches::fileFunctions, Clash::Local, "LOAD und SAVE"},
    {"pDialog", &Switches::editor, Clash::Local, "den Editor-Prozeduren"}};

bool isWritten(const GeneratedName& generated, const Switches& switches) {
    return generated.when == nullptr || switches.*generated.when;
}

void reportClash(const Report& report, const GeneratedName& generated) {
    const QString name = QLatin1String(generated.name);
    const QString where = QLatin1String(generated.where);
    switch (generated.clash) {
    case Clash::Declared:
        report.error(QStringLiteral("\"%1\" ist schon ein Name des Moduls (%2)").arg(name, where));
        break;
    case Clash::Called:
        report.error(QStringLiteral("\"%1\" verdeckt das gleichnamige \"%1\", das %2 aufruft")
                         .arg(name, where));
        break;
    case Clash::Local:
        report.warning(QStringLiteral("\"%1\" wird in %2 von einer gleichnamigen lokalen "
                                      "Variablen verdeckt")
                           .arg(name, where));
        break;
    }
}

// DATA_DataUnpack numbers one package variable per object member.
bool isPackageVariable(QStringView name) {
    const QLatin1StringView prefix("VPACKAGE");
    return name.size() > prefix.size() && vlt::upperEquals(name.first(prefix.size()), prefix) &&
           std::all_of(name.begin() + prefix.size(), name.end(),
                       [](QChar unit) { return unit >= u'0' && unit <= u'9'; });
}

const UpperWords& generatedNames() {
    static const UpperWords kIndex = [] {
        std::vector<const char*> names;
        for (const GeneratedName& generated : kGeneratedNames)
            names.push_back(generated.name);
        return UpperWords(names);
    }();
    return kIndex;
}

void checkGeneratedNames(const Report& report, QStringView name, quint32 upperHash,
                         const Switches& switches) {
    const int match = generatedNames().indexOf(name, upperHash);
    if (match >= 0 && isWritten(kGeneratedNames[match], switches))
        reportClash(report, kGeneratedNames[match]);
    if (isPackageVariable(name))
        reportClash(report, {"vPackage", nullptr, Clash::Local, "DATA_DataUnpack"});
}

// The members of one hash group, a name and its first two positions for each distinct name
// in it. Apart from hash collisions a group holds one name.
struct SameName {
    QStringView name;
    int first = 0;
    int second = 0;
};

QStringView trimmedName(MemberList members, int position) {
    return vlt::trimBlanks(members[static_cast<std::size_t>(position) - 1]->MNAME);
}

SameName& sameNameOf(std::vector<SameName>& names, QStringView name) {
    for (SameName& same : names)
        if (vlt::upperEquals(same.name, name))
            return same;
    return names.emplace_back(SameName{name});
}

// Keys are the name's hash above its position, sorted: a group is one hash, positions ascending.
int positionOf(quint64 key) {
    return static_cast<int>(key & 0xFFFFFFFFu);
}

void indexGroup(MemberList members, std::span<const quint64> group,
                vlt::BulkVector<int>& firstOther) {
    std::vector<SameName> names;
    for (const quint64 key : group) {
        const int position = positionOf(key);
        SameName& same = sameNameOf(names, trimmedName(members, position));
        if (same.first == 0)
            same.first = position;
        else if (same.second == 0)
            same.second = position;
    }
    for (const quint64 key : group) {
        const int position = positionOf(key);
        const SameName& same = sameNameOf(names, trimmedName(members, position));
        firstOther[static_cast<std::size_t>(position) - 1] =
            same.first != position ? same.first : same.second;
    }
}

// Orders the keys by hash and keeps the positions of one hash in order: three stable counting
// passes over 11 bits each, linear in the number of members.
void sortByHash(vlt::BulkVector<quint64>& keys) {
    constexpr int kBits = 11;
    constexpr quint64 kMask = (1u << kBits) - 1;
    vlt::BulkVector<quint64> sorted(keys.size());
    for (int shift = 32; shift < 64; shift += kBits) {
        std::array<std::size_t, kMask + 1> starts{};
        for (const quint64 key : keys)
            ++starts[(key >> shift) & kMask];
        std::size_t start = 0;
        for (std::size_t& count : starts)
            start += std::exchange(count, start);
        for (const quint64 key : keys)
            sorted[starts[(key >> shift) & kMask]++] = key;
        keys.swap(sorted);
    }
}

} // namespace

NameIndex indexNames(MemberList members) {
    NameIndex index;
    index.upperHashes.resize(members.size());
    vlt::BulkVector<quint64> keys;
    keys.reserve(members.size());
    for (std::size_t i = 0; i < members.size(); ++i) {
        const QStringView name = vlt::trimBlanks(members[i]->MNAME);
        index.upperHashes[i] = vlt::upperHash(name);
        if (!name.isEmpty())
            keys.push_back(quint64(index.upperHashes[i]) << 32 | quint64(i + 1));
    }
    sortByHash(keys);
    index.firstOther.assign(members.size(), 0);
    for (auto group = keys.cbegin(); group != keys.cend();) {
        const auto end = std::find_if(group, keys.cend(),
                                      [&](quint64 key) { return key >> 32 != *group >> 32; });
        if (end - group > 1)
            indexGroup(members, std::span<const quint64>(group, end), index.firstOther);
        group = end;
    }
    return index;
}

int firstDataIdOf(MemberList members) {
    for (std::size_t i = 0; i < members.size(); ++i)
        if (members[i]->MDATAID)
            return static_cast<int>(i) + 1;
    return 0;
}

void checkNameClashes(const Report& report, const QString& name, int position,
                      const MemberContext& context) {
    const QStringView trimmed = vlt::trimBlanks(name);
    if (trimmed.isEmpty())
        return;
    const auto at = static_cast<std::size_t>(position) - 1;
    const int firstOther = context.names.firstOther[at];
    if (firstOther > 0)
        report.error(QStringLiteral("\"%1\" steht schon bei Mitglied %2 (VB6 unterscheidet "
                                    "Groß- und Kleinschreibung nicht)")
                         .arg(trimmed.toString())
                         .arg(firstOther));
    checkGeneratedNames(report, trimmed, context.names.upperHashes[at], context.switches);
}

} // namespace gen::checks
