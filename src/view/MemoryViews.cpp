// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/MemoryViews.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace view {

int MemoryListView::ColumnWidth(int column) const {
    return Columns.at(static_cast<std::size_t>(column)).width;
}

void MemoryListView::SetColumnWidth(int column, int width) {
    Columns.at(static_cast<std::size_t>(column)).width = width;
}

namespace {

// A cell's length is written in 7-bit groups, low first, the high bit set on all but the
// last: one byte for any cell under 128 bytes.
void PutLength(std::string& out, std::size_t n) {
    while (n >= 0x80) {
        out += static_cast<char>((n & 0x7F) | 0x80);
        n >>= 7;
    }
    out += static_cast<char>(n);
}

std::size_t TakeLength(std::string_view packed, std::size_t& at) {
    std::size_t n = 0;
    for (int shift = 0; at < packed.size(); shift += 7) {
        auto byte = static_cast<unsigned char>(packed[at++]);
        n |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) {
            break;
        }
    }
    return n;
}

std::vector<std::string> Unpack(std::string_view packed) {
    std::vector<std::string> cells;
    std::size_t at = 0;
    while (at < packed.size()) {
        std::size_t n = TakeLength(packed, at);
        cells.emplace_back(packed.substr(at, n));
        at += n;
    }
    return cells;
}

// Where the selection goes when a row is inserted or deleted before or at it.
int SelectionAfterInsert(int selected, int row) {
    return selected >= row ? selected + 1 : selected;
}

int SelectionAfterDelete(int selected, int row) {
    return selected == row ? -1 : (selected > row ? selected - 1 : selected);
}

}  // namespace

const MemoryListView::Row& MemoryListView::RowAt(int row) const {
    return rows_.at(static_cast<std::size_t>(row));
}

MemoryListView::Row& MemoryListView::RowAt(int row) {
    return rows_.at(static_cast<std::size_t>(row));
}

std::string_view MemoryListView::Packed(const Row& row) const {
    return std::string_view(blocks_[row.Block]).substr(row.Offset, row.Size);
}

// A row's bytes never straddle two blocks; a row longer than a block gets one of its own.
MemoryListView::Row MemoryListView::Store(std::string_view packed) {
    if (blocks_.empty() || blocks_.back().size() + packed.size() > kBlockBytes) {
        blocks_.emplace_back().reserve(std::max(kBlockBytes, packed.size()));
    }
    std::string& block = blocks_.back();
    Row stored;
    stored.Block = static_cast<std::uint32_t>(blocks_.size() - 1);
    stored.Offset = static_cast<std::uint32_t>(block.size());
    stored.Size = static_cast<std::uint32_t>(packed.size());
    block += packed;
    heldBytes_ += packed.size();
    return stored;
}

MemoryListView::Row MemoryListView::Pack(const std::vector<std::string>& cells) {
    if (!keepTexts_) {
        return Row();
    }
    std::string packed;
    for (const std::string& cell : cells) {
        PutLength(packed, cell.size());
        packed += cell;
    }
    return Store(packed);
}

void MemoryListView::Unused(const Row& row) {
    unusedBytes_ += row.Size;
    if (unusedBytes_ <= heldBytes_ / 2) {
        return;
    }
    std::vector<std::string> old = std::move(blocks_);
    blocks_.clear();
    heldBytes_ = 0;
    unusedBytes_ = 0;
    for (Row& r : rows_) {
        if (&r == &row) {
            continue;  // the caller is about to replace or drop it
        }
        const Row moved = Store(std::string_view(old[r.Block]).substr(r.Offset, r.Size));
        r.Block = moved.Block;
        r.Offset = moved.Offset;
    }
}

std::vector<std::string> MemoryListView::Cells(int row) const {
    return Unpack(Packed(RowAt(row)));
}

void MemoryListView::Clear() {
    rows_.clear();
    blocks_.clear();
    heldBytes_ = 0;
    unusedBytes_ = 0;
    SelectedRow = -1;
}

int MemoryListView::AddRow(const std::vector<std::string>& cells, void* data) {
    return InsertRow(RowCount(), cells, data);
}

int MemoryListView::InsertRow(int row, const std::vector<std::string>& cells, void* data) {
    if (row < 0 || row > RowCount()) {
        throw std::out_of_range("InsertRow");
    }
    Row packed = Pack(cells);
    packed.Data = data;
    rows_.insert(rows_.begin() + row, packed);
    SelectedRow = SelectionAfterInsert(SelectedRow, row);
    return row;
}

void MemoryListView::DeleteRow(int row) {
    Unused(RowAt(row));
    rows_.erase(rows_.begin() + row);
    SelectedRow = SelectionAfterDelete(SelectedRow, row);
}

std::string MemoryListView::CellText(int row, int column) const {
    const std::string_view packed = Packed(RowAt(row));
    std::size_t at = 0;
    for (int c = 0; at < packed.size(); ++c) {
        std::size_t n = TakeLength(packed, at);
        if (c == column) {
            return std::string(packed.substr(at, n));
        }
        at += n;
    }
    return std::string();
}

bool MemoryListView::AnyCell(int row, int columns,
                             const std::function<bool(std::string_view)>& matches) const {
    const std::string_view packed = Packed(RowAt(row));
    std::size_t at = 0;
    int column = 0;
    for (; column < columns && at < packed.size(); ++column) {
        std::size_t n = TakeLength(packed, at);
        if (matches(packed.substr(at, n))) {
            return true;
        }
        at += n;
    }
    // Cells never given are empty, as CellText reads them.
    return column < columns && matches(std::string_view());
}

void MemoryListView::SetCellText(int row, int column, const std::string& text) {
    std::vector<std::string> cells = Cells(row);
    if (column < 0) {
        throw std::out_of_range("SetCellText");
    }
    if (cells.size() <= static_cast<std::size_t>(column)) {
        cells.resize(static_cast<std::size_t>(column) + 1);
    }
    cells[static_cast<std::size_t>(column)] = text;
    Unused(RowAt(row));
    const Row packed = Pack(cells);
    Row& r = RowAt(row);
    r.Block = packed.Block;
    r.Offset = packed.Offset;
    r.Size = packed.Size;
}

void* MemoryListView::RowData(int row) const {
    return RowAt(row).Data;
}

void MemoryListView::SetRowData(int row, void* data) {
    RowAt(row).Data = data;
}

int MemoryListView::StateImage(int row) const {
    return RowAt(row).StateImage;
}

void MemoryListView::SetStateImage(int row, int image) {
    RowAt(row).StateImage = image;
}

void MemoryTreeView::Clear() {
    Items.clear();
    TopLevel.clear();
    SelectedNode = kNone;
}

MemoryTreeView::Node MemoryTreeView::AddNode(Node parent, const std::string& text) {
    Node node = static_cast<Node>(Items.size());
    Items.push_back({text, parent, {}, false});
    if (parent == kNone) {
        TopLevel.push_back(node);
    } else {
        Items.at(static_cast<std::size_t>(parent)).Children.push_back(node);
    }
    return node;
}

int MemoryTreeView::ChildCount(Node parent) const {
    return static_cast<int>(parent == kNone
                                ? TopLevel.size()
                                : Items.at(static_cast<std::size_t>(parent)).Children.size());
}

MemoryTreeView::Node MemoryTreeView::Child(Node parent, int index) const {
    const std::vector<Node>& children =
        parent == kNone ? TopLevel : Items.at(static_cast<std::size_t>(parent)).Children;
    return children.at(static_cast<std::size_t>(index));
}

}  // namespace view
