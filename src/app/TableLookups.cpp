// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TableLookups.h"

namespace app {

std::optional<partslist::PartLookups::NameConversion> TableLookups::ConvertName(
    std::string_view partName) {
    int group = -1;
    std::optional<std::string> converted = tables_.ConvertName(partName, group);
    if (!converted) {
        return std::nullopt;
    }
    return NameConversion{*converted, group};
}

std::optional<std::string> TableLookups::FindMaker(std::string_view cvtName) {
    return tables_.MakerOf(cvtName);
}

std::optional<partslist::PartLookups::Footprint> TableLookups::FindFoot(std::string_view cvtName) {
    const model::TFootRec* foot = tables_.FootOf(cvtName);
    if (!foot) {
        return std::nullopt;
    }
    return Footprint{foot->FootKey.str(), foot->FootPrint.str(), foot->SilkName.str()};
}

std::string TableLookups::PinTextOf(std::string_view cvtName, int number) {
    return tables_.PinTextOf(cvtName, number);
}

std::string TableLookups::GroupName(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= options_.NameGroup.size()) {
        return {};
    }
    return options_.NameGroup[static_cast<std::size_t>(index)].Name;
}

bool TableLookups::HasPart(std::string_view cvtName) const {
    return tables_.HasPinBlock(cvtName);
}

std::optional<int> TableLookups::NumberOf(std::string_view cvtName,
                                          std::string_view pinText) const {
    return tables_.PinNumberOf(cvtName, pinText);
}

}  // namespace app
