// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/PartRec.h"
#include "tables/KeyOrder.h"
#include "view/ListView.h"
#include "view/UserInterface.h"

namespace tables {

// Columns of the footprint view with the given widths.
std::vector<view::ListView::Column> FootColumns(int partWidth, int footWidth, int silkWidth);

// The footprint list: converted part names (keys, "?" for any one character) to a
// footprint and a silk name, kept in key order, in "FootPrintList.txt" of the conversion
// folder. Each row of the footprint view carries its entry as row data.
class TFootList {
  public:
    static constexpr const char* kFileName = "FootPrintList.txt";

    // Loads the file of the conversion folder (made absolute now) into the list and the
    // view; every later load and save uses that same file.
    TFootList(const std::filesystem::path& cvtFolder, view::ListView& view,
              view::UserInterface& ui);

    const std::filesystem::path& FilePath() const { return path_; }

    const std::vector<std::unique_ptr<model::TFootRec>>& Entries() const { return entries_; }

    // True when the file was read or does not exist (then nothing changes); a file that
    // cannot be opened is reported, false then.
    bool LoadFoot(view::ListView& view);
    // Files the entry by key order; an entry with an equal key takes the new footprint and
    // silk name. The affected row is selected and scrolled into view; its index is returned.
    int AddFoot(std::unique_ptr<model::TFootRec> entry, view::ListView& view);
    // Writes the list; an empty list leaves the file as it is. False (with the message)
    // only when the file cannot be written.
    bool SaveFoot();
    // The first entry whose key matches `name`, or null.
    const model::TFootRec* FindFoot(std::string_view name) const;

    // Tab operations with the three edit boxes.
    struct Boxes {
        std::string PartName;
        std::string FootPrint;
        std::string Silk;
    };
    Boxes BoxesOf(int row) const;
    void AddFromBoxes(view::ListView& view, const Boxes& boxes);
    void ReplaceSelected(view::ListView& view, const Boxes& boxes);
    void DeleteSelected(view::ListView& view, const Boxes& boxes);

  private:
    bool ValidRow(int row) const {
        return row >= 0 && static_cast<std::size_t>(row) < entries_.size();
    }
    void RemoveRow(view::ListView& view, int row);

    std::filesystem::path path_;
    std::vector<std::unique_ptr<model::TFootRec>> entries_;
    PlainOrderFlag plainOrder_;
    view::UserInterface& ui_;
};

}  // namespace tables
