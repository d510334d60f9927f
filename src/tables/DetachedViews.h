// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "view/ListView.h"
#include "view/TreeView.h"

namespace tables {

// Views that show nothing, for tables used without a window (the batch command) or
// before the window has attached its own.
class DetachedListView : public view::ListView {
  public:
    void SetColumns(const std::vector<Column>&) override {}
    int ColumnCount() const override { return 0; }
    int ColumnWidth(int) const override { return 0; }
    void SetColumnWidth(int, int) override {}
    void BeginUpdate() override {}
    void EndUpdate() override {}
    void Clear() override {}
    int RowCount() const override { return 0; }
    int AddRow(const std::vector<std::string>&, void*) override { return -1; }
    int InsertRow(int, const std::vector<std::string>&, void*) override { return -1; }
    void DeleteRow(int) override {}
    std::string CellText(int, int) const override { return {}; }
    void SetCellText(int, int, const std::string&) override {}
    void* RowData(int) const override { return nullptr; }
    void SetRowData(int, void*) override {}
    int StateImage(int) const override { return -1; }
    void SetStateImage(int, int) override {}
    int Selected() const override { return -1; }
    void Select(int) override {}
    void ScrollIntoView(int) override {}
};

class DetachedTreeView : public view::TreeView {
  public:
    void BeginUpdate() override {}
    void EndUpdate() override {}
    void Clear() override {}
    Node AddNode(Node, const std::string&) override { return kNone; }
    std::string NodeText(Node) const override { return {}; }
    Node Parent(Node) const override { return kNone; }
    int ChildCount(Node) const override { return 0; }
    Node Child(Node, int) const override { return kNone; }
    Node Selected() const override { return kNone; }
    void Select(Node) override {}
    void Expand(Node) override {}
};

}  // namespace tables
