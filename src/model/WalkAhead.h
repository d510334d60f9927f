// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace model {

// The walks of a large drawing's parts, nets and pins in list order (the order of the
// references and the net names) go from record to record in no order of their places in
// memory, and each step waited for memory before the next could start. Asking for the
// records a few steps ahead lets those waits overlap.

// Asks for the cache lines of `record` without waiting for them. Always inlined: a call
// left standing is one the compiler sees no effect of, and drops.
template <class T>
[[gnu::always_inline]] inline void Prefetch(const T* record) {
    const char* bytes = reinterpret_cast<const char*>(record);
    for (std::size_t at = 0; at < sizeof(T); at += 64) {
        __builtin_prefetch(bytes + at);
    }
    __builtin_prefetch(bytes + sizeof(T) - 1);
}

// Steps between asking for a record and using it: far enough for the memory to answer,
// near enough that what was fetched is still in the cache.
inline constexpr std::size_t kWalkAhead = 8;

// Calls visit(record) for each record of `items` (pointers, owning or not), in order,
// having asked for it 2 × kWalkAhead steps before, and kWalkAhead steps before for the
// records it lists, listed(record) (the pins of a net, say). Only this asks for memory:
// a function that did nothing else would seem to the compiler to do nothing, and be dropped.
template <class Items, class Listed, class Visit>
void WalkAhead(const Items& items, Listed listed, Visit visit) {
    const std::size_t count = items.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i + 2 * kWalkAhead < count) {
            Prefetch(&*items[i + 2 * kWalkAhead]);
        }
        if (i + kWalkAhead < count) {
            for (const auto& record : listed(*items[i + kWalkAhead])) {
                Prefetch(&*record);
            }
        }
        visit(*items[i]);
    }
}

// The same, for records that list nothing further.
template <class Items, class Visit>
void WalkAhead(const Items& items, Visit visit) {
    WalkAhead(
        items, [](const auto&) { return std::array<const char*, 0>(); }, visit);
}

}  // namespace model
