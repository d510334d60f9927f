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

// A model whose changes made while held (the core filling a list) are told to the views as
// one reset when the last hold ends, and only if a change came: half a million rows are laid
// out once rather than row by row.
template <class Model>
class HeldChanges : public Model {
  public:
    using Model::Model;

    void Hold() { ++holds_; }
    void Release() {
        if (holds_ > 0 && --holds_ == 0 && resetting_) {
            resetting_ = false;
            this->endResetModel();
        }
    }
    // Whether a change made while held is still to be told: the views' rows are stale.
    bool Resetting() const { return resetting_; }

  protected:
    // True when a change is to be told on its own; while held, the first change opens the
    // reset that tells them all.
    bool Telling() {
        if (holds_ == 0) {
            return true;
        }
        if (!resetting_) {
            resetting_ = true;
            this->beginResetModel();
        }
        return false;
    }

  private:
    int holds_ = 0;
    bool resetting_ = false;
};

// The rows of a list as the core gave them, shown through Qt's views without an object per
// row: the CP932 cells stay packed as the batch command keeps them, and only the rows being
// painted are turned into Qt texts.
class ListRowsModel : public HeldChanges<QAbstractTableModel> {
  public:
    using HeldChanges::HeldChanges;

    // What the core reads back: its own rows, whatever the views have been told so far.
    const view::MemoryListView& Rows() const { return rows_; }

    void SetCaptions(const QStringList& captions);
    void SetStateImages(std::vector<QIcon> images) { stateImages_ = std::move(images); }
    void SetDraggable(bool draggable) { draggable_ = draggable; }

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
    view::MemoryListView rows_;
    QStringList captions_;
    std::vector<QIcon> stateImages_;
    bool draggable_ = false;
};

// A tree of CP932 texts (the pin conversion table) shown through Qt's views.
class TreeNodesModel : public HeldChanges<QAbstractItemModel> {
  public:
    using Node = view::TreeView::Node;
    using HeldChanges::HeldChanges;

    const view::MemoryTreeView& Nodes() const { return nodes_; }
    QModelIndex IndexOf(Node node) const;
    static Node NodeOf(const QModelIndex& index);

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
};

}  // namespace ui
