// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RecordPool.h"

#include <algorithm>
#include <new>

#include "model/LargeBlocks.h"

namespace model {
namespace {

constexpr bool kPooled = !kSanitizedHeap;

constexpr std::size_t kFirstBlockBytes = 64 * 1024;

// Each block twice the last, up to a huge page.
std::size_t BlockBytes(std::size_t blocks) {
    return blocks >= 5 ? kHugePageBytes : kFirstBlockBytes << blocks;
}

}  // namespace

// Records follow each other in a block at the record's own alignment; a block is aligned
// for any record.
RecordPool::RecordPool(std::size_t recordSize, std::size_t alignment)
    : size_((std::max({recordSize, sizeof(void*), alignment}) + alignment - 1) / alignment *
            alignment) {}

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
        if (blocks_.empty() || usedInLast_ == perLast_) {
            const std::size_t bytes = std::max(BlockBytes(blocks_.size()), size_);
            auto* block = static_cast<std::byte*>(TakeBlock(bytes));
            try {
                blocks_.push_back({block, bytes});
            } catch (...) {
                GiveBlock(block, bytes);
                throw;
            }
            perLast_ = bytes / size_;
            usedInLast_ = 0;
        }
        record = blocks_.back().Data + usedInLast_++ * size_;
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
        GiveBlocks();
    }
}

void RecordPool::GiveBlocks() noexcept {
    for (const Block& block : blocks_) {
        GiveBlock(block.Data, block.Bytes);
    }
    blocks_.clear();
    perLast_ = 0;
    usedInLast_ = 0;
    free_ = nullptr;
}

}  // namespace model
