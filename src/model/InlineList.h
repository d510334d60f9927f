// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

namespace model {

// A list of pins, held by a part or by a net. Nearly every part and net of a large drawing
// has one or two: those are held in the record itself, and only a longer list has an array
// on the heap. A vector gave each of half a million parts and as many nets a heap block,
// and every walk over them a cache miss to reach it. Iterators are plain pointers, so the
// standard algorithms sort and filter the entries in place.
template <class T>
class InlineList {
  public:
    using value_type = T;
    using iterator = T*;
    using const_iterator = const T*;

    InlineList() noexcept {}
    InlineList(InlineList&& other) noexcept { MoveFrom(other); }
    InlineList& operator=(InlineList&& other) noexcept {
        if (this != &other) {
            clear();
            MoveFrom(other);
        }
        return *this;
    }
    InlineList(const InlineList&) = delete;
    InlineList& operator=(const InlineList&) = delete;
    ~InlineList() { clear(); }

    iterator begin() { return OnHeap() ? store_.heap : store_.held; }
    iterator end() { return begin() + size_; }
    const_iterator begin() const { return OnHeap() ? store_.heap : store_.held; }
    const_iterator end() const { return begin() + size_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T& operator[](std::size_t i) { return begin()[i]; }
    const T& operator[](std::size_t i) const { return begin()[i]; }
    T& front() { return *begin(); }
    const T& front() const { return *begin(); }
    T& back() { return end()[-1]; }
    const T& back() const { return end()[-1]; }

    void push_back(T item) {
        if (size_ == capacity_) {
            Grow();
        }
        new (begin() + size_) T(std::move(item));
        ++size_;
    }
    // Ends the entries of [first, last) and closes the gap.
    iterator erase(const_iterator first, const_iterator last) {
        iterator to = begin() + (first - begin());
        iterator from = begin() + (last - begin());
        iterator kept = std::move(from, end(), to);
        for (iterator gone = kept; gone != end(); ++gone) {
            gone->~T();
        }
        size_ = static_cast<std::uint32_t>(kept - begin());
        return to;
    }
    void clear() noexcept {
        for (T& item : *this) {
            item.~T();
        }
        if (OnHeap()) {
            ::operator delete(store_.heap);
        }
        size_ = 0;
        capacity_ = kHeld;
    }

  private:
    static constexpr std::uint32_t kHeld = 2;

    bool OnHeap() const { return capacity_ > kHeld; }

    void Grow() {
        if (capacity_ > std::numeric_limits<std::uint32_t>::max() / 2) {
            throw std::length_error("too many pins in one list");
        }
        const std::uint32_t grown = capacity_ * 2;
        auto* moved = static_cast<T*>(::operator new(grown * sizeof(T)));
        T* from = begin();
        for (std::uint32_t i = 0; i < size_; ++i) {
            new (&moved[i]) T(std::move(from[i]));
            from[i].~T();
        }
        if (OnHeap()) {
            ::operator delete(store_.heap);
        }
        store_.heap = moved;
        capacity_ = grown;
    }

    // Takes the other's entries into this empty list and leaves the other empty.
    void MoveFrom(InlineList& other) noexcept {
        if (other.OnHeap()) {
            store_.heap = std::exchange(other.store_.heap, nullptr);
            capacity_ = std::exchange(other.capacity_, kHeld);
        } else {
            for (std::uint32_t i = 0; i < other.size_; ++i) {
                new (&store_.held[i]) T(std::move(other.store_.held[i]));
                other.store_.held[i].~T();
            }
        }
        size_ = std::exchange(other.size_, 0);
    }

    union Store {
        Store() noexcept {}
        ~Store() {}
        T held[kHeld];  // the first size_ are alive while capacity_ is kHeld
        T* heap;
    } store_;
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = kHeld;
};

}  // namespace model
