// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/PartRec.h"
#include "tables/KeyOrder.h"
#include "view/ListView.h"
#include "view/UserInterface.h"

namespace tables {

// Columns of the maker view with the given widths.
std::vector<view::ListView::Column> MakerColumns(int partWidth, int makerWidth);

// The maker list: converted part names (keys, "?" for any one character) to maker names,
// kept in key order, in "MakerTable.Txt" of the conversion folder. Rows of the maker view
// correspond to entries by index. Every change is written at once.
class TMakerLists {
  public:
    static constexpr const char* kFileName = "MakerTable.Txt";

    // Loads the file of the conversion folder (made absolute now) into the list and the
    // view; every later load and save uses that same file.
    TMakerLists(const std::filesystem::path& cvtFolder, view::ListView& view,
                view::UserInterface& ui);

    const std::filesystem::path& FilePath() const { return path_; }

    const std::vector<model::MAKERLIST>& Entries() const { return entries_; }

    // A file that cannot be opened changes nothing; false then.
    bool LoadMakers(view::ListView& view);
    // Files the entry by key order; an entry with an equal key gets the new maker. The
    // affected row is selected and scrolled into view; its index is returned.
    int AddMaker(const model::MAKERLIST& entry, view::ListView& view);
    // Writes the whole list (an empty list writes an empty file). A failure is reported
    // and remembered in Unsaved; false then.
    bool SaveMakers();
    // The maker of the first entry whose key matches `name`.
    std::optional<std::string> FindMaker(std::string_view name) const;

    // Tab operations with the two edit boxes (part name, maker).
    struct Boxes {
        std::string PartName;
        std::string Maker;
    };
    Boxes BoxesOf(int row) const;  // what a selected row shows in the boxes
    void AddFromBoxes(view::ListView& view, const Boxes& boxes);
    void ReplaceSelected(view::ListView& view, const Boxes& boxes);
    void DeleteSelected(view::ListView& view, const Boxes& boxes);

    // The last write failed: the list in memory holds changes the file lacks.
    bool Unsaved = false;

  private:
    bool ValidRow(int row) const {
        return row >= 0 && static_cast<std::size_t>(row) < entries_.size();
    }
    void RemoveRow(view::ListView& view, int row);

    std::filesystem::path path_;
    std::vector<model::MAKERLIST> entries_;
    PlainOrderFlag plainOrder_;
    view::UserInterface& ui_;
};

}  // namespace tables
