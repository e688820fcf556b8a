#pragma once

class cls_Class;

namespace gen {

// What a template's options switch on in its module, decided once, in one place, for the
// generator and the checks alike.
struct Switches {
    bool database = false;            // an item type is given: the database interface
    bool collectionFunctions = false; // ITEM ... CREATE: need the database interface
    bool lockFunctions = false;       // LOCKSTATE, LOCKSET, LOCKRELEASE: need it too
    bool fileFunctions = false;       // LOAD, SAVE
    bool editor = false;              // DLGLOAD, DLGSAVE
    bool parent = false;              // hParent
    bool lockMembers = false;         // LOCKID, LOCKED after the members
};

Switches switchesOf(const cls_Class& tpl);

} // namespace gen
