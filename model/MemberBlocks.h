#pragma once

#include "Member.h"

#include <cstddef>
#include <memory>

// Makes the members of one read list in blocks of consecutive members instead of one heap object
// each. Every member holds a share of its block, so a member outlives the list it was read into
// like any other. Blocks grow fourfold up to one huge page: a member count from a file never
// decides how much is taken, only the members actually read do.
class MemberBlocks {
public:
    std::shared_ptr<cls_Member> make();

private:
    class Block;
    std::shared_ptr<Block> m_block;
    std::size_t m_nextCapacity = 16;
};
