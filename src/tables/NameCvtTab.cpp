// SPDX-License-Identifier: GPL-3.0-or-later
// The operations of the name conversion tab: which row a command acts on, drag and drop
// between and within the two views, delete, and what the conversion entry dialog stores.
#include "tables/NameLists.h"
#include "tables/TableFile.h"
#include "text/Compare.h"
#include "text/Cp932.h"

namespace tables {

void TNameLists::MouseDown(NameList which, int rowUnderMouse) {
    if (rowUnderMouse >= 0) {
        CurrentRow = RowRef{which, rowUnderMouse};
    } else {
        CurrentRow.reset();
    }
}

bool TNameLists::DragOverAccepted(std::optional<NameList> source, std::optional<NameList> target,
                                  int rowUnderMouse) {
    return source && target && rowUnderMouse >= 0;
}

bool TNameLists::CurrentEntryValid() const {
    return CurrentRow && CurrentRow->Row >= 0 &&
           static_cast<std::size_t>(CurrentRow->Row) < Entries(CurrentRow->List).size();
}

void TNameLists::DragDrop(const NameCvtViews& views, NameList source, NameList target,
                          int targetRow) {
    view::ListView& sourceView = views.Of(source);
    view::ListView& targetView = views.Of(target);
    std::vector<NameCvtRec>& from = Entries(source);
    std::vector<NameCvtRec>& to = Entries(target);
    int dragged = sourceView.Selected();
    if (dragged < 0 || targetRow < 0 || static_cast<std::size_t>(dragged) >= from.size() ||
        static_cast<std::size_t>(targetRow) >= to.size() ||
        (source == target && dragged == targetRow)) {
        return;
    }
    NameCvtRec entry = from[static_cast<std::size_t>(dragged)];
    int at = targetRow + 1;
    if (source == target) {
        at = dragged < targetRow ? targetRow - 1 : targetRow;
        from.erase(from.begin() + dragged);
        sourceView.DeleteRow(dragged);
    }
    to.insert(to.begin() + at, entry);
    targetView.InsertRow(at, RowCells(entry));
    Modified(target) = true;
    // Rows moved under it: the next press names the row again.
    CurrentRow.reset();
}

void TNameLists::DeleteCurrent(const NameCvtViews& views) {
    if (!CurrentEntryValid()) {
        return;
    }
    auto [which, row] = *CurrentRow;
    std::vector<NameCvtRec>& entries = Entries(which);
    const NameCvtRec& entry = entries[static_cast<std::size_t>(row)];
    std::string question = text::Sj(which == NameList::Common ? "共通" : "各図個別") +
                           text::Sj("　変換リスト\n\n部品名(図中)\t") +
                           std::string(entry.OrgNameText()) + text::Sj("\n部品名\t\t") +
                           std::string(entry.NewNameText()) +
                           text::Sj("\n\n\tを削除して良いですか");
    if (!ui_.AskYesNo(ProgramTitle(), question)) {
        return;
    }
    entries.erase(entries.begin() + row);
    views.Of(which).DeleteRow(row);
    Modified(which) = true;
    CurrentRow.reset();
}

bool TNameLists::ApplyEntryEdit(const NameCvtViews& views, EditMode mode, std::string_view orgName,
                                std::string_view newName, std::string_view groupText,
                                const std::filesystem::path& drawingFolder) {
    if (!CurrentEntryValid()) {
        return false;
    }
    auto [which, row] = *CurrentRow;
    std::vector<NameCvtRec>& entries = Entries(which);
    const NameCvtRec& current = entries[static_cast<std::size_t>(row)];
    if (text::EqualAsciiNoCase(newName, current.NewNameText()) &&
        text::EqualAsciiNoCase(orgName, current.OrgNameText()) &&
        text::EqualAsciiNoCase(groupText, GroupName(current.Group))) {
        return false;
    }
    view::ListView& view = views.Of(which);
    std::vector<std::string> cells{std::string(groupText), std::string(orgName),
                                   std::string(newName)};
    NameCvtRec edited(orgName, newName, FindGroup(groupText, drawingFolder));
    if (mode == EditMode::Update) {
        entries[static_cast<std::size_t>(row)] = edited;
        for (int column = 0; column < 3; ++column) {
            view.SetCellText(row, column, cells[static_cast<std::size_t>(column)]);
        }
    } else {
        entries.insert(entries.begin() + row + 1, edited);
        view.InsertRow(row + 1, cells);
    }
    Modified(which) = true;
    return true;
}

}  // namespace tables
