// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemModel>
#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <string>
#include <vector>

#include "view/MemoryViews.h"

namespace ui {

// The rows of a list as the core gave them, shown through Qt's views without an object per
// row: the CP932 cells stay packed as the batch command keeps them, and only the rows being
// painted are turned into Qt texts. Changes made while held (the core filling a list) are
// told to the views as one reset when released, so a list of half a million rows is laid out
// once rather than row by row.
class ListRowsModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // What the core reads back: its own rows, whatever the views have been told so far.
    const view::MemoryListView& Rows() const { return rows_; }

    void SetCaptions(const QStringList& captions);
    void SetStateImages(std::vector<QIcon> images) { stateImages_ = std::move(images); }
    void SetDraggable(bool draggable) { draggable_ = draggable; }

    void Hold();
    void Release();
    // Whether a change made while held is still to be told: the views' rows are stale.
    bool Resetting() const { return resetting_; }

    void Clear();
    int Insert(int row, const std::vector<std::string>& cells, void* data);
    void Delete(int row);
    void SetCell(int row, int column, const std::string& text);
    void SetRowData(int row, void* data) { rows_.SetRowData(row, data); }
    void SetStateImage(int row, int image);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    // True when the change may be told row by row; otherwise it is part of the coming reset.
    bool Telling();

    view::MemoryListView rows_;
    QStringList captions_;
    std::vector<QIcon> stateImages_;
    int holds_ = 0;
    bool resetting_ = false;
    bool draggable_ = false;
};

// A tree of CP932 texts (the pin conversion table) shown through Qt's views.
class TreeNodesModel : public QAbstractItemModel {
  public:
    using Node = view::TreeView::Node;
    using QAbstractItemModel::QAbstractItemModel;

    const view::MemoryTreeView& Nodes() const { return nodes_; }
    QModelIndex IndexOf(Node node) const;
    static Node NodeOf(const QModelIndex& index);

    void Hold();
    void Release();
    void Clear();
    Node Add(Node parent, const std::string& text);

    QModelIndex index(int row, int column, const QModelIndex& parent) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    view::MemoryTreeView nodes_;
    std::vector<int> rowInParent_;
    int holds_ = 0;
    bool resetting_ = false;
};

}  // namespace ui
