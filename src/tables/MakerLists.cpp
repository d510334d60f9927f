// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/MakerLists.h"

#include "tables/KeyOrder.h"
#include "tables/TableFile.h"
#include "text/Compare.h"
#include "text/Cp932.h"
#include "text/Sjis.h"

namespace tables {
namespace fs = std::filesystem;

namespace {

model::MAKERLIST MakeEntry(std::string_view key, std::string_view maker) {
    model::MAKERLIST entry;
    text::CopyToField(entry.CvtName, key);
    text::CopyToField(entry.MakerName, maker);
    return entry;
}

std::string_view KeyOf(const model::MAKERLIST& entry) {
    return text::FieldText(entry.CvtName);
}
std::string_view MakerOf(const model::MAKERLIST& entry) {
    return text::FieldText(entry.MakerName);
}

}  // namespace

std::vector<view::ListView::Column> MakerColumns(int partWidth, int makerWidth) {
    return {{text::Sj("部品名"), partWidth}, {text::Sj("メーカー名"), makerWidth}};
}

TMakerLists::TMakerLists(const fs::path& cvtFolder, view::ListView& view, view::UserInterface& ui)
    : path_(TableFileIn(cvtFolder, kFileName)), ui_(ui) {
    LoadMakers(view);
}

bool TMakerLists::LoadMakers(view::ListView& view) {
    TableLineReader reader(path_);
    if (reader.OpenStatus() != TableLineReader::Status::Opened) {
        return false;
    }
    entries_.clear();
    plainOrder_.Cleared();
    Unsaved = false;
    std::vector<model::MAKERLIST> read;
    auto takeLine = [&](const std::string& line) {
        if (auto split = SplitAtTabRun(line)) {
            read.push_back(MakeEntry(split->Before, split->After));
        }
    };
    auto fileAll = [&] {
        auto laterMaker = [](model::MAKERLIST& kept, const model::MAKERLIST& later) {
            text::CopyToField(kept.MakerName, MakerOf(later));
        };
        if (!SortPlainEntries(read, KeyOf, laterMaker)) {
            for (const model::MAKERLIST& entry : read) {
                AddMaker(entry, view);
            }
            return;
        }
        entries_ = std::move(read);
        for (const model::MAKERLIST& entry : entries_) {
            view.AddRow({std::string(KeyOf(entry)), std::string(MakerOf(entry))});
        }
    };
    bool complete = ReadLinesIntoView(reader, view, ui_, takeLine, fileAll, [&] {
        read.clear();
        entries_.clear();
    });
    SelectFirstRow(view);
    return complete;
}

int TMakerLists::AddMaker(const model::MAKERLIST& entry, view::ListView& view) {
    KeyPlace place = FindKeyPlace(entries_, KeyOf(entry), KeyOf, plainOrder_.Holds());
    int row = static_cast<int>(place.Index);
    if (place.Equal) {
        text::CopyToField(entries_[place.Index].MakerName, MakerOf(entry));
        view.SetCellText(row, 1, std::string(MakerOf(entry)));
    } else {
        entries_.insert(entries_.begin() + row, entry);
        plainOrder_.Inserted(KeyOf(entry));
        view.InsertRow(row, {std::string(KeyOf(entry)), std::string(MakerOf(entry))});
    }
    view.Select(row);
    view.ScrollIntoView(row);
    return row;
}

bool TMakerLists::SaveMakers() {
    std::string content;
    for (const model::MAKERLIST& entry : entries_) {
        std::string_view key = KeyOf(entry);
        content.append(key).append(KeyColumnTabs(key.size())).append(MakerOf(entry)).append("\r\n");
    }
    Unsaved = !WriteTableFile(path_, content);
    if (Unsaved) {
        ui_.ShowMessage(CannotCreateMessage(path_));
    }
    return !Unsaved;
}

std::optional<std::string> TMakerLists::FindMaker(std::string_view name) const {
    for (const model::MAKERLIST& entry : entries_) {
        if (WildcardMatches(KeyOf(entry), name)) {
            return std::string(MakerOf(entry));
        }
    }
    return std::nullopt;
}

TMakerLists::Boxes TMakerLists::BoxesOf(int row) const {
    if (!ValidRow(row)) {
        return {};
    }
    const model::MAKERLIST& entry = entries_[static_cast<std::size_t>(row)];
    return {std::string(KeyOf(entry)), std::string(MakerOf(entry))};
}

void TMakerLists::AddFromBoxes(view::ListView& view, const Boxes& boxes) {
    if (boxes.PartName.empty() || boxes.Maker.empty()) {
        return;
    }
    AddMaker(MakeEntry(boxes.PartName, boxes.Maker), view);
    SaveMakers();
}

void TMakerLists::RemoveRow(view::ListView& view, int row) {
    entries_.erase(entries_.begin() + row);
    view.DeleteRow(row);
}

void TMakerLists::ReplaceSelected(view::ListView& view, const Boxes& boxes) {
    int row = view.Selected();
    if (!ValidRow(row) || boxes.PartName.empty() || boxes.Maker.empty()) {
        return;
    }
    const model::MAKERLIST& entry = entries_[static_cast<std::size_t>(row)];
    if (boxes.PartName == KeyOf(entry) && boxes.Maker == MakerOf(entry)) {
        return;
    }
    RemoveRow(view, row);
    AddFromBoxes(view, boxes);
}

void TMakerLists::DeleteSelected(view::ListView& view, const Boxes& boxes) {
    int row = view.Selected();
    if (!ValidRow(row)) {
        return;
    }
    const model::MAKERLIST& entry = entries_[static_cast<std::size_t>(row)];
    if (!text::EqualAsciiNoCase(boxes.PartName, KeyOf(entry)) ||
        !text::EqualAsciiNoCase(boxes.Maker, MakerOf(entry))) {
        return;
    }
    std::string question = text::Sj("部品名：") + std::string(KeyOf(entry)) +
                           text::Sj("\nメーカー：") + std::string(MakerOf(entry)) +
                           text::Sj("\n\tを削除して良いですか？");
    if (!ui_.AskYesNo(ProgramTitle(), question)) {
        return;
    }
    RemoveRow(view, row);
    SaveMakers();
}

}  // namespace tables
