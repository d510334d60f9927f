// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DrawingPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/NetList.h"
#include "model/PartRec.h"
#include "ui/QtViews.h"

namespace ui {

DrawingPage::DrawingPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    Info = new QLabel;
    Info->setTextFormat(Qt::PlainText);
    auto* fit = new QPushButton(U("全体表示(&W)"));
    fit->setToolTip(U("図面全体をウィンドウに合わせます (0 キー)"));
    connect(fit, &QPushButton::clicked, this, [this] {
        if (DrawingCanvas* canvas = CurrentCanvas()) {
            canvas->FitToWindow();
            canvas->setFocus();
        }
    });
    bar->addWidget(Info, 1);
    bar->addWidget(fit);
    Tabs = new QTabWidget;
    Tabs->setDocumentMode(true);
    layout->addLayout(bar);
    layout->addWidget(Tabs, 1);
    SayHint();
}

int DrawingPage::Count() const {
    return Tabs->count();
}

DrawingCanvas* DrawingPage::Canvas(int index) const {
    return qobject_cast<DrawingCanvas*>(Tabs->widget(index));
}

DrawingCanvas* DrawingPage::CurrentCanvas() const {
    return qobject_cast<DrawingCanvas*>(Tabs->currentWidget());
}

void DrawingPage::Release() {
    while (Tabs->count() > 0) {
        DrawingCanvas* canvas = Canvas(0);
        views_[canvas->Drawing().Path] = canvas->CurrentView();
        Tabs->removeTab(0);
        delete canvas;
    }
    marks_ = {};
}

void DrawingPage::ShowDrawings(const model::DrawingList& drawings) {
    Release();
    marks_.FindShorts(drawings);
    for (const auto& drawing : drawings) {
        auto* canvas = new DrawingCanvas(*drawing, marks_);
        auto view = views_.find(drawing->Path);
        if (view != views_.end()) {
            canvas->SetView(view->second);
        }
        const model::DrawingGeometry* shown = drawing.get();
        connect(canvas, &DrawingCanvas::ItemClicked, this,
                [this, shown](model::DrawingHit hit) { Clicked(*shown, hit); });
        const int tab = Tabs->addTab(canvas, Qs(drawing->FileName));
        Tabs->setTabToolTip(tab, QString::fromStdString(drawing->Path.string()));
    }
    SayHint();
}

void DrawingPage::SayHint() {
    Info->setText(Count() == 0
                      ? U("図面を開くと、ここに表示されます。")
                      : U("ホイール・＋／−で拡大縮小、ドラッグ・矢印キーで移動、0 で全体表示。"
                          "線・ピン・部品をクリックすると、そのネットや部品を選びます。"));
}

DrawingCanvas* DrawingPage::CanvasWhere(
    const std::function<bool(const model::DrawingGeometry&)>& holds) {
    DrawingCanvas* current = CurrentCanvas();
    if (current && holds(current->Drawing())) {
        return current;
    }
    for (int i = 0; i < Count(); ++i) {
        if (holds(Canvas(i)->Drawing())) {
            return Canvas(i);
        }
    }
    return nullptr;
}

void DrawingPage::ShowNet(const model::TNetRec* net, bool bringIntoView) {
    marks_.HighlightedNets.clear();
    marks_.HighlightedPart = nullptr;
    if (net) {
        marks_.HighlightedNets.insert(net);
    }
    RepaintAll();
    if (!net) {
        SayHint();
        return;
    }
    DrawingCanvas* canvas =
        CanvasWhere([net](const model::DrawingGeometry& d) { return d.Holds(net); });
    const bool shorted = marks_.ShortedNets.count(net) > 0;
    Info->setText(U("ネット ") + Qs(net->NetName) + U("：ピン ") +
                  QString::number(net->Pins.size()) + (shorted ? U("（ショートしています）") : "") +
                  (canvas ? QString() : U("（図面上にはありません）")));
    if (canvas && bringIntoView) {
        Tabs->setCurrentWidget(canvas);
        canvas->ShowArea(model::NetBounds(canvas->Drawing(), net));
    }
}

void DrawingPage::ShowPart(const model::TPartRec* part, bool bringIntoView) {
    marks_.HighlightedNets.clear();
    marks_.HighlightedPart = part;
    RepaintAll();
    if (!part) {
        SayHint();
        return;
    }
    DrawingCanvas* canvas = CanvasWhere(
        [part](const model::DrawingGeometry& d) { return !model::PartBounds(d, part).Empty(); });
    Info->setText(U("部品 ") + Qs(std::string(part->RefText())) + " " +
                  Qs(std::string(part->CvtNameText())) +
                  (canvas ? QString() : U("（図面上にはありません）")));
    if (canvas && bringIntoView) {
        Tabs->setCurrentWidget(canvas);
        canvas->ShowArea(model::PartBounds(canvas->Drawing(), part));
    }
}

void DrawingPage::Clicked(const model::DrawingGeometry& drawing, model::DrawingHit hit) {
    using Kind = model::DrawingHit::Kind;
    model::GroupNo group = 0;
    const model::TPartRec* part = nullptr;
    switch (hit.What) {
        case Kind::None:
            return;
        case Kind::Pin: {
            const model::DrawingPin& pin = drawing.Pins[hit.Index];
            group = pin.Group;
            part = drawing.Parts[static_cast<std::size_t>(pin.Part)].Head;
            break;
        }
        case Kind::Junction:
            group = drawing.Junctions[hit.Index].Group;
            break;
        case Kind::Wire:
            group = drawing.Wires[hit.Index].Group;
            break;
        case Kind::Label:
            group = drawing.Labels[hit.Index].Group;
            break;
        case Kind::Part:
            part = drawing.Parts[hit.Index].Head;
            break;
    }
    // A pin of no net stands for its part; a wire of no net for nothing.
    if (const model::TNetRec* net = drawing.NetOf(group)) {
        emit NetClicked(net);
    } else if (part) {
        emit PartClicked(part);
    } else {
        ShowNet(nullptr, false);
        Info->setText(U("この線はどのネットにもなっていません（ピンにつながっていません）。"));
    }
}

void DrawingPage::RepaintAll() {
    for (int i = 0; i < Count(); ++i) {
        Canvas(i)->update();
    }
}

}  // namespace ui
