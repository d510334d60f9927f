// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>
#include <vector>

namespace ui {

class ListRowsModel;

// A report-style list of rows held by a ListRowsModel: one row selected at a time, whole
// rows chosen, and the column widths the user set kept when the rows are replaced. A
// table without grid or row numbers rather than a tree: a tree view keeps a record of
// its own for every row it lays out, 100 MB for the lists of a million-wire drawing.
class ListWidget : public QTableView {
    Q_OBJECT

  public:
    explicit ListWidget(QWidget* parent = nullptr);

    ListRowsModel& Rows() const { return *rows_; }
    int RowCount() const;
    // The selected row, -1 for none.
    int SelectedRow() const;
    // Makes `row` the current and only selected row; -1 clears the selection.
    void SelectRow(int row);
    // The row under a point of the viewport, -1 for none.
    int RowAt(const QPoint& pos) const;
    QRect RowRect(int row) const;
    QString Text(int row, int column) const;

  signals:
    void SelectionChanged();
    void RowDoubleClicked(int row);

  private:
    ListRowsModel* rows_;
    std::vector<int> keptWidths_;
};

}  // namespace ui
