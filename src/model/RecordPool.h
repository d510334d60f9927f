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
// drawing returns its memory. Under AddressSanitizer every record is a heap allocation of
// its own, so that a use after free is still found.
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
    static constexpr std::size_t kBlockBytes = 64 * 1024;

    std::mutex mutex_;
    std::size_t size_;
    std::size_t perBlock_;
    std::vector<std::unique_ptr<std::byte[]>> blocks_;
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
