// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace model {

struct TComment {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::string Text;  // CP932, at most 255 bytes
};

class TCommentList {
  public:
    std::vector<TComment> Items;

    int Count() const { return static_cast<int>(Items.size()); }
    void Clear() { Items.clear(); }
    // Adds a comment at (x, y); the text is cut to 255 bytes at a whole character.
    void AddComment(std::int16_t x, std::int16_t y, std::string_view text);
};

}  // namespace model
