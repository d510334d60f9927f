// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RecordPool.h"

#include <algorithm>
#include <new>

namespace model {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPooled = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kPooled = false;
#else
constexpr bool kPooled = true;
#endif
#else
constexpr bool kPooled = true;
#endif

}  // namespace

// Records follow each other in a block at the record's own alignment; a block is aligned
// for any record.
RecordPool::RecordPool(std::size_t recordSize, std::size_t alignment)
    : size_((std::max({recordSize, sizeof(void*), alignment}) + alignment - 1) / alignment *
            alignment),
      perBlock_(std::max<std::size_t>(1, kBlockBytes / size_)) {}

bool RecordPool::Pooled() {
    return kPooled;
}

std::size_t RecordPool::BlockCount() {
    std::lock_guard<std::mutex> lock(mutex_);
    return blocks_.size();
}

void* RecordPool::Take() {
    if (!kPooled) {
        return ::operator new(size_);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    void* record = nullptr;
    if (free_) {
        record = free_;
        free_ = *static_cast<void**>(free_);
    } else {
        if (blocks_.empty() || usedInLast_ == perBlock_) {
            blocks_.emplace_back(new std::byte[perBlock_ * size_]);
            usedInLast_ = 0;
        }
        record = blocks_.back().get() + usedInLast_++ * size_;
    }
    ++live_;
    return record;
}

void RecordPool::Give(void* record) noexcept {
    if (!record) {
        return;
    }
    if (!kPooled) {
        ::operator delete(record);
        return;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    *static_cast<void**>(record) = free_;
    free_ = record;
    if (--live_ == 0) {
        blocks_.clear();
        usedInLast_ = 0;
        free_ = nullptr;
    }
}

}  // namespace model
