// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ItemModels.h"

#include "ui/QtViews.h"

namespace ui {

void ListRowsModel::SetCaptions(const QStringList& captions) {
    beginResetModel();
    captions_ = captions;
    endResetModel();
}

void ListRowsModel::Clear() {
    const bool telling = Telling();
    if (telling) {
        beginResetModel();
    }
    rows_.Clear();
    if (telling) {
        endResetModel();
    }
}

int ListRowsModel::Insert(int row, const std::vector<std::string>& cells, void* data) {
    row = std::clamp(row, 0, rows_.RowCount());
    const bool telling = Telling();
    if (telling) {
        beginInsertRows(QModelIndex(), row, row);
    }
    rows_.InsertRow(row, cells, data);
    if (telling) {
        endInsertRows();
    }
    return row;
}

void ListRowsModel::Delete(int row) {
    if (row < 0 || row >= rows_.RowCount()) {
        return;
    }
    const bool telling = Telling();
    if (telling) {
        beginRemoveRows(QModelIndex(), row, row);
    }
    rows_.DeleteRow(row);
    if (telling) {
        endRemoveRows();
    }
}

void ListRowsModel::SetCell(int row, int column, const std::string& text) {
    if (row < 0 || row >= rows_.RowCount() || column < 0) {
        return;
    }
    rows_.SetCellText(row, column, text);
    if (Telling()) {
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
    }
}

void ListRowsModel::SetStateImage(int row, int image) {
    if (row < 0 || row >= rows_.RowCount()) {
        return;
    }
    rows_.SetStateImage(row, image);
    if (Telling()) {
        emit dataChanged(index(row, 0), index(row, 0), {Qt::DecorationRole});
    }
}

int ListRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.RowCount();
}

int ListRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant ListRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.RowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return Qs(rows_.CellText(index.row(), index.column()));
    }
    if (role == Qt::DecorationRole && index.column() == 0) {
        int image = rows_.StateImage(index.row());
        if (image >= 0 && static_cast<std::size_t>(image) < stateImages_.size()) {
            return stateImages_[static_cast<std::size_t>(image)];
        }
    }
    return {};
}

QVariant ListRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < captions_.size()) {
        return captions_[section];
    }
    return {};
}

Qt::ItemFlags ListRowsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;
    }
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    return draggable_ ? flags | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled : flags;
}

QModelIndex TreeNodesModel::IndexOf(Node node) const {
    if (node < 0 || static_cast<std::size_t>(node) >= rowInParent_.size()) {
        return {};
    }
    return createIndex(rowInParent_[static_cast<std::size_t>(node)], 0,
                       static_cast<quintptr>(node));
}

TreeNodesModel::Node TreeNodesModel::NodeOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<Node>(index.internalId()) : view::TreeView::kNone;
}

void TreeNodesModel::Clear() {
    const bool telling = Telling();
    if (telling) {
        beginResetModel();
    }
    nodes_.Clear();
    rowInParent_.clear();
    if (telling) {
        endResetModel();
    }
}

TreeNodesModel::Node TreeNodesModel::Add(Node parent, const std::string& text) {
    if (parent != view::TreeView::kNone &&
        (parent < 0 || static_cast<std::size_t>(parent) >= rowInParent_.size())) {
        parent = view::TreeView::kNone;
    }
    const int row = nodes_.ChildCount(parent);
    const bool telling = Telling();
    if (telling) {
        beginInsertRows(IndexOf(parent), row, row);
    }
    Node node = nodes_.AddNode(parent, text);
    rowInParent_.push_back(row);
    if (telling) {
        endInsertRows();
    }
    return node;
}

QModelIndex TreeNodesModel::index(int row, int column, const QModelIndex& parent) const {
    Node owner = NodeOf(parent);
    if (column != 0 || row < 0 || row >= nodes_.ChildCount(owner)) {
        return {};
    }
    return createIndex(row, 0, static_cast<quintptr>(nodes_.Child(owner, row)));
}

QModelIndex TreeNodesModel::parent(const QModelIndex& index) const {
    return index.isValid() ? IndexOf(nodes_.Parent(NodeOf(index))) : QModelIndex();
}

int TreeNodesModel::rowCount(const QModelIndex& parent) const {
    return parent.column() > 0 ? 0 : nodes_.ChildCount(NodeOf(parent));
}

int TreeNodesModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TreeNodesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    return Qs(nodes_.NodeText(NodeOf(index)));
}

}  // namespace ui
