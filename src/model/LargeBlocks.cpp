// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/LargeBlocks.h"

#include <sys/mman.h>

#include <cstdint>

namespace model {
namespace {

constexpr bool kMapped = !kSanitizedHeap;

bool Mapped(std::size_t bytes) {
    return kMapped && bytes >= kHugePageBytes;
}

std::size_t RoundedUp(std::size_t bytes) {
    return (bytes + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
}

}  // namespace

void* TakeBlock(std::size_t bytes) {
    if (!Mapped(bytes)) {
        return ::operator new(bytes);
    }
    if (bytes > static_cast<std::size_t>(-1) - 2 * kHugePageBytes) {
        throw std::bad_alloc();
    }
    // Mapped a huge page longer than asked, and cut to the aligned part.
    const std::size_t length = RoundedUp(bytes);
    const std::size_t mapped = length + kHugePageBytes;
    void* map = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (map == MAP_FAILED) {
        throw std::bad_alloc();
    }
    const auto start = reinterpret_cast<std::uintptr_t>(map);
    const std::uintptr_t aligned = RoundedUp(start);
    if (aligned > start) {
        ::munmap(map, aligned - start);
    }
    if (const std::size_t tail = start + mapped - (aligned + length); tail > 0) {
        ::munmap(reinterpret_cast<void*>(aligned + length), tail);
    }
    void* block = reinterpret_cast<void*>(aligned);
#ifdef MADV_HUGEPAGE
    ::madvise(block, length, MADV_HUGEPAGE);  // only advice: small pages serve as well
#endif
    return block;
}

void GiveBlock(void* block, std::size_t bytes) noexcept {
    if (!block) {
        return;
    }
    if (!Mapped(bytes)) {
        ::operator delete(block);
        return;
    }
    ::munmap(block, RoundedUp(bytes));
}

}  // namespace model
