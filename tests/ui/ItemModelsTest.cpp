// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTreeView>

#include "UiFixture.h"
#include "text/Cp932.h"
#include "ui/ItemModels.h"
#include "ui/ListWidget.h"
#include "ui/QtViews.h"
#include "ui/VornExtra01.h"

namespace uitest {
namespace {

using Cells = std::vector<std::string>;

// The core fills a list inside an update, as it shows a drawing's parts: the view sees the
// rows once, at the end, keeps the widths the user gave and makes the selection asked for
// meanwhile; outside an update every change reaches the view at once.
TEST(ListModels, ListShowsTheCoresRowsAsItWroteThem) {
    App();
    ui::ListWidget widget;
    ui::QtListView list(widget, ui::StateImages());
    list.SetColumns({{text::Sj("部品番号"), 80}, {"Name", 120}});
    widget.setColumnWidth(1, 150);  // the user widened it
    QSignalSpy resets(&widget.Rows(), &QAbstractItemModel::modelReset);
    int payload = 0;

    list.BeginUpdate();
    list.Clear();
    for (int i = 0; i < 1000; ++i) {
        list.AddRow({"R" + std::to_string(i + 1), text::Sj("抵抗")}, &payload);
    }
    list.SetStateImage(999, 4);
    list.Select(999);
    EXPECT_EQ(list.Selected(), 999);
    EXPECT_EQ(list.CellText(999, 0), "R1000");  // read back before the view is told
    list.EndUpdate();

    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(widget.RowCount(), 1000);
    EXPECT_EQ(widget.SelectedRow(), 999);
    EXPECT_EQ(widget.columnWidth(1), 150);
    EXPECT_EQ(widget.Text(0, 1).toStdString(), "抵抗");
    EXPECT_EQ(list.CellText(0, 1), text::Sj("抵抗"));
    EXPECT_EQ(widget.model()->headerData(0, Qt::Horizontal).toString().toStdString(), "部品番号");
    EXPECT_FALSE(widget.model()->index(999, 0).data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(widget.model()->index(998, 0).data(Qt::DecorationRole).isNull());
    EXPECT_EQ(list.RowData(5), &payload);

    // Single changes: the selection follows its row; bad rows are ignored.
    list.InsertRow(0, {"R0"}, nullptr);
    EXPECT_EQ(list.Selected(), 1000);
    list.SetCellText(1000, 1, "X");
    EXPECT_EQ(widget.Text(1000, 1).toStdString(), "X");
    list.DeleteRow(1000);
    EXPECT_EQ(list.Selected(), 999);  // a single-selection list moves to the neighbour
    list.DeleteRow(5000);
    list.SetCellText(-1, 0, "nothing");
    EXPECT_EQ(list.CellText(5000, 0), "");
    EXPECT_EQ(list.RowData(-1), nullptr);
    EXPECT_EQ(widget.RowCount(), 1000);
    EXPECT_EQ(resets.count(), 1);

    // An update that changes nothing leaves the selection and the rows alone.
    list.Select(3);
    list.BeginUpdate();
    list.EndUpdate();
    EXPECT_EQ(widget.SelectedRow(), 3);
    EXPECT_EQ(resets.count(), 1);
}

TEST(ListModels, TreeKeepsItsNodesAndTheirPlaces) {
    App();
    QTreeView widget;
    ui::QtTreeView tree(widget);
    tree.BeginUpdate();
    auto block = tree.AddNode(view::TreeView::kNone, "LM358");
    tree.AddNode(block, "1 : OUT");
    tree.EndUpdate();
    auto second = tree.AddNode(view::TreeView::kNone, "NE555");
    auto pin = tree.AddNode(second, "3 : Q");

    EXPECT_EQ(widget.model()->rowCount(), 2);
    QModelIndex shown = widget.model()->index(0, 0, widget.model()->index(1, 0));
    EXPECT_EQ(shown.data().toString().toStdString(), "3 : Q");
    EXPECT_EQ(widget.model()->parent(shown).row(), 1);
    EXPECT_EQ(tree.Parent(pin), second);
    EXPECT_EQ(tree.Child(view::TreeView::kNone, 1), second);
    EXPECT_EQ(tree.Child(second, 7), view::TreeView::kNone);
    tree.Expand(second);
    tree.Select(pin);
    EXPECT_TRUE(widget.isExpanded(widget.model()->index(1, 0)));
    EXPECT_EQ(tree.Selected(), pin);
    EXPECT_EQ(tree.NodeText(99), "");
    tree.Clear();
    EXPECT_EQ(widget.model()->rowCount(), 0);
    EXPECT_EQ(tree.Selected(), view::TreeView::kNone);
}

}  // namespace
}  // namespace uitest
