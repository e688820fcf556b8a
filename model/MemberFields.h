#pragma once

#include "Member.h"
#include "RecordFields.h"

#include <array>

using MemberField = RecordField<cls_Member>;

// A member's name, type and flags in file order, which is also its package order. Most members
// repeat a few types, so a long list's memory stays its names.
inline constexpr std::array<MemberField, 7> kMemberFields{{
    {"MNAME", &cls_Member::MNAME, 0},
    {"MTYPE", &cls_Member::MTYPE, 0, true},
    {"MPUBLIC", &cls_Member::MPUBLIC, 0},
    {"MARRAY", &cls_Member::MARRAY, 0},
    {"MDATAID", &cls_Member::MDATAID, 1},
    {"MNOTBOUND", &cls_Member::MNOTBOUND, 1},
    {"MCHILD", &cls_Member::MCHILD, 2},
}};

// The member record's file version, "1.2".
inline constexpr int kMemberVersion = 2;
