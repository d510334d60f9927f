#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "model/Ce2Records.h"
#include "model/PinRec.h"
#include "text/TextField.h"

namespace model {

struct TPartRec;

struct TPartOwn : CCe2Part {
    text::TextField<128> PartName;  // Name when given, else LibName
    // Further units of the same physical part; the head owns the chain.
    std::unique_ptr<TPartRec> NextUnit;
};

struct TFootRec {
    std::string FootKey;
    std::string FootPrint;
    std::string SilkName;
};

struct MAKERLIST {
    text::TextField<128> CvtName;   // part name after name conversion
    text::TextField<32> MakerName;  // empty when the maker list has none
};

struct TPartRec : TPartOwn, TFootRec, MAKERLIST {
    std::int16_t UnitNo = 1;
    char RefPrefix[8] = {};
    // Wider than the 16 bits of the original record: references past 32767 (R40000) must
    // neither wrap nor merge, or parts would be lost from the list. A reference holds at
    // most 11 digits, so every number fits.
    std::int64_t RefNumber = 0;
    std::int16_t Amount = 1;
    text::TextField<256> Note;
    std::uint8_t NameConflict = 0;
    TOwnedPinList Pins;  // pins of every unit, held by the head
    std::int32_t NameCvtIndex = -1;
    std::uint8_t SilkSet = 0;
    int RowA = -1;  // rows showing the part in parts views A and B; -1 for none
    int RowB = -1;

    TPartRec() = default;
    // Builds the record from a part record of a drawing file.
    explicit TPartRec(const CCe2Part& fileRecord);
    // A long chain of units is released without deep recursion.
    ~TPartRec();
    TPartRec(const TPartRec&) = delete;
    TPartRec& operator=(const TPartRec&) = delete;

    std::string_view PartNameText() const;
    std::string_view CvtNameText() const;
    std::string_view MakerNameText() const;
    std::string_view RefPrefixText() const;
    std::string_view NoteText() const;
    bool HasRef() const { return RefLen != 0; }
};

}  // namespace model
