// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/PooledText.h"
#include "text/Sjis.h"

namespace text {

// A text with the width of a fixed char field of N bytes: it keeps at most N-1 bytes, cut
// after the last whole character and at an embedded NUL, exactly what the char array would
// keep. It holds only the number of its text in the program's pool, so a part does not carry
// the full widths of its fields (a large drawing holds hundreds of thousands of parts).
template <std::size_t N>
class TextField {
    static_assert(N > 0);

  public:
    TextField() = default;
    explicit TextField(std::string_view s) : text_(std::string_view(FitField(s, N))) {}

    void Assign(std::string_view s) { text_ = std::string_view(FitField(s, N)); }
    std::string_view View() const { return text_.View(); }
    bool Empty() const { return text_.empty(); }

    friend bool operator==(const TextField& a, const TextField& b) = default;

  private:
    PooledText text_;
};

template <std::size_t N>
void CopyToField(TextField<N>& field, std::string_view s) {
    field.Assign(s);
}

template <std::size_t N>
std::string_view FieldText(const TextField<N>& field) {
    return field.View();
}

}  // namespace text
