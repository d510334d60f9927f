// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settings/OptionValues.h"
#include "tables/DetachedViews.h"
#include "tables/FootList.h"
#include "tables/MakerLists.h"
#include "tables/NameLists.h"
#include "tables/PinCvtList.h"
#include "view/UserInterface.h"

namespace tables {

// The views the tables fill; each points at a detached view until the window attaches
// its own (before Create).
struct TTableViews {
    view::ListView* EachCvtView;
    view::ListView* NameCvtView;
    view::ListView* MakerView;
    view::ListView* FootView;
    view::TreeView* PinCvtView;
};

// The four conversion tables of the main window with the views they show in. The tables
// come into being with Create, each loading its file from the conversion folder. The
// lookups of parts list building and pin placement go through here and find nothing
// before Create.
class TConversionTables : public PinNumberLookup {
  public:
    TConversionTables();
    // The views point into the object.
    TConversionTables(const TConversionTables&) = delete;
    TConversionTables& operator=(const TConversionTables&) = delete;

    bool Created() const { return NameLists != nullptr; }
    // Creates and loads every table from the folder named by options.CvtDir, a relative
    // one taken in `drawingFolder`, resolved here once: each table keeps to its file
    // whatever drawings are read later. The name lists take options.NameGroup as their
    // group check list.
    void Create(settings::TOptionValues& options, view::UserInterface& ui,
                const std::filesystem::path& drawingFolder);
    // The conversion folder the tables were created from (empty before Create).
    const std::filesystem::path& Folder() const { return folder_; }
    // Loads "NameTable.Txt" of the drawings' folder as the per-drawing list.
    void LoadDrawingNameTable(const std::filesystem::path& drawingFolder);

    // Name conversion (group -1 when none matched), maker, footprint, pin text by number.
    std::optional<std::string> ConvertName(std::string_view name, int& group) const;
    std::optional<std::string> MakerOf(std::string_view cvtName) const;
    const model::TFootRec* FootOf(std::string_view cvtName) const;
    std::string PinTextOf(std::string_view cvtName, int number) const;
    std::optional<int> PinNumberOf(std::string_view cvtName,
                                   std::string_view pinText) const override;
    bool HasPinBlock(std::string_view cvtName) const { return PinCvt && PinCvt->HasBlock(cvtName); }

    TTableViews Views;
    std::unique_ptr<TFootList> Foot;
    std::unique_ptr<TNameLists> NameLists;
    std::unique_ptr<TMakerLists> Makers;
    std::unique_ptr<TPinCvtList> PinCvt;

  private:
    std::filesystem::path folder_;
    DetachedListView detachedList_;
    DetachedTreeView detachedTree_;
};

}  // namespace tables
