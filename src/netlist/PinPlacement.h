// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "library/LibList.h"
#include "model/DrawingGeometry.h"
#include "model/PartRec.h"
#include "model/Point.h"

namespace netlist {

enum class PinSide { Left = 0, Top = 1, Right = 2, Bottom = 3 };

// A pin's connection point in drawing units: `offset` grid units along `side` of a body
// of `width` x `height` grid units, turned and mirrored by the part's `dir`, relative to
// the part's position (16-bit results, as the drawing stores them).
model::TPoint PinPosition(PinSide side, int offset, int width, int height, std::uint8_t dir,
                          model::TPoint partPosition);

// The body of a symbol of `width` x `height` grid units, turned and mirrored as its pins
// are, in drawing units: the pins stand one grid unit outside it.
model::DrawingRect BodyRect(int width, int height, std::uint8_t dir, model::TPoint partPosition);

// A binary library's pin number word as text: "A12" for letter code 1 and number 12, "7"
// without a letter.
std::string PinNumberText(std::uint16_t pinNoWord);

// Creates the pins of `part` from its library symbol and appends them to `head`'s pins
// (`head` is `part` itself unless the part is a further unit of a part already listed).
// A symbol that is not in the libraries gives no pins.
void PlacePins(const model::TPartRec& part, const library::TLibList& libs, model::TPartRec& head);

}  // namespace netlist
