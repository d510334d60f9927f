// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ListWidget.h"

#include <QHeaderView>

#include "ui/ItemModels.h"

namespace ui {

ListWidget::ListWidget(QWidget* parent) : QTableView(parent), rows_(new ListRowsModel(this)) {
    setModel(rows_);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setSortingEnabled(false);
    // Every row is one line high and never resized: the view then lays out millions of
    // rows without asking for any but those in sight.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    // A reset lays the header out afresh; the widths the user gave the columns stay.
    connect(rows_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        keptWidths_.clear();
        for (int column = 0; column < horizontalHeader()->count(); ++column) {
            keptWidths_.push_back(columnWidth(column));
        }
    });
    connect(rows_, &QAbstractItemModel::modelReset, this, [this] {
        for (std::size_t column = 0; column < keptWidths_.size(); ++column) {
            if (static_cast<int>(column) < horizontalHeader()->count()) {
                setColumnWidth(static_cast<int>(column), keptWidths_[column]);
            }
        }
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListWidget::SelectionChanged);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit RowDoubleClicked(index.row()); });
}

int ListWidget::RowCount() const {
    return rows_->rowCount();
}

int ListWidget::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListWidget::SelectRow(int row) {
    QModelIndex index = rows_->index(row, 0);
    if (index.isValid()) {
        selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selectionModel()->clear();
    }
}

int ListWidget::RowAt(const QPoint& pos) const {
    QModelIndex index = indexAt(pos);
    return index.isValid() ? index.row() : -1;
}

QRect ListWidget::RowRect(int row) const {
    return visualRect(rows_->index(row, 0));
}

QString ListWidget::Text(int row, int column) const {
    return rows_->data(rows_->index(row, column), Qt::DisplayRole).toString();
}

}  // namespace ui
