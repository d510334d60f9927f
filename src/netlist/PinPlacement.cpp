// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlist/PinPlacement.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "text/Padding.h"
#include "text/Sjis.h"

namespace netlist {
namespace {

constexpr std::size_t kLibRecordHead = 12;
constexpr std::size_t kPinNumberField = 256;

// A point of a symbol (grid units, relative to the part's position) turned by the part's
// quarter turns and then mirrored. Pins and the body go through the same steps, so a pin
// always stays on the side of the body it was drawn on.
void TurnAndMirror(long& x, long& y, long w, long h, std::uint8_t dir) {
    const int rotation = dir & 3;
    const long x0 = x;
    const long y0 = y;
    switch (rotation) {
        case 1:
            x = -h - y0;
            y = x0;
            break;
        case 2:
            x = -w - x0;
            y = -h - y0;
            break;
        case 3:
            x = y0;
            y = -w - x0;
            break;
        default:
            break;
    }
    if ((dir & 4) != 0) {
        const long flip = (rotation == 0 || rotation == 2) ? w : h;
        x = -flip - x;
    }
}

std::int16_t ToDrawing(long grid, std::int16_t origin) {
    return static_cast<std::int16_t>(10 * grid + origin);
}

std::uint16_t U16At(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
}

// The number is pooled, not kept: a view of the caller's text is enough.
std::unique_ptr<model::TPinRec> NewPin(model::TPoint at, std::string_view number) {
    auto pin = std::make_unique<model::TPinRec>();
    pin->X = at.X;
    pin->Y = at.Y;
    pin->PinNumber = number;
    return pin;
}

// The pins of a binary library's symbol; its record was checked on reading to hold every
// pin entry.
void PlaceLibPins(const model::TPartRec& part, std::span<const std::uint8_t> record,
                  model::TOwnedPinList& pins) {
    if (record.size() < kLibRecordHead) {
        return;
    }
    const int width = record[0];
    const int height = record[1];
    const std::size_t blocks = record[2];
    const std::size_t count = U16At(record, 10) & 0x0FFF;
    const std::size_t entrySize = 2 * blocks + 4;
    // A single-unit symbol has one number whatever unit the drawing names.
    const std::size_t unit = blocks == 1 ? 0 : part.Block;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kLibRecordHead + i * entrySize;
        if (entry + entrySize > record.size()) {
            break;
        }
        const auto side = static_cast<PinSide>(record[entry + 1] & 3);
        model::TPoint at =
            PinPosition(side, record[entry], width, height, part.Dir, {part.X, part.Y});
        const std::string number =
            unit < blocks ? PinNumberText(U16At(record, entry + 4 + 2 * unit)) : std::string();
        pins.push_back(NewPin(at, number));
    }
}

bool IsTagSeparator(char c) {
    return c == ',' || c == ' ' || c == '\t';
}

// Where a tag such as "M:" begins its value. A tag counts at the start of the text or after
// a comma, blank or tab, so both ",L:L1,M:7" and the blank-separated ",L:L1 M:7" of one
// token are read, while a pin named "COM:" is no "M:". `skip` tags of that kind are passed
// over first. npos when there is none.
std::size_t TagValue(std::string_view pinText, std::string_view tag, int skip) {
    for (std::size_t pos = pinText.find(tag); pos != std::string_view::npos;
         pos = pinText.find(tag, pos + 1)) {
        if ((pos == 0 || IsTagSeparator(pinText[pos - 1])) && skip-- == 0) {
            return pos + tag.size();
        }
    }
    return std::string_view::npos;
}

// A tag's value runs to the next comma, or to the blank or tab before the next tag.
std::string_view TagValueText(std::string_view fromValue) {
    std::string_view value = fromValue.substr(0, fromValue.find(','));
    for (std::size_t i = 0; i + 2 < value.size(); ++i) {
        if ((value[i] == ' ' || value[i] == '\t') && value[i + 2] == ':' && value[i + 1] != ' ' &&
            value[i + 1] != '\t') {
            return value.substr(0, i);
        }
    }
    return value;
}

std::optional<PinSide> SideOfLetter(char letter) {
    switch (letter) {
        case 'L':
            return PinSide::Left;
        case 'T':
            return PinSide::Top;
        case 'R':
            return PinSide::Right;
        case 'B':
            return PinSide::Bottom;
        default:
            return std::nullopt;
    }
}

// A text library pin's position; the part's own position when the text gives no side.
model::TPoint Lb3PinPosition(const model::TPartRec& part, const library::TSymbInf3& symbol,
                             std::string_view pinText) {
    const model::TPoint partPosition{part.X, part.Y};
    std::size_t value = TagValue(pinText, "L:", 0);
    if (value == std::string_view::npos || value >= pinText.size()) {
        return partPosition;
    }
    std::optional<PinSide> side = SideOfLetter(pinText[value]);
    if (!side) {
        return partPosition;
    }
    // Digits beyond any drawing's reach are held, not wrapped into a small offset.
    long offset = 0;
    for (std::size_t i = value + 1; i < pinText.size() && pinText[i] >= '0' && pinText[i] <= '9';
         ++i) {
        offset = std::min<long>(offset * 10 + (pinText[i] - '0'), 100000);
    }
    return PinPosition(*side, static_cast<int>(offset), symbol.SymWidth, symbol.SymHeight, part.Dir,
                       partPosition);
}

// The unit's number: the value of its "M:" tag; empty when the text has too few.
std::string Lb3PinNumber(const model::TPartRec& part, std::string_view pinText) {
    std::size_t value = TagValue(pinText, "M:", part.Block);
    if (value == std::string_view::npos) {
        return std::string();
    }
    return text::FitField(TagValueText(pinText.substr(value)), kPinNumberField);
}

}  // namespace

