// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "netlist/PinConversion.h"
#include "partslist/PartLookups.h"
#include "settings/OptionValues.h"
#include "tables/ConversionTables.h"

namespace app {

// The conversion tables as the parts list and connectivity ask for them.
class TableLookups final : public partslist::PartLookups, public netlist::PinConversion {
  public:
    TableLookups(const tables::TConversionTables& tables, const settings::TOptionValues& options)
        : tables_(tables), options_(options) {}

    std::optional<NameConversion> ConvertName(std::string_view partName) override;
    std::optional<std::string> FindMaker(std::string_view cvtName) override;
    std::optional<Footprint> FindFoot(std::string_view cvtName) override;
    std::string PinTextOf(std::string_view cvtName, int number) override;
    std::string GroupName(int index) override;

    bool HasPart(std::string_view cvtName) const override;
    std::optional<int> NumberOf(std::string_view cvtName, std::string_view pinText) const override;

  private:
    const tables::TConversionTables& tables_;
    const settings::TOptionValues& options_;
};

}  // namespace app
