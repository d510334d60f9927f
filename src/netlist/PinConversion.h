// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace netlist {

// What connectivity needs of the pin conversion list: the pin numbers given to pin texts,
// per converted part name. Only the first block of a part name counts; names and pin
// texts compare without regard to ASCII case. The conversion tables implement it.
class PinConversion {
  public:
    virtual ~PinConversion() = default;
    // Whether the list has a block for the part.
    virtual bool HasPart(std::string_view cvtName) const = 0;
    // The number of the first pair of the part's block whose pin text is `pinText`; none
    // when the part has no block or the block no such pair.
    virtual std::optional<int> NumberOf(std::string_view cvtName,
                                        std::string_view pinText) const = 0;
};

// The empty list: no part has a block.
class NoPinConversion final : public PinConversion {
  public:
    bool HasPart(std::string_view) const override { return false; }
    std::optional<int> NumberOf(std::string_view, std::string_view) const override {
        return std::nullopt;
    }
};

}  // namespace netlist
