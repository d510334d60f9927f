// SPDX-License-Identifier: GPL-3.0-or-later
#include <QStackedWidget>
#include <QTabWidget>
#include "ui/ListWidget.h"

#include "netlist/DrawingLinks.h"
#include "ui/DrawingPage.h"
#include "ui/VornExtra01.h"

namespace ui {

QWidget* TVornExtracts::BuildDrawingPage() {
    DrawingView = new DrawingPage;
    connect(DrawingView, &DrawingPage::NetClicked, this, &TVornExtracts::DrawingNetClicked);
    connect(DrawingView, &DrawingPage::PartClicked, this, &TVornExtracts::DrawingPartClicked);
    // Choosing in a list highlights on the drawing; a double-click on a net goes there.
    connect(NetView, &ListWidget::SelectionChanged, this,
            [this] { DrawingView->ShowNet(SelectedNet(false), !choosingFromDrawing_); });
    connect(ErrorNetView, &ListWidget::SelectionChanged, this,
            [this] { DrawingView->ShowNet(SelectedNet(true), !choosingFromDrawing_); });
    for (ListWidget* view : {PartsViewA, PartsViewB}) {
        connect(view, &ListWidget::SelectionChanged, this, [this, view] {
            DrawingView->ShowPart(SelectedPart(view == PartsViewB), !choosingFromDrawing_);
        });
    }
    for (ListWidget* view : {NetView, ErrorNetView}) {
        connect(view, &ListWidget::RowDoubleClicked, this,
                [this] { Pages->setCurrentIndex(DrawingTab); });
    }
    return DrawingView;
}

void TVornExtracts::ShowDrawings() {
    DrawingView->ShowDrawings(State.Drawings);
}

const model::TNetRec* TVornExtracts::SelectedNet(bool inShorts) const {
    if (inShorts) {
        // A short's row names the net by its first name; a header row names the drawing.
        const int row = errorNetView_->Selected();
        return row < 0 ? nullptr
                       : netlist::NetNamed(State.NetList, errorNetView_->CellText(row, 0));
    }
    const int row = netView_->Selected();
    return row < 0 ? nullptr : static_cast<const model::TNetRec*>(netView_->RowData(row));
}

const model::TPartRec* TVornExtracts::SelectedPart(bool detailView) const {
    const QtListView& view = detailView ? *partsViewB_ : *partsViewA_;
    const int row = view.Selected();
    return row < 0 ? nullptr : static_cast<const model::TPartRec*>(view.RowData(row));
}

void TVornExtracts::ShowOnDrawingMnuClick() {
    if (Pages->currentIndex() == PartsListTab) {
        DrawingView->ShowPart(SelectedPart(PartsListViews->currentWidget() == PartsViewB), true);
    } else if (Pages->currentIndex() == NetListTab) {
        DrawingView->ShowNet(SelectedNet(ErrorNetView->hasFocus()), true);
    }
    Pages->setCurrentIndex(DrawingTab);
    if (DrawingCanvas* canvas = DrawingView->CurrentCanvas()) {
        canvas->setFocus();
    }
}

void TVornExtracts::DrawingNetClicked(const model::TNetRec* net) {
    choosingFromDrawing_ = true;
    for (int row = 0; row < netView_->RowCount(); ++row) {
        if (netView_->RowData(row) == net) {
            netView_->Select(row);
            netView_->ScrollIntoView(row);
            break;
        }
    }
    choosingFromDrawing_ = false;
    DrawingView->ShowNet(net, false);
}

void TVornExtracts::DrawingPartClicked(const model::TPartRec* part) {
    choosingFromDrawing_ = true;
    QtListView& view = part->RowA >= 0 ? *partsViewA_ : *partsViewB_;
    const int row = part->RowA >= 0 ? part->RowA : part->RowB;
    view.Select(row);
    view.ScrollIntoView(row);
    choosingFromDrawing_ = false;
    DrawingView->ShowPart(part, false);
}

}  // namespace ui
