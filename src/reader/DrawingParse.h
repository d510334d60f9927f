// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "model/Ce2Records.h"
#include "reader/RecordReader.h"

// The bytes of a drawing as records, with nothing else: no files, no messages, no program
// state. Loading (app/DrawingLoad) drives it and turns damage into what the user reads.
namespace reader {

struct Damage {
    DamageKind Kind = DamageKind::None;
    long Offset = 0;  // where the damaged record starts in the file
    explicit operator bool() const { return Kind != DamageKind::None; }
};

// Receives the records in file order.
class DrawingRecordSink {
  public:
    virtual ~DrawingRecordSink() = default;
    // The raw record of each geometric kind (its length checked).
    virtual void Junction(const std::uint8_t* record) = 0;
    virtual void Wire(const std::uint8_t* record) = 0;
    virtual void Label(const std::uint8_t* record) = 0;
    virtual void Part(const model::CCe2Part& part) = 0;
    virtual void Comment(std::int16_t x, std::int16_t y, std::string_view text) = 0;
};

// Reads and checks the header: HeaderCut or NotADrawing, else no damage.
Damage ParseDrawingHeader(ByteSource& source);

// Reads the records after the header until the end of the file, an end record (kinds 10
// to 15) or the first damaged record, whose damage it returns; the records before it have
// been handed over.
Damage ParseDrawingRecords(ByteSource& source, DrawingRecordSink& sink);

}  // namespace reader
