#include "view/MemoryViews.h"

#include <stdexcept>

namespace view {

int MemoryListView::ColumnWidth(int column) const {
    return Columns.at(static_cast<std::size_t>(column)).width;
}

void MemoryListView::SetColumnWidth(int column, int width) {
    Columns.at(static_cast<std::size_t>(column)).width = width;
}

void MemoryListView::Clear() {
    Rows.clear();
    SelectedRow = -1;
}

int MemoryListView::AddRow(const std::vector<std::string>& cells, void* data) {
    Rows.push_back({cells, data, -1});
    return RowCount() - 1;
}

int MemoryListView::InsertRow(int row, const std::vector<std::string>& cells, void* data) {
    if (row < 0 || row > RowCount()) {
        throw std::out_of_range("InsertRow");
    }
    Rows.insert(Rows.begin() + row, Row{cells, data, -1});
    if (SelectedRow >= row) {
        ++SelectedRow;
    }
    return row;
}

void MemoryListView::DeleteRow(int row) {
    Rows.erase(Rows.begin() + row);
    if (SelectedRow == row) {
        SelectedRow = -1;
    } else if (SelectedRow > row) {
        --SelectedRow;
    }
}

std::string MemoryListView::CellText(int row, int column) const {
    const Row& r = Rows.at(static_cast<std::size_t>(row));
    return static_cast<std::size_t>(column) < r.Cells.size()
               ? r.Cells[static_cast<std::size_t>(column)]
               : std::string();
}

void MemoryListView::SetCellText(int row, int column, const std::string& text) {
    Row& r = Rows.at(static_cast<std::size_t>(row));
    if (r.Cells.size() <= static_cast<std::size_t>(column)) {
        r.Cells.resize(static_cast<std::size_t>(column) + 1);
    }
    r.Cells[static_cast<std::size_t>(column)] = text;
}

void* MemoryListView::RowData(int row) const {
    return Rows.at(static_cast<std::size_t>(row)).Data;
}

void MemoryListView::SetRowData(int row, void* data) {
    Rows.at(static_cast<std::size_t>(row)).Data = data;
}

int MemoryListView::StateImage(int row) const {
    return Rows.at(static_cast<std::size_t>(row)).StateImage;
}

void MemoryListView::SetStateImage(int row, int image) {
    Rows.at(static_cast<std::size_t>(row)).StateImage = image;
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
