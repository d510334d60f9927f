// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "view/MemoryViews.h"

namespace {

std::vector<std::string> Row(const view::MemoryListView& v, int row) {
    return v.Cells(row);
}

// The rows are packed into one buffer; many edits and deletions make it pack again. Every
// row must keep its own cells, data and picture through that.
TEST(MemoryListView, RowsKeepTheirCellsThroughEditsDeletesAndRepacking) {
    view::MemoryListView v;
    v.SetColumns({{"a", 10}, {"b", 10}});
    int data[3] = {};
    const std::string longCell(70000, 'x');  // a length of three bytes, a block of its own
    v.AddRow({"R1", "10k"}, &data[0]);
    v.AddRow({"R2", longCell, "beyond the columns"}, &data[1]);
    v.InsertRow(0, {"", "first"}, &data[2]);
    v.SetStateImage(1, 4);
    for (int i = 0; i < 200; ++i) {
        v.SetCellText(1, 1, "v" + std::to_string(i));
    }
    v.SetCellText(0, 4, "far");
    EXPECT_EQ(Row(v, 0), (std::vector<std::string>{"", "first", "", "", "far"}));
    EXPECT_EQ(Row(v, 1), (std::vector<std::string>{"R1", "v199"}));
    EXPECT_EQ(Row(v, 2), (std::vector<std::string>{"R2", longCell, "beyond the columns"}));
    EXPECT_EQ(v.CellText(2, 1), longCell);
    EXPECT_EQ(v.CellText(1, 7), "");
    EXPECT_EQ(v.StateImage(1), 4);
    EXPECT_EQ(v.RowData(0), &data[2]);
    // A search's walk sees each cell as CellText reads it, up to the count asked for.
    for (int columns : {1, 6}) {
        std::vector<std::string> walked;
        EXPECT_FALSE(v.AnyCell(0, columns, [&](std::string_view cell) {
            walked.emplace_back(cell);
            return false;
        }));
        std::vector<std::string> read;
        for (int column = 0; column < columns; ++column) {
            read.push_back(v.CellText(0, column));
        }
        EXPECT_EQ(walked, read);
    }
    EXPECT_TRUE(
        v.AnyCell(2, 3, [](std::string_view cell) { return cell == "beyond the columns"; }));

    v.Select(2);
    v.DeleteRow(1);
    EXPECT_EQ(v.RowCount(), 2);
    EXPECT_EQ(v.Selected(), 1);
    EXPECT_EQ(v.CellText(1, 0), "R2");
    EXPECT_EQ(v.RowData(1), &data[1]);
    EXPECT_THROW(v.CellText(5, 0), std::out_of_range);
    EXPECT_THROW(v.InsertRow(9, {}, nullptr), std::out_of_range);

    v.Clear();
    EXPECT_EQ(v.RowCount(), 0);
    EXPECT_EQ(v.Selected(), -1);
}

}  // namespace
