// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "text/ShortText.h"

namespace model {

struct TNetRec;

struct TPinRec {
    std::int16_t X = 0;  // absolute position of the connection point
    std::int16_t Y = 0;
    std::int32_t PinOrder = 0;  // numeric pin number: sort key and numeric output
    text::ShortText PinNumber;  // pin number text from the library, e.g. 12 or A3
    text::ShortText RefName;    // reference of the owning part; filled by connectivity
    TNetRec* Net = nullptr;     // not owned; null while unconnected
    // Set once a connectivity pass has made the pin's stub. A flag of its own rather than a
    // reserved position, since every position, (-1, -1) too, is a legal place for a pin.
    bool Stubbed = false;
};

// Pins listed by a net; the pins belong to their parts.
using TPinList = std::vector<TPinRec*>;
// Pins held by a part, which owns them.
using TOwnedPinList = std::vector<std::unique_ptr<TPinRec>>;

}  // namespace model
