#include "tables/ConversionTables.h"

namespace tables {

TConversionTables::TConversionTables()
    : Views{&detachedList_, &detachedList_, &detachedList_, &detachedList_, &detachedTree_} {}

void TConversionTables::Create(settings::TOptionValues& options, view::UserInterface& ui) {
    Foot = std::make_unique<TFootList>(options.CvtDir, *Views.FootView, ui);
    NameLists =
        std::make_unique<TNameLists>(options.CvtDir, options.NameGroup, *Views.NameCvtView, ui);
    Makers = std::make_unique<TMakerLists>(options.CvtDir, *Views.MakerView, ui);
    PinCvt = std::make_unique<TPinCvtList>();
    PinCvt->LoadPinCvt(options.CvtDir, *Views.PinCvtView, ui);
}

void TConversionTables::LoadDrawingNameTable() {
    if (NameLists) {
        NameLists->LoadList(TNameLists::kFileName, *Views.EachCvtView, NameList::Each);
    }
}

}  // namespace tables