model::TPoint PinPosition(PinSide side, int offset, int width, int height, std::uint8_t dir,
                          model::TPoint partPosition) {
    const long w = width;
    const long h = height;
    const long d = offset;
    long x = 0;
    long y = 0;
    switch (side) {
        case PinSide::Left:
            x = -w - 1;
            y = d - h;
            break;
        case PinSide::Top:
            x = d - w;
            y = -h - 1;
            break;
        case PinSide::Right:
            x = 1;
            y = d - h;
            break;
        case PinSide::Bottom:
            x = d - w;
            y = 1;
            break;
    }
    TurnAndMirror(x, y, w, h, dir);
    return {ToDrawing(x, partPosition.X), ToDrawing(y, partPosition.Y)};
}

model::DrawingRect BodyRect(int width, int height, std::uint8_t dir, model::TPoint partPosition) {
    long x1 = -width, y1 = -height, x2 = 0, y2 = 0;
    TurnAndMirror(x1, y1, width, height, dir);
    TurnAndMirror(x2, y2, width, height, dir);
    model::DrawingRect body = model::DrawingRect::Nothing();
    body.Include(model::TPoint{ToDrawing(x1, partPosition.X), ToDrawing(y1, partPosition.Y)});
    body.Include(model::TPoint{ToDrawing(x2, partPosition.X), ToDrawing(y2, partPosition.Y)});
    return body;
}

std::string PinNumberText(std::uint16_t pinNoWord) {
    const unsigned number = pinNoWord & 0x1FF;
    const unsigned letter = (pinNoWord >> 10) & 0x1F;
    std::string pin = letter != 0 ? std::string(1, static_cast<char>(0x40 + letter)) : "";
    return pin + std::to_string(number);
}

void PlacePins(const model::TPartRec& part, const library::TLibList& libs, model::TPartRec& head) {
    const library::TSymbolEntry* symbol = libs.FindSymbol(part.LibNameText());
    if (!symbol) {
        return;
    }
    if (symbol->Lb3Data) {
        for (const std::string& pinText : symbol->Lb3Data->PinLines) {
            head.Pins.push_back(NewPin(Lb3PinPosition(part, *symbol->Lb3Data, pinText),
                                       Lb3PinNumber(part, pinText)));
        }
    } else {
        PlaceLibPins(part, symbol->LibData, head.Pins);
    }
}

}  // namespace netlist
