// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <new>

namespace model {

// Memory for the large arrays of a large drawing. A block of a huge page or more is mapped
// from the kernel aligned to one and asked to be backed with huge pages: the records of a
// million-wire drawing are walked in the order of their references, not of their places,
// and with small pages nearly every step missed the address cache, and faulting in a few
// hundred megabytes a small page at a time took a good part of the read. Smaller blocks
// come from the heap. A sanitized build takes every block from the heap, so that its
// checks still see them.
inline constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

// A build with AddressSanitizer, whose checks see only what comes from the heap one object
// at a time.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitizedHeap = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitizedHeap = true;
#else
inline constexpr bool kSanitizedHeap = false;
#endif
#else
inline constexpr bool kSanitizedHeap = false;
#endif

void* TakeBlock(std::size_t bytes);
// `bytes` as given to TakeBlock.
void GiveBlock(void* block, std::size_t bytes) noexcept;

// For the standard containers: their large arrays from TakeBlock.
template <class T>
struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <class U>
    LargeAllocator(const LargeAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) {
            throw std::bad_array_new_length();
        }
        return static_cast<T*>(TakeBlock(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { GiveBlock(p, n * sizeof(T)); }
    template <class U>
    friend bool operator==(const LargeAllocator&, const LargeAllocator<U>&) {
        return true;
    }
};

}  // namespace model
