// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace text {

// A text kept once for the whole program and named by a number of four bytes. The part
// names, footprints, makers and pin numbers of a large drawing repeat across hundreds of
// thousands of parts and a million pins; each record holds the number, not a copy of its
// own. Equal texts have equal numbers, so comparing two is comparing numbers. The texts are
// kept until the program ends: they are as many as the distinct names it meets, not as the
// records that carry them. Texts that are nearly all different (references, net names) are
// better kept in a ShortText.
class PooledText {
  public:
    PooledText() noexcept = default;
    PooledText(std::string_view s) : id_(Intern(s)) {}
    PooledText(const char* s) : PooledText(std::string_view(s)) {}
    PooledText(const std::string& s) : PooledText(std::string_view(s)) {}
    PooledText& operator=(std::string_view s) {
        id_ = Intern(s);
        return *this;
    }
    PooledText& operator=(const char* s) { return *this = std::string_view(s); }
    PooledText& operator=(const std::string& s) { return *this = std::string_view(s); }

    std::string_view View() const;
    operator std::string_view() const { return View(); }
    std::string str() const { return std::string(View()); }
    const char* data() const { return View().data(); }
    std::size_t size() const { return View().size(); }
    bool empty() const { return id_ == 0; }

    friend bool operator==(PooledText a, PooledText b) { return a.id_ == b.id_; }
    // Against any text: a std::string, a string_view or a literal.
    template <class T>
    requires std::is_convertible_v<const T&, std::string_view>
    friend bool operator==(PooledText a, const T& b) { return a.View() == std::string_view(b); }

    friend std::string operator+(std::string a, PooledText b) {
        a += b.View();
        return a;
    }
    friend std::string operator+(PooledText a, std::string_view b) {
        std::string joined(a.View());
        joined += b;
        return joined;
    }

  private:
    // 0 for the empty text, which is never stored.
    static std::uint32_t Intern(std::string_view s);

    std::uint32_t id_ = 0;
};

}  // namespace text
