// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace text {

// A text in 16 bytes: up to 15 bytes are kept inside, a longer text on the heap. The names,
// pin numbers and labels of a drawing are nearly all that short, and a large drawing holds
// millions of them, so they are kept in half the room of a std::string.
class ShortText {
  public:
    ShortText() noexcept { bytes_[kTag] = 0; }
    ShortText(std::string_view s) { Set(s); }
    ShortText(const char* s) : ShortText(std::string_view(s)) {}
    ShortText(const std::string& s) : ShortText(std::string_view(s)) {}
    ShortText(const ShortText& other) : ShortText(other.View()) {}
    ShortText(ShortText&& other) noexcept;
    ShortText& operator=(const ShortText& other);
    ShortText& operator=(ShortText&& other) noexcept;
    ShortText& operator=(std::string_view s);
    ShortText& operator=(const char* s) { return *this = std::string_view(s); }
    ShortText& operator=(const std::string& s) { return *this = std::string_view(s); }
    ~ShortText() { Release(); }

    std::string_view View() const;
    operator std::string_view() const { return View(); }
    std::string str() const { return std::string(View()); }
    const char* data() const { return View().data(); }
    std::size_t size() const { return View().size(); }
    bool empty() const { return bytes_[kTag] == 0; }
    // The bytes held outside the object: none for a text that fits inside.
    std::size_t HeapBytes() const { return OnHeap() ? size() : 0; }

    friend bool operator==(const ShortText& a, const ShortText& b) { return a.View() == b.View(); }
    // Against any text: a std::string, a string_view or a literal.
    template <class T>
    requires std::is_convertible_v<const T&, std::string_view>
    friend bool operator==(const ShortText& a, const T& b) {
        return a.View() == std::string_view(b);
    }

    // Joined with other texts as a std::string would be.
    friend std::string operator+(std::string a, const ShortText& b) {
        a += b.View();
        return a;
    }
    friend std::string operator+(const ShortText& a, std::string_view b) {
        std::string joined(a.View());
        joined += b;
        return joined;
    }

  private:
    static constexpr std::size_t kInline = 15;
    static constexpr std::size_t kTag = 15;  // inline size, or kOnHeap
    static constexpr unsigned char kOnHeap = 0xFF;

    bool OnHeap() const { return bytes_[kTag] == kOnHeap; }
    void Set(std::string_view s);
    void Release() noexcept;

    // Inline: the bytes, then the size in the last byte. On the heap: a pointer and a
    // 32-bit size, with kOnHeap in the last byte.
    alignas(8) unsigned char bytes_[16];
};

}  // namespace text
