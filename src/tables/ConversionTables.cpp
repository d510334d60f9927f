// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/ConversionTables.h"

#include "tables/TableFile.h"

namespace tables {

TConversionTables::TConversionTables()
    : Views{&detachedList_, &detachedList_, &detachedList_, &detachedList_, &detachedTree_} {}

void TConversionTables::Create(settings::TOptionValues& options, view::UserInterface& ui,
                               const std::filesystem::path& drawingFolder) {
    folder_ = CvtFolderPath(options.CvtDir, drawingFolder);
    Foot = std::make_unique<TFootList>(folder_, *Views.FootView, ui);
    NameLists = std::make_unique<TNameLists>(folder_, options.NameGroup, *Views.NameCvtView, ui,
                                             drawingFolder);
    Makers = std::make_unique<TMakerLists>(folder_, *Views.MakerView, ui);
    PinCvt = std::make_unique<TPinCvtList>(folder_);
    PinCvt->LoadPinCvt(*Views.PinCvtView, ui);
}

void TConversionTables::LoadDrawingNameTable(const std::filesystem::path& drawingFolder) {
    if (NameLists) {
        NameLists->LoadList(TNameLists::EachPath(drawingFolder), *Views.EachCvtView, NameList::Each,
                            drawingFolder);
    }
}

std::optional<std::string> TConversionTables::ConvertName(std::string_view name, int& group) const {
    group = -1;
    return NameLists ? NameLists->Convert(name, group) : std::nullopt;
}

std::optional<std::string> TConversionTables::MakerOf(std::string_view cvtName) const {
    return Makers ? Makers->FindMaker(cvtName) : std::nullopt;
}

const model::TFootRec* TConversionTables::FootOf(std::string_view cvtName) const {
    return Foot ? Foot->FindFoot(cvtName) : nullptr;
}

std::string TConversionTables::PinTextOf(std::string_view cvtName, int number) const {
    return PinCvt ? PinCvt->PinTextOf(cvtName, number) : std::to_string(number);
}

std::optional<int> TConversionTables::PinNumberOf(std::string_view cvtName,
                                                  std::string_view pinText) const {
    return PinCvt ? PinCvt->PinNumberOf(cvtName, pinText) : std::nullopt;
}

}  // namespace tables
