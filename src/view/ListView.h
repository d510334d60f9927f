// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace view {

// A report-style list view: columns, rows of CP932 cell texts, one data pointer per row
// (not owned) and an optional state image. The Qt layer shows it; tests record it.
class ListView {
  public:
    struct Column {
        std::string caption;  // CP932
        int width = 0;        // pixels
    };

    virtual ~ListView() = default;

    virtual void SetColumns(const std::vector<Column>& columns) = 0;
    virtual int ColumnCount() const = 0;
    virtual int ColumnWidth(int column) const = 0;
    virtual void SetColumnWidth(int column, int width) = 0;

    // Many changes in a row: the view may hold its repaint until EndUpdate.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;

    virtual void Clear() = 0;
    virtual int RowCount() const = 0;
    // False for a view that drops the texts of its rows: a caller filling it with many rows
    // may then leave their cells empty instead of making texts no one reads.
    virtual bool KeepsTexts() const { return true; }
    // Appends a row (cells beyond the column count are kept but not shown); returns its index.
    virtual int AddRow(const std::vector<std::string>& cells, void* data = nullptr) = 0;
    // Inserts a row before `row` (RowCount() appends); returns its index.
    virtual int InsertRow(int row, const std::vector<std::string>& cells, void* data = nullptr) = 0;
    virtual void DeleteRow(int row) = 0;

    virtual std::string CellText(int row, int column) const = 0;
    // Whether `matches` holds for one of the row's first `columns` cells. A search walks every
    // cell of lists of half a million rows: a list keeping its cells packed hands each over
    // without a copy.
    virtual bool AnyCell(int row, int columns,
                         const std::function<bool(std::string_view)>& matches) const {
        for (int column = 0; column < columns; ++column) {
            if (matches(CellText(row, column))) {
                return true;
            }
        }
        return false;
    }
    virtual void SetCellText(int row, int column, const std::string& text) = 0;
    virtual void* RowData(int row) const = 0;
    virtual void SetRowData(int row, void* data) = 0;
    virtual int StateImage(int row) const = 0;  // -1: none
    virtual void SetStateImage(int row, int image) = 0;

    virtual int Selected() const = 0;  // -1: none
    virtual void Select(int row) = 0;  // -1 clears the selection
    virtual void ScrollIntoView(int row) = 0;
};

}  // namespace view
