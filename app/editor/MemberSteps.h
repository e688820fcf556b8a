#pragma once

#include <functional>
#include <memory>

class QUndoCommand;
class cls_Member;
class cls_Members;

// Where the member steps find the current template's member list, and how they show what they
// changed: the row to select afterwards, counted from 0.
struct MemberListAccess {
    std::function<cls_Members&()> list;
    std::function<void(int row)> shown;
};

// Steps of the undo history that change the member list; pushing one carries it out.
QUndoCommand* memberAdded(const MemberListAccess& access, const cls_Member& member);
QUndoCommand* memberRemoved(const MemberListAccess& access, int position);
// The member at position holds its new values already; before holds the old ones.
QUndoCommand* memberEdited(const MemberListAccess& access, int position, const cls_Member& before);
QUndoCommand* memberMoved(const MemberListAccess& access, int position, int target);
