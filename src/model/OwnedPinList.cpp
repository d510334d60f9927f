// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/OwnedPinList.h"

#include <algorithm>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

#include "model/PinRec.h"

namespace model {

TOwnedPinList::TOwnedPinList(TOwnedPinList&& other) noexcept {
    MoveFrom(other);
}

TOwnedPinList& TOwnedPinList::operator=(TOwnedPinList&& other) noexcept {
    if (this != &other) {
        clear();
        MoveFrom(other);
    }
    return *this;
}

TOwnedPinList::~TOwnedPinList() {
    clear();
}

// Takes the other's pins into this empty list and leaves the other empty.
void TOwnedPinList::MoveFrom(TOwnedPinList& other) noexcept {
    if (other.OnHeap()) {
        store_.heap = std::exchange(other.store_.heap, nullptr);
        capacity_ = std::exchange(other.capacity_, kHeld);
    } else {
        for (std::uint32_t i = 0; i < other.size_; ++i) {
            new (&store_.held[i]) value_type(std::move(other.store_.held[i]));
            other.store_.held[i].~value_type();
        }
    }
    size_ = std::exchange(other.size_, 0);
}

void TOwnedPinList::push_back(value_type pin) {
    if (size_ == capacity_) {
        if (capacity_ > std::numeric_limits<std::uint32_t>::max() / 2) {
            throw std::length_error("too many pins for one part");
        }
        const std::uint32_t grown = capacity_ * 2;
        auto* moved = static_cast<value_type*>(::operator new(grown * sizeof(value_type)));
        value_type* from = begin();
        for (std::uint32_t i = 0; i < size_; ++i) {
            new (&moved[i]) value_type(std::move(from[i]));
            from[i].~value_type();
        }
        if (OnHeap()) {
            ::operator delete(store_.heap);
        }
        store_.heap = moved;
        capacity_ = grown;
    }
    new (begin() + size_) value_type(std::move(pin));
    ++size_;
}

TOwnedPinList::iterator TOwnedPinList::erase(const_iterator first, const_iterator last) {
    iterator to = begin() + (first - begin());
    iterator from = begin() + (last - begin());
    iterator kept = std::move(from, end(), to);
    for (iterator gone = kept; gone != end(); ++gone) {
        gone->~value_type();
    }
    size_ = static_cast<std::uint32_t>(kept - begin());
    return to;
}

void TOwnedPinList::clear() noexcept {
    for (value_type& pin : *this) {
        pin.~value_type();
    }
    if (OnHeap()) {
        ::operator delete(store_.heap);
    }
    size_ = 0;
    capacity_ = kHeld;
}

}  // namespace model
