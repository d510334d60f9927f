// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/FootList.h"

#include "tables/KeyOrder.h"
#include "tables/TableFile.h"
#include "text/Compare.h"
#include "text/Cp932.h"

namespace tables {
namespace fs = std::filesystem;

namespace {

std::unique_ptr<model::TFootRec> MakeEntry(std::string_view key, std::string_view footPrint,
                                           std::string_view silk) {
    auto entry = std::make_unique<model::TFootRec>();
    entry->FootKey = key;
    entry->FootPrint = footPrint;
    entry->SilkName = silk;
    return entry;
}

// "key<TABs>footprint<TABs>silk": the silk name may be missing, the footprint may not.
std::unique_ptr<model::TFootRec> ParseLine(std::string_view line) {
    auto key = SplitAtTabRun(line);
    if (!key) {
        return nullptr;
    }
    std::string_view rest = key->After;
    if (auto foot = SplitAtTabRun(rest)) {
        return MakeEntry(key->Before, foot->Before, foot->After);
    }
    return MakeEntry(key->Before, rest.substr(0, rest.find('\t')), "");
}

std::vector<std::string> Cells(const model::TFootRec& entry) {
    return {entry.FootKey.str(), entry.FootPrint.str(), entry.SilkName.str()};
}

std::string_view KeyOf(const std::unique_ptr<model::TFootRec>& entry) {
    return entry->FootKey;
}

}  // namespace

std::vector<view::ListView::Column> FootColumns(int partWidth, int footWidth, int silkWidth) {
    return {{text::Sj("部品名"), partWidth},
            {text::Sj("フットプリント"), footWidth},
            {text::Sj("部品シルク"), silkWidth}};
}

TFootList::TFootList(const fs::path& cvtFolder, view::ListView& view, view::UserInterface& ui)
    : path_(TableFileIn(cvtFolder, kFileName)), ui_(ui) {
    LoadFoot(view);
}

bool TFootList::LoadFoot(view::ListView& view) {
    TableLineReader reader(path_);
    if (reader.OpenStatus() == TableLineReader::Status::Missing) {
        return true;
    }
    if (reader.OpenStatus() == TableLineReader::Status::Unreadable) {
        ui_.ShowMessage(CannotOpenMessage(path_));
        return false;
    }
    entries_.clear();
    plainOrder_.Cleared();
    std::vector<std::unique_ptr<model::TFootRec>> read;
    auto takeLine = [&](const std::string& line) {
        if (auto entry = ParseLine(line)) {
            read.push_back(std::move(entry));
        }
    };
    auto fileAll = [&] {
        auto laterFoot = [](std::unique_ptr<model::TFootRec>& kept,
                            const std::unique_ptr<model::TFootRec>& later) {
            kept->FootPrint = later->FootPrint;
            kept->SilkName = later->SilkName;
        };
        if (!SortPlainEntries(read, KeyOf, laterFoot)) {
            for (auto& entry : read) {
                AddFoot(std::move(entry), view);
            }
            return;
        }
        entries_ = std::move(read);
        for (const auto& entry : entries_) {
            view.AddRow(Cells(*entry), entry.get());
        }
    };
    bool complete = ReadLinesIntoView(reader, view, ui_, takeLine, fileAll, [&] {
        read.clear();
        entries_.clear();
    });
    SelectFirstRow(view);
    return complete;
}

int TFootList::AddFoot(std::unique_ptr<model::TFootRec> entry, view::ListView& view) {
    KeyPlace place = FindKeyPlace(entries_, entry->FootKey, KeyOf, plainOrder_.Holds());
    int row = static_cast<int>(place.Index);
    if (place.Equal) {
        model::TFootRec& kept = *entries_[place.Index];
        kept.FootPrint = entry->FootPrint;
        kept.SilkName = entry->SilkName;
        view.SetCellText(row, 1, kept.FootPrint.str());
        view.SetCellText(row, 2, kept.SilkName.str());
    } else {
        view.InsertRow(row, Cells(*entry), entry.get());
        plainOrder_.Inserted(entry->FootKey);
        entries_.insert(entries_.begin() + row, std::move(entry));
    }
    view.Select(row);
    view.ScrollIntoView(row);
    return row;
}

bool TFootList::SaveFoot() {
    if (entries_.empty()) {
        return true;
    }
    std::string content;
    for (const auto& entry : entries_) {
        content.append(entry->FootKey)
            .append(KeyColumnTabs(entry->FootKey.size()))
            .append(entry->FootPrint);
        content.append(entry->FootPrint.size() <= 7 ? "\t\t" : "\t")
            .append(entry->SilkName)
            .append("\r\n");
    }
    if (!WriteTableFile(path_, content)) {
        ui_.ShowMessage(CannotCreateMessage(path_));
        return false;
    }
    return true;
}

const model::TFootRec* TFootList::FindFoot(std::string_view name) const {
    for (const auto& entry : entries_) {
        int r = CompareKeys(entry->FootKey, name);
        if (r == 0 || r == WildcardEqual) {
            return entry.get();
        }
    }
    return nullptr;
}

TFootList::Boxes TFootList::BoxesOf(int row) const {
    if (!ValidRow(row)) {
        return {};
    }
    const model::TFootRec& entry = *entries_[static_cast<std::size_t>(row)];
    return {entry.FootKey.str(), entry.FootPrint.str(), entry.SilkName.str()};
}

void TFootList::AddFromBoxes(view::ListView& view, const Boxes& boxes) {
    // An empty footprint cannot be stored: the silk name would read back as footprint.
    if (boxes.PartName.empty() || boxes.FootPrint.empty()) {
        return;
    }
    AddFoot(MakeEntry(boxes.PartName, boxes.FootPrint, boxes.Silk), view);
    SaveFoot();
}

void TFootList::RemoveRow(view::ListView& view, int row) {
    view.DeleteRow(row);
    entries_.erase(entries_.begin() + row);
}

void TFootList::ReplaceSelected(view::ListView& view, const Boxes& boxes) {
    int row = view.Selected();
    if (!ValidRow(row) || boxes.PartName.empty() || boxes.FootPrint.empty()) {
        return;
    }
    const model::TFootRec& entry = *entries_[static_cast<std::size_t>(row)];
    if (boxes.PartName == entry.FootKey && boxes.FootPrint == entry.FootPrint &&
        boxes.Silk == entry.SilkName) {
        return;
    }
    RemoveRow(view, row);
    AddFromBoxes(view, boxes);
}

void TFootList::DeleteSelected(view::ListView& view, const Boxes& boxes) {
    int row = view.Selected();
    if (!ValidRow(row)) {
        return;
    }
    const model::TFootRec& entry = *entries_[static_cast<std::size_t>(row)];
    if (!text::EqualAsciiNoCase(boxes.PartName, entry.FootKey) ||
        !text::EqualAsciiNoCase(boxes.FootPrint, entry.FootPrint)) {
        return;
    }
    std::string question = text::Sj("部品名：") + entry.FootKey + text::Sj("\nフットプリント：") +
                           entry.FootPrint + text::Sj("\n\tを削除して良いですか？");
    if (!ui_.AskYesNo(ProgramTitle(), question)) {
        return;
    }
    RemoveRow(view, row);
    SaveFoot();
}

}  // namespace tables
