// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <memory>
#include <numeric>
#include <vector>

#include "model/LargeBlocks.h"
#include "model/NetList.h"
#include "model/PartRec.h"
#include "model/RecordPool.h"

namespace {

TEST(RecordPool, RecordsApartAlignedReusedAndBlocksGivenBack) {
    model::RecordPool pool(36, 8);  // rounded up to 40 so that each record stays aligned
    std::vector<std::uintptr_t> taken;
    for (int i = 0; i < 5000; ++i) {  // several blocks
        void* record = pool.Take();
        std::memset(record, i & 0xFF, 36);
        taken.push_back(reinterpret_cast<std::uintptr_t>(record));
    }
    std::vector<std::uintptr_t> sorted = taken;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        EXPECT_EQ(sorted[i] % 8, 0u);
        if (i > 0) {
            ASSERT_GE(sorted[i] - sorted[i - 1], 36u) << "records overlap";
        }
    }
    void* again = reinterpret_cast<void*>(taken[100]);
    pool.Give(again);
    void* next = pool.Take();
    if (model::RecordPool::Pooled()) {
        EXPECT_EQ(next, again);  // a freed record's room is taken first
        EXPECT_GT(pool.BlockCount(), 1u);
    }
    taken[100] = reinterpret_cast<std::uintptr_t>(next);
    for (std::uintptr_t record : taken) {
        pool.Give(reinterpret_cast<void*>(record));
    }
    EXPECT_EQ(pool.BlockCount(), 0u);  // the last record freed returns the blocks
    void* fresh = pool.Take();
    EXPECT_NE(fresh, nullptr);
    pool.Give(fresh);
}

// The records' own allocation goes through their pools; a record inside a larger object
// of a derived class does not.
TEST(RecordPool, PartsPinsAndNetsComeAndGoThroughTheirPools) {
    struct Tagged : model::TNetRec {
        int tag = 7;
    };
    std::vector<std::unique_ptr<model::TPartRec>> parts;
    for (int i = 0; i < 3000; ++i) {
        auto part = std::make_unique<model::TPartRec>();
        part->Pins.push_back(std::make_unique<model::TPinRec>());
        part->Pins.back()->SetRef("R1");
        parts.push_back(std::move(part));
    }
    auto net = std::make_unique<model::TNetRec>();
    net->NetName = "a name longer than any short string buffer";
    auto derived = std::make_unique<Tagged>();  // freed as itself, to the heap
    EXPECT_EQ(derived->tag, 7);
    EXPECT_EQ(parts[2999]->Pins[0]->RefText(), "R1");
    if (model::RecordPool::Pooled()) {
        EXPECT_GT(model::PoolOf<model::TPinRec>().BlockCount(), 0u);
    }
    parts.clear();
    EXPECT_EQ(model::PoolOf<model::TPinRec>().BlockCount(), 0u);
    EXPECT_EQ(model::PoolOf<model::TPartRec>().BlockCount(), 0u);
}

// Large arrays keep their contents through growth whether mapped or not, a mapped one
// starts on a huge page; a deque's buffers come from their pool and all go back with it.
TEST(LargeBlocks, ArraysAndDequeBuffersHoldWhatIsPutInThem) {
    std::vector<std::uint32_t, model::LargeAllocator<std::uint32_t>> big;
    for (std::uint32_t i = 0; i < 3'000'000; ++i) {  // past a huge page, reallocated on the way
        big.push_back(i);
    }
    EXPECT_EQ(std::accumulate(big.begin(), big.end(), std::uint64_t{0}),
              std::uint64_t{3'000'000} * 2'999'999 / 2);
    if (!model::kSanitizedHeap) {
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(big.data()) % model::kHugePageBytes, 0u);
    }
    big.clear();
    big.shrink_to_fit();

    using Allocator = model::PooledBufferAllocator<std::uint64_t>;
    model::RecordPool& buffers =
        model::PoolOfSize<Allocator::kBufferElements * sizeof(std::uint64_t), 8>();
    {
        std::deque<std::uint64_t, Allocator> items;
        for (std::uint64_t i = 0; i < 200'000; ++i) {
            items.push_back(i * 7);
        }
        items.erase(items.begin(), items.begin() + 1000);
        EXPECT_EQ(items.front(), 7000u);
        EXPECT_EQ(items.back(), 199'999u * 7);
        if (model::RecordPool::Pooled()) {
            EXPECT_GT(buffers.BlockCount(), 0u);
        }
    }
    EXPECT_EQ(buffers.BlockCount(), 0u);
}

}  // namespace
