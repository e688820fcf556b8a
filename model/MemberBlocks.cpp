#include "MemberBlocks.h"

#include "corelib/BulkMemory.h"

#include <algorithm>

namespace {

// One huge page of members.
constexpr std::size_t kLargestBlock = 2 * 1024 * 1024 / sizeof(cls_Member);

} // namespace

class MemberBlocks::Block {
public:
    explicit Block(std::size_t capacity)
        : m_storage(capacity * sizeof(cls_Member)),
          m_members(reinterpret_cast<cls_Member*>(m_storage.data())), m_capacity(capacity) {}
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;
    ~Block() {
        while (m_made > 0)
            std::destroy_at(m_members + --m_made);
    }

    bool isFull() const { return m_made == m_capacity; }
    cls_Member* make() { return std::construct_at(m_members + m_made++); }

private:
    vlt::BulkBlock m_storage;
    cls_Member* m_members;
    std::size_t m_capacity;
    std::size_t m_made = 0;
};

std::shared_ptr<cls_Member> MemberBlocks::make() {
    if (!m_block || m_block->isFull()) {
        m_block = std::make_shared<Block>(m_nextCapacity);
        m_nextCapacity = std::min(m_nextCapacity * 4, kLargestBlock);
    }
    return std::shared_ptr<cls_Member>(m_block, m_block->make());
}
