// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

namespace model {

// Records of one size taken from shared blocks. A large drawing makes a million pins and
// half a million parts and nets; a heap allocation of its own gave each a header and
// rounding, and cost the allocator's time on the way in and out. A freed record's room
// is reused, and the blocks are given back once the last record is freed, so closing a
// drawing returns its memory. Blocks grow from small ones to whole huge pages
// (model/LargeBlocks.h), so that a small drawing stays small. Under AddressSanitizer every record
// is a heap allocation of its own, so that a use after free is still found.
class RecordPool {
  public:
    RecordPool(std::size_t recordSize, std::size_t alignment);
    RecordPool(const RecordPool&) = delete;
    RecordPool& operator=(const RecordPool&) = delete;

    void* Take();
    void Give(void* record) noexcept;

    // False in a sanitized build, where each record is a heap allocation of its own.
    static bool Pooled();
    std::size_t BlockCount();

  private:
    struct Block {
        std::byte* Data;
        std::size_t Bytes;
    };
    void GiveBlocks() noexcept;

    std::mutex mutex_;
    std::size_t size_;
    std::vector<Block> blocks_;
    std::size_t perLast_ = 0;  // records the last block holds
    std::size_t usedInLast_ = 0;
    void* free_ = nullptr;  // freed records, each holding the next
    std::size_t live_ = 0;
};

// The pool of the records of type T, made on first use and never destroyed, so that
// records freed while the program ends still find it.
template <class T>
RecordPool& PoolOf() {
    static_assert(alignof(T) <= alignof(std::max_align_t));
    static RecordPool* pool = new RecordPool(sizeof(T), alignof(T));
    return *pool;
}

// The pool of blocks of `Bytes` bytes, as PoolOf.
template <std::size_t Bytes, std::size_t Alignment>
RecordPool& PoolOfSize() {
    static RecordPool* pool = new RecordPool(Bytes, Alignment);
    return *pool;
}

// For a std::deque of many small records: its buffers come from a pool, and with it from
// huge pages. The standard library's buffer size is assumed; any other size of allocation
// goes to the heap.
template <class T>
struct PooledBufferAllocator {
    using value_type = T;
    static constexpr std::size_t kBufferElements = sizeof(T) < 512 ? 512 / sizeof(T) : 1;

    PooledBufferAllocator() = default;
    template <class U>
    PooledBufferAllocator(const PooledBufferAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) {
        if (n == kBufferElements) {
            return static_cast<T*>(Buffers().Take());
        }
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, std::size_t n) noexcept {
        if (n == kBufferElements) {
            Buffers().Give(p);
        } else {
            std::allocator<T>().deallocate(p, n);
        }
    }
    template <class U>
    friend bool operator==(const PooledBufferAllocator&, const PooledBufferAllocator<U>&) {
        return true;
    }

  private:
    static RecordPool& Buffers() { return PoolOfSize<kBufferElements * sizeof(T), alignof(T)>(); }
};

// The bodies of a record's own operator new and delete. An object of a class derived from
// the record is larger and comes from the heap.
template <class T>
void* TakeRecord(std::size_t size) {
    return size == sizeof(T) ? PoolOf<T>().Take() : ::operator new(size);
}
template <class T>
void GiveRecord(void* record, std::size_t size) noexcept {
    size == sizeof(T) ? PoolOf<T>().Give(record) : ::operator delete(record);
}

}  // namespace model
