// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <utility>
#include <vector>

namespace model {

// Lays a list of owned records out anew in the order an index keeps them. `inOrder` is
// called with a function to hand each record of the list to, once, in the new order.
// Nothing is copied or freed, and nothing can fail once the records are let go: the room
// for the new list is taken first.
template <class T, class InOrder>
void ReorderOwned(std::vector<std::unique_ptr<T>>& items, InOrder inOrder) {
    std::vector<std::unique_ptr<T>> ordered;
    ordered.reserve(items.size());
    for (auto& item : items) {
        item.release();  // owned again below, in the new order
    }
    inOrder([&ordered](T* record) { ordered.emplace_back(record); });
    items = std::move(ordered);
}

}  // namespace model
