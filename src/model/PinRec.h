// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/ShortText.h"

namespace model {

struct TNetRec;
struct TPartRec;

struct TPinRec {
    std::int16_t X = 0;  // absolute position of the connection point
    std::int16_t Y = 0;
    std::int32_t PinOrder = 0;  // numeric pin number: sort key and numeric output
    text::ShortText PinNumber;  // pin number text from the library, e.g. 12 or A3
    TNetRec* Net = nullptr;     // not owned; null while unconnected
    // The part whose reference the netlists write beside the pin (the head of its units),
    // set when a connectivity pass makes the pin's stub, and null until then: every
    // position, (-1, -1) too, is a legal place for a pin, so this says whether it has one.
    // Not a copy of the reference, which a large drawing would keep a million times.
    const TPartRec* Part = nullptr;

    bool Stubbed() const { return Part != nullptr; }
    // The reference of the part; empty until the pin is stubbed.
    std::string_view RefText() const;

    // From the pins' pool (model/RecordPool.h).
    static void* operator new(std::size_t size);
    static void operator delete(void* pin, std::size_t size) noexcept;
};

// Pins listed by a net; the pins belong to their parts.
using TPinList = std::vector<TPinRec*>;
// Pins held by a part, which owns them.
using TOwnedPinList = std::vector<std::unique_ptr<TPinRec>>;

}  // namespace model
