// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Record shapes exactly as they stand in a drawing file (little-endian, no padding).
// They are also the first bytes of the in-memory records built from them.
namespace model {

static_assert(std::endian::native == std::endian::little,
              "drawing records are read by copying little-endian bytes");

enum Ce2Kind : std::uint8_t {
    kKindJunction = 0,
    kKindWire = 3,
    kKindLabel = 5,
    kKindLabelAlt = 6,
    kKindPart = 8,
    kKindFirstEnd = 10,  // kinds 10..15 end the records
    kKindLastEnd = 15,
    kKindComment = 16,  // 16 and above have a length in their head
};

// Length of a fixed-length record of kind 0..9.
constexpr std::size_t kFixedRecordLength[10] = {6, 6, 10, 10, 10, 18, 18, 38, 60, 60};

#pragma pack(push, 1)
struct CCe2Common {
    std::uint8_t Kind = 0;
    std::uint8_t Attr = 0;
};

struct CCe2Junction : CCe2Common {
    std::int16_t X = 0;
    std::int16_t Y = 0;
};

struct CCe2Part : CCe2Junction {
    std::uint8_t Carried[4] = {};  // not interpreted, kept with the part
    std::uint8_t Dir = 0;          // bits 0-1 quarter turns, bit 2 mirrored
    std::uint8_t Block = 0;        // unit of a multi-unit symbol, 0-based
    std::uint8_t NameLen = 0;
    char Name[19] = {};
    std::uint8_t RefLen = 0;
    char Ref[11] = {};
    char LibName[16] = {};

    int Rotation() const { return Dir & 3; }
    bool Mirrored() const { return (Dir & 4) != 0; }
    // The texts with their length bytes bounded by the fields, so a damaged length
    // byte never reads past the record.
    std::string_view NameText() const;
    std::string_view RefText() const;
    std::string_view LibNameText() const;
};

// Labels (kinds 5 and 6) and tags; kept as byte copies.
struct CCe2Label : CCe2Junction {
    std::uint8_t TextLen = 0;
    char Text[11] = {};

    bool Vertical() const { return (Attr & 0x08) != 0; }
    std::string_view LabelText() const;
};
#pragma pack(pop)

static_assert(sizeof(CCe2Common) == 2);
static_assert(sizeof(CCe2Junction) == 6);
static_assert(sizeof(CCe2Part) == 60);
static_assert(sizeof(CCe2Label) == 18);

// Decoding from raw record bytes; `bytes` must hold at least sizeof(T) bytes.
CCe2Part DecodePart(const std::uint8_t* bytes);
CCe2Label DecodeLabel(const std::uint8_t* bytes);
std::int16_t ReadInt16(const std::uint8_t* bytes);

}  // namespace model
