// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace model {

struct TPinRec;

// The pins a part owns, in the order they were placed. Nearly every part has one or two:
// those are held in the part itself, and only a part with more has an array on the heap.
// A vector gave every one of a large drawing's half a million parts a heap block, and
// every walk over the parts a cache miss to reach it. Iterators are plain pointers, so the
// standard algorithms sort and filter the pins in place.
class TOwnedPinList {
  public:
    using value_type = std::unique_ptr<TPinRec>;
    using iterator = value_type*;
    using const_iterator = const value_type*;

    TOwnedPinList() noexcept {}
    TOwnedPinList(TOwnedPinList&& other) noexcept;
    TOwnedPinList& operator=(TOwnedPinList&& other) noexcept;
    TOwnedPinList(const TOwnedPinList&) = delete;
    TOwnedPinList& operator=(const TOwnedPinList&) = delete;
    ~TOwnedPinList();

    iterator begin() { return OnHeap() ? store_.heap : store_.held; }
    iterator end() { return begin() + size_; }
    const_iterator begin() const { return OnHeap() ? store_.heap : store_.held; }
    const_iterator end() const { return begin() + size_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    value_type& operator[](std::size_t i) { return begin()[i]; }
    const value_type& operator[](std::size_t i) const { return begin()[i]; }
    value_type& front() { return *begin(); }
    const value_type& front() const { return *begin(); }
    value_type& back() { return end()[-1]; }
    const value_type& back() const { return end()[-1]; }

    void push_back(value_type pin);
    // Frees the pins of [first, last) and closes the gap.
    iterator erase(const_iterator first, const_iterator last);
    void clear() noexcept;

  private:
    static constexpr std::uint32_t kHeld = 2;

    bool OnHeap() const { return capacity_ > kHeld; }
    void MoveFrom(TOwnedPinList& other) noexcept;

    union Store {
        Store() noexcept {}
        ~Store() {}
        value_type held[kHeld];  // the first size_ are alive while capacity_ is kHeld
        value_type* heap;
    } store_;
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = kHeld;
};

}  // namespace model
