#pragma once

#include <cstddef>
#include <new>
#include <utility>
#include <vector>

namespace vlt {

// Large blocks that a read fills from start to end (the file, the members read from it, the
// tables with an entry per member) are given huge pages: on a virtual machine a page fault costs
// as much as filling its page, and a huge page takes one fault for 2 MiB instead of 512. Such a
// block is whole huge pages, so it takes more memory than it asks for; small blocks come from the
// heap as usual.
void* allocateBulk(std::size_t bytes);
void freeBulk(void* block, std::size_t bytes) noexcept;

// One bulk block of bytes, freed with its owner.
class BulkBlock {
public:
    BulkBlock() = default;
    explicit BulkBlock(std::size_t bytes)
        : m_data(static_cast<char*>(allocateBulk(bytes))), m_size(bytes) {}
    BulkBlock(BulkBlock&& other) noexcept
        : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)) {}
    BulkBlock& operator=(BulkBlock&& other) noexcept {
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
        return *this;
    }
    ~BulkBlock() { freeBulk(m_data, m_size); }

    char* data() const { return m_data; }

private:
    char* m_data = nullptr;
    std::size_t m_size = 0;
};

template <class T> struct BulkAllocator {
    using value_type = T;

    BulkAllocator() = default;
    template <class U> BulkAllocator(const BulkAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > std::size_t(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(allocateBulk(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept { freeBulk(block, count * sizeof(T)); }

    template <class U> bool operator==(const BulkAllocator<U>&) const noexcept { return true; }
};

// A vector whose storage, once large, is bulk memory.
template <class T> using BulkVector = std::vector<T, BulkAllocator<T>>;

} // namespace vlt
