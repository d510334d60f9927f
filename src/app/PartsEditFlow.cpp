// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PartsEditFlow.h"

#include <limits>

#include "partslist/PartsListBuilder.h"
#include "partslist/PartsViews.h"
#include "text/Compare.h"
#include "text/Sjis.h"
#include "text/TextField.h"

namespace app {

namespace {

// A typed text against a field, as the field would hold it.
template <std::size_t N>
bool DiffersFromField(const text::TextField<N>& field, std::string_view typed) {
    return field != text::TextField<N>(typed);
}

// Teaches the per-drawing list the part's new name: entries of the drawn name in the
// part's former group are rewritten, else one is added. The list is written to the
// drawings' folder and shown.
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
    lists.SaveList(tables::TNameLists::EachPath(state.DrawingFolder()), tables::NameList::Each);
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
        edit.GroupIndex = state.Tables.NameLists->FindGroup(edit.GroupText, state.DrawingFolder());
        changed = changed || edit.GroupIndex != part.NameCvtIndex;
    }

    if (changed || DiffersFromField(part.CvtName, edit.Name)) {
        changed = true;
        text::CopyToField(part.CvtName, edit.Name);
        partslist::SetFootprintAndSilk(part, state.Options.CR_SilkType, state.Lookups);
        std::optional<std::string> maker = state.Lookups.FindMaker(part.CvtNameText());
        text::CopyToField(part.MakerName, maker ? *maker : std::string());
        if (edit.UpdateCvt && state.Tables.NameLists) {
            TeachNameTable(state, part, edit);
        }
    } else if (DiffersFromField(part.MakerName, edit.Maker)) {
        changed = true;
        text::CopyToField(part.MakerName, edit.Maker);
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
    }
    const int amount = AmountValue(edit.AmountText);
    if (amount != part.Amount) {
        changed = true;
        part.Amount = static_cast<std::int16_t>(amount);
    }
    part.NameCvtIndex = edit.GroupIndex;
    state.ShowEditedPart(part);
    return changed;
}

void ApplyToSameName(MainWindowState& state, const model::TPartRec& edited,
                     std::string_view oldName) {
    const text::TextField<128> old(oldName);
    // The parts of the printed list: those without a reference keep their name.
    for (const auto& each : state.PartsList.Items) {
        model::TPartRec* other = each.get();
        if (other == &edited || !other->HasRef() || other->CvtName != old) {
            continue;
        }
        other->CvtName = edited.CvtName;
        other->MakerName = edited.MakerName;
        other->NameCvtIndex = edited.NameCvtIndex;
        other->FootPrint = edited.FootPrint;
        other->SilkName = edited.SilkName;
        state.ShowEditedPart(*other);
    }
}

}  // namespace app
