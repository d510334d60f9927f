// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/NameLists.h"

#include <string>
#include <unordered_set>

#include "settings/SettingsFiles.h"
#include "settings/TextScan.h"
#include "tables/TableFile.h"
#include "text/Compare.h"
#include "text/Cp932.h"
#include "text/Sjis.h"

namespace tables {
namespace fs = std::filesystem;

namespace {

constexpr const char* kDefaultGroup = "STD";

// The duplicate key of an entry: its group and its folded drawing name.
std::string DuplicateKey(std::int32_t group, std::string_view orgName) {
    return std::to_string(group) + "\t" + settings::FoldAscii(orgName);
}

// The group name of a "[...]" line: up to the first "]" or the end of the line.
std::string_view HeaderGroup(std::string_view line) {
    line.remove_prefix(1);
    return line.substr(0, settings::FindAsciiChar(line, ']'));
}

}  // namespace

NameCvtRec::NameCvtRec(std::string_view orgName, std::string_view newName, std::int32_t group)
    : Group(group) {
    text::CopyToField(OrgName, orgName);
    text::CopyToField(NewName, newName);
}

std::string_view NameCvtRec::OrgNameText() const {
    return text::FieldText(OrgName);
}
std::string_view NameCvtRec::NewNameText() const {
    return text::FieldText(NewName);
}

std::vector<view::ListView::Column> NameCvtColumns(int groupWidth, int orgWidth, int newWidth) {
    return {{text::Sj("種別"), groupWidth},
            {text::Sj("部品名(図中)"), orgWidth},
            {text::Sj("部品名"), newWidth}};
}

TNameLists::TNameLists(const fs::path& cvtFolder, std::vector<settings::NameGroupItem>& groups,
                       view::ListView& commonView, view::UserInterface& ui,
                       const fs::path& drawingFolder)
    : commonPath_(TableFileIn(cvtFolder, kFileName)), groups_(groups), ui_(ui) {
    LoadList(CommonPath(), commonView, NameList::Common, drawingFolder);
}

int TNameLists::FindGroup(std::string_view name, const fs::path& drawingFolder) {
    return FindGroup(name, settings::TIniFile(settings::FolderSettingsPath(drawingFolder)));
}

int TNameLists::FindGroup(std::string_view name, const settings::TIniFile& folderSettings) {
    // Names are only ever appended to the check list: index what is new since last time.
    if (indexedGroups_ > groups_.size()) {
        groupIndex_.clear();
        indexedGroups_ = 0;
    }
    for (; indexedGroups_ < groups_.size(); ++indexedGroups_) {
        groupIndex_.emplace(settings::FoldAscii(groups_[indexedGroups_].Name),
                            static_cast<int>(indexedGroups_));
    }
    auto found = groupIndex_.find(settings::FoldAscii(name));
    if (found != groupIndex_.end()) {
        return found->second;
    }
    groups_.push_back({std::string(name), true});
    settings::LoadGroupCheck(groups_, groups_.size() - 1, folderSettings);
    return static_cast<int>(groups_.size() - 1);
}

std::string TNameLists::GroupName(int group) const {
    if (group < 0 || static_cast<std::size_t>(group) >= groups_.size()) {
        return {};
    }
    return groups_[static_cast<std::size_t>(group)].Name;
}

std::vector<std::string> TNameLists::RowCells(const NameCvtRec& entry) const {
    return {GroupName(entry.Group), std::string(entry.OrgNameText()),
            std::string(entry.NewNameText())};
}

bool TNameLists::LoadList(const fs::path& path, view::ListView& view, NameList which,
                          const fs::path& drawingFolder) {
    TableLineReader reader(path);
    if (reader.OpenStatus() != TableLineReader::Status::Opened) {
        return false;
    }
    std::vector<NameCvtRec>& target = Entries(which);
    target.clear();
    Modified(which) = false;
    std::unordered_set<std::string> seen;
    std::string group = kDefaultGroup;
    // New groups take their marks from the folder settings file, read once for the load.
    const settings::TIniFile folderSettings(settings::FolderSettingsPath(drawingFolder));
    auto fileLine = [&](const std::string& line) {
        if (!line.empty() && line[0] == '[') {
            group = HeaderGroup(line);
            return;
        }
        auto split = SplitAtTabRun(line);
        if (!split) {
            return;
        }
        NameCvtRec entry(split->Before, split->After, FindGroup(group, folderSettings));
        // Of lines with one drawing name in one group the first wins.
        if (seen.insert(DuplicateKey(entry.Group, entry.OrgNameText())).second) {
            target.push_back(entry);
        }
    };
    auto dropAll = [this] {
        common_.clear();
        each_.clear();
    };
    if (!ReadLinesIntoView(
            reader, view, ui_, fileLine, [] {}, dropAll)) {
        return false;
    }
    ShowList(view, which);
    return true;
}

bool TNameLists::SaveList(const fs::path& path, NameList which) {
    const std::vector<NameCvtRec>& entries = Entries(which);
    if (entries.empty()) {
        Modified(which) = false;
        return true;
    }
    std::string content;
    std::optional<std::int32_t> lastGroup;
    for (const NameCvtRec& entry : entries) {
        if (entry.Group != -1 && entry.Group != lastGroup) {
            content += "[" + GroupName(entry.Group) + "]\r\n";
            lastGroup = entry.Group;
        }
        std::string_view org = entry.OrgNameText();
        content.append(org)
            .append(KeyColumnTabs(org.size()))
            .append(entry.NewNameText())
            .append("\r\n");
    }
    if (!WriteTableFile(path, content)) {
        std::error_code ec;
        fs::path shown = fs::absolute(path, ec);
        ui_.ShowMessage(CannotCreateMessage(ec ? path : shown));
        return false;
    }
    Modified(which) = false;
    return true;
}

void TNameLists::SaveModified(const fs::path& drawingFolder) {
    if (CommonModified) {
        SaveList(CommonPath(), NameList::Common);
    }
    if (EachModified) {
        SaveList(EachPath(drawingFolder), NameList::Each);
    }
}

void TNameLists::ShowList(view::ListView& view, NameList which) const {
    view.BeginUpdate();
    view.Clear();
    for (const NameCvtRec& entry : Entries(which)) {
        view.AddRow(RowCells(entry));
    }
    view.EndUpdate();
}

std::optional<std::string> TNameLists::Convert(std::string_view name, int& group) const {
    for (const std::vector<NameCvtRec>* list : {&each_, &common_}) {
        for (const NameCvtRec& entry : *list) {
            if (entry.Group >= 0 && static_cast<std::size_t>(entry.Group) < groups_.size() &&
                !groups_[static_cast<std::size_t>(entry.Group)].Checked) {
                continue;
            }
            if (text::EqualAsciiNoCase(entry.OrgNameText(), name)) {
                group = entry.Group;
                return std::string(entry.NewNameText());
            }
        }
    }
    group = -1;
    return std::nullopt;
}

}  // namespace tables
