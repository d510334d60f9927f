// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include "ui/ListWidget.h"

#include "UiFixture.h"
#include "output/DrawingSvg.h"
#include "ui/DrawingPage.h"

namespace {

using uitest::WindowTest;

// The colour painted at a drawing point of the canvas, at its fitted view.
class Picture {
  public:
    explicit Picture(ui::DrawingCanvas& canvas) : canvas_(canvas) {
        canvas.resize(600, 300);
        canvas.FitToWindow();
        image_ = canvas.grab().toImage();
    }
    QColor At(double x, double y) const {
        return image_.pixelColor(canvas_.ToWidget(x, y).toPoint());
    }

  private:
    ui::DrawingCanvas& canvas_;
    QImage image_;
};

const QColor kHighlight(output::DrawingPalette::Highlight);

class DrawingPageTest : public WindowTest {
  protected:
    // Three resistors in a row wired pin 2 to pin 1 in one drawing, two in the next.
    ui::TVornExtracts& OpenTwo() {
        one_ = folder.Drawing("one.ce2", {"R1", "R2", "R3"});
        two_ = folder.Drawing("two.ce2", {"R7", "R8"});
        return Open({one_, two_});
    }
    // The net view's row of the net named `name`.
    static int NetRow(ui::TVornExtracts& w, const std::string& name) {
        for (int row = 0; row < w.NetView->RowCount(); ++row) {
            if (uitest::Cell(w.NetView, row, 1) == name) {
                return row;
            }
        }
        return -1;
    }
    static const model::TNetRec* SelectedNet(ui::TVornExtracts& w) {
        int row = w.NetView->SelectedRow();
        return row >= 0 ? w.State.NetList[row] : nullptr;
    }

    std::string one_, two_;
};

TEST_F(DrawingPageTest, ChoosingANetHighlightsExactlyItsWiresAndPins) {
    ui::TVornExtracts& w = OpenTwo();
    ui::DrawingPage& page = *w.DrawingView;
    ASSERT_EQ(page.Count(), 2);
    EXPECT_EQ(page.Tabs->tabText(1).toStdString(), "two.ce2");

    const int row = NetRow(w, "N020001");
    ASSERT_GE(row, 0);
    w.NetView->SelectRow(row);
    const model::TNetRec* net = w.State.NetList[row];
    EXPECT_EQ(page.CurrentCanvas(), page.Canvas(1));  // the drawing that holds it
    EXPECT_EQ(page.Marks().HighlightedNets, std::unordered_set<const model::TNetRec*>{net});

    int highlighted = 0;
    for (int i = 0; i < page.Count(); ++i) {
        ui::DrawingCanvas& canvas = *page.Canvas(i);
        const model::DrawingGeometry& d = canvas.Drawing();
        const Picture picture(canvas);
        for (const model::DrawingWire& wire : d.Wires) {
            const bool ofNet = d.NetOf(wire.Group) == net;
            EXPECT_EQ(picture.At((wire.A.X + wire.B.X) / 2.0, wire.A.Y) == kHighlight, ofNet);
            highlighted += ofNet;
        }
        for (const model::DrawingPin& pin : d.Pins) {
            const bool ofNet = d.NetOf(pin.Group) == net;
            EXPECT_EQ(picture.At((pin.At.X + pin.BodyEdge.X) / 2.0, pin.At.Y) == kHighlight, ofNet);
            highlighted += ofNet;
        }
    }
    EXPECT_EQ(highlighted, 3);  // the wire and the two pins it joins

    // Ctrl+G on the parts page shows the chosen part on its drawing.
    w.Pages->setCurrentIndex(ui::TVornExtracts::PartsListTab);
    w.PartsViewA->SelectRow(1);  // R2
    page.Tabs->setCurrentIndex(1);
    EXPECT_EQ(w.ShowOnDrawingMnu->shortcut(), QKeySequence("Ctrl+G"));
    w.ShowOnDrawingMnu->trigger();
    EXPECT_EQ(w.Pages->currentIndex(), ui::TVornExtracts::DrawingTab);
    EXPECT_EQ(page.CurrentCanvas(), page.Canvas(0));
    ASSERT_NE(page.Marks().HighlightedPart, nullptr);
    EXPECT_EQ(page.Marks().HighlightedPart->RefText(), "R2");
}

TEST_F(DrawingPageTest, ClickingAnItemChoosesItsNetOrPartAndKeepsTheView) {
    ui::TVornExtracts& w = OpenTwo();
    w.Pages->setCurrentIndex(ui::TVornExtracts::DrawingTab);
    ui::DrawingCanvas& canvas = *w.DrawingView->Canvas(0);
    w.DrawingView->Tabs->setCurrentIndex(0);
    canvas.FitToWindow();
    canvas.ZoomBy(1.5, canvas.ToWidget(100, 0));
    const ui::DrawingCanvas::View before = canvas.CurrentView();
    auto click = [&](double x, double y) {
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, canvas.ToWidget(x, y).toPoint());
    };

    click(80, 0);  // the wire from R1 pin 2 to R2 pin 1
    const model::TNetRec* net = SelectedNet(w);
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(net->NetName, "N010001");
    EXPECT_EQ(w.DrawingView->Marks().HighlightedNets.count(net), 1u);
    click(160, 0);  // pin 2 of R2, on the next net
    ASSERT_NE(SelectedNet(w), nullptr);
    EXPECT_EQ(SelectedNet(w)->NetName, "N010002");

    click(230, 0);  // the body of R3
    ASSERT_GE(w.PartsViewA->SelectedRow(), 0);
    EXPECT_EQ(uitest::Cell(w.PartsViewA, w.PartsViewA->SelectedRow(), 0), "R3");
    EXPECT_EQ(w.DrawingView->Marks().HighlightedPart->RefText(), "R3");
    click(5, 0);  // R1's pin 1 is on no net: its part is chosen
    EXPECT_EQ(uitest::Cell(w.PartsViewA, w.PartsViewA->SelectedRow(), 0), "R1");

    const ui::DrawingCanvas::View after = canvas.CurrentView();
    EXPECT_EQ(after.Scale, before.Scale);
    EXPECT_EQ(after.Left, before.Left);

    // An added drawing leaves the views of the ones shown before as they were.
    dialogs.DialogSteps.push_back(uitest::Confirm(1));
    dialogs.OpenAnswers.push_back(QString::fromStdString(folder.Drawing("three.ce2", {"R20"})));
    w.OpenBtnClick();
    ASSERT_EQ(w.DrawingView->Count(), 3);
    EXPECT_EQ(w.DrawingView->Canvas(0)->CurrentView().Scale, before.Scale);
    EXPECT_EQ(w.DrawingView->Canvas(0)->CurrentView().Top, before.Top);
}

}  // namespace
