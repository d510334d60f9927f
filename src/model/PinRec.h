// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/OwnedPinList.h"
#include "text/PooledText.h"

namespace model {

struct TNetRec;

struct TPinRec {
    std::int16_t X = 0;  // absolute position of the connection point
    std::int16_t Y = 0;
    std::int32_t PinOrder = 0;   // numeric pin number: sort key and numeric output
    TNetRec* Net = nullptr;      // not owned; null while unconnected
    text::PooledText PinNumber;  // pin number text from the library, e.g. 12 or A3
    // The reference of the part (the head of its units) the netlists write beside the pin,
    // copied when a connectivity pass makes the pin's stub: a reference holds at most 11
    // bytes, kept here rather than as a text of its own or looked up through the part, which
    // the netlists would do for a million pins in no order of the parts.
    char Ref[11] = {};
    // kNoStub until the pin is stubbed: every position, (-1, -1) too, is a legal place for
    // a pin, so this says whether it has a stub.
    std::uint8_t RefLen = kNoStub;

    static constexpr std::uint8_t kNoStub = 0xFF;
    bool Stubbed() const { return RefLen != kNoStub; }
    // The reference; empty until the pin is stubbed.
    std::string_view RefText() const {
        return Stubbed() ? std::string_view(Ref, RefLen) : std::string_view();
    }
    // Marks the pin stubbed for a part of reference `ref` (its first 11 bytes).
    void SetRef(std::string_view ref);

    // From the pins' pool (model/RecordPool.h).
    static void* operator new(std::size_t size);
    static void operator delete(void* pin, std::size_t size) noexcept;
};

// Pins listed by a net; the pins belong to their parts.
using TPinList = InlineList<TPinRec*>;

}  // namespace model
