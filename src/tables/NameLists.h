// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "settings/IniFile.h"
#include "settings/OptionValues.h"
#include "view/ListView.h"
#include "view/UserInterface.h"

namespace tables {

// One name conversion entry: the part name as typed in a drawing, the name wanted in the
// parts list, and the entry's group (index into the NameGroup list, -1 for none).
struct NameCvtRec {
    char OrgName[128] = {};
    char NewName[128] = {};
    std::int32_t Group = -1;

    NameCvtRec() = default;
    NameCvtRec(std::string_view orgName, std::string_view newName, std::int32_t group);
    std::string_view OrgNameText() const;
    std::string_view NewNameText() const;
};

enum class NameList { Common, Each };

// The two views of the name conversion tab.
struct NameCvtViews {
    view::ListView& Each;    // per-drawing list
    view::ListView& Common;  // common list
    view::ListView& Of(NameList which) const { return which == NameList::Common ? Common : Each; }
};

// Columns of both conversion views with the given widths.
std::vector<view::ListView::Column> NameCvtColumns(int groupWidth, int orgWidth, int newWidth);

// The common (共通) and per-drawing (各図個別) part name conversion lists, their files
// "NameTable.Txt" (in the conversion folder and in the drawings' folder) and the operations
// of the name conversion tab. The drawings' folder is where the per-drawing list and the
// folder settings file (the check marks of new groups) lie.
class TNameLists {
  public:
    static constexpr const char* kFileName = "NameTable.Txt";

    struct RowRef {
        NameList List;
        int Row;
    };
    enum class EditMode { Update, Insert };

    // Takes the conversion folder and the group check list, and loads the common list into
    // `commonView`.
    TNameLists(const std::filesystem::path& cvtFolder, std::vector<settings::NameGroupItem>& groups,
               view::ListView& commonView, view::UserInterface& ui,
               const std::filesystem::path& drawingFolder);

    const std::filesystem::path& CommonPath() const { return commonPath_; }
    static std::filesystem::path EachPath(const std::filesystem::path& drawingFolder) {
        return drawingFolder / kFileName;
    }

    std::vector<NameCvtRec>& Entries(NameList which) {
        return which == NameList::Common ? common_ : each_;
    }
    const std::vector<NameCvtRec>& Entries(NameList which) const {
        return which == NameList::Common ? common_ : each_;
    }
    bool& Modified(NameList which) {
        return which == NameList::Common ? CommonModified : EachModified;
    }

    // Reads a list file into one list and shows it. A file that cannot be opened changes
    // nothing; false then.
    bool LoadList(const std::filesystem::path& path, view::ListView& view, NameList which,
                  const std::filesystem::path& drawingFolder);
    // Writes one list; an empty list leaves the file as it is. A file that cannot be
    // written is reported and keeps the list's modified flag set; false then.
    bool SaveList(const std::filesystem::path& path, NameList which);
    // Saves the lists that were changed (common to the conversion folder, per-drawing to
    // the drawings' folder).
    void SaveModified(const std::filesystem::path& drawingFolder);
    void ShowList(view::ListView& view, NameList which) const;

    // Index of the group named `name` (ASCII case ignored); a new name is appended to the
    // check list and given its remembered check mark.
    int FindGroup(std::string_view name, const std::filesystem::path& drawingFolder);
    // The group's name; empty for -1 (or an index the list does not hold).
    std::string GroupName(int group) const;
    // The converted name of `name`, per-drawing list first, entries of unchecked groups
    // skipped; `group` receives the entry's group, -1 when none matched.
    std::optional<std::string> Convert(std::string_view name, int& group) const;

    // Tab operations. The row under the mouse at a press in either view (-1: none).
    void MouseDown(NameList which, int rowUnderMouse);
    // A drag is accepted only between the conversion views and onto a row.
    static bool DragOverAccepted(std::optional<NameList> source, std::optional<NameList> target,
                                 int rowUnderMouse);
    // Drops the selected row of the source view on `targetRow` of the target view: a move
    // within one view (lands before the target row), a copy between them (after it).
    void DragDrop(const NameCvtViews& views, NameList source, NameList target, int targetRow);
    // Asks, and deletes the current row's entry on Yes. Nothing is written yet.
    void DeleteCurrent(const NameCvtViews& views);
    // What the conversion entry dialog stores for the current row: the entry updated, or
    // a new entry after it. Input equal to the entry (ASCII case ignored) changes nothing;
    // false then (and without a current row).
    bool ApplyEntryEdit(const NameCvtViews& views, EditMode mode, std::string_view orgName,
                        std::string_view newName, std::string_view groupText,
                        const std::filesystem::path& drawingFolder);

    bool CommonModified = false;
    bool EachModified = false;
    std::optional<RowRef> CurrentRow;

  private:
    std::vector<std::string> RowCells(const NameCvtRec& entry) const;
    int FindGroup(std::string_view name, const settings::TIniFile& folderSettings);
    bool CurrentEntryValid() const;

    std::filesystem::path commonPath_;
    std::vector<settings::NameGroupItem>& groups_;
    view::UserInterface& ui_;
    std::unordered_map<std::string, int> groupIndex_;  // folded name -> first index
    std::size_t indexedGroups_ = 0;
    std::vector<NameCvtRec> common_;
    std::vector<NameCvtRec> each_;
};

}  // namespace tables
