// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace partslist {

// What the parts list needs of the conversion tables: name conversion, makers,
// footprints, pin texts and group names.
class PartLookups {
  public:
    struct NameConversion {
        std::string CvtName;  // CP932
        int GroupIndex = -1;  // index in the group list; -1 for none
    };
    struct Footprint {
        std::string FootKey;
        std::string FootPrint;
        std::string SilkName;
    };

    virtual ~PartLookups() = default;

    // The entry for a part name among the groups in use, if any.
    virtual std::optional<NameConversion> ConvertName(std::string_view partName) = 0;
    virtual std::optional<std::string> FindMaker(std::string_view cvtName) = 0;
    virtual std::optional<Footprint> FindFoot(std::string_view cvtName) = 0;
    // The pin text paired with a pin number for the part, or the number in decimal.
    virtual std::string PinTextOf(std::string_view cvtName, int number) = 0;
    // The text of group `index` of the group list; empty for -1 or an unknown index.
    virtual std::string GroupName(int index) = 0;
};

}  // namespace partslist
