#include "app/PartsEditFlow.h"

#include <limits>

#include "partslist/PartsListBuilder.h"
#include "partslist/PartsViews.h"
#include "text/Compare.h"
#include "text/Sjis.h"
#include "text/TextField.h"

namespace app {

namespace {

// Columns of the two parts views that an edit touches.
enum { kColNameA = 1, kColAmountA = 2, kColMakerA = 3, kColGroupA = 4, kColNoteA = 5 };
enum { kColSilkB = 3, kColFootB = 4, kColNameB = 5 };

// A typed text against a field, as the field would hold it.
template <std::size_t N>
bool DiffersFromField(const text::TextField<N>& field, std::string_view typed) {
    return field != text::TextField<N>(typed);
}

void SetCellA(MainWindowState& state, const model::TPartRec& part, int column,
              const std::string& text) {
    if (part.RowA >= 0) {
        state.PartsViewA->SetCellText(part.RowA, column, text);
    }
}

// The name, footprint and silk cells of both rows, and the maker and group of row A.
void ShowNameCells(MainWindowState& state, const model::TPartRec& part) {
    SetCellA(state, part, kColNameA, std::string(part.CvtNameText()));
    SetCellA(state, part, kColMakerA, std::string(part.MakerNameText()));
    if (part.RowB >= 0) {
        view::ListView& viewB = *state.PartsViewB;
        viewB.SetCellText(part.RowB, kColSilkB, part.SilkName.str());
        viewB.SetCellText(part.RowB, kColFootB, part.FootPrint.str());
        viewB.SetCellText(part.RowB, kColNameB, std::string(part.CvtNameText()));
    }
}

// Teaches the per-drawing list the part's new name: entries of the drawn name in the
// part's former group are rewritten, else one is added. The list is written to the
// drawing's folder (the current directory) and shown.
void TeachNameTable(MainWindowState& state, const model::TPartRec& part, PartEdit& edit) {
    tables::TNameLists& lists = *state.Tables.NameLists;
    std::vector<tables::NameCvtRec>& each = lists.Entries(tables::NameList::Each);
    const std::string_view key = part.PartNameText();
    bool matched = false;
    for (tables::NameCvtRec& entry : each) {
        if (text::EqualAsciiNoCase(entry.OrgNameText(), key) && entry.Group == part.NameCvtIndex) {
            text::CopyToField(entry.NewName, edit.Name);
            entry.Group = edit.GroupIndex;
            matched = true;
        }
    }
    if (!matched) {
        if (edit.GroupIndex < 0 && !state.Options.NameGroup.empty()) {
            edit.GroupIndex = 0;
        }
        each.emplace_back(key, edit.Name, edit.GroupIndex);
    }
    lists.EachModified = true;
    lists.SaveList(tables::TNameLists::kFileName, tables::NameList::Each);
    lists.ShowList(*state.Tables.Views.EachCvtView, tables::NameList::Each);
}

}  // namespace

int AmountValue(std::string_view text) {
    constexpr int kMost = std::numeric_limits<std::int16_t>::max();
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = std::min(kMost, value * 10 + (c - '0'));
    }
    return value;
}

bool SavePartEdit(MainWindowState& state, model::TPartRec& part, PartEdit& edit) {
    bool changed = edit.GroupIndex != part.NameCvtIndex;
    if (edit.GroupIndex < 0 && !edit.GroupText.empty() && state.Tables.NameLists) {
        edit.GroupIndex = state.Tables.NameLists->FindGroup(edit.GroupText);
        changed = changed || edit.GroupIndex != part.NameCvtIndex;
    }
    SetCellA(state, part, kColGroupA, state.Lookups.GroupName(edit.GroupIndex));

    if (changed || DiffersFromField(part.CvtName, edit.Name)) {
        changed = true;
        text::CopyToField(part.CvtName, edit.Name);
        partslist::SetFootprintAndSilk(part, state.Options.CR_SilkType, state.Lookups);
        std::optional<std::string> maker = state.Lookups.FindMaker(part.CvtNameText());
        text::CopyToField(part.MakerName, maker ? *maker : std::string());
        ShowNameCells(state, part);
        if (edit.UpdateCvt && state.Tables.NameLists) {
            TeachNameTable(state, part, edit);
        }
    } else if (DiffersFromField(part.MakerName, edit.Maker)) {
        changed = true;
        text::CopyToField(part.MakerName, edit.Maker);
        SetCellA(state, part, kColMakerA, std::string(part.MakerNameText()));
        if (state.Tables.Makers) {
            model::MAKERLIST entry;
            text::CopyToField(entry.CvtName, part.CvtNameText());
            text::CopyToField(entry.MakerName, part.MakerNameText());
            state.Tables.Makers->AddMaker(entry, *state.Tables.Views.MakerView);
            state.Tables.Makers->SaveMakers();
        }
    }

    if (DiffersFromField(part.Note, edit.Note)) {
        changed = true;
        text::CopyToField(part.Note, edit.Note);
        SetCellA(state, part, kColNoteA, std::string(part.NoteText()));
    }
    const int amount = AmountValue(edit.AmountText);
    if (amount != part.Amount) {
        changed = true;
        part.Amount = static_cast<std::int16_t>(amount);
        SetCellA(state, part, kColAmountA, std::to_string(amount));
    }
    part.NameCvtIndex = edit.GroupIndex;
    return changed;
}

void ApplyToSameName(MainWindowState& state, const model::TPartRec& edited,
                     std::string_view oldName) {
    const text::TextField<128> old(oldName);
    view::ListView& viewA = *state.PartsViewA;
    for (int row = 0; row < viewA.RowCount(); ++row) {
        auto* other = static_cast<model::TPartRec*>(viewA.RowData(row));
        if (!other || other == &edited || other->CvtName != old) {
            continue;
        }
        other->CvtName = edited.CvtName;
        other->MakerName = edited.MakerName;
        other->NameCvtIndex = edited.NameCvtIndex;
        other->FootPrint = edited.FootPrint;
        other->SilkName = edited.SilkName;
        ShowNameCells(state, *other);
        SetCellA(state, *other, kColGroupA, state.Lookups.GroupName(other->NameCvtIndex));
    }
}

}  // namespace app
