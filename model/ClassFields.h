#pragma once

#include "Class.h"
#include "RecordFields.h"

#include <array>

using ClassField = RecordField<cls_Class>;

// The template's text and option fields in file order. The package keeps its own order
// (cls_Class::DATA_DataPACK).
inline constexpr std::array<ClassField, 16> kClassFields{{
    {"CLASSNAME", &cls_Class::CLASSNAME, 0},
    {"PROJECT", &cls_Class::PROJECT, 0},
    {"FILENAME", &cls_Class::FILENAME, 0},
    {"AUTHOR", &cls_Class::AUTHOR, 0},
    {"COPYRIGHT", &cls_Class::COPYRIGHT, 0},
    {"BUILD", &cls_Class::BUILD, 0},
    {"DESCRIPTION", &cls_Class::DESCRIPTION, 0},
    {"COMPILED", &cls_Class::COMPILED, 1},
    {"DATABASE_TYPE", &cls_Class::DATABASE_TYPE, 0},
    {"DATABASE_ADVANCED", &cls_Class::DATABASE_ADVANCED, 0},
    {"DATABASE_LOCK", &cls_Class::DATABASE_LOCK, 1},
    {"DATA_LOADSAVE", &cls_Class::DATA_LOADSAVE, 1},
    {"DATA_LOCK", &cls_Class::DATA_LOCK, 1},
    {"DATA_EDITOR", &cls_Class::DATA_EDITOR, 1},
    {"CUSTOM", &cls_Class::CUSTOM, 2},
    {"DATA_PARENT", &cls_Class::DATA_PARENT, 3},
}};

// The template record's file version, "1.3".
inline constexpr int kClassVersion = 3;
