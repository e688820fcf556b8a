#include "BulkMemory.h"

#include <cstdint>
#include <sys/mman.h>

namespace vlt {
namespace {

constexpr std::size_t kHugePage = 2 * 1024 * 1024;
// Below this, rounding up to a huge page would waste more than the faults cost.
constexpr std::size_t kSmallestBulk = kHugePage / 4;

std::size_t wholePages(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

} // namespace

// The kernel gives huge pages only to a range on a huge-page boundary: map one page more and
// return what lies outside the aligned range.
void* allocateBulk(std::size_t bytes) {
    if (bytes < kSmallestBulk)
        return ::operator new(bytes);
    const std::size_t size = wholePages(bytes);
    void* const mapped = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE,
                                MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (aligned > start)
        ::munmap(mapped, aligned - start);
    if (const std::size_t tail = start + kHugePage - aligned; tail > 0)
        ::munmap(reinterpret_cast<void*>(aligned + size), tail);
    // Where huge pages are off, the block works all the same with small ones.
    ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

void freeBulk(void* block, std::size_t bytes) noexcept {
    if (bytes < kSmallestBulk)
        ::operator delete(block);
    else if (block)
        ::munmap(block, wholePages(bytes));
}

} // namespace vlt
