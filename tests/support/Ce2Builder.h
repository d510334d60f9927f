// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Ce2Records.h"
#include "support/Bytes.h"

namespace support {

// The fields of a part record (kind 8) a test cares about.
struct PartSpec {
    int X = 0;
    int Y = 0;
    unsigned Dir = 0;    // bits 0-1 rotation, bit 2 mirror
    unsigned Block = 0;  // unit, 0-based
    std::string Name;    // typed part name (NameLen = its length unless NameLen is set)
    std::string Ref;     // reference designator
    std::string LibName;
    int NameLen = -1;  // >= 0 forces the length byte (damaged or odd records)
    int RefLen = -1;
};

// Writes a drawing file (".ce2") record by record, as the schematic editor lays it out.
class Ce2Builder {
  public:
    enum class Signature { V0000, V0001 };

    explicit Ce2Builder(Signature signature = Signature::V0000);

    Ce2Builder& Junction(int x, int y);
    Ce2Builder& Wire(int x1, int y1, int x2, int y2);
    // Kind 5 or 6; `vertical` sets attribute bit 3.
    Ce2Builder& Label(std::string_view text, int x, int y, bool vertical = false,
                      unsigned kind = 5);
    Ce2Builder& Part(const PartSpec& part);
    // Kind 16: reference point and text, with a correct length field.
    Ce2Builder& Comment(int x, int y, std::string_view text);
    // A record of a fixed-length kind 0..9 this program steps over (1, 2, 4, 7, 9), filled
    // with a recognisable pattern.
    Ce2Builder& Skipped(unsigned kind);
    // A variable-length record of any kind >= 16 with `lengthField` written as given and
    // `payload` bytes after the 12-byte head (byte 12, the text length at byte 13, the text).
    Ce2Builder& Variable(unsigned kind, int x, int y, int lengthField, std::string_view payload);
    // A record of an end kind (10..15) followed by nothing.
    Ce2Builder& EndKind(unsigned kind);
    Ce2Builder& Raw(std::string_view bytes);

    const std::string& Data() const { return bytes_.Data(); }
    std::size_t Size() const { return bytes_.Size(); }
    // Writes the image to `path`; returns the path.
    std::string WriteTo(const std::string& path) const;

  private:
    Bytes bytes_;
};

// The part record as a drawing file holds it, decoded: what the reader hands on.
model::CCe2Part PartRecord(const PartSpec& part);

// The 60-byte header alone, with a signature of the caller's choice.
std::string Ce2Header(std::string_view signature20);

}  // namespace support
