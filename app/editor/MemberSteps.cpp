#include "MemberSteps.h"

#include "model/MemberFields.h"
#include "model/Members.h"

#include <QUndoCommand>

namespace {

std::shared_ptr<cls_Member> copyOf(const cls_Member& member) {
    auto copy = std::make_shared<cls_Member>();
    copyFields(kMemberFields, *copy, member);
    return copy;
}

cls_Member& at(cls_Members& list, int position) {
    return *list.ITEM(vlt::Variant(qint32(position)), true);
}

class MemberStep : public QUndoCommand {
protected:
    explicit MemberStep(const MemberListAccess& access) : m_access(access) {}
    cls_Members& list() const { return m_access.list(); }
    void show(int position) const { m_access.shown(position - 1); }

private:
    MemberListAccess m_access;
};

class Added : public MemberStep {
public:
    Added(const MemberListAccess& access, const cls_Member& member)
        : MemberStep(access), m_member(copyOf(member)) {
        setText(QStringLiteral("Mitglied „%1“ hinzufügen").arg(member.MNAME));
    }
    void redo() override {
        list().DATABASE.ADD(copyOf(*m_member));
        show(list().COUNT());
    }
    void undo() override {
        list().DATABASE.REMOVE(vlt::Variant(list().COUNT()), true);
        show(list().COUNT());
    }

private:
    std::shared_ptr<cls_Member> m_member;
};

// Removing puts the last member into the gap; undoing puts it back at the end.
class Removed : public MemberStep {
public:
    Removed(const MemberListAccess& access, int position)
        : MemberStep(access), m_position(position), m_member(copyOf(at(list(), position))) {
        setText(QStringLiteral("Mitglied „%1“ entfernen").arg(m_member->MNAME));
    }
    void redo() override {
        list().DATABASE.REMOVE(vlt::Variant(qint32(m_position)), true);
        show(std::min(m_position, int(list().COUNT())));
    }
    void undo() override {
        list().DATABASE.ADD(copyOf(*m_member));
        const int last = list().COUNT();
        if (m_position != last)
            swapFields(kMemberFields, at(list(), m_position), at(list(), last));
        show(m_position);
    }

private:
    int m_position;
    std::shared_ptr<cls_Member> m_member;
};

class Edited : public MemberStep {
public:
    Edited(const MemberListAccess& access, int position, const cls_Member& before)
        : MemberStep(access), m_position(position), m_before(copyOf(before)),
          m_after(copyOf(at(list(), position))) {
        setText(QStringLiteral("Mitglied „%1“ bearbeiten").arg(m_after->MNAME));
    }
    void redo() override { put(*m_after); }
    void undo() override { put(*m_before); }

private:
    void put(const cls_Member& values) {
        copyFields(kMemberFields, at(list(), m_position), values);
        show(m_position);
    }

    int m_position;
    std::shared_ptr<cls_Member> m_before;
    std::shared_ptr<cls_Member> m_after;
};

class Moved : public MemberStep {
public:
    Moved(const MemberListAccess& access, int position, int target)
        : MemberStep(access), m_position(position), m_target(target) {
        setText(QStringLiteral("Mitglied „%1“ nach %2 verschieben")
                    .arg(at(list(), position).MNAME,
                         target < position ? QStringLiteral("oben") : QStringLiteral("unten")));
    }
    void redo() override {
        swap();
        show(m_target);
    }
    void undo() override {
        swap();
        show(m_position);
    }

private:
    void swap() { swapFields(kMemberFields, at(list(), m_position), at(list(), m_target)); }

    int m_position;
    int m_target;
};

} // namespace

QUndoCommand* memberAdded(const MemberListAccess& access, const cls_Member& member) {
    return new Added(access, member);
}

QUndoCommand* memberRemoved(const MemberListAccess& access, int position) {
    return new Removed(access, position);
}

QUndoCommand* memberEdited(const MemberListAccess& access, int position, const cls_Member& before) {
    return new Edited(access, position, before);
}

QUndoCommand* memberMoved(const MemberListAccess& access, int position, int target) {
    return new Moved(access, position, target);
}
