// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/PinCvtList.h"

#include <limits>
#include <new>

#include "tables/TableFile.h"
#include "text/Compare.h"
#include "text/Padding.h"

namespace tables {
namespace fs = std::filesystem;

namespace {

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The next TAB-delimited token from `pos`, skipping leading TABs; empty at the end.
std::string_view NextToken(std::string_view line, std::size_t& pos) {
    std::size_t start = line.find_first_not_of('\t', pos);
    if (start == std::string_view::npos) {
        pos = line.size();
        return {};
    }
    std::size_t end = line.find('\t', start);
    if (end == std::string_view::npos) {
        end = line.size();
    }
    pos = end;
    return line.substr(start, end - start);
}

}  // namespace

std::int32_t PinNumberText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            value = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

TPinCvtList::TPinCvtList(const fs::path& cvtFolder) : path_(TableFileIn(cvtFolder, kFileName)) {}

void TPinCvtList::LoadPinCvt(view::TreeView& tree, view::UserInterface& ui) {
    tree.BeginUpdate();
    tree.Clear();
    blocks_.clear();
    TableLineReader reader(path_);
    if (reader.OpenStatus() == TableLineReader::Status::Unreadable) {
        ui.ShowMessage(CannotOpenMessage(path_));
    }
    try {
        view::TreeView::Node blockNode = view::TreeView::kNone;
        std::string line;
        while (reader.Next(line)) {
            if (line.empty() || line[0] != '\t') {
                blockNode = tree.AddNode(view::TreeView::kNone, line);
                blocks_.push_back({line, {}});
                continue;
            }
            std::size_t pos = 1;
            std::string_view number = NextToken(line, pos);
            std::string_view pinText = NextToken(line, pos);
            if (pinText.empty() || blocks_.empty()) {
                continue;
            }
            TPinCvtRec pin{PinNumberText(number), std::string(pinText)};
            tree.AddNode(blockNode, text::Format("%3d : ", pin.PinNo) + pin.PinText);
            blocks_.back().Pins.push_back(std::move(pin));
        }
    } catch (const std::bad_alloc&) {
        blocks_.clear();
        tree.Clear();
        ui.ShowMessage(OutOfMemoryMessage());
    }
    tree.EndUpdate();
}

const TPinCvtDat* TPinCvtList::FirstBlock(std::string_view partName) const {
    for (const TPinCvtDat& block : blocks_) {
        // A block started by an empty line belongs to no part.
        if (!block.BlockName.empty() && text::EqualAsciiNoCase(block.BlockName, partName)) {
            return &block;
        }
    }
    return nullptr;
}

std::string TPinCvtList::PinTextOf(std::string_view partName, int number) const {
    if (const TPinCvtDat* block = FirstBlock(partName)) {
        for (const TPinCvtRec& pin : block->Pins) {
            if (pin.PinNo == number) {
                return pin.PinText;
            }
        }
    }
    return std::to_string(number);
}

std::optional<int> TPinCvtList::PinNumberOf(std::string_view partName,
                                            std::string_view pinText) const {
    if (const TPinCvtDat* block = FirstBlock(partName)) {
        for (const TPinCvtRec& pin : block->Pins) {
            if (text::EqualAsciiNoCase(pin.PinText, pinText)) {
                return pin.PinNo;
            }
        }
    }
    return std::nullopt;
}

}  // namespace tables
