// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "model/Ce2Records.h"
#include "model/PinRec.h"
#include "text/PooledText.h"
#include "text/ShortText.h"
#include "text/TextField.h"

namespace model {

struct TPartRec;

struct TPartOwn : CCe2Part {
    // Further units of the same physical part; the head owns the chain.
    std::unique_ptr<TPartRec> NextUnit;
};

// What a part takes from the footprint list.
struct TFootprint {
    text::PooledText FootPrint;
    text::PooledText SilkName;
};

// An entry of the footprint list: the part name it is for, and the footprint.
struct TFootRec {
    text::ShortText FootKey;
    text::ShortText FootPrint;
    text::ShortText SilkName;
};

struct MAKERLIST {
    text::TextField<128> CvtName;   // part name after name conversion
    text::TextField<32> MakerName;  // empty when the maker list has none
};

struct TPartRec : TPartOwn, TFootprint, MAKERLIST {
    // The small fields sit together after the large ones, so that a record of a large
    // drawing's hundreds of thousands carries no padding between them.
    text::TextField<256> Note;
    std::int32_t NameCvtIndex = -1;
    // Wider than the 16 bits of the original record: references past 32767 (R40000) must
    // neither wrap nor merge, or parts would be lost from the list. A reference holds at
    // most 11 digits, so every number fits.
    std::int64_t RefNumber = 0;
    TOwnedPinList Pins;  // pins of every unit, held by the head
    int RowA = -1;       // rows showing the part in parts views A and B; -1 for none
    int RowB = -1;
    std::int16_t UnitNo = 1;
    std::int16_t Amount = 1;
    std::uint8_t NameConflict = 0;
    std::uint8_t SilkSet = 0;
    // The reference's letters before its first digit are its first RefPrefixLen bytes. The
    // prefix is never cut to a field width: CONNECTOR1 and CONNECTORS1 are two parts.
    std::uint8_t RefPrefixLen = 0;

    TPartRec() = default;
    // Builds the record from a part record of a drawing file.
    explicit TPartRec(const CCe2Part& fileRecord);
    // A long chain of units is released without deep recursion.
    ~TPartRec();
    TPartRec(const TPartRec&) = delete;
    TPartRec& operator=(const TPartRec&) = delete;

    // The name drawn: Name when given, else LibName.
    std::string_view PartNameText() const;
    std::string_view CvtNameText() const;
    std::string_view MakerNameText() const;
    std::string_view RefPrefixText() const;
    std::string_view NoteText() const;
    bool HasRef() const { return RefLen != 0; }

    // From the parts' pool (model/RecordPool.h).
    static void* operator new(std::size_t size);
    static void operator delete(void* part, std::size_t size) noexcept;
};

}  // namespace model
