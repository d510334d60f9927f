// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "view/ListView.h"
#include "view/TreeView.h"

namespace view {

// A list view held in memory: the batch command's views, and what tests look at.
// Cells are CP932. The rows of a large drawing run to millions of cells, so they are not
// kept as strings of their own: each row's cells sit packed (a length, then the bytes) in
// blocks of text shared by the whole view, and rows and blocks grow piecewise, never by
// copying all that is held. A changed or deleted row leaves its old bytes behind; the
// blocks are packed again when those outweigh the live ones.
class MemoryListView : public ListView {
  public:
    enum class Texts { Kept, Dropped };
    explicit MemoryListView(Texts texts = Texts::Kept) : keepTexts_(texts == Texts::Kept) {}

    std::vector<Column> Columns;
    int SelectedRow = -1;
    int ScrolledTo = -1;
    int UpdateDepth = 0;

    void SetColumns(const std::vector<Column>& columns) override { Columns = columns; }
    int ColumnCount() const override { return static_cast<int>(Columns.size()); }
    int ColumnWidth(int column) const override;
    void SetColumnWidth(int column, int width) override;
    void BeginUpdate() override { ++UpdateDepth; }
    void EndUpdate() override { --UpdateDepth; }
    void Clear() override;
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    bool KeepsTexts() const override { return keepTexts_; }
    int AddRow(const std::vector<std::string>& cells, void* data) override;
    int InsertRow(int row, const std::vector<std::string>& cells, void* data) override;
    void DeleteRow(int row) override;
    std::string CellText(int row, int column) const override;
    bool AnyCell(int row, int columns,
                 const std::function<bool(std::string_view)>& matches) const override;
    void SetCellText(int row, int column, const std::string& text) override;
    void* RowData(int row) const override;
    void SetRowData(int row, void* data) override;
    int StateImage(int row) const override;
    void SetStateImage(int row, int image) override;
    int Selected() const override { return SelectedRow; }
    void Select(int row) override { SelectedRow = row; }
    void ScrollIntoView(int row) override { ScrolledTo = row; }

    // Every cell of a row as it was given, including cells beyond the column count.
    std::vector<std::string> Cells(int row) const;

  private:
    struct Row {
        std::uint32_t Block = 0;   // in blocks_
        std::uint32_t Offset = 0;  // in the block
        std::uint32_t Size = 0;    // packed bytes
        int StateImage = -1;
        void* Data = nullptr;
    };
    static constexpr std::size_t kBlockBytes = 64 * 1024;

    const Row& RowAt(int row) const;
    Row& RowAt(int row);
    std::string_view Packed(const Row& row) const;
    Row Store(std::string_view packed);
    Row Pack(const std::vector<std::string>& cells);
    void Unused(const Row& row);

    bool keepTexts_ = true;
    std::deque<Row> rows_;
    std::vector<std::string> blocks_;
    std::size_t heldBytes_ = 0;
    std::size_t unusedBytes_ = 0;
};

// A list view that no one looks at or reads back: the batch command shows no window, so
// its parts view A and net view keep the rows' data and pictures (which the flows find
// rows by) but none of their texts, the bulk of a large drawing's views.
class UnshownListView : public MemoryListView {
  public:
    UnshownListView() : MemoryListView(Texts::Dropped) {}
};

class MemoryTreeView : public TreeView {
  public:
    struct Item {
        std::string Text;
        Node Parent = kNone;
        std::vector<Node> Children;
        bool Expanded = false;
    };

    std::vector<Item> Items;
    std::vector<Node> TopLevel;
    Node SelectedNode = kNone;

    void BeginUpdate() override {}
    void EndUpdate() override {}
    void Clear() override;
    Node AddNode(Node parent, const std::string& text) override;
    std::string NodeText(Node node) const override {
        return Items.at(static_cast<std::size_t>(node)).Text;
    }
    Node Parent(Node node) const override {
        return Items.at(static_cast<std::size_t>(node)).Parent;
    }
    int ChildCount(Node parent) const override;
    Node Child(Node parent, int index) const override;
    Node Selected() const override { return SelectedNode; }
    void Select(Node node) override { SelectedNode = node; }
    void Expand(Node node) override { Items.at(static_cast<std::size_t>(node)).Expanded = true; }
};

}  // namespace view
